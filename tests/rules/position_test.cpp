#include "rules/position.hpp"

#include <gtest/gtest.h>

#include "rules/pieces.hpp"
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
  EXPECT_EQ(s->pos.SITA_MOTI_SU(), 0);
  EXPECT_EQ(s->pos.UE_MOTI_SU(), 0);
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

// A position a game can reach, and each way a position cannot be one.
TEST(Consistency, TheStartAndEachBreachOfTheSet) {
  auto s = testing::初期局面();
  EXPECT_TRUE(s->pos.整合());
  const 局面 start = s->pos;
  const auto breach = [&](auto change) {
    局面 p = start;
    change(p);
    return std::string(局面の誤り(p));
  };
  EXPECT_EQ(breach([](局面& p) { p.BAN[5][5] = -OU; }), "two kings of one side");
  EXPECT_EQ(breach([](局面& p) { p.BAN[5][5] = 12; }), "a square holds no piece code");
  EXPECT_EQ(breach([](局面& p) { p.BAN[0][5] = HU; }), "a piece outside the board");
  EXPECT_EQ(breach([](局面& p) { p.BAN[5][5] = KAKU_NARI; }), "more pieces of a kind than the set has");
  EXPECT_EQ(breach([](局面& p) { p.SITA_MOTI[MOTI_HU] = 1; }), "more pieces of a kind than the set has");
  EXPECT_EQ(breach([](局面& p) { p.UE_MOTI[MOTI_KIN] = -1; }), "a hand count below zero");
  // A king taken, pieces taken into a hand, a promoted piece, a handicap's
  // missing piece: all of these a game reaches.
  EXPECT_EQ(breach([](局面& p) {
              p.BAN[5][1] = -KIN;
              p.BAN[4][9] = KARA;
              p.BAN[2][2] = -SYA_NARI;
              p.BAN[8][8] = KARA;
              ++p.SITA_MOTI[MOTI_SYA];
              p.BAN[8][2] = KARA;
            }),
            "");
  // Copies compare equal; any square or hand count makes them differ.
  局面 copy = start;
  EXPECT_EQ(copy, start);
  copy.UE_MOTI[MOTI_HU] = 1;
  EXPECT_NE(copy, start);
}

// The one table of piece kinds agrees with itself and with the codes: each
// promotion leads to a kind that names it as its origin, each hand slot holds
// one unpromoted kind, and every code of either side finds its kind.
TEST(PieceTable, KindsPromotionsAndSlotsAgree) {
  int slots = 0;
  for (const 駒の種類& k : 駒の表) {
    EXPECT_EQ(駒の種類_検索(k.code), &k);
    EXPECT_EQ(駒の種類_検索(-k.code), &k);
    if (k.成り) {
      ASSERT_NE(駒の種類_検索(k.成り), nullptr) << k.code;
      EXPECT_EQ(駒の種類_検索(k.成り)->元, k.code);
      EXPECT_EQ(駒の種類_検索(k.成り)->持駒, k.持駒);
    }
    if (k.元 == k.code && k.持駒) {
      EXPECT_EQ(持駒コード[k.持駒], k.code);
      ++slots;
    }
    EXPECT_EQ(持駒番号(k.code), k.持駒);
    EXPECT_TRUE(駒コード(k.code) && 駒コード(-k.code));
  }
  EXPECT_EQ(slots, 7);
  int kinds = 0;
  for (int code = -2000; code <= 2000; ++code) kinds += 駒コード(code);
  EXPECT_EQ(kinds, 28);
  EXPECT_STREQ(駒の名(*駒の種類_検索(-OU), -OU), "玉");
  EXPECT_STREQ(駒の名(*駒の種類_検索(OU), OU), "王");
}

}  // namespace
}  // namespace velmora
