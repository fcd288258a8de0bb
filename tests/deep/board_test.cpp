#include "deep/board.hpp"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "deep/movegen.hpp"
#include "slow_rules.hpp"

namespace velmora {
namespace {

using deep::手;
using deep::盤;

TEST(Board, TheGamesPositionComesBackAsItWasForEitherSide) {
  局面 p;
  局面_初期配置(p);
  p.SITA_MOTI[MOTI_KIN] = 1;
  p.UE_MOTI[MOTI_HU] = 3;
  p.BAN[3][3] = TO;
  p.BAN[7][7] = -GIN_NARI;
  for (int side : {-1, 1}) {
    const 盤 b = 盤::局面から(p, side);
    EXPECT_EQ(b.手番(), side > 0 ? deep::上側 : deep::下側);
    EXPECT_TRUE(testing::同じ盤(b.局面へ(), p));
    EXPECT_EQ(b.局面へ().UE_MOTI_SU(), 3);
    EXPECT_EQ(b.玉の桝(deep::下側), deep::桝(5, 9));
    EXPECT_EQ(b.玉の桝(deep::上側), deep::桝(5, 1));
  }
  // The side to move is part of the key.
  EXPECT_NE(盤::局面から(p, -1).key(), 盤::局面から(p, 1).key());
}

TEST(Board, GameMovesNameTheStandsAsTheMoveProceduresDo) {
  局面 p;
  p.BAN[5][9] = -OU;
  p.BAN[5][1] = OU;
  p.SITA_MOTI[MOTI_SYA] = 1;
  p.UE_MOTI[MOTI_SYA] = 1;
  const 盤 bottom = 盤::局面から(p, -1);
  const 指し手 b = deep::ゲームの手(bottom, deep::打つ手(deep::飛, deep::桝(2, 2)));
  EXPECT_EQ(b.x1, SITA_DAI);
  EXPECT_EQ(b.y1, MOTI_SYA + 2);
  EXPECT_EQ(b.placed, -SYA);
  EXPECT_EQ(b.moving, -SYA);
  const 盤 top = 盤::局面から(p, 1);
  const 指し手 t = deep::ゲームの手(top, deep::打つ手(deep::飛, deep::桝(8, 8)));
  EXPECT_EQ(t.x1, UE_DAI);
  EXPECT_EQ(t.y1, MOTI_SYA);
  EXPECT_EQ(t.placed, SYA);
  EXPECT_TRUE(t.打ち());
}

// Random games by the generator's own moves: after every move the key and
// the material sum are those worked out again from nothing, the position is
// the one the game's move procedures make, and unmaking restores the
// position, the key and the sum exactly.
TEST(Board, MakeAndUnmakeRestoreThePositionAndTheKeyOverThousandsOfRandomMoves) {
  std::mt19937 rng(12345);
  int made = 0, jumps = 0, captures = 0, promotions = 0, drops = 0;
  for (int game = 0; game < 60; ++game) {
    局面 p;
    局面_初期配置(p);
    盤 b = 盤::局面から(p, -1);
    局面 slow = p;
    for (int ply = 0; ply < 200; ++ply) {
      手 moves[deep::最大手数];
      const int n = 手を生成(b, deep::生成::全部, moves);
      if (n == 0) break;
      const 手 m = moves[std::uniform_int_distribution<int>(0, n - 1)(rng)];
      const 盤 before = b;
      const 指し手 g = deep::ゲームの手(b, m);
      deep::戻す情報 u;
      b.指す(m, u);
      ++made;
      jumps += u.jumped;
      captures += u.captured != deep::空;
      promotions += g.成り();
      drops += g.打ち();
      ASSERT_EQ(b.key(), b.鍵を数え直す()) << "game " << game << " ply " << ply;
      ASSERT_EQ(b.material(), b.評価を数え直す());
      slow = testing::遅く指す(slow, g);
      ASSERT_TRUE(testing::同じ盤(b.局面へ(), slow)) << "game " << game << " ply " << ply;
      // Unmade and made again, it is the same position.
      const 盤 after = b;
      b.戻す(m, u);
      ASSERT_TRUE(b == before) << "game " << game << " ply " << ply;
      b.指す(m, u);
      ASSERT_TRUE(b == after);
    }
  }
  EXPECT_GT(made, 5000);
  // The random games went through every kind of move.
  EXPECT_GT(jumps, 100);
  EXPECT_GT(captures, 100);
  EXPECT_GT(promotions, 50);
  EXPECT_GT(drops, 100);
}

TEST(Board, OnePositionReachedInTwoOrdersHasOneKey) {
  局面 p;
  局面_初期配置(p);
  盤 a = 盤::局面から(p, -1);
  盤 b = a;
  deep::戻す情報 u;
  // The two pawns beside the bishops, in either order: each move's mirror
  // jump moves the other side's pawn on the symmetric file.
  const 手 m1 = deep::盤上の手(deep::桝(3, 7), deep::桝(3, 6), false);
  const 手 m2 = deep::盤上の手(deep::桝(1, 3), deep::桝(1, 4), false);
  const 手 m3 = deep::盤上の手(deep::桝(7, 7), deep::桝(7, 6), false);
  a.指す(m1, u), a.指す(m2, u), a.指す(m3, u);
  b.指す(m3, u), b.指す(m2, u), b.指す(m1, u);
  EXPECT_TRUE(testing::同じ盤(a.局面へ(), b.局面へ()));
  EXPECT_EQ(a.key(), b.key());
  // A piece in hand more is another position.
  局面 q = a.局面へ();
  ++q.UE_MOTI[MOTI_HU];
  EXPECT_NE(盤::局面から(q, 1).key(), a.key());
}

}  // namespace
}  // namespace velmora
