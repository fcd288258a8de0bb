// Whole games of random human moves against the computer at every level.
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

#include "com/survey.hpp"
#include "rules/mate.hpp"
#include "script/fakes.hpp"
#include "support/random_moves.hpp"

namespace velmora {
namespace {

// Games per level: VELMORA_SOAK_GAMES overrides the default.
int 対局数() {
  if (const char* v = std::getenv("VELMORA_SOAK_GAMES")) return std::max(1, std::atoi(v));
  return 200;
}

int 盤と持駒の駒数(const EngineState& s) {
  int n = 0;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) n += s.BAN[x][y] != KARA && s.BAN[x][y] != OU && s.BAN[x][y] != -OU;
  for (int k = 1; k <= 7; ++k) n += s.SITA_MOTI[k] + s.UE_MOTI[k];
  return n;
}

int 王の数(const EngineState& s) {
  int n = 0;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) n += s.BAN[x][y] == OU || s.BAN[x][y] == -OU;
  return n;
}

bool 同じ局面(const EngineState& a, const EngineState& b) {
  return std::memcmp(a.BAN, b.BAN, sizeof a.BAN) == 0 &&
         std::memcmp(a.SITA_MOTI, b.SITA_MOTI, sizeof a.SITA_MOTI) == 0 &&
         std::memcmp(a.UE_MOTI, b.UE_MOTI, sizeof a.UE_MOTI) == 0;
}

void 局面を写す(EngineState& to, const EngineState& from) {
  std::memcpy(to.BAN, from.BAN, sizeof to.BAN);
  std::memcpy(to.SITA_MOTI, from.SITA_MOTI, sizeof to.SITA_MOTI);
  std::memcpy(to.UE_MOTI, from.UE_MOTI, sizeof to.UE_MOTI);
}

// Is `after` the position `before` with one legal top move (and its mirror move) played?
bool 合法な一手か(EngineState& before, const EngineState& after, EngineState& scratch) {
  for (const auto& m : testing::合法手(before, true, false)) {
    if (after.BAN[m.x2][m.y2] != m.koma) continue;  // cannot be this move
    局面を写す(scratch, before);
    駒移動_仮(scratch, m.x1, m.y1, m.x2, m.y2, m.koma);
    駒移動_相対駒_仮(scratch, m.x1, m.y1, m.x2, m.y2, m.koma);
    if (同じ局面(scratch, after)) return true;
  }
  return false;
}

struct 結果 {
  int games = 0, com_moves = 0, longest = 0, human_wins = 0, com_wins = 0, full = 0;
};

void 対局する(int level, int game, 結果& r, EngineState& before, EngineState& scratch) {
  std::mt19937 rng(static_cast<unsigned>(level * 100003 + game));
  FakeWindow w;
  w.canvas.recording = false;
  Form1& f = w.f();
  局面_初期化(f);
  f.COM_LEVEL = level;
  f.TAISEN_MODE = MODE_MAN_COM;
  const bool com_first = game % 2 == 1;
  const bool careful = game % 4 >= 2;  // half the humans never leave their king en prise
  f.COM_TEBAN = com_first ? TEBAN_SENTE : TEBAN_GOTE;
  f.MAN_TEBAN = -f.COM_TEBAN;
  f.TEBAN = com_first ? f.COM_TEBAN : f.MAN_TEBAN;
  ++r.games;

  for (;;) {
    if (f.TEBAN == f.MAN_TEBAN) {
      if (f.TESUU >= KIFU_T_MAX) {
        ++r.full;
        return;
      }
      auto moves = testing::合法手(f, false, false);
      if (careful) {
        // Keep only the moves after which no top piece can take the bottom king.
        std::vector<testing::手> safe;
        for (const auto& c : moves) {
          局面を写す(scratch, f);
          scratch.SITA_OU_X = f.SITA_OU_X;
          scratch.SITA_OU_Y = f.SITA_OU_Y;
          駒移動_仮(scratch, c.x1, c.y1, c.x2, c.y2, c.koma);
          駒移動_相対駒_仮(scratch, c.x1, c.y1, c.x2, c.y2, c.koma);
          if (詰めかMAN_COM移動(scratch) == NO) safe.push_back(c);
        }
        if (!safe.empty()) moves = std::move(safe);
      }
      if (moves.empty()) return;
      const auto m = moves[std::uniform_int_distribution<std::size_t>(0, moves.size() - 1)(rng)];
      手順保存(f, m.x1, m.y1, m.x2, m.y2, m.x1 == 11 ? m.koma : f.BAN[m.x1][m.y1], m.koma, 0, 0, 0, 0);
      駒移動(f, m.x1, m.y1, m.x2, m.y2, m.koma);
      駒移動_相対駒(f, m.x1, m.y1, m.x2, m.y2, m.koma);
      ++f.TESUU;
      ASSERT_EQ(盤と持駒の駒数(f), 38) << "level " << level << " game " << game;
      if (f.SYOUSYA == f.MAN_TEBAN) {
        ++r.human_wins;
        return;
      }
      勢力調査(f);
      if (詰めかCOM(f) == YES) {
        ++r.human_wins;
        return;
      }
      f.TEBAN = f.COM_TEBAN;
    } else {
      局面を写す(before, f);
      const int tesuu = f.TESUU;
      com_ban(f);
      if (tesuu >= KIFU_T_MAX) {
        ++r.full;
        return;
      }
      if (f.SYOUSYA == f.MAN_TEBAN) {  // nothing to play
        ++r.human_wins;
        return;
      }
      ++r.com_moves;
      r.longest = std::max(r.longest, f.TESUU);
      ASSERT_EQ(f.TESUU, tesuu + 1);
      ASSERT_TRUE(合法な一手か(before, f, scratch))
          << "level " << level << " game " << game << " move " << tesuu;
      ASSERT_EQ(盤と持駒の駒数(f), 38) << "level " << level << " game " << game;
      ASSERT_EQ(王の数(f) + (f.SYOUSYA == f.COM_TEBAN ? 1 : 0), 2);
      if (f.SYOUSYA == f.COM_TEBAN) {
        ++r.com_wins;
        return;
      }
      ASSERT_EQ(f.TEBAN, f.MAN_TEBAN);
    }
  }
}

TEST(ComSoak, RandomHumanMovesAgainstEveryLevel) {
  const int games = 対局数();
  auto before = std::make_unique<EngineState>();
  auto scratch = std::make_unique<EngineState>();
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
