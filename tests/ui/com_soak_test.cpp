// Whole games of random human moves, clicked with the mouse, against the
// computer at every level.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "rules/mate.hpp"
#include "rules/move.hpp"
#include "script/fakes.hpp"
#include "support/random_moves.hpp"
#include "ui/com_turn.hpp"
#include "ui/drawing.hpp"
#include "ui/mouse_input.hpp"
#include "ui/startup.hpp"

namespace velmora {
namespace {

// Games per level: VELMORA_SOAK_GAMES overrides the default.
int 対局数() {
  if (const char* v = std::getenv("VELMORA_SOAK_GAMES")) return std::max(1, std::atoi(v));
  return 200;
}

int 盤と持駒の駒数(const 局面& s) {
  int n = 0;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) n += s.BAN[x][y] != KARA && s.BAN[x][y] != OU && s.BAN[x][y] != -OU;
  for (int k = 1; k <= 7; ++k) n += s.SITA_MOTI[k] + s.UE_MOTI[k];
  return n;
}

int 王の数(const 局面& s) {
  int n = 0;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) n += s.BAN[x][y] == OU || s.BAN[x][y] == -OU;
  return n;
}

bool 同じ局面(const 局面& a, const 局面& b) {
  return std::memcmp(a.BAN, b.BAN, sizeof a.BAN) == 0 &&
         std::memcmp(a.SITA_MOTI, b.SITA_MOTI, sizeof a.SITA_MOTI) == 0 &&
         std::memcmp(a.UE_MOTI, b.UE_MOTI, sizeof a.UE_MOTI) == 0;
}

void 局面を写す(局面& to, const 局面& from) {
  std::memcpy(to.BAN, from.BAN, sizeof to.BAN);
  std::memcpy(to.SITA_MOTI, from.SITA_MOTI, sizeof to.SITA_MOTI);
  std::memcpy(to.UE_MOTI, from.UE_MOTI, sizeof to.UE_MOTI);
}

// Is `after` the position `before` with one legal top move (and its mirror move) played?
bool 合法な一手か(const 局面& before, const 局面& after, 局面& scratch) {
  for (const auto& m : testing::合法手(before, true, false)) {
    if (after.BAN[m.x2][m.y2] != m.placed) continue;  // cannot be this move
    局面を写す(scratch, before);
    駒移動_仮(scratch, m);
    駒移動_相対駒_仮(scratch, m);
    if (同じ局面(scratch, after)) return true;
  }
  return false;
}

struct 結果 {
  int games = 0, com_moves = 0, longest = 0, human_wins = 0, com_wins = 0, full = 0;
};

// A click on the centre of cell (x, y).
void クリック(Form1& f, int button, int x, int y) {
  Form_MouseDown(f, button, 0, 座標_左(x + 0.5), 座標_上(y + 0.5));
}

// One game through the window: the human's moves are mouse clicks, the
// computer answers inside the click that completes the human's move.
void 対局する(int level, int game, 結果& r, 局面& before, 局面& scratch) {
  std::mt19937 rng(static_cast<unsigned>(level * 100003 + game));
  FakeWindow w;
  w.canvas.recording = false;
  Form1& f = w.f();
  初期設定(f);
  レベル_設定(f, level);
  const bool careful = game % 4 >= 2;  // half the humans never leave their king en prise
  ++r.games;

  // 後手: the computer opens the game inside the menu command.
  if (game % 2 == 1) {
    局面を写す(before, f.pos);
    GOTE_Click(f);
    ASSERT_EQ(f.game.TESUU, 1);
    ASSERT_TRUE(合法な一手か(before, f.pos, scratch))
        << "level " << level << " game " << game << " opening move";
    ++r.com_moves;
  } else {
    SENTE_Click(f);
  }
  ASSERT_EQ(f.game.COM_LEVEL, level);

  while (f.game.SYOUSYA == TEBAN_NASI && f.game.TESUU < KIFU_T_MAX) {
    ASSERT_EQ(f.game.TEBAN, f.game.MAN_TEBAN);
    auto moves = testing::合法手(f.pos, false, false);
    if (careful) {
      // Keep only the moves after which no top piece can take the bottom king.
      std::vector<指し手> safe;
      for (const auto& c : moves) {
        局面を写す(scratch, f.pos);
        scratch.SITA_OU_X = f.pos.SITA_OU_X;
        scratch.SITA_OU_Y = f.pos.SITA_OU_Y;
        駒移動_仮(scratch, c);
        駒移動_相対駒_仮(scratch, c);
        if (詰めかMAN_COM移動(scratch) == NO) safe.push_back(c);
      }
      if (!safe.empty()) moves = std::move(safe);
    }
    if (moves.empty()) return;
    const auto m = moves[std::uniform_int_distribution<std::size_t>(0, moves.size() - 1)(rng)];
    const bool promotes = m.成り();

    // The position the computer will answer.
    局面を写す(before, f.pos);
    駒移動_仮(before, m);
    駒移動_相対駒_仮(before, m);

    const int tesuu = f.game.TESUU;
    クリック(f, HIDARI_BUTTON, m.x1, m.y1);
    クリック(f, promotes ? MIGI_BUTTON : HIDARI_BUTTON, m.x2, m.y2);
    ASSERT_GE(f.game.TESUU, tesuu + 1)
        << "level " << level << " game " << game << ": the human's move was refused";
    ASSERT_EQ(盤と持駒の駒数(f.pos), 38) << "level " << level << " game " << game;
    if (f.game.SYOUSYA == f.game.MAN_TEBAN) {
      ++r.human_wins;  // the top king taken or mated, or the computer had nothing to play
      return;
    }
    if (f.game.TESUU == tesuu + 1) {
      ASSERT_EQ(f.game.TESUU, KIFU_T_MAX);  // the computer stops at the end of the record
      break;
    }
    ASSERT_EQ(f.game.TESUU, tesuu + 2);
    ++r.com_moves;
    r.longest = std::max(r.longest, f.game.TESUU);
    ASSERT_TRUE(合法な一手か(before, f.pos, scratch))
        << "level " << level << " game " << game << " move " << tesuu + 1;
    ASSERT_EQ(王の数(f.pos) + (f.game.SYOUSYA == f.game.COM_TEBAN ? 1 : 0), 2);
    if (f.game.SYOUSYA == f.game.COM_TEBAN) {
      ++r.com_wins;
      return;
    }
  }
  ++r.full;
}

TEST(ComSoak, RandomHumanMovesAgainstEveryLevel) {
  const int games = 対局数();
  auto before = std::make_unique<局面>();
  auto scratch = std::make_unique<局面>();
  for (int level = 1; level <= 3; ++level) {
    結果 r;
    const auto t0 = std::chrono::steady_clock::now();
    for (int g = 0; g < games; ++g) {
      対局する(level, g, r, *before, *scratch);
      if (::testing::Test::HasFatalFailure()) return;
    }
    const double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    std::printf(
        "level %d: %d games, %d computer moves (longest game %d), computer won %d, human won %d, "
        "record full %d, %.2f s\n",
        level, r.games, r.com_moves, r.longest, r.com_wins, r.human_wins, r.full, secs);
    EXPECT_EQ(r.games, games);
    EXPECT_GT(r.com_moves, games);
  }
}

}  // namespace
}  // namespace velmora
