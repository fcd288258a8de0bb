#include "deep/search.hpp"

#include <gtest/gtest.h>

#include <random>
#include <thread>
#include <vector>

#include "deep/board.hpp"
#include "deep/evaluate.hpp"
#include "deep/movegen.hpp"
#include "deep/position_text.hpp"
#include "slow_rules.hpp"
#include "support/alloc_count.hpp"
#include "support/rules_by_hand.hpp"

namespace velmora {
namespace {

using deep::手;
using deep::盤;

struct 問題 {
  局面 pos;
  int side;
};

問題 読む(const char* text) {
  const auto r = deep::局面を読む(text);
  EXPECT_TRUE(r.ok()) << deep::局面文の誤りの説明(r.誤り) << " at line " << r.行;
  return {r.pos, r.side};
}

// The same game turned round: every piece to the point-symmetric square with
// its side exchanged, the hands exchanged, the other side to move.
問題 回す(const 問題& q) {
  問題 r{{}, -q.side};
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) r.pos.BAN[x][y] = -q.pos.BAN[10 - x][10 - y];
  for (int k = MOTI_HU; k <= MOTI_SYA; ++k) {
    r.pos.SITA_MOTI[k] = q.pos.UE_MOTI[k];
    r.pos.UE_MOTI[k] = q.pos.SITA_MOTI[k];
  }
  return r;
}

// --- a plain full-width solver, to judge the search's mates by ---

bool 勝てる(盤& b, int moves);

// The side to move cannot keep its king: after each of its moves the other
// side takes the king, or wins within `moves` more moves of its own.
bool 守れない(盤& b, int moves) {
  手 list[deep::最大手数];
  const int n = 手を生成(b, deep::生成::全部, list);
  for (int i = 0; i < n; ++i) {
    deep::戻す情報 u;
    b.指す(list[i], u);
    const bool lost = deep::玉を取れる(b) || (moves > 0 && 勝てる(b, moves));
    b.戻す(list[i], u);
    if (!lost) return false;
  }
  return true;
}

// The side to move takes the king within `moves` moves of its own, whatever the other side does.
bool 勝てる(盤& b, int moves) {
  if (deep::玉を取れる(b)) return true;
  手 list[deep::最大手数];
  const int n = 手を生成(b, deep::生成::全部, list);
  for (int i = 0; i < n; ++i) {
    deep::戻す情報 u;
    b.指す(list[i], u);
    const bool won = !deep::玉を取れる(b) && 守れない(b, moves - 1);
    b.戻す(list[i], u);
    if (won) return true;
  }
  return false;
}

// The first moves that win in `moves` of one's own moves, and whether each makes a mirror jump.
std::vector<std::pair<指し手, bool>> 詰ませる手(const 問題& q, int moves) {
  盤 b = 盤::局面から(q.pos, q.side);
  std::vector<std::pair<指し手, bool>> found;
  手 list[deep::最大手数];
  const int n = 手を生成(b, deep::生成::全部, list);
  for (int i = 0; i < n; ++i) {
    const 指し手 g = deep::ゲームの手(b, list[i]);
    deep::戻す情報 u;
    b.指す(list[i], u);
    if (!deep::玉を取れる(b) && 守れない(b, moves - 1)) found.push_back({g, u.jumped});
    b.戻す(list[i], u);
  }
  return found;
}

bool 同じ手(const 指し手& a, const 指し手& b) { return testing::手の鍵(a) == testing::手の鍵(b); }

// A node budget: the same answer on any machine.
深読み設定 局面数で(std::int64_t n) {
  深読み設定 s;
  s.局面数 = n;
  return s;
}

// The bottom side takes the top king: a gold dropped on (1, 2), guarded by
// the pawn below it, leaves the king in the corner no square.
constexpr const char* 一手詰 = R"(
950 0 0 0 0 0 0 0 0
0 0 0 0 0 0 0 0 0
-10 0 0 0 0 0 0 0 10
0 0 0 0 0 0 0 0 0
0 0 0 0 0 0 0 0 0
0 0 0 0 0 0 0 0 0
0 0 0 0 0 0 0 0 0
0 0 0 0 0 0 0 0 0
0 0 0 0 -950 0 0 0 0
0 0 0 0 1 0 0
0 0 0 0 0 0 0
-1
)";

// The top king on (1, 5) stands on the mirror square of the bottom rook on
// (9, 5) (the top pawn on (5, 5) keeps the rook off it). The rook's move to
// (9, 9) drags the king to (1, 1), where the lance checks it down the file,
// the lance also guards (1, 2) and the gold guards (2, 1) and (2, 2). No
// move without the jump mates.
constexpr const char* 鏡の一手詰 = R"(
0 0 0 0 0 0 0 0 0
0 0 -110 0 0 0 0 0 0
0 0 0 0 0 0 0 0 0
-20 0 0 0 0 0 0 0 0
950 0 0 0 10 0 0 0 -900
0 0 0 0 0 0 0 0 0
0 0 0 0 0 0 0 0 0
0 0 0 0 0 0 0 0 0
0 0 0 0 -950 0 0 0 0
0 0 0 0 0 0 0
0 0 0 0 0 0 0
-1
)";

// A lone top king in the corner, a bottom pawn on (2, 4) and a silver and a
// gold in hand: no drop mates at once, but e.g. the pawn promoting on (2, 3)
// or a silver on (1, 3) leaves the king two squares, and a drop then mates.
constexpr const char* 三手詰 = R"(
950 0 0 0 0 0 0 0 0
0 0 0 0 0 0 0 0 0
0 0 0 0 0 0 0 0 10
0 -10 0 0 0 0 0 0 0
0 0 0 0 0 0 0 0 0
0 0 0 0 0 0 0 0 0
0 0 0 0 0 0 0 0 0
0 0 0 0 0 0 0 0 0
0 0 0 0 -950 0 0 0 0
0 0 0 1 1 0 0
0 0 0 0 0 0 0
-1
)";

// The top king on (8, 4) stands on the mirror square of the bottom horse on
// (2, 6). The horse's move to (7, 1) drags the king to (3, 9), among the
// bottom side's pieces (its king, the second horse, the pawn), and whatever
// the top side does then, the king is taken after the bottom side's next
// move. Every first move that wins this soon makes a mirror jump.
constexpr const char* 鏡の三手詰 = R"(
0    0 0 0 0 0 0 0 0
0    0 0 0 0 0 0 0 0
0    0 0 0 0 0 0 0 0
0    0 0 0 0 0 0 950 0
0    0 0 0 0 0 0 0 0
0 -801 0 0 0 0 0 0 0
0 -801 0 0 -10 0 0 0 0
0    0 0 0 0 0 0 0 0
0    0 0 0 -950 0 0 0 0
0 0 0 0 0 0 0
0 0 0 0 0 0 0
-1
)";

TEST(DeepSearch, MatesInOneForEitherSideAndTheOneThatNeedsAMirrorJump) {
  深読み器 engine(1);
  for (const char* text : {一手詰, 鏡の一手詰}) {
    for (const 問題& q : {読む(text), 回す(読む(text))}) {
      const auto solutions = 詰ませる手(q, 1);
      ASSERT_FALSE(solutions.empty());
      const 深読み結果 r = engine.探す(q.pos, q.side, 局面数で(50'000));
      ASSERT_TRUE(r.手);
      EXPECT_EQ(r.評価, 詰みの値 - 2) << "the king is taken at the second ply from now";
      EXPECT_TRUE(std::any_of(solutions.begin(), solutions.end(),
                              [&](const auto& s) { return 同じ手(s.first, *r.手); }));
      if (text == 鏡の一手詰) {
        for (const auto& s : solutions) EXPECT_TRUE(s.second) << "a mate without a mirror jump";
      }
    }
  }
}

TEST(DeepSearch, MatesInThreePliesWhereNoneInOneExistsWithAndWithoutAMirrorJump) {
  深読み器 engine(1);
  for (const char* text : {三手詰, 鏡の三手詰}) {
    for (const 問題& q : {読む(text), 回す(読む(text))}) {
      EXPECT_TRUE(詰ませる手(q, 1).empty());
      const auto solutions = 詰ませる手(q, 2);
      ASSERT_FALSE(solutions.empty());
      const 深読み結果 r = engine.探す(q.pos, q.side, 局面数で(200'000));
      ASSERT_TRUE(r.手);
      EXPECT_EQ(r.評価, 詰みの値 - 4);
      EXPECT_TRUE(std::any_of(solutions.begin(), solutions.end(),
                              [&](const auto& s) { return 同じ手(s.first, *r.手); }));
      if (text == 鏡の三手詰) {
        for (const auto& s : solutions) EXPECT_TRUE(s.second) << "a mate without a mirror jump";
      }
    }
  }
}

TEST(DeepSearch, AKingLeftToBeTakenIsTakenAndAMoveIntoCheckIsNotPlayed) {
  // The top rook on (5, 5) attacks the bottom king on (5, 9) with the top to move.
  局面 p;
  p.BAN[5][9] = -OU;
  p.BAN[5][1] = OU;
  p.BAN[5][5] = SYA;
  p.BAN[1][9] = -SYA;
  const 深読み結果 take = 深読み器(1).探す(p, 1, 局面数で(1000));
  ASSERT_TRUE(take.手);
  EXPECT_EQ(take.手->x2, 5);
  EXPECT_EQ(take.手->y2, 9);
  EXPECT_EQ(take.評価, 詰みの値 - 1);
  // The bottom side to move: its king must step off the file (or the rook be
  // taken), never stay where the rook takes it.
  const 深読み結果 escape = 深読み器(1).探す(p, -1, 局面数で(20'000));
  ASSERT_TRUE(escape.手);
  局面 after = testing::遅く指す(p, *escape.手);
  盤 b = 盤::局面から(after, 1);
  EXPECT_FALSE(deep::玉を取れる(b));
}

TEST(DeepSearch, ALineThatReachesTheMoveLimitIsADraw) {
  // The mate in three plies takes the king with the fifth move from here:
  // with four moves left before the record's limit it is no win.
  const 問題 q = 読む(三手詰);
  深読み設定 s = 局面数で(200'000);
  s.残り手数 = 5;
  EXPECT_EQ(深読み器(1).探す(q.pos, q.side, s).評価, 詰みの値 - 4);
  s.残り手数 = 4;
  const 深読み結果 r = 深読み器(1).探す(q.pos, q.side, s);
  EXPECT_LT(r.評価, 詰みの境);
  EXPECT_TRUE(r.手);
}

TEST(DeepSearch, ANodeBudgetIsKeptExactlyAndGivesTheSameMoveAgain) {
  std::mt19937 rng(99);
  局面 p;
  局面_初期配置(p);
  testing::乱数で進める(p, rng, 30);
  深読み器 engine(2);
  const 深読み結果 first = engine.探す(p, -1, 局面数で(30'000));
  // Another search in between fills the table; a search by budget starts from an empty one.
  engine.探す(p, 1, 局面数で(10'000));
  const 深読み結果 again = engine.探す(p, -1, 局面数で(30'000));
  ASSERT_TRUE(first.手 && again.手);
  EXPECT_TRUE(同じ手(*first.手, *again.手));
  EXPECT_EQ(first.局面数, again.局面数);
  EXPECT_EQ(first.評価, again.評価);
  EXPECT_LE(first.局面数, 30'000);
  EXPECT_GE(first.局面数, 29'000) << "the budget was not used";
  EXPECT_GE(first.深さ, 2);
}

TEST(DeepSearch, StopsAtTheFirstLookAtTheClockOrTheFlagAndStillHasALegalMove) {
  局面 p;
  局面_初期配置(p);
  const auto legal = testing::遅い合法手(p, -1);
  const auto is_legal = [&](const 指し手& m) {
    return std::any_of(legal.begin(), legal.end(), [&](const 指し手& l) { return 同じ手(l, m); });
  };
  深読み器 engine(1);

  // A time limit that is over before the search starts: the search looks at
  // the clock every 1024 positions, and stops at the first look.
  深読み設定 hurry;
  hurry.秒 = 1e-9;
  const 深読み結果 timed = engine.探す(p, -1, hurry);
  ASSERT_TRUE(timed.手);
  EXPECT_TRUE(is_legal(*timed.手));
  EXPECT_LE(timed.局面数, 1024 + 64);
  EXPECT_FALSE(timed.止められた);

  停止フラグ stop{true};
  const 深読み結果 flagged = engine.探す(p, -1, 深読み設定{}, &stop);
  ASSERT_TRUE(flagged.手);
  EXPECT_TRUE(is_legal(*flagged.手));
  EXPECT_TRUE(flagged.止められた);
  EXPECT_LE(flagged.局面数, 1024 + 64);
}

TEST(DeepSearch, AnotherThreadStopsASearchWithoutLimits) {
  局面 p;
  局面_初期配置(p);
  深読み器 engine(1);
  停止フラグ stop{false};
  深読み結果 r;
  std::thread worker([&] { r = engine.探す(p, -1, 深読み設定{}, &stop); });
  stop = true;  // without it, the search would run to its greatest depth
  worker.join();
  EXPECT_TRUE(r.止められた);
  EXPECT_TRUE(r.手);
}

TEST(DeepSearch, SearchesAllocateNothing) {
  std::mt19937 rng(5);
  深読み器 engine(1);
  long during = 0;
  int searches = 0;
  for (int game = 0; game < 4; ++game) {
    局面 p;
    局面_初期配置(p);
    testing::乱数で進める(p, rng, 20 + 25 * game);
    const std::vector<std::uint64_t> history = {局面の鍵(p, 1), 局面の鍵(p, -1)};
    for (int side : {-1, 1}) {
      const long before = g_velmora_allocations.load();
      const 深読み結果 r = engine.探す(p, side, 局面数で(20'000), nullptr, history);
      during += g_velmora_allocations.load() - before;
      searches += r.手.has_value();
    }
  }
  EXPECT_EQ(during, 0);
  EXPECT_GT(searches, 0);
  // The counter counts: making a search object allocates its table.
  const long before = g_velmora_allocations.load();
  { 深読み器 another(1); }
  EXPECT_GT(g_velmora_allocations.load(), before);
}

// Games between the deep search's two budgets from random openings: every
// move it plays, for either side, is one of the slow rules' moves, and the
// position after it the one the game's move procedures make.
TEST(DeepSearch, NeverPlaysAMoveTheGameWouldRefuseOverManyGames) {
  std::mt19937 rng(31337);
  深読み器 a(1), b(1);
  int moves = 0, jumps = 0, drops = 0;
  for (int game = 0; game < 8; ++game) {
    局面 p;
    局面_初期配置(p);
    int side = -1;
    side = testing::乱数で進める(p, rng, 2 + game % 4) % 2 ? 1 : -1;
    std::vector<std::uint64_t> history;
    for (int ply = 0; ply < 120 && !testing::王がいない(p); ++ply) {
      深読み器& engine = (ply + game) % 2 ? a : b;
      const 深読み結果 r = engine.探す(p, side, 局面数で(ply % 3 ? 600 : 2500), nullptr, history);
      const auto legal = testing::遅い合法手(p, side);
      if (!r.手) {
        EXPECT_TRUE(legal.empty());
        break;
      }
      ASSERT_TRUE(std::any_of(legal.begin(), legal.end(), [&](const 指し手& m) { return 同じ手(m, *r.手); }))
          << "game " << game << " ply " << ply;
      history.push_back(局面の鍵(p, side));
      const 局面 before = p;
      p = testing::遅く指す(p, *r.手);
      ++moves;
      drops += r.手->打ち();
      jumps +=
          !r.手->打ち() && before.BAN[10 - r.手->x1][10 - r.手->y1] != p.BAN[10 - r.手->x1][10 - r.手->y1];
      side = -side;
    }
  }
  EXPECT_GT(moves, 500);
  EXPECT_GT(jumps, 20);
  EXPECT_GT(drops, 10);
}

// The game has no rule that ends a circle: a side that is not losing plays
// on rather than going back to a position the game has already had, and
// without that history it is free to play the move again.
TEST(DeepSearch, PlaysOnRatherThanGoingBackToAPositionOfTheGame) {
  局面 p;
  局面_初期配置(p);
  std::mt19937 rng(8);
  testing::乱数で進める(p, rng, 6);
  深読み器 engine(1);
  const 深読み結果 first = engine.探す(p, -1, 局面数で(20'000));
  ASSERT_TRUE(first.手);
  const 局面 after = testing::遅く指す(p, *first.手);
  const std::vector<std::uint64_t> history = {局面の鍵(p, -1), 局面の鍵(after, 1)};
  const 深読み結果 again = engine.探す(p, -1, 局面数で(20'000), nullptr, history);
  ASSERT_TRUE(again.手);
  EXPECT_FALSE(同じ手(*again.手, *first.手));
  EXPECT_GT(again.評価, -deep::評価の重み{}.繰り返し);
  // The same search without the history plays the first move again.
  EXPECT_TRUE(同じ手(*engine.探す(p, -1, 局面数で(20'000)).手, *first.手));
}

TEST(Evaluation, TheSameGameTurnedRoundIsWorthTheSame) {
  std::mt19937 rng(77);
  const deep::評価の重み w;
  for (int game = 0; game < 30; ++game) {
    局面 p;
    局面_初期配置(p);
    testing::乱数で進める(p, rng, 10 + 4 * game);
    const 問題 q{p, game % 2 ? 1 : -1};
    const 問題 r = 回す(q);
    const 盤 b = 盤::局面から(q.pos, q.side), t = 盤::局面から(r.pos, r.side);
    EXPECT_EQ(deep::評価(b, w), deep::評価(t, w)) << "game " << game;
    EXPECT_EQ(b.material(), -t.material());
  }
}

TEST(Evaluation, PiecesNearAKingAndInHandEndangerIt) {
  局面 p;
  p.BAN[5][9] = -OU;
  p.BAN[5][1] = OU;
  const deep::評価の重み w;
  const 盤 quiet = 盤::局面から(p, -1);
  EXPECT_EQ(deep::玉の危険(quiet, deep::下側, w), 0);
  p.BAN[5][7] = SYA_NARI;  // a dragon two squares in front of the bottom king
  const int near = deep::玉の危険(盤::局面から(p, -1), deep::下側, w);
  EXPECT_GT(near, 0);
  p.UE_MOTI[MOTI_KIN] = 2;
  EXPECT_GT(deep::玉の危険(盤::局面から(p, -1), deep::下側, w), near);
  p.BAN[4][8] = -KIN;  // a gold beside the king
  p.BAN[6][8] = -KIN;
  EXPECT_LT(deep::玉の危険(盤::局面から(p, -1), deep::下側, w), near);
}

TEST(Weights, SetByNameForTuningRuns) {
  deep::評価の重み w;
  EXPECT_TRUE(deep::重みを設定(w, "attack", "150"));
  EXPECT_EQ(w.攻め, 150);
  EXPECT_TRUE(deep::重みを設定(w, "piece.dragon", "-5"));
  EXPECT_EQ(w.駒[deep::竜], -5);
  EXPECT_FALSE(deep::重みを設定(w, "piece.king", "1"));
  EXPECT_FALSE(deep::重みを設定(w, "attack", "15x"));
  EXPECT_TRUE(deep::重みを設定(w, "repetition", "300"));
  EXPECT_EQ(w.繰り返し, 300);
  EXPECT_FALSE(deep::重みを設定(w, "nothing", "1"));
}

}  // namespace
}  // namespace velmora
