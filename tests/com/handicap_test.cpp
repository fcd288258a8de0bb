#include "com/handicap.hpp"

#include <gtest/gtest.h>

#include "support/board.hpp"

namespace velmora {
namespace {

using testing::初期局面;

int 駒数(const testing::試験局面& s, bool top) {
  int n = 0;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y)
      if (top ? 上の駒(s.pos.BAN[x][y]) : 下の駒(s.pos.BAN[x][y])) ++n;
  return n;
}

TEST(HandicapLadder, UpFromEvenTakesTheTopBishopFirstAndDownPutsItBack) {
  auto s = 初期局面();
  auto up = ハンデ_一段(s->pos, s->game.HANDE_LEVEL, +1);
  ASSERT_TRUE(up.has_value());
  EXPECT_EQ(up->level, 1);
  EXPECT_EQ(up->x, 8);
  EXPECT_EQ(up->y, 2);
  EXPECT_EQ(up->code, KARA);
  EXPECT_EQ(s->pos.BAN[8][2], KARA);
  auto down = ハンデ_一段(s->pos, s->game.HANDE_LEVEL, -1);
  ASSERT_TRUE(down.has_value());
  EXPECT_EQ(down->level, 0);
  EXPECT_EQ(down->code, KAKU);
  EXPECT_EQ(s->pos.BAN[8][2], KAKU);
}

TEST(HandicapLadder, TenStepsUpLeaveTheTopKingWithPawnsOnlyAndTheEleventhDoesNothing) {
  auto s = 初期局面();
  const int expected[10][2] = {{8, 2}, {2, 2}, {9, 1}, {1, 1}, {8, 1},
                               {2, 1}, {7, 1}, {3, 1}, {6, 1}, {4, 1}};
  for (int i = 0; i < 10; ++i) {
    auto c = ハンデ_一段(s->pos, s->game.HANDE_LEVEL, +1);
    ASSERT_TRUE(c.has_value());
    EXPECT_EQ(c->x, expected[i][0]) << "level " << i + 1;
    EXPECT_EQ(c->y, expected[i][1]) << "level " << i + 1;
  }
  EXPECT_EQ(s->game.HANDE_LEVEL, 10);
  EXPECT_EQ(駒数(*s, true), 10);  // king and nine pawns
  EXPECT_EQ(s->pos.BAN[5][1], OU);
  EXPECT_FALSE(ハンデ_一段(s->pos, s->game.HANDE_LEVEL, +1).has_value());
  EXPECT_EQ(s->game.HANDE_LEVEL, 10);
  EXPECT_EQ(駒数(*s, false), 20);  // the bottom army is whole
}

TEST(HandicapLadder, TheBottomLadderMirrorsTheTopOneAndReturnsEveryPiece) {
  auto s = 初期局面();
  auto start = 初期局面();
  for (int i = 1; i <= 10; ++i) {
    auto c = ハンデ_一段(s->pos, s->game.HANDE_LEVEL, -1);
    ASSERT_TRUE(c.has_value());
    const ハンデ駒 top = ハンデ_段の駒(i);
    EXPECT_EQ(c->x, 10 - top.x);
    EXPECT_EQ(c->y, 10 - top.y);
    EXPECT_EQ(start->pos.BAN[c->x][c->y], -top.code) << "level " << -i;
  }
  EXPECT_EQ(s->game.HANDE_LEVEL, -10);
  EXPECT_EQ(駒数(*s, false), 10);
  EXPECT_FALSE(ハンデ_一段(s->pos, s->game.HANDE_LEVEL, -1).has_value());
  // Twenty steps up: back through even to the far end, every square right.
  for (int i = 0; i < 10; ++i) ASSERT_TRUE(ハンデ_一段(s->pos, s->game.HANDE_LEVEL, +1).has_value());
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) EXPECT_EQ(s->pos.BAN[x][y], start->pos.BAN[x][y]) << x << "," << y;
  EXPECT_EQ(s->pos.SITA_MOTI_SU(), 0);
  EXPECT_EQ(s->pos.UE_MOTI_SU(), 0);
}

}  // namespace
}  // namespace velmora
