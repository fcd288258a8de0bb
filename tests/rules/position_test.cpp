#include "rules/position.hpp"

#include <gtest/gtest.h>

#include "support/board.hpp"

namespace velmora {
namespace {

TEST(InitialPosition, IsPointSymmetricWithSignsExchanged) {
  auto s = testing::初期局面();
  int pieces = 0;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) {
      EXPECT_EQ(s->pos.BAN[10 - x][10 - y], -s->pos.BAN[x][y]) << x << "," << y;
      if (s->pos.BAN[x][y] != KARA) ++pieces;
    }
  EXPECT_EQ(pieces, 40);
  EXPECT_EQ(s->pos.BAN[5][9], -950);
  EXPECT_EQ(s->pos.BAN[5][1], 950);
  EXPECT_EQ(s->pos.BAN[2][2], SYA);
  EXPECT_EQ(s->pos.BAN[8][2], KAKU);
  EXPECT_EQ(s->pos.BAN[2][8], -KAKU);
  EXPECT_EQ(s->pos.BAN[8][8], -SYA);
  const int row1[10] = {0, 20, 30, 100, 110, 950, 110, 100, 30, 20};
  for (int x = 1; x <= 9; ++x) {
    EXPECT_EQ(s->pos.BAN[x][1], row1[x]);
    EXPECT_EQ(s->pos.BAN[x][3], HU);
  }
}

TEST(InitialPosition, ResetsHandsTurnAndCountersButNotTheRecordSides) {
  auto s = std::make_unique<testing::試験局面>();
  s->pos.SITA_MOTI[3] = 2;
  s->pos.UE_MOTI[7] = 1;
  s->pos.SITA_MOTI_SU = 2;
  s->pos.UE_MOTI_SU = 1;
  s->game.TEBAN = 1;
  s->game.TESUU = 12;
  s->game.TESUU_HYOJI = 12;
  s->game.TESUU_MAX = 11;
  s->game.SYOUSYA = -1;
  s->game.HANDE_LEVEL = 3;
  s->game.HANDE_SETTEI = true;
  s->game.HANTEN = true;
  s->game.KIFU_MODE = true;
  s->game.SAIKAI_MSG = true;
  s->game.TAISEN_MODE = MODE_MAN_COM;
  s->game.MAN_TEBAN = 1;
  s->game.COM_TEBAN = -1;
  s->pos.BAN[0][0] = 0;
  局面_初期化(s->pos, s->game);
  for (int k = 1; k <= 7; ++k) {
    EXPECT_EQ(s->pos.SITA_MOTI[k], 0);
    EXPECT_EQ(s->pos.UE_MOTI[k], 0);
  }
  EXPECT_EQ(s->pos.SITA_MOTI_SU, 0);
  EXPECT_EQ(s->pos.UE_MOTI_SU, 0);
  EXPECT_EQ(s->game.TEBAN, TEBAN_NASI);
  EXPECT_EQ(s->game.TESUU, 0);
  EXPECT_EQ(s->game.TESUU_HYOJI, 0);
  EXPECT_EQ(s->game.SYOUSYA, 0);
  EXPECT_EQ(s->game.HANDE_LEVEL, 0);
  EXPECT_FALSE(s->game.HANDE_SETTEI);
  EXPECT_FALSE(s->game.HANTEN);
  EXPECT_FALSE(s->game.KIFU_MODE);
  EXPECT_FALSE(s->game.SAIKAI_MSG);
  EXPECT_EQ(s->game.TAISEN_MODE, MODE_MAN_MAN);
  // A new game keeps the sides of the last one and the stored record length.
  EXPECT_EQ(s->game.MAN_TEBAN, 1);
  EXPECT_EQ(s->game.COM_TEBAN, -1);
  EXPECT_EQ(s->game.TESUU_MAX, 11);
}

TEST(Hands, CapturedCodesGoToTheSlotOfTheirUnpromotedKind) {
  const int slot_of[][2] = {{10, 1},   {11, 1},  {-20, 2},  {-21, 2}, {30, 3},   {-31, 3},
                            {100, 4},  {101, 4}, {-110, 5}, {800, 6}, {-801, 6}, {900, 7},
                            {-901, 7}, {950, 0}, {-950, 0}, {111, 0}, {0, 0}};
  for (auto [code, slot] : slot_of) EXPECT_EQ(持駒番号(code), slot) << code;
}

}  // namespace
}  // namespace velmora
