// Whole games of random human moves, clicked with the mouse, against the
// computer at every level. Every move of both sides is judged by the rules
// written out by hand (support/rules_by_hand.hpp), not by the engine's own
// move procedures: the human's moves are drawn from them, the position after
// each move must be the one they give, and the computer's move must be one of
// the moves they allow. After every move the pieces of each kind are all
// still there, on the board or in a hand, and both kings stand where the
// game says (but for a king just taken).
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

#include "game/computer.hpp"
#include "game/flow.hpp"
#include "input/game_menu.hpp"
#include "input/mouse_input.hpp"
#include "script/fakes.hpp"
#include "support/rules_by_hand.hpp"
#include "view/drawing.hpp"
#include "window/startup.hpp"

namespace velmora {
namespace {

using testing::指す;

// Games per level: VELMORA_SOAK_GAMES overrides the default.
int 対局数() {
  if (const char* v = std::getenv("VELMORA_SOAK_GAMES")) return std::max(1, std::atoi(v));
  return 200;
}

template <class Snapshot>
bool 同じ局面(const 局面& a, const Snapshot& b) {
  return a.BAN == b.BAN && a.SITA_MOTI == b.SITA_MOTI && a.UE_MOTI == b.UE_MOTI;
}

// Each kind on the board and in both hands, as many as the game started
// with; both kings on the board while the game runs (a taken king in no
// hand), the bottom king where the survey and the game's moves keep it.
void 駒が揃っている(const Form1& f, const std::string& where) {
  const 局面& p = f.pos;
  int kinds[8] = {};
  bool kings[2] = {};  // [bottom, top]
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) {
      const int c = p.BAN[x][y];
      if (c == OU || c == -OU) kings[c > 0] = true;
      if (c == -OU) {
        EXPECT_TRUE(x == f.maps.SITA_OU_X && y == f.maps.SITA_OU_Y) << where;
      }
      ++kinds[testing::持駒の枠(c)];
    }
  for (int k = 1; k <= 7; ++k) kinds[k] += p.SITA_MOTI[k] + p.UE_MOTI[k];
  const int start[8] = {0, 18, 4, 4, 4, 4, 2, 2};
  for (int k = 1; k <= 7; ++k) ASSERT_EQ(kinds[k], start[k]) << where << ", hand slot " << k;
  ASSERT_TRUE(kings[0] || f.game.SYOUSYA == f.game.COM_TEBAN) << where;
  ASSERT_TRUE(kings[1] || f.game.SYOUSYA == f.game.MAN_TEBAN) << where;
  ASSERT_TRUE(p.整合()) << where << ": " << 局面の誤り(p);
}

struct 結果 {
  int games = 0, com_moves = 0, longest = 0, human_wins = 0, com_wins = 0, full = 0;
  int mirrors[2] = {}, drops[2] = {}, promotions[2] = {}, captures[2] = {};  // [human, computer]
};

void 数える(結果& r, int side, const 局面& before, const 局面& after, const 指し手& m) {
  r.drops[side] += m.x1 == UE_DAI || m.x1 == SITA_DAI;
  r.promotions[side] += m.placed != m.moving;
  r.captures[side] += before.BAN[m.x2][m.y2] != KARA;
  r.mirrors[side] += m.x1 >= 1 && m.x1 <= 9 && before.BAN[10 - m.x1][10 - m.y1] != KARA &&
                     after.BAN[10 - m.x1][10 - m.y1] == KARA && (m.x1 != 5 || m.y1 != 5);
}

// The computer's move from `before` to `after`, one of the top side's legal
// moves by the rules written out by hand.
bool 合法な一手か(const 局面& before, const 局面& after, 局面& scratch, 結果& r) {
  for (const auto& m : testing::合法手(before, true, false)) {
    scratch = before;
    指す(scratch, m);
    if (同じ局面(scratch, after)) return 数える(r, 1, before, after, m), true;
  }
  return false;
}

// A click on the centre of cell (x, y).
void クリック(Form1& f, int button, int x, int y) {
  Form_MouseDown(f, button, 0, 座標_左(x + 0.5), 座標_上(y + 0.5));
}

// One game through the window: the human's moves are mouse clicks, the
// computer answers inside the click that completes the human's move.
void 対局する(int level, int game, 結果& r, 局面& before, 局面& expected, 局面& scratch) {
  std::mt19937 rng(static_cast<unsigned>(level * 100003 + game));
  FakeWindow w;
  w.canvas.recording = false;
  Form1& f = w.f();
  初期設定(f);
  レベル_設定(f, level);
  const bool careful = game % 4 >= 2;  // half the humans never leave their king en prise
  const std::string where = "level " + std::to_string(level) + " game " + std::to_string(game);
  ++r.games;

  // 後手: the computer opens the game inside the menu command.
  if (game % 2 == 1) {
    before = f.pos;
    GOTE_Click(f);
    ASSERT_EQ(f.game.TESUU, 1);
    ASSERT_TRUE(合法な一手か(before, f.pos, scratch, r)) << where << " opening move";
    駒が揃っている(f, where + " opening move");
    ++r.com_moves;
  } else {
    SENTE_Click(f);
  }
  ASSERT_EQ(f.game.COM_LEVEL, level);

  while (f.game.SYOUSYA == TEBAN_NASI && f.game.TESUU < KIFU_T_MAX) {
    ASSERT_EQ(f.game.TEBAN, f.game.MAN_TEBAN);
    auto moves = testing::合法手(f.pos, false, false);
    if (careful) {
      // Keep only the moves after which no top piece reaches the bottom king.
      std::vector<指し手> safe;
      for (const auto& c : moves) {
        scratch = f.pos;
        指す(scratch, c);
        bool reached = false;
        for (int x = 1; x <= 9; ++x)
          for (int y = 1; y <= 9; ++y)
            if (scratch.BAN[x][y] >= HU)
              testing::届く桝(scratch, x, y, false,
                              [&](int tx, int ty) { reached |= scratch.BAN[tx][ty] == -OU; });
        if (!reached) safe.push_back(c);
      }
      if (!safe.empty()) moves = std::move(safe);
    }
    if (moves.empty()) return;
    const auto m = moves[std::uniform_int_distribution<std::size_t>(0, moves.size() - 1)(rng)];
    before = expected = f.pos;
    指す(expected, m);

    const int tesuu = f.game.TESUU;
    const std::string move = where + " move " + std::to_string(tesuu + 1);
    クリック(f, HIDARI_BUTTON, m.x1, m.y1);
    クリック(f, m.成り() ? MIGI_BUTTON : HIDARI_BUTTON, m.x2, m.y2);
    ASSERT_GE(f.game.TESUU, tesuu + 1) << move << ": the human's move was refused";
    // The position after the human's move: the computer's snapshot, or the board.
    const bool answered = f.game.TESUU == tesuu + 2;
    ASSERT_TRUE(answered ? 同じ局面(expected, f.record[tesuu + 1]) : 同じ局面(expected, f.pos)) << move;
    数える(r, 0, before, expected, m);
    if (!answered) {
      駒が揃っている(f, move);
      if (f.game.SYOUSYA == f.game.MAN_TEBAN) {
        ++r.human_wins;  // the top king taken or mated, or the computer had nothing to play
        return;
      }
      ASSERT_EQ(f.game.TESUU, KIFU_T_MAX) << move;  // the computer stops at the end of the record
      break;
    }
    ++r.com_moves;
    r.longest = std::max(r.longest, f.game.TESUU);
    ASSERT_TRUE(合法な一手か(expected, f.pos, scratch, r)) << where << " move " << tesuu + 2;
    駒が揃っている(f, where + " move " + std::to_string(tesuu + 2));
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
  auto expected = std::make_unique<局面>();
  auto scratch = std::make_unique<局面>();
  for (int level = 1; level <= 3; ++level) {
    結果 r;
    const auto t0 = std::chrono::steady_clock::now();
    for (int g = 0; g < games; ++g) {
      対局する(level, g, r, *before, *expected, *scratch);
      if (::testing::Test::HasFatalFailure()) return;
    }
    const double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    std::printf(
        "level %d: %d games, %d computer moves (longest game %d), computer won %d, human won %d, "
        "record full %d; human / computer: %d / %d mirror moves, %d / %d drops, %d / %d promotions, "
        "%d / %d captures; %.2f s\n",
        level, r.games, r.com_moves, r.longest, r.com_wins, r.human_wins, r.full, r.mirrors[0], r.mirrors[1],
        r.drops[0], r.drops[1], r.promotions[0], r.promotions[1], r.captures[0], r.captures[1], secs);
    // The games went through what the judge is there for, on both sides.
    for (int side = 0; side < 2; ++side) {
      EXPECT_GT(r.mirrors[side], 0) << "level " << level;
      EXPECT_GT(r.drops[side], 0) << "level " << level;
      EXPECT_GT(r.promotions[side], 0) << "level " << level;
      EXPECT_GT(r.captures[side], 0) << "level " << level;
    }
    EXPECT_GT(r.com_wins, 0) << "level " << level;
  }
}

}  // namespace
}  // namespace velmora
