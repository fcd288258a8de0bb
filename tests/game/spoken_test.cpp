// What a screen reader hears of the board and the moves, in both languages.
#include "game/spoken.hpp"

#include <gtest/gtest.h>

#include "rules/position.hpp"

namespace velmora {
namespace {

constexpr int 列(int column) { return 相対位置(column); }

struct Spoken : ::testing::Test {
  void SetUp() override {
    局面_初期配置(p);
    ASSERT_TRUE(言語_設定(en, {"en"}));
  }
  局面 p;
  言語 ja, en;
};

TEST_F(Spoken, SquaresAreNamedByWhatStandsOnThemAndWhoseItIs) {
  EXPECT_EQ(升の読み上げ(ja, p, 列(7), 7, true), "７七 歩 先手");
  EXPECT_EQ(升の読み上げ(ja, p, 列(5), 9, true), "５九 玉 先手");
  EXPECT_EQ(升の読み上げ(ja, p, 列(5), 1, true), "５一 王 後手");
  EXPECT_EQ(升の読み上げ(ja, p, 列(5), 5, true), "５五 空");
  EXPECT_EQ(升の読み上げ(en, p, 列(7), 7, true), "7g pawn, sente");
  EXPECT_EQ(升の読み上げ(en, p, 列(8), 2, true), "8b rook, gote");
  EXPECT_EQ(升の読み上げ(en, p, 列(5), 5, true), "5e empty");
  // With the top side as the first player, its pieces are sente's.
  EXPECT_EQ(升の読み上げ(ja, p, 列(7), 7, false), "７七 歩 後手");
  EXPECT_EQ(升の読み上げ(en, p, 列(3), 3, false), "3c pawn, sente");
  p.BAN[列(2)][2] = -KAKU_NARI;
  EXPECT_EQ(升の読み上げ(ja, p, 列(2), 2, true), "２二 馬 先手");
  EXPECT_EQ(升の読み上げ(en, p, 列(2), 2, true), "2b horse, sente");
}

TEST_F(Spoken, AStandListsWhatItHoldsWithTheCounts) {
  EXPECT_EQ(持駒一覧の読み上げ(ja, p.SITA_MOTI, true), "先手の持ち駒: なし");
  EXPECT_EQ(持駒一覧の読み上げ(en, p.UE_MOTI, false), "Pieces in hand of gote: none");
  p.SITA_MOTI[MOTI_HU] = 2;
  p.SITA_MOTI[MOTI_KAKU] = 1;
  EXPECT_EQ(持駒一覧の読み上げ(ja, p.SITA_MOTI, true), "先手の持ち駒: 歩 2, 角 1");
  EXPECT_EQ(持駒一覧の読み上げ(en, p.SITA_MOTI, true), "Pieces in hand of sente: pawn 2, bishop 1");
  EXPECT_EQ(持駒の読み上げ(ja, MOTI_SYA, 1), "飛 1");
  EXPECT_EQ(持駒の読み上げ(en, MOTI_KIN, 3), "gold 3");
}

TEST_F(Spoken, AMoveIsSaidWithItsCaptureAndItsMirrorJump) {
  // ７六歩: the top pawn on ３三 jumps to ３四.
  const 棋譜の手 pawn = 記す_指し手(p, {列(7), 7, 列(7), 6, -HU, -HU}, true);
  EXPECT_EQ(指し手の読み上げ(ja, pawn, true), "▲７六歩、鏡 △３四歩");
  EXPECT_EQ(指し手の読み上げ(en, pawn, true), "P-7f, mirror P3c-3d");
  // The same move by the side that moved second.
  EXPECT_EQ(指し手の読み上げ(ja, pawn, false), "△７六歩、鏡 ▲３四歩");
  // A capture, and no jump where the mirror square is empty.
  for (auto& column : p.BAN) column.fill(KARA);
  p.BAN[列(5)][9] = -OU;
  p.BAN[列(5)][1] = OU;
  p.BAN[列(8)][8] = -KAKU;
  p.BAN[列(2)][2] = GIN;
  const 棋譜の手 take = 記す_指し手(p, {列(8), 8, 列(2), 2, -KAKU, -KAKU_NARI}, true);
  EXPECT_EQ(指し手の読み上げ(ja, take, true), "▲２二角成、銀を取る");
  EXPECT_EQ(指し手の読み上げ(en, take, true), "Bx2b+, takes silver");
}

}  // namespace
}  // namespace velmora
