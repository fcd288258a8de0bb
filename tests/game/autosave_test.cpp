// The game in play kept as it goes: the file holds everything needed to go
// on exactly, refuses what is cut short, damaged or of another version, is
// written at every completed change, and a kill in the middle of a write
// leaves the old game or the new one, never a torn one.
#include "game/autosave.hpp"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <random>

#include "format/files.hpp"
#include "game/computer.hpp"
#include "game/game_support.hpp"
#include "game/navigation.hpp"
#include "game/sound.hpp"
#include "input/game_menu.hpp"
#include "support/rules_by_hand.hpp"
#include "window/startup.hpp"

namespace velmora {
namespace {

using namespace velmora::testing;

// The file's checksum as the format names it (FNV-1a, 64 bits), for files a
// test puts together itself.
std::string 検査値を付ける(std::string body) {
  std::uint64_t h = 0xcbf29ce484222325ULL;
  for (unsigned char c : body) {
    h ^= c;
    h *= 0x100000001b3ULL;
  }
  char sum[17];
  std::snprintf(sum, sizeof sum, "%016llx", static_cast<unsigned long long>(h));
  return body + "end " + sum + "\n";
}

std::string 本文(const std::string& bytes) { return bytes.substr(0, bytes.rfind("end ")); }

// The file without the seconds of the move in progress (the clock line's last
// field) and without its checksum.
std::string 経過を除く(const std::string& bytes) {
  std::string body = 本文(bytes);
  const std::size_t clock = body.find("\nclock ");
  const std::size_t end = body.find('\n', clock + 1);
  body.erase(body.rfind(' ', end), end - body.rfind(' ', end));
  return body;
}

// Everything the game layer keeps, compared part by part.
void 同じ対局(const 対局の場& a, const 対局の場& b) {
  EXPECT_TRUE(a.pos == b.pos);
  const 対局 &g = a.game, &h = b.game;
  EXPECT_EQ(
      std::tie(g.TEBAN, g.MAN_TEBAN, g.COM_TEBAN, g.TAISEN_MODE, g.SYOUSYA, g.TESUU, g.TESUU_HYOJI,
               g.TESUU_MAX, g.KIFU_MODE, g.SAIKAI_MSG, g.HANTEN, g.HANDE_SETTEI, g.HANDE_LEVEL, g.COM_LEVEL),
      std::tie(h.TEBAN, h.MAN_TEBAN, h.COM_TEBAN, h.TAISEN_MODE, h.SYOUSYA, h.TESUU, h.TESUU_HYOJI,
               h.TESUU_MAX, h.KIFU_MODE, h.SAIKAI_MSG, h.HANTEN, h.HANDE_SETTEI, h.HANDE_LEVEL, h.COM_LEVEL));
  EXPECT_EQ(a.maps.SITA_SEIRYOKU, b.maps.SITA_SEIRYOKU);
  EXPECT_EQ(a.maps.UE_TORI_X, b.maps.UE_TORI_X);
  EXPECT_EQ(a.maps.OU_NIGEMITI, b.maps.OU_NIGEMITI);
  EXPECT_EQ(std::tie(a.maps.SITA_OU_X, a.maps.SITA_OU_Y, a.maps.UE_OU_X, a.maps.UE_OU_Y),
            std::tie(b.maps.SITA_OU_X, b.maps.SITA_OU_Y, b.maps.UE_OU_X, b.maps.UE_OU_Y));
  EXPECT_EQ(a.search.BAN_MAE, b.search.BAN_MAE);
  EXPECT_EQ(a.search.HYOUKA_MAX, b.search.HYOUKA_MAX);
  EXPECT_EQ(a.search.OU_KYORI, b.search.OU_KYORI);
  for (int t = 0; t <= std::min(g.TESUU_MAX + 1, KIFU_T_MAX); ++t) {
    EXPECT_EQ(a.record[t].BAN, b.record[t].BAN) << t;
    EXPECT_EQ(a.record[t].SITA_MOTI, b.record[t].SITA_MOTI) << t;
    EXPECT_EQ(a.record[t].UE_MOTI, b.record[t].UE_MOTI) << t;
    EXPECT_EQ(std::tie(a.record[t].MAN_JIKAN, a.record[t].MAN_JIKAN2, a.record[t].COM_JIKAN,
                       a.record[t].COM_JIKAN2),
              std::tie(b.record[t].MAN_JIKAN, b.record[t].MAN_JIKAN2, b.record[t].COM_JIKAN,
                       b.record[t].COM_JIKAN2))
        << t;
  }
  EXPECT_EQ(a.moves.先手, b.moves.先手);
  EXPECT_EQ(a.moves.手, b.moves.手);
  EXPECT_EQ(std::tie(a.clock.MAN_JIKAN, a.clock.COM_JIKAN, a.clock.KEIKA_BYOU, a.clock.KEIKA_HYOJI_BYOU,
                     a.clock.刻む),
            std::tie(b.clock.MAN_JIKAN, b.clock.COM_JIKAN, b.clock.KEIKA_BYOU, b.clock.KEIKA_HYOJI_BYOU,
                     b.clock.刻む));
}

// Games of every kind the player can leave behind, each played on `w` up to
// some point.
enum class 種類 { 人間同士, 先手, 後手, ハンデ, 反転, 棋譜, 投了 };

void 遊ぶ(FakeWindow& w, 種類 kind, std::mt19937& rng) {
  Form1& f = w.f();
  auto 人の手 = [&] {
    const auto moves = 合法手(f.pos, f.game.TEBAN == f.game.COM_TEBAN, kind != 種類::投了);
    if (moves.empty()) return false;
    const 指し手 m = moves[rng() % moves.size()];
    w.clock.advance(1 + rng() % 40 / 8.0);
    時計の刻み(f);
    指す(f, m);
    return f.game.SYOUSYA == 0;
  };
  switch (kind) {
    case 種類::人間同士: START_Click(f); break;
    case 種類::先手:
      LEVEL1_Click(f);
      SENTE_Click(f);
      break;
    case 種類::後手:
      LEVEL2_Click(f);
      GOTE_Click(f);
      break;
    case 種類::ハンデ:
      LBEL_UP_Click(f);
      LBEL_UP_Click(f);
      SENTE_Click(f);
      break;
    case 種類::反転: START_Click(f); break;
    case 種類::棋譜: {
      const auto dir = 作業場所("autosave-record");
      二十手指す(w);
      保存(w, dir, "kept", "題", "甲", "乙");
      棋譜一覧_Click(f, "kept.棋譜");
      for (int i = 0; i < 7; ++i) AFTER_Click(f);
      return;
    }
    case 種類::投了: START_Click(f); break;
  }
  const int n = 3 + int(rng() % 12);
  for (int i = 0; i < n && 人の手(); ++i) {
    if (kind == 種類::反転 && i == 4) REVERSE_Click(f);
  }
  if (rng() % 2) {
    REPLAY_Click(f);
    REPLAY_Click(f);
    AFTER_Click(f);
  }
  if (kind == 種類::投了) TOURYOU_Click(f);
}

TEST(Autosave, EveryKindOfGameComesBackExactly) {
  const auto dir = 作業場所("autosave-kinds");
  std::mt19937 rng(20260105);
  for (種類 kind :
       {種類::人間同士, 種類::先手, 種類::後手, 種類::ハンデ, 種類::反転, 種類::棋譜, 種類::投了}) {
    for (int round = 0; round < 3; ++round) {
      SCOPED_TRACE(::testing::Message() << "kind " << int(kind) << " round " << round);
      FakeWindow w;
      w.canvas.recording = false;
      Form_Load(w.f());
      遊ぶ(w, kind, rng);
      const double now = w.clock.now();
      const std::string bytes = 自動保存_書式(w.f(), now);
      保存された対局 kept;
      ASSERT_EQ(自動保存_解析(bytes, kept), 自動保存の誤り::なし);

      FakeWindow r;
      r.canvas.recording = false;
      Form_Load(r.f());
      r.clock.advance(1234.5);
      r.events.lines.clear();
      自動保存_復元(r.f(), kept, r.clock.now());
      同じ対局(w.f(), r.f());
      // The move in progress goes on from where it was, whatever the clock says now.
      EXPECT_NEAR(調査_経過秒(r.f().clock.KAISI_JIKOKU, r.clock.now()),
                  調査_経過秒(w.f().clock.KAISI_JIKOKU, now), 1e-9);
      ASSERT_EQ(r.events.lines.size(), 1u);
      EXPECT_EQ(r.events.lines[0].substr(0, 6), "再開");
      // Written again, it is the same file (but for the last bits of that time).
      EXPECT_EQ(経過を除く(自動保存_書式(r.f(), r.clock.now())), 経過を除く(bytes));
    }
  }
}

TEST(Autosave, ARecordsHeadersComeBackWithIt) {
  const auto dir = 作業場所("autosave-headers");
  FakeWindow w;
  Form_Load(w.f());
  w.f().autosave.パス = dir / "autosave";
  w.f().autosave.書く = true;
  二十手指す(w);
  保存(w, dir, "見出し", "名人戦", "先手の人", "後手の人");
  棋譜一覧_Click(w.f(), "見出し.棋譜");
  AFTER_Click(w.f());
  保存された対局 kept;
  ASSERT_EQ(自動保存_解析(ファイル内容(dir / "autosave"), kept), 自動保存の誤り::なし);
  EXPECT_EQ(kept.見出し[0], "名人戦");
  EXPECT_EQ(kept.見出し[1], "後手の人");
  EXPECT_EQ(kept.見出し[2], "先手の人");
  FakeWindow r;
  Form_Load(r.f());
  r.events.lines.clear();
  自動保存_復元(r.f(), kept, 0);
  EXPECT_EQ(r.events.lines, std::vector<std::string>{"再開 side=-1 |名人戦 |後手の人 |先手の人"});
  // Starting a game clears them from the board, and from what is kept.
  START_Click(w.f());
  ASSERT_EQ(自動保存_解析(ファイル内容(dir / "autosave"), kept), 自動保存の誤り::なし);
  EXPECT_EQ(kept.見出し[0], "");
}

class AutosaveFile : public ::testing::Test {
 protected:
  void SetUp() override {
    Form_Load(w.f());
    二十手指す(w);
    REPLAY_Click(w.f());
    bytes = 自動保存_書式(w.f(), w.clock.now());
    保存された対局 kept;
    ASSERT_EQ(自動保存_解析(bytes, kept), 自動保存の誤り::なし);
  }
  自動保存の誤り 読む(const std::string& b) {
    保存された対局 kept;
    return 自動保存_解析(b, kept);
  }
  FakeWindow w;
  std::string bytes;
};

TEST_F(AutosaveFile, AFileCutShortAnywhereIsRefused) {
  for (std::size_t n = 0; n < bytes.size(); n += n < 200 || n > bytes.size() - 200 ? 1 : 37)
    ASSERT_EQ(読む(bytes.substr(0, n)), 自動保存の誤り::壊れた) << n;
  EXPECT_EQ(読む(bytes + "x"), 自動保存の誤り::壊れた);
  EXPECT_EQ(読む(bytes + bytes), 自動保存の誤り::壊れた);
}

TEST_F(AutosaveFile, ADamagedByteAnywhereIsRefused) {
  for (std::size_t i = 20; i < bytes.size(); i += 7) {
    std::string damaged = bytes;
    damaged[i] = damaged[i] == '1' ? '2' : '1';
    ASSERT_EQ(読む(damaged), 自動保存の誤り::壊れた) << i;
  }
  std::string zeroed = bytes;
  zeroed[bytes.size() / 2] = '\0';
  EXPECT_EQ(読む(zeroed), 自動保存の誤り::壊れた);
  EXPECT_EQ(読む(""), 自動保存の誤り::壊れた);
  EXPECT_EQ(読む("velmora-autosave 1\n"), 自動保存の誤り::壊れた);
  EXPECT_EQ(読む(std::string(1000, '\n')), 自動保存の誤り::壊れた);
}

TEST_F(AutosaveFile, AnotherVersionIsToldApartFromDamage) {
  ASSERT_TRUE(bytes.starts_with("velmora-autosave 1\n"));
  std::string other = "velmora-autosave 2\n" + bytes.substr(19);
  EXPECT_EQ(読む(other), 自動保存の誤り::版);
  EXPECT_EQ(読む(検査値を付ける("velmora-autosave 99\ngame 1\n")), 自動保存の誤り::版);
  EXPECT_EQ(読む("velmora-autosave x\n" + bytes.substr(19)), 自動保存の誤り::壊れた);
}

// A checksum that fits says only that nothing happened to the bytes: what they
// say is checked as well, field by field.
TEST_F(AutosaveFile, ContentsNoGameCanHoldAreRefusedWhateverTheChecksum) {
  const std::string body = 本文(bytes);
  ASSERT_EQ(読む(検査値を付ける(body)), 自動保存の誤り::なし);
  // One line replaced by what `edit` makes of it.
  auto edited = [&](std::string_view tag, auto edit) {
    const std::size_t at = body.find("\n" + std::string(tag) + " ") + 1;
    const std::size_t end = body.find('\n', at);
    std::string line = body.substr(at, end - at);
    edit(line);
    return 検査値を付ける(body.substr(0, at) + line + body.substr(end));
  };
  auto field = [](std::string& line, int index, std::string_view value) {
    std::size_t at = 0;
    for (int i = 0; i <= index; ++i) at = line.find(' ', at) + 1;
    line.replace(at, line.find(' ', at) - at, value);
  };
  EXPECT_EQ(読む(edited("game", [&](std::string& l) { field(l, 5, "501"); })),
            自動保存の誤り::壊れた);  // TESUU
  EXPECT_EQ(読む(edited("game", [&](std::string& l) { field(l, 0, "2"); })),
            自動保存の誤り::壊れた);  // TEBAN
  EXPECT_EQ(読む(edited("game", [&](std::string& l) { field(l, 2, "1"); })),
            自動保存の誤り::壊れた);  // COM_TEBAN = MAN_TEBAN
  EXPECT_EQ(読む(edited("game", [&](std::string& l) { field(l, 8, "7"); })),
            自動保存の誤り::壊れた);  // a flag
  EXPECT_EQ(読む(edited("game", [&](std::string& l) { l += " 0"; })),
            自動保存の誤り::壊れた);  // a field too many
  EXPECT_EQ(読む(edited("game", [&](std::string& l) { field(l, 3, "1x"); })),
            自動保存の誤り::壊れた);  // no number
  // A second bottom king on an empty square of the board.
  int empty = 0;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y)
      if (!empty && w.f().pos.BAN[x][y] == KARA) empty = x * 10 + y;
  EXPECT_EQ(読む(edited("position", [&](std::string& l) { field(l, empty, "-950"); })),
            自動保存の誤り::壊れた);
  EXPECT_EQ(読む(edited("position", [&](std::string& l) { field(l, 5, "10"); })),
            自動保存の誤り::壊れた);  // row 0
  EXPECT_EQ(読む(edited("clock", [&](std::string& l) { field(l, 0, "-3"); })), 自動保存の誤り::壊れた);
  EXPECT_EQ(読む(edited("clock", [&](std::string& l) { field(l, 0, "nan"); })), 自動保存の誤り::壊れた);
  // A square the computer reads as a square, off the board.
  EXPECT_EQ(読む(edited("maps", [&](std::string& l) { field(l, 100 * 15, "12"); })), 自動保存の誤り::壊れた);
  EXPECT_EQ(読む(edited("record", [&](std::string& l) { field(l, 0, "3"); })), 自動保存の誤り::壊れた);
  EXPECT_EQ(読む(edited("moves", [&](std::string& l) { field(l, 0, "0"); })), 自動保存の誤り::壊れた);
  EXPECT_EQ(読む(edited("headers", [&](std::string& l) { field(l, 0, "e5a"); })), 自動保存の誤り::壊れた);
}

// The game is written after each change that completes, and only once the
// start has let it be.
TEST(AutosaveListener, TheGameIsKeptAfterEveryCompletedChange) {
  const auto dir = 作業場所("autosave-listener");
  const auto path = dir / "autosave";
  FakeWindow w;
  Form1& f = w.f();
  Form_Load(f);
  START_Click(f);
  指す(w, 二十手[0]);
  EXPECT_FALSE(std::filesystem::exists(path));  // not before the start has offered the last game

  f.autosave.パス = path;
  f.autosave.書く = true;
  保存された対局 kept;
  auto 読む = [&] {
    kept = 保存された対局{};
    return 自動保存_解析(ファイル内容(path), kept) == 自動保存の誤り::なし;
  };
  指す(w, 二十手[1]);
  ASSERT_TRUE(読む());
  EXPECT_EQ(kept.game.TESUU, 2);
  EXPECT_EQ(kept.game.TEBAN, TEBAN_SENTE);
  REPLAY_Click(f);
  ASSERT_TRUE(読む());
  EXPECT_EQ(kept.game.TESUU, 1);
  EXPECT_EQ(kept.game.TESUU_MAX, 2);
  AFTER_Click(f);
  ASSERT_TRUE(読む());
  EXPECT_EQ(kept.game.TESUU, 2);
  REVERSE_Click(f);
  ASSERT_TRUE(読む());
  EXPECT_TRUE(kept.game.HANTEN);
  // A level chosen is no change of the game: it is kept with the next one,
  // or when the program ends.
  LEVEL1_Click(f);
  ASSERT_TRUE(読む());
  EXPECT_EQ(kept.game.COM_LEVEL, 3);
  終了処理(f);
  ASSERT_TRUE(読む());
  EXPECT_EQ(kept.game.COM_LEVEL, 1);
  // Nothing is written after the end.
  const std::string last = ファイル内容(path);
  CANCEL_Click(f);
  EXPECT_EQ(ファイル内容(path), last);
}

// What the window's ear hears is heard after the game was kept: when the
// computer starts thinking, the human's move is already in the file, so a
// kill while it thinks takes nothing the human did.
class 思考開始で読む final : public 知らせの受け手 {
 public:
  std::filesystem::path path;
  std::vector<保存された対局> seen;
  void 知らせ(const 対局の知らせ& e) override {
    if (e.種類 != 出来事::思考開始) return;
    seen.emplace_back();
    if (自動保存_解析(ファイル内容(path), seen.back()) != 自動保存の誤り::なし) seen.pop_back();
  }
};

TEST(AutosaveListener, WhileTheComputerThinksTheHumansMoveIsKept) {
  const auto dir = 作業場所("autosave-thinking");
  FakeWindow w;
  Form1& f = w.f();
  Form_Load(f);
  思考開始で読む ear;
  ear.path = dir / "autosave";
  f.p.events = &ear;
  f.autosave.パス = ear.path;
  f.autosave.書く = true;
  LEVEL1_Click(f);
  SENTE_Click(f);
  指す(f, 合法手(f.pos, false, false).front());
  ASSERT_EQ(ear.seen.size(), 1u);
  EXPECT_EQ(ear.seen[0].game.TESUU, 1);
  EXPECT_EQ(ear.seen[0].game.TEBAN, f.game.COM_TEBAN);
  EXPECT_EQ(f.game.TESUU, 2);  // and the computer has answered since
}

// Killed at any moment while it writes, the file holds the game as it was or
// as it became. The child writes two games in turn as fast as it can; the
// parent kills it at random moments and reads what is left.
TEST(AutosaveKill, AKillWhileWritingLeavesTheOldGameOrTheNewOne) {
  const auto dir = 作業場所("autosave-kill");
  const auto path = dir / "autosave";
  FakeWindow a, b;
  Form_Load(a.f());
  Form_Load(b.f());
  二十手指す(a);
  二十手指す(b);
  for (int i = 0; i < 6; ++i) REPLAY_Click(b.f());
  const std::string first = 自動保存_書式(a.f(), 0), second = 自動保存_書式(b.f(), 0);
  ASSERT_NE(first, second);
  std::mt19937 rng(7);
  int old_games = 0, new_games = 0;
  for (int round = 0; round < 120; ++round) {
    ASSERT_EQ(ファイル_置換(path, first), "");
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      for (int i = 0;; ++i) ファイル_置換(path, i % 2 ? first : second);
    }
    ::usleep(rng() % 4000);
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    const std::string left = ファイル内容(path);
    保存された対局 kept;
    ASSERT_EQ(自動保存_解析(left, kept), 自動保存の誤り::なし) << "round " << round;
    ASSERT_TRUE(left == first || left == second) << "round " << round;
    (left == first ? old_games : new_games) += 1;
  }
  // Both ends were seen, so the kills did fall in the middle of the writing.
  EXPECT_GT(old_games, 0);
  EXPECT_GT(new_games, 0);
}

TEST(Autosave, WorthOfferingIsAGameWithMovesThatHasNotEnded) {
  対局 g;
  EXPECT_FALSE(続きのある対局(g));
  g.TEBAN = TEBAN_SENTE;
  EXPECT_FALSE(続きのある対局(g));  // started, no move yet
  g.TESUU = g.TESUU_HYOJI = 1;
  EXPECT_TRUE(続きのある対局(g));
  g.SYOUSYA = TEBAN_GOTE;
  EXPECT_FALSE(続きのある対局(g));
  g.SYOUSYA = 0;
  g.TESUU = 0;  // a reversal starts the record again; the moves are still counted
  EXPECT_TRUE(続きのある対局(g));
}

}  // namespace
}  // namespace velmora
