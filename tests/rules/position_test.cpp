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
      EXPECT_EQ(s->BAN[10 - x][10 - y], -s->BAN[x][y]) << x << "," << y;
      if (s->BAN[x][y] != KARA) ++pieces;
    }
  EXPECT_EQ(pieces, 40);
  EXPECT_EQ(s->BAN[5][9], -950);
  EXPECT_EQ(s->BAN[5][1], 950);
  EXPECT_EQ(s->BAN[2][2], SYA);
  EXPECT_EQ(s->BAN[8][2], KAKU);
  EXPECT_EQ(s->BAN[2][8], -KAKU);
  EXPECT_EQ(s->BAN[8][8], -SYA);
  const int row1[10] = {0, 20, 30, 100, 110, 950, 110, 100, 30, 20};
  for (int x = 1; x <= 9; ++x) {
    EXPECT_EQ(s->BAN[x][1], row1[x]);
    EXPECT_EQ(s->BAN[x][3], HU);
  }
}

TEST(InitialPosition, ResetsHandsTurnAndCountersButNotTheRecordSides) {
  auto s = std::make_unique<EngineState>();
  s->SITA_MOTI[3] = 2;
  s->UE_MOTI[7] = 1;
  s->SITA_MOTI_SU = 2;
  s->UE_MOTI_SU = 1;
  s->TEBAN = 1;
  s->TESUU = 12;
  s->TESUU_HYOJI = 12;
  s->TESUU_MAX = 11;
  s->SYOUSYA = -1;
  s->HANDE_LEVEL = 3;
  s->HANDE_SETTEI = YES;
  s->HANTEN = YES;
  s->KIFU_MODE = YES;
  s->SAIKAI_MSG = YES;
  s->SENTAKU = 1;
  s->TAISEN_MODE = MODE_MAN_COM;
  s->MAN_TEBAN = 1;
  s->COM_TEBAN = -1;
  s->BAN[0][0] = 0;
  局面_初期化(*s);
  for (int k = 1; k <= 7; ++k) {
    EXPECT_EQ(s->SITA_MOTI[k], 0);
    EXPECT_EQ(s->UE_MOTI[k], 0);
  }
  EXPECT_EQ(s->SITA_MOTI_SU, 0);
  EXPECT_EQ(s->UE_MOTI_SU, 0);
  EXPECT_EQ(s->TEBAN, TEBAN_NASI);
  EXPECT_EQ(s->TESUU, 0);
  EXPECT_EQ(s->TESUU_HYOJI, 0);
  EXPECT_EQ(s->SYOUSYA, 0);
  EXPECT_EQ(s->HANDE_LEVEL, 0);
  EXPECT_EQ(s->HANDE_SETTEI, NO);
  EXPECT_EQ(s->HANTEN, NO);
  EXPECT_EQ(s->KIFU_MODE, NO);
  EXPECT_EQ(s->SAIKAI_MSG, NO);
  EXPECT_EQ(s->SENTAKU, 0);
  EXPECT_EQ(s->TAISEN_MODE, MODE_MAN_MAN);
  // A new game keeps the sides of the last one and the stored record length.
  EXPECT_EQ(s->MAN_TEBAN, 1);
  EXPECT_EQ(s->COM_TEBAN, -1);
  EXPECT_EQ(s->TESUU_MAX, 11);
}

TEST(Geometry, WindowPointsMapToCellsByFloorDivision) {
  EXPECT_EQ(座標_列(1349), -1);  // one twip left of the board origin
  EXPECT_EQ(座標_列(1350), 0);
  EXPECT_EQ(座標_行(100), 0);
  EXPECT_EQ(座標_行(99), -1);
  EXPECT_EQ(座標_列(1350 + 610 - 1), 0);
  EXPECT_EQ(座標_列(1350 + 610), 1);
  EXPECT_EQ(座標_列(1350 + 610 * 10), 10);
  EXPECT_EQ(座標_列(1350 + 610 * 11 + 305), 11);
  EXPECT_EQ(座標_行(100 + 690 * 9 + 689), 9);
  EXPECT_EQ(座標_列(1350 - 610 - 1), -2);
  EXPECT_DOUBLE_EQ(座標_左(-1), 740);
  EXPECT_DOUBLE_EQ(座標_上(8.5), 100 + 690 * 8.5);
}

TEST(Hands, CapturedCodesGoToTheSlotOfTheirUnpromotedKind) {
  const int slot_of[][2] = {{10, 1},   {11, 1},  {-20, 2},  {-21, 2}, {30, 3},   {-31, 3},
                            {100, 4},  {101, 4}, {-110, 5}, {800, 6}, {-801, 6}, {900, 7},
                            {-901, 7}, {950, 0}, {-950, 0}, {111, 0}, {0, 0}};
  for (auto [code, slot] : slot_of) EXPECT_EQ(持駒番号(code), slot) << code;
}

}  // namespace
}  // namespace velmora
