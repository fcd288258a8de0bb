// Snapshots, the record panel, and saving and loading record files.
#include "game/record.hpp"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "format/kifu_line.hpp"
#include "game/flow.hpp"
#include "game/game_support.hpp"
#include "game/navigation.hpp"
#include "game/notation.hpp"
#include "input/game_menu.hpp"
#include "input/record_panel.hpp"
#include "view/drawing.hpp"
#include "view/labels.hpp"
#include "window/startup.hpp"

namespace velmora {
namespace {

using namespace velmora::testing;
namespace fs = std::filesystem;

const fs::path 資料 = fs::path(VELMORA_SOURCE_DIR) / "tests/game/data";

class RecordTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Form_Load(f);
    w.dialogs.boxes.clear();
    w.sound.calls.clear();
  }
  std::vector<std::string> 箱() const {
    std::vector<std::string> out;
    for (const auto& b : w.dialogs.boxes) out.push_back(b.title + "|" + b.text);
    return out;
  }
  FakeWindow w;
  Form1& f = w.f();
};

// What the window says on standard error of a record named on its command
// line: the same words the game's box says, nothing for a good record, and
// the game untouched.
TEST_F(RecordTest, WhyAFileIsNoRecordIsToldWithoutReadingItIntoTheGame) {
  const auto dir = 作業場所("why-no-record");
  EXPECT_EQ(棋譜ファイルの誤り(f, (資料 / "twenty_moves.棋譜").string(), "t"), "");
  ファイル作成(dir / "bad.棋譜", "a\r\nb\r\nc\r\nnot a position\r\n");
  EXPECT_EQ(棋譜ファイルの誤り(f, (dir / "bad.棋譜").string(), "bad"),
            "棋譜ﾌｧｲﾙの4行目が正しくありません\n行の長さが358文字ではありません");
  ファイル作成(dir / "empty.棋譜", "a\r\nb\r\nc\r\n");
  EXPECT_EQ(棋譜ファイルの誤り(f, (dir / "empty.棋譜").string(), "empty"), "棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません");
  EXPECT_EQ(棋譜ファイルの誤り(f, dir.string(), "dir"), "棋譜ﾌｧｲﾙを読めません\ndir");
  EXPECT_TRUE(w.dialogs.boxes.empty());
  EXPECT_FALSE(f.game.KIFU_MODE);
}

TEST_F(RecordTest, EachMoveStoresThePositionBeforeItWithTheFourTimes) {
  人間対局開始(w);
  指す(w, 二十手[0]);
  指す(w, 二十手[1]);
  EXPECT_EQ(f.game.TESUU, 2);
  EXPECT_EQ(f.game.TESUU_MAX, 1);
  // Snapshot 1 is the position after the first move: the pawn and its mirror.
  EXPECT_EQ(f.record[1].BAN[3][6], -HU);
  EXPECT_EQ(f.record[1].BAN[7][4], HU);
  EXPECT_EQ(f.record[1].BAN[3][3], HU);
  EXPECT_EQ(f.record[0].BAN[3][7], -HU);
  // The top side moved second: its total grows in the "after" time.
  EXPECT_DOUBLE_EQ(f.record[1].MAN_JIKAN, 3.5);
  EXPECT_DOUBLE_EQ(f.record[1].MAN_JIKAN2, 3.5);
  EXPECT_DOUBLE_EQ(f.record[1].COM_JIKAN, 0);
  EXPECT_DOUBLE_EQ(f.record[1].COM_JIKAN2, 12.25);
  EXPECT_DOUBLE_EQ(f.record[0].MAN_JIKAN2, 3.5);
}

TEST_F(RecordTest, AMovePastTheLastSnapshotIsNeverStored) {
  f.game.TESUU = KIFU_T_MAX;
  f.pos.BAN[5][5] = HU;
  手順保存(f.record, f.game, f.pos, 1, 2, 3, 4);
  EXPECT_EQ(f.record[KIFU_T_MAX].BAN[5][5], HU);
  EXPECT_EQ(f.game.TESUU_MAX, KIFU_T_MAX);
  f.game.TESUU = KIFU_T_MAX + 1;
  手順保存(f.record, f.game, f.pos, 1, 2, 3, 4);
  EXPECT_EQ(f.game.TESUU_MAX, KIFU_T_MAX);
}

TEST_F(RecordTest, TheWriterIsRefusedAfterAReversalOrAHandicap) {
  f.game.HANTEN = true;
  KIFU_WRITE_Click(f);
  f.game.HANTEN = false;
  f.game.HANDE_SETTEI = true;
  KIFU_WRITE_Click(f);
  EXPECT_EQ(箱(), (std::vector<std::string>{"棋譜書込|反転後は書き込みできません",
                                            "棋譜書込|ﾊﾝﾃﾞｷｬｯﾌﾟ設定後は書き込みできません"}));
  EXPECT_FALSE(w.record.panel);
  f.game.HANDE_SETTEI = false;
  KIFU_WRITE_Click(f);
  EXPECT_TRUE(w.record.panel);
  EXPECT_TRUE(w.record.drive && w.record.dir && !w.record.file);
}

TEST_F(RecordTest, ThePanelClosesEmptiedAndTheReaderOpensTheWholeBrowser) {
  描画_棋譜_IO(f, 0);
  w.record.set_text(棋譜の欄::ファイル名, "a");
  w.record.set_text(棋譜の欄::後手, "d");
  EXPECT_TRUE(w.record.panel);
  KIFU_READ_Click(f);
  EXPECT_FALSE(w.record.panel);
  EXPECT_TRUE(w.record.drive && w.record.dir && w.record.file);
  for (int n = 1; n <= 4; ++n) EXPECT_EQ(w.record.text(static_cast<棋譜の欄>(n)), "") << n;
}

TEST_F(RecordTest, ReturnNeedsANameAndTwoMoves) {
  const fs::path dir = 作業場所("needs");
  人間対局開始(w);
  保存(w, dir, "", "t", "a", "b");
  指す(w, 二十手[0]);
  保存(w, dir, "one", "t", "a", "b");
  EXPECT_EQ(箱(), (std::vector<std::string>{"  |ﾌｧｲﾙ名が入力されていません",
                                            "棋譜保存|保存するデータがありません"}));
  EXPECT_TRUE(fs::is_empty(dir));
  EXPECT_TRUE(w.record.panel);  // still open for another try
  指す(w, 二十手[1]);
  保存(w, dir, "two", "t", "a", "b");
  EXPECT_EQ(箱().back(), "  |棋譜を書き込みました");
  EXPECT_FALSE(w.record.panel);
  EXPECT_EQ(w.record.refreshes > 0, true);
  // Snapshot 1, then the position after move 2 as it stands, its clocks standing still.
  const std::string bytes = ファイル内容(dir / "two.棋譜");
  棋譜局面 live = f.record[1];
  live.BAN[3][3] = KARA;
  live.BAN[3][4] = HU;
  live.BAN[7][7] = KARA;  // the mirror move
  live.BAN[7][6] = -HU;
  live.MAN_JIKAN = live.MAN_JIKAN2 = 3.5;
  live.COM_JIKAN = live.COM_JIKAN2 = 12.25;
  EXPECT_EQ(bytes, "t\r\nb\r\na\r\n" + 書込_棋譜行(f.record[1]) + "\r\n" + 書込_棋譜行(live) + "\r\n");
  EXPECT_EQ(f.game.TESUU_MAX, 1);
}

TEST_F(RecordTest, HeaderLinesNameTheTopPlayerFirst) {
  const fs::path dir = 作業場所("headers");
  二十手指す(w);
  保存(w, dir, "bottom_first", "題", "先手", "後手");
  f.game.MAN_TEBAN = -1;
  f.game.COM_TEBAN = 1;
  保存(w, dir, "bottom_second", "題", "先手", "後手");
  // The first three lines of a file, each with its CR LF.
  const auto lines = [](const std::string& s) {
    std::size_t end = 0;
    for (int i = 0; i < 3; ++i) end = s.find("\r\n", end) + 2;
    return s.substr(0, end);
  };
  const std::string sj_title = *書込_見出し行("題"), sj_first = *書込_見出し行("先手"),
                    sj_second = *書込_見出し行("後手");
  EXPECT_EQ(lines(ファイル内容(dir / "bottom_first.棋譜")),
            sj_title + "\r\n" + sj_second + "\r\n" + sj_first + "\r\n");
  EXPECT_EQ(lines(ファイル内容(dir / "bottom_second.棋譜")),
            sj_title + "\r\n" + sj_first + "\r\n" + sj_second + "\r\n");
}

TEST_F(RecordTest, TheExtensionIsAlwaysAppended) {
  const fs::path dir = 作業場所("extension");
  二十手指す(w);
  保存(w, dir, "game.棋譜", "", "", "");
  EXPECT_TRUE(fs::exists(dir / "game.棋譜.棋譜"));
}

// The golden file: the twenty-move game as the program writes it, kept byte
// for byte (Shift-JIS headers, CR LF), and loaded back.
TEST_F(RecordTest, TheTwentyMoveGameIsWrittenExactlyAsTheGoldenFile) {
  const fs::path dir = 作業場所("golden");
  二十手指す(w);
  保存(w, dir, "twenty_moves", "練習対局", "山田", "田中");
  const std::string golden = ファイル内容(資料 / "twenty_moves.棋譜");
  ASSERT_FALSE(golden.empty());
  EXPECT_EQ(ファイル内容(dir / "twenty_moves.棋譜"), golden);
}

// Three lines of the golden file derived by hand from the record format:
// the board column by column, each column from the top row down, every code
// right-aligned in four characters; then for each hand slot the bottom
// side's count and the top side's, one digit each; then the four thinking
// times in whole seconds, right-aligned in five.
TEST(RecordFormat, TheGoldenFileHoldsTheLinesDerivedByHand) {
  const std::string golden = ファイル内容(資料 / "twenty_moves.棋譜");
  std::vector<std::string> lines;
  for (std::size_t at = 0, end; (end = golden.find("\r\n", at)) != std::string::npos; at = end + 2)
    lines.push_back(golden.substr(at, end - at));
  ASSERT_EQ(lines.size(), 3u + 19u + 1u);
  // Snapshot 1, after the first move: the bottom pawn (3, 7) → (3, 6), and the
  // top pawn (7, 3) → (7, 4) mirroring it. Nothing in hand. The first player
  // took 3.5 s; the second player's 12.25 s are booked when it moves.
  EXPECT_EQ(lines[3],
            "  20   0  10   0   0   0 -10   0 -20"  // column 1
            "  30 900  10   0   0   0 -10-800 -30"
            " 100   0  10   0   0 -10   0   0-100"
            " 110   0  10   0   0   0 -10   0-110"
            " 950   0  10   0   0   0 -10   0-950"
            " 110   0  10   0   0   0 -10   0-110"
            " 100   0   0  10   0   0 -10   0-100"
            "  30 800  10   0   0   0 -10-900 -30"
            "  20   0  10   0   0   0 -10   0 -20"  // column 9
            "00000000000000"
            "    3    3    0   12");
  // Snapshot 3: the bottom bishop has taken the top one on (8, 2) and
  // promoted (-801, four characters without a space); the bishop taken is
  // the bottom side's, slot 6. Times 3.5 + 1234.6 and 12.25 + 59.9.
  EXPECT_EQ(lines[5].substr(7 * 36, 36), "  30-801  10   0   0   0 -10-900 -30");
  EXPECT_EQ(lines[5].substr(9 * 36), "00000000001000 1238 1238   12   72");
  // Snapshot 19, after nineteen moves, worked move by move: the bottom side
  // holds two pawns and a bishop, the top side a lance and a bishop.
  EXPECT_EQ(lines[21],
            "   0   0  20   0   0   0   0   0   0"  // column 1
            "   0 900  10   0 -30   0 -10-100 -30"
            " 100   0   0  10   0 -10   0   0   0"
            " 110   0  10   0   0   0 -10   0-110"
            " 950   0   0  10   0 -10   0   0-950"
            " 110   0  10   0   0   0 -10   0-110"
            "   0   0   0  10   0 -10   0   0-100"
            "  30 100  10   0   0   0 -10-900   0"
            "  20   0   0   0  10 -10 -30   0 -20"  // column 9
            "20010000001100"
            " 1253 1253   84   85");
  // The last line, the position as it stands after the twentieth move: the
  // top lance (1, 3) → (1, 7) and its mirror, the bottom knight (9, 7) →
  // (9, 3); hands as before; each side's total twice, the clocks standing
  // still: 3.5 + 1234.6 + 7 + 2 + 6 × 1 and 12.25 + 59.9 + 3 + 4 + 6 × 1.
  EXPECT_EQ(lines[22].substr(0, 36), "   0   0   0   0   0   0  20   0   0");
  EXPECT_EQ(lines[22].substr(36, 7 * 36), lines[21].substr(36, 7 * 36));
  EXPECT_EQ(lines[22].substr(8 * 36),
            "  20   0 -30   0  10 -10   0   0 -20"
            "20010000001100"
            " 1253 1253   85   85");
}

TEST_F(RecordTest, TheGoldenFileLoadsWithItsHeadersAndEverySnapshot) {
  FakeWindow played;
  Form_Load(played.f());
  二十手指す(played);

  フォルダ_変更(f, 資料.string());
  w.canvas.ops.clear();
  棋譜一覧_Click(f, "twenty_moves.棋譜");
  EXPECT_EQ(箱(), (std::vector<std::string>{"棋譜| 読み込みました", "棋譜|棋譜を '進 'で進めて下さい"}));
  EXPECT_TRUE(f.game.KIFU_MODE);
  EXPECT_EQ(f.game.TEBAN, TEBAN_SENTE);
  EXPECT_EQ(f.game.TESUU, 0);
  EXPECT_EQ(f.game.TESUU_MAX, 20);
  for (int t = 1; t <= 20; ++t) {
    // Snapshot 20 is the position after the last move, as it stood when saved.
    const 局面& p = played.f().pos;
    const 棋譜局面& k = played.f().record[t];
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y) ASSERT_EQ(f.record[t].BAN[x][y], t < 20 ? k.BAN[x][y] : p.BAN[x][y]) << t;
    for (int s = 1; s <= 7; ++s) {
      EXPECT_EQ(f.record[t].SITA_MOTI[s], t < 20 ? k.SITA_MOTI[s] : p.SITA_MOTI[s]);
      EXPECT_EQ(f.record[t].UE_MOTI[s], t < 20 ? k.UE_MOTI[s] : p.UE_MOTI[s]);
    }
    if (t < 20) {
      EXPECT_EQ(f.record[t].COM_JIKAN2, static_cast<long>(k.COM_JIKAN2));
    }
  }
  // Headers in UTF-8 on the window: the title in the selection colour left of
  // the bottom player, the top player at the top.
  std::vector<PaintOp> texts;
  for (const auto& op : w.canvas.ops)
    if (op.kind == PaintOp::Text && (op.text == "練習対局" || op.text == "山田" || op.text == "田中"))
      texts.push_back(op);
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[0].text, "練習対局");
  EXPECT_DOUBLE_EQ(texts[0].x, 1350 + 610 * (3 + 9.0 / 5) - 3000);
  // Below the board, in row 10, which starting a game clears.
  EXPECT_EQ(texts[0].y, BAN_TOP + MASU_H * 10 + 40);
  EXPECT_EQ(texts[0].id_or_colour, IRO_SENTAKU);
  EXPECT_EQ(texts[1].text, "田中");
  EXPECT_EQ(texts[1].y, 100);
  EXPECT_DOUBLE_EQ(texts[1].x, 1350 + 610 * (3 + 11.0 / 5));
  EXPECT_EQ(texts[2].text, "山田");
  EXPECT_EQ(texts[2].y, texts[0].y);
  EXPECT_EQ(texts[2].size, 12);
}

// Save, quit, start again, load, step: every snapshot, hand and whole-second
// time comes back, and the position after the last move with the clocks as
// they stood when the game was saved.
TEST_F(RecordTest, SaveLoadAndStepReproducesTheGameToItsLastMove) {
  const fs::path dir = 作業場所("roundtrip");
  // Whole seconds, so that the file keeps the times exactly.
  人間対局開始(w);
  for (const auto& m : 二十手)
    指す(w, {m.x1, m.y1, m.x2, m.y2, m.koma, static_cast<double>(static_cast<int>(m.seconds))});
  ASSERT_EQ(f.game.TESUU_MAX, 19);
  保存(w, dir, "往復", "t", "a", "b");
  // Saving leaves the game as it was: the live position is still not stored.
  EXPECT_EQ(f.game.TESUU_MAX, 19);
  AFTER_Click(f);
  EXPECT_EQ(w.dialogs.boxes.back().text, "できません");

  FakeWindow again;
  Form1& g = again.f();
  Form_Load(g);
  フォルダ_変更(g, dir.string());
  棋譜一覧_Click(g, "往復.棋譜");
  ASSERT_EQ(g.game.TESUU_MAX, 20);
  // Snapshot 20 is the position as it stood, move 20 (the lance to row 7 and
  // the knight's mirror move) included, with the clocks standing still.
  const 棋譜局面 live{f.pos.BAN,         f.pos.SITA_MOTI,   f.pos.UE_MOTI,    f.clock.MAN_JIKAN,
                      f.clock.MAN_JIKAN, f.clock.COM_JIKAN, f.clock.COM_JIKAN};
  for (int t = 1; t <= 20; ++t) {
    AFTER_Click(g);
    ASSERT_EQ(g.game.TESUU, t);
    const 棋譜局面& want = t < 20 ? f.record[t] : live;
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y) ASSERT_EQ(g.pos.BAN[x][y], want.BAN[x][y]) << t << ": " << x << "," << y;
    int sita = 0, ue = 0;
    for (int k = 1; k <= 7; ++k) {
      ASSERT_EQ(g.pos.SITA_MOTI[k], want.SITA_MOTI[k]) << t;
      ASSERT_EQ(g.pos.UE_MOTI[k], want.UE_MOTI[k]) << t;
      sita += want.SITA_MOTI[k];
      ue += want.UE_MOTI[k];
    }
    EXPECT_EQ(g.pos.SITA_MOTI_SU(), sita);
    EXPECT_EQ(g.pos.UE_MOTI_SU(), ue);
    EXPECT_EQ(g.clock.MAN_JIKAN, want.MAN_JIKAN) << t;
    EXPECT_EQ(g.clock.COM_JIKAN, want.COM_JIKAN) << t;
    EXPECT_EQ(g.record[t].MAN_JIKAN2, want.MAN_JIKAN2) << t;
    EXPECT_EQ(g.record[t].COM_JIKAN2, want.COM_JIKAN2) << t;
  }
  EXPECT_EQ(g.pos.BAN[1][7], KYOU);
  EXPECT_EQ(g.pos.BAN[9][3], -KEI);
  AFTER_Click(g);
  EXPECT_EQ(again.dialogs.boxes.back().text, "終わり");
  EXPECT_EQ(g.game.TESUU, 20);
}

// The extremes of what a record holds are written and read back identical:
// headers up to a whole line, in any script Shift-JIS has, hands of every
// piece, times from 0 to 99999 (the live position's are cut to whole seconds).
TEST_F(RecordTest, ExtremeHeadersHandsAndTimesReadBackIdentical) {
  const fs::path dir = 作業場所("extremes");
  std::string kanji, ascii(1024, 'x');
  for (int i = 0; i < 512; ++i) kanji += "将";
  const std::string headers[][3] = {
      {"", "", ""},
      {kanji, ascii, "ﾕｷ"},
      {" 前後に空白 ", "ﾐｶ ﾃｽﾄｰ ﾂｧ", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ ①Ⅱ ～ \\|"},
  };
  // Every piece of the game in one hand, then in the other, then a board of
  // promoted pieces with ten pawns in one hand ("0" + 10) and nine in the other.
  棋譜局面 s1, s2, s3;
  s1.BAN[5][9] = s2.BAN[5][9] = s3.BAN[5][9] = -OU;
  s1.BAN[5][1] = s2.BAN[5][1] = s3.BAN[5][1] = OU;
  const 持駒 all = {0, 18, 4, 4, 4, 4, 2, 2};
  s1.SITA_MOTI = all;
  s2.UE_MOTI = all;
  s1.MAN_JIKAN2 = s1.COM_JIKAN2 = 99999;
  s2.MAN_JIKAN = s2.MAN_JIKAN2 = s2.COM_JIKAN = s2.COM_JIKAN2 = 99999;
  const int promoted[] = {-TO, KYOU_NARI, -KEI_NARI, GIN_NARI, -KAKU_NARI, SYA_NARI, -KIN};
  for (int i = 0; i < 7; ++i) s3.BAN[i + 1][5] = promoted[i];
  s3.SITA_MOTI[MOTI_HU] = 10;
  s3.UE_MOTI[MOTI_HU] = 7;
  for (int i = 0; i < 3; ++i) {
    FakeWindow played;
    Form1& p = played.f();
    Form_Load(p);
    人間対局開始(played);
    p.record[1] = s1;
    p.record[2] = s2;
    盤と持駒_復元(p.pos, s3);
    p.clock.MAN_JIKAN = 99999.99;
    p.clock.COM_JIKAN = 0.5;
    p.game.TESUU = 3;
    p.game.TESUU_MAX = 2;
    played.dialogs.boxes.clear();
    const std::string name = "extreme" + std::to_string(i);
    保存(played, dir, name, headers[i][0], headers[i][1], headers[i][2]);
    ASSERT_EQ(played.dialogs.boxes.back().text, "棋譜を書き込みました") << i;

    FakeWindow again;
    Form1& g = again.f();
    Form_Load(g);
    フォルダ_変更(g, dir.string());
    again.canvas.ops.clear();
    棋譜一覧_Click(g, name + ".棋譜");
    ASSERT_EQ(g.game.TESUU_MAX, 3) << i;
    // The title, the top side's player (the second), the bottom side's (the first).
    std::vector<std::string> texts;
    for (const auto& op : again.canvas.ops)
      if (op.kind == PaintOp::Text) texts.push_back(op.text);
    ASSERT_GE(texts.size(), 3u);
    EXPECT_EQ(std::vector<std::string>(texts.end() - 3, texts.end()),
              (std::vector<std::string>{headers[i][0], headers[i][2], headers[i][1]}));
    s3.MAN_JIKAN = s3.MAN_JIKAN2 = 99999;
    for (int t = 1; t <= 3; ++t) {
      const 棋譜局面& want = t == 1 ? s1 : t == 2 ? s2 : s3;
      const 棋譜局面& got = g.record[t];
      EXPECT_EQ(got.BAN, want.BAN) << i << " " << t;
      EXPECT_EQ(got.SITA_MOTI, want.SITA_MOTI) << i << " " << t;
      EXPECT_EQ(got.UE_MOTI, want.UE_MOTI) << i << " " << t;
      EXPECT_EQ(std::vector<double>({got.MAN_JIKAN, got.MAN_JIKAN2, got.COM_JIKAN, got.COM_JIKAN2}),
                std::vector<double>({want.MAN_JIKAN, want.MAN_JIKAN2, want.COM_JIKAN, want.COM_JIKAN2}))
          << i << " " << t;
    }
  }
}

TEST_F(RecordTest, AFailedSaveSaysSoAndKeepsTheFileThatWasThere) {
  const fs::path dir = 作業場所("failing");
  二十手指す(w);
  ファイル作成(dir / "keep.棋譜", "old contents");
  struct Case {
    const char* why;
    fs::path dir;
    const char* name;
    const char* title;
  } cases[] = {
      {"a slash in the name", dir, "sub/keep", "t"},
      {"no such directory", dir / "missing", "keep", "t"},
      {"no directory at all", "", "keep", "t"},
      {"a title Shift-JIS cannot hold", dir, "keep", "\xF0\x9F\x98\x80"},
      {"a title longer than a record line may be", dir, "keep", nullptr},
  };
  const std::string too_long(1025, 'x');
  for (const auto& c : cases) {
    w.dialogs.boxes.clear();
    KIFU_WRITE_Click(f);
    w.record.set_text(棋譜の欄::ファイル名, c.name);
    w.record.set_text(棋譜の欄::対局名, c.title ? c.title : too_long);
    w.record.set_directory(c.dir.string());
    書込ボタン_Click(f);
    ASSERT_EQ(w.dialogs.boxes.size(), 1u) << c.why;
    EXPECT_EQ(w.dialogs.boxes[0].title, "棋譜保存") << c.why;
    EXPECT_TRUE(w.dialogs.boxes[0].text.starts_with("棋譜を書き込めませんでした")) << c.why;
    EXPECT_TRUE(w.record.panel) << c.why;
    EXPECT_EQ(ファイル内容(dir / "keep.棋譜"), "old contents") << c.why;
  }
  // A directory standing where the file would go: the rename fails, nothing is left behind.
  fs::create_directory(dir / "busy.棋譜");
  ファイル作成(dir / "busy.棋譜" / "inside", "x");
  w.dialogs.boxes.clear();
  保存(w, dir, "busy", "t", "a", "b");
  ASSERT_EQ(w.dialogs.boxes.size(), 1u);
  EXPECT_TRUE(w.dialogs.boxes[0].text.starts_with("棋譜を書き込めませんでした"));
  // The disk refuses the bytes midway: a limit on file sizes (ulimit -f), which
  // fails the save as a full disk would instead of ending the game.
  rlimit limit{};
  ::getrlimit(RLIMIT_FSIZE, &limit);
  const rlimit small{1000, limit.rlim_max};
  ::setrlimit(RLIMIT_FSIZE, &small);
  w.dialogs.boxes.clear();
  保存(w, dir, "keep", "t", "a", "b");
  ::setrlimit(RLIMIT_FSIZE, &limit);
  EXPECT_EQ(箱(), std::vector<std::string>{"棋譜保存|棋譜を書き込めませんでした\nkeep.棋譜\nFile too large"});
  EXPECT_EQ(ファイル内容(dir / "keep.棋譜"), "old contents");
  EXPECT_TRUE(w.record.panel);
  int entries = 0;
  for (const auto& e : fs::directory_iterator(dir)) {
    ++entries;
    EXPECT_FALSE(e.path().filename().string().starts_with(".")) << e.path();
  }
  EXPECT_EQ(entries, 2);
}

TEST_F(RecordTest, ASaveOverAnExistingFileReplacesItWholeAndKeepsItsMode) {
  const fs::path dir = 作業場所("replace");
  ファイル作成(dir / "g.棋譜", std::string(5000, 'x'));
  fs::permissions(dir / "g.棋譜", fs::perms::owner_read | fs::perms::owner_write);
  二十手指す(w);
  保存(w, dir, "g", "t", "a", "b");
  const std::string bytes = ファイル内容(dir / "g.棋譜");
  EXPECT_EQ(bytes.size(), 3 * 3 + 20 * 360u);
  EXPECT_EQ(bytes.find('x'), std::string::npos);
  EXPECT_EQ(fs::status(dir / "g.棋譜").permissions(), fs::perms::owner_read | fs::perms::owner_write);
  // A new file: 0666 less the umask.
  const mode_t mask = ::umask(027);
  保存(w, dir, "new", "t", "a", "b");
  ::umask(mask);
  EXPECT_EQ(fs::status(dir / "new.棋譜").permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2);
}

// ---- bad input: never a crash, never a silent wrong position ----

class BadFileTest : public RecordTest {
 protected:
  void SetUp() override {
    RecordTest::SetUp();
    dir = 作業場所(::testing::UnitTest::GetInstance()->current_test_info()->name());
    フォルダ_変更(f, dir.string());
    // A game in progress that a refused file must leave alone.
    人間対局開始(w);
    指す(w, 二十手[0]);
    指す(w, 二十手[1]);
    w.dialogs.boxes.clear();
  }
  // Loads `bytes` as a record file; returns how long the click took (writing
  // the file is not timed).
  std::chrono::steady_clock::duration 読む(std::string_view bytes) {
    ファイル作成(dir / "x.棋譜", bytes);
    const auto start = std::chrono::steady_clock::now();
    棋譜一覧_Click(f, "x.棋譜");
    return std::chrono::steady_clock::now() - start;
  }
  void ゲームはそのまま() {
    EXPECT_FALSE(f.game.KIFU_MODE);
    EXPECT_EQ(f.game.TESUU, 2);
    EXPECT_EQ(f.game.TESUU_MAX, 1);
    EXPECT_EQ(f.pos.BAN[3][6], -HU);
    EXPECT_EQ(f.pos.BAN[3][4], HU);
  }
  std::string 行(int t = 1) { return 書込_棋譜行(f.record[t]) + "\r\n"; }
  fs::path dir;
  const std::string 見出し = "a\r\nb\r\nc\r\n";
};

TEST_F(BadFileTest, EveryBadLineRefusesTheFileNamingTheLine) {
  const std::string good = 書込_棋譜行(f.record[1]);
  struct Case {
    const char* why;
    std::string line;
    const char* reason;
  } cases[] = {
      {"short", good.substr(0, 300), "行の長さが358文字ではありません"},
      {"long", good + "   ", "行の長さが358文字ではありません"},
      {"empty", "", "行の長さが358文字ではありません"},
      {"binary", std::string(358, '\x01'), "数字でない欄があります（1文字目）"},
      {"non-numeric", "abcd" + good.substr(4), "数字でない欄があります（1文字目）"},
      {"no piece", "  99" + good.substr(4), "駒でないコードがあります（1文字目）"},
      {"hand count out of range", good.substr(0, 334) + "3" + good.substr(335),
       "持駒の数が範囲外です（335文字目）"},
      {"a line far too long", std::string(5000, '1'), "行が長すぎます"},
  };
  for (const auto& c : cases) {
    w.dialogs.boxes.clear();
    読む(見出し + 行() + c.line + "\r\n" + 行());
    ASSERT_EQ(箱().size(), 1u) << c.why;
    EXPECT_EQ(箱()[0], std::string("棋譜|棋譜ﾌｧｲﾙの5行目が正しくありません\n") + c.reason) << c.why;
    ゲームはそのまま();
  }
}

TEST_F(BadFileTest, AFileThatCannotBeOpenedOrReadSaysSo) {
  棋譜一覧_Click(f, "none.棋譜");
  fs::create_directory(dir / "d.棋譜");
  棋譜一覧_Click(f, "d.棋譜");
  EXPECT_EQ(箱(), (std::vector<std::string>{"棋譜|棋譜ﾌｧｲﾙを開けません\nnone.棋譜",
                                            "棋譜|棋譜ﾌｧｲﾙを読めません\nd.棋譜"}));
  ゲームはそのまま();
}

TEST_F(BadFileTest, AFileOfHeadersOnlyOrLessIsAFileWithoutDataAndTheGameStays) {
  for (std::string bytes : {見出し, std::string("a\r\nb"), std::string()}) {
    w.dialogs.boxes.clear();
    読む(bytes);
    EXPECT_EQ(箱(), std::vector<std::string>{"棋譜|棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません"});
    ゲームはそのまま();
    EXPECT_EQ(f.game.TEBAN, TEBAN_SENTE);
  }
}

TEST_F(BadFileTest, LinesEndedByLineFeedsOrCarriageReturnsAloneAndAUtf8FileAlsoLoad) {
  // Lone CRs as old Mac editors write them, for a small file and a large one.
  for (int lines : {2, 400}) {
    std::string bytes = "a\rb\rc\r";
    for (int i = 0; i < lines; ++i) bytes += 書込_棋譜行(f.record[1]) + "\r";
    読む(bytes);
    EXPECT_EQ(f.game.TESUU_MAX, lines);
  }
  w.canvas.ops.clear();
  読む("\xEF\xBB\xBF対局\nうえ\nした\n" + 書込_棋譜行(f.record[1]) + "\n");
  EXPECT_EQ(f.game.TESUU_MAX, 1);
  int found = 0;
  for (const auto& op : w.canvas.ops)
    if (op.kind == PaintOp::Text && (op.text == "対局" || op.text == "うえ" || op.text == "した")) ++found;
  EXPECT_EQ(found, 3);
}

TEST_F(BadFileTest, AHundredMegabyteFileLoadsItsFirstFiveHundredSnapshotsQuickly) {
  const std::string line = 行();
  std::string bytes = 見出し;
  bytes.reserve(100u << 20);
  while (bytes.size() < (100u << 20)) bytes += line;
  EXPECT_LT(読む(bytes), std::chrono::seconds(2));
  EXPECT_EQ(f.game.TESUU_MAX, KIFU_T_MAX);
  EXPECT_EQ(箱(),
            (std::vector<std::string>{"棋譜| 読み込みました",
                                      "棋譜|棋譜は500手までしか入りません。最初の500手だけを読み込みました",
                                      "棋譜|棋譜を '進 'で進めて下さい"}));
  EXPECT_EQ(f.record[KIFU_T_MAX].BAN[3][6], -HU);
}

TEST_F(BadFileTest, AHundredMegabyteLineIsRefusedAtOnce) {
  std::string bytes = 見出し;
  bytes.append(100u << 20, '7');
  EXPECT_LT(読む(bytes), std::chrono::seconds(2));
  EXPECT_EQ(箱(), std::vector<std::string>{"棋譜|棋譜ﾌｧｲﾙの4行目が正しくありません\n行が長すぎます"});
  ゲームはそのまま();
}

// A FIFO nobody writes to, a device and a folder are no records: each is
// refused at once as a file that cannot be read (the FIFO used to stop the
// game for good), and a save onto the FIFO leaves it as it is.
TEST_F(BadFileTest, AFifoADeviceOrAFolderIsNeitherReadNorReplaced) {
  ASSERT_EQ(::mkfifo((dir / "pipe.棋譜").c_str(), 0600), 0);
  fs::create_directory(dir / "folder.棋譜");
  for (const auto& [folder, name] :
       {std::pair{dir, "pipe.棋譜"}, {dir, "folder.棋譜"}, {fs::path("/dev"), "null"}}) {
    w.dialogs.boxes.clear();
    フォルダ_変更(f, folder.string());
    棋譜一覧_Click(f, name);
    EXPECT_EQ(箱(), std::vector<std::string>{"棋譜|棋譜ﾌｧｲﾙを読めません\n" + std::string(name)});
    ゲームはそのまま();
  }
  w.dialogs.boxes.clear();
  保存(w, dir, "pipe", "t", "a", "b");
  EXPECT_EQ(箱(), std::vector<std::string>{
                      "棋譜保存|棋譜を書き込めませんでした\npipe.棋譜\n通常のファイルではありません"});
  EXPECT_TRUE(fs::is_fifo(dir / "pipe.棋譜"));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2);
}

TEST_F(BadFileTest, AnOverlongHeaderIsRefusedToo) {
  読む(std::string(2000, 'a') + "\r\nb\r\nc\r\n" + 行());
  EXPECT_EQ(箱(), std::vector<std::string>{"棋譜|棋譜ﾌｧｲﾙの1行目が正しくありません\n行が長すぎます"});
  ゲームはそのまま();
}

TEST(RecordText, NumbersAndPiecesBecomeTheirNames) {
  EXPECT_EQ(文字列変換(1), "１");
  EXPECT_EQ(文字列変換(9), "９");
  EXPECT_EQ(文字列変換(1001), "一");
  EXPECT_EQ(文字列変換(1009), "九");
  EXPECT_EQ(文字列変換(-10), "歩");
  EXPECT_EQ(文字列変換(11), "と");
  // As the move list names them: promoted pieces by their own names, each
  // side's king as its piece shows it.
  const std::pair<int, const char*> names[] = {{-21, "成香"}, {31, "成桂"}, {-101, "成銀"}, {801, "馬"},
                                               {-901, "龍"},  {950, "王"},  {-950, "玉"}};
  for (const auto& [code, name] : names) EXPECT_EQ(文字列変換(code), name) << code;
  for (int v : {0, 10 + 1000, 1000, 1010, 12, -800 - 2, 951}) EXPECT_EQ(文字列変換(v), "") << v;
}

TEST(RecordText, HeadersAreCentredByTheirCharacterCount) {
  EXPECT_DOUBLE_EQ(取得_棋譜のX座標("あいうえおかきくけこさしす"), 1350 + 610 * 3);
  EXPECT_DOUBLE_EQ(取得_棋譜のX座標(""), 1350 + 610 * (3 + 13.0 / 5));
  EXPECT_DOUBLE_EQ(取得_棋譜のX座標("ab"), 1350 + 610 * (3 + 11.0 / 5));
}

TEST_F(RecordTest, BrowsingFollowsTheChosenDirectoryAndAVolumeThatCannotBeReadIsNotReady) {
  const fs::path dir = 作業場所("browse");
  フォルダ_変更(f, dir.string());
  EXPECT_EQ(w.record.directory(), dir.string());
  ドライブ_変更(f, (dir / "nowhere").string());
  EXPECT_EQ(箱(), std::vector<std::string>{"ｴﾗｰ|ﾃﾞﾊﾞｲｽが準備できていません"});
  EXPECT_EQ(w.record.directory(), dir.string());
  ドライブ_変更(f, "/");
  EXPECT_EQ(w.record.directory(), "/");
}

TEST_F(RecordTest, ErasingTheRecordInformationPaintsTheBottomRowOfCells) {
  w.canvas.ops.clear();
  描画_棋譜読込み部分消去(f);
  int tiles = 0, outlines = 0;
  for (const auto& op : w.canvas.ops) {
    if (op.kind == PaintOp::Picture && op.id_or_colour == f.options.HAIKEI && op.y == BAN_TOP + MASU_H * 10)
      ++tiles;
    if (op.kind == PaintOp::Rectangle && op.id_or_colour == IRO_WAKU && op.y == BAN_TOP + MASU_H * 9)
      ++outlines;
  }
  EXPECT_EQ(tiles, 19);  // columns -3..15: a long title starts left of column -1
  EXPECT_GE(outlines, 9);
}

TEST(RecordMoves, TheMoveResultIsTheFirstChangedSquareInScanOrder) {
  auto s = std::make_unique<棋譜>();
  (*s)[3].BAN[5][5] = -HU;
  (*s)[4].BAN[5][4] = -HU;  // the move
  (*s)[4].BAN[5][6] = HU;   // its mirror move, later in scan order
  (*s)[4].BAN[1][1] = KARA;
  (*s)[3].BAN[1][1] = KYOU;  // a square emptied is not reported
  int x = 0, y = 0, piece = 0;
  調査_移動結果(*s, 4, x, y, piece);
  EXPECT_EQ(x, 5);
  EXPECT_EQ(y, 4);
  EXPECT_EQ(piece, -HU);
  x = y = piece = 77;
  調査_移動結果(*s, 2, x, y, piece);
  EXPECT_EQ(x, 77);
  EXPECT_EQ(piece, 77);
  調査_移動結果(*s, 0, x, y, piece);  // no snapshot before the first
  EXPECT_EQ(x, 77);
}

}  // namespace
}  // namespace velmora
