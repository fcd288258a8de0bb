// Labels, counters, move guidance and the other highlights.
#include "view/labels.hpp"

#include <gtest/gtest.h>

#include "game/events.hpp"
#include "game/moves.hpp"
#include "game/state.hpp"
#include "script/fakes.hpp"
#include "view/drawing.hpp"
#include "view/paint_support.hpp"

namespace velmora {
namespace {

using namespace velmora::testing;

using LabelsTest = PaintTest;

TEST_F(LabelsTest, MoveCounterIsRightAlignedByItsDigits) {
  struct Case {
    int n;
    double x;
    const char* text;
  } cases[] = {{0, 13.2, " 0"}, {9, 13.2, " 9"}, {10, 13.1, " 10"}, {99, 13.1, " 99"}, {100, 13.0, " 100"}};
  for (const auto& c : cases) {
    ops.clear();
    描画_手数(f, c.n, IRO_KAGE);  // the colour asked for is not used
    EXPECT_EQ(絵の列(ops, 13, 3), std::vector<int>{f.options.HAIKEI});
    EXPECT_EQ(絵の列(ops, 14, 3), std::vector<int>{f.options.HAIKEI});
    EXPECT_EQ(輪郭の数(ops, IRO_WAKU, 11, 3), 1);
    const auto t = 文字(ops);
    ASSERT_EQ(t.size(), 4u);
    EXPECT_EQ(t[0].text, c.text);
    EXPECT_EQ(t[0].id_or_colour, IRO_KAGE);
    EXPECT_TRUE(位置(t[0], c.x + 0.1, 3.4)) << c.n;
    EXPECT_EQ(t[1].text, c.text);
    EXPECT_EQ(t[1].id_or_colour, IRO_MOJI);
    EXPECT_TRUE(位置(t[1], c.x, 3.3)) << c.n;
    EXPECT_EQ(t[1].size, 12);
    // "手目" stays put, 120 twips right and 160 down of its cell point.
    EXPECT_EQ(t[3].text, "手目");
    EXPECT_EQ(t[3].id_or_colour, IRO_MOJI);
    EXPECT_DOUBLE_EQ(t[3].x, 1350 + 610 * 13.8 + 120);
    EXPECT_DOUBLE_EQ(t[3].y, 100 + 690 * 3.1 + 160);
    EXPECT_EQ(t[3].size, 10);
    EXPECT_DOUBLE_EQ(t[2].x, 1350 + 610 * 13.9 + 120);
    EXPECT_EQ(t[2].id_or_colour, IRO_KAGE);
  }
}

TEST_F(LabelsTest, FixedLabelsByCode) {
  描画_文字列(f, 0, 0, 11, IRO_MOJI, 10);
  描画_文字列(f, 0, 0, -11, IRO_MOJI, 10);
  描画_文字列(f, 0, 0, 98, IRO_MOJI, 10);
  EXPECT_TRUE(ops.empty());
  描画_文字列(f, 0, 0, -10, IRO_MOJI, 10);
  描画_文字列(f, 0, 0, 8, IRO_MOJI, 10);
  ASSERT_EQ(ops.size(), 2u);
  EXPECT_EQ(ops[0].text, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人");
  EXPECT_EQ(ops[1].text, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:10級");
}

TEST_F(LabelsTest, HandicapRankLabel) {
  描画_ハンデレベル(f, 0);
  for (int c = 11; c <= 14; ++c) EXPECT_EQ(絵の列(ops, c, 1), std::vector<int>{f.options.HAIKEI});
  const auto t = 文字(ops);
  ASSERT_EQ(t.size(), 2u);
  EXPECT_EQ(t[1].text, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級");
  EXPECT_EQ(t[1].id_or_colour, IRO_MOJI);
  EXPECT_DOUBLE_EQ(t[1].x, 1350 + 610 * 11 + 120);
  EXPECT_DOUBLE_EQ(t[0].x, 1350 + 610 * 11.1 + 120);
}

TEST_F(LabelsTest, CoordinateLabelsTurnTheFontBoldForGood) {
  f.view.FontBold = false;
  描画_桝_数値(f);
  EXPECT_TRUE(f.view.FontBold);
  const auto t = 文字(ops);
  ASSERT_EQ(t.size(), 36u);
  for (const auto& op : t) EXPECT_TRUE(op.bold);
  // Column 1 (leftmost) is labelled 9; the top row is "一".
  EXPECT_EQ(t[0].text, " 9");
  EXPECT_TRUE(位置(t[0], 1.2, 0.5));
  EXPECT_EQ(t[1].text, " 9");
  EXPECT_EQ(t[1].id_or_colour, IRO_BANGOU);
  EXPECT_EQ(t[1].size, 16);
  EXPECT_EQ(t[3].text, "一");
  EXPECT_TRUE(位置(t[3], 10.1, 1.3));
  EXPECT_EQ(t[3].size, 12);
  EXPECT_EQ(t[33].text, " 1");
  EXPECT_EQ(t[35].text, "九");
  for (int i = 1; i <= 9; ++i) EXPECT_EQ(輪郭の数(ops, IRO_WAKU, 9, i), 1);
  // Any later text is bold as well.
  ops.clear();
  描画_レベル(f, 2);
  for (const auto& op : 文字(ops)) EXPECT_TRUE(op.bold);
}

TEST_F(LabelsTest, LevelLabel) {
  描画_レベル(f, 2);
  const auto t = 文字(ops);
  ASSERT_EQ(t.size(), 4u);
  EXPECT_EQ(t[0].text, "LEVEL");
  EXPECT_TRUE(位置(t[0], -1.4, 0.2));
  EXPECT_EQ(t[0].id_or_colour, IRO_KAGE);
  EXPECT_EQ(t[1].text, "LEVEL");
  EXPECT_TRUE(位置(t[1], -1.5, 0.1));
  EXPECT_EQ(t[1].size, 10);
  EXPECT_EQ(t[3].text, " 2");
  EXPECT_TRUE(位置(t[3], 0, 0));
  EXPECT_EQ(t[3].size, 12);
  EXPECT_TRUE(絵(ops).empty());  // nothing is erased first
}

TEST_F(LabelsTest, LastMoveTextsSitBesideTheirSide) {
  f.game.MAN_TEBAN = -1;
  f.game.COM_TEBAN = 1;
  描画_移動結果(f, f.game.MAN_TEBAN, 3, 6, -HU, IRO_KEKKA);
  for (int c = 12; c <= 14; ++c) EXPECT_EQ(絵の列(ops, c, 2), std::vector<int>{f.options.HAIKEI});
  auto t = 文字(ops);
  ASSERT_EQ(t.size(), 6u);
  const double man_x[] = {12.4, 12.8, 13.4};
  for (int i = 0; i < 3; ++i) {
    EXPECT_TRUE(位置(t[2 * i], man_x[i] + 0.1, 2.5));
    EXPECT_EQ(t[2 * i].id_or_colour, IRO_KAGE);
    EXPECT_TRUE(位置(t[2 * i + 1], man_x[i], 2.4));
    EXPECT_EQ(t[2 * i + 1].id_or_colour, IRO_KEKKA);
    EXPECT_EQ(t[2 * i + 1].size, 12);
  }
  // The column is the board's own label (10 - x), then the row in kanji, then the piece.
  EXPECT_EQ(t[1].text, "７");
  EXPECT_EQ(t[3].text, "六");
  EXPECT_EQ(t[5].text, "歩");
  EXPECT_TRUE(枠(ops).empty());

  ops.clear();
  描画_移動結果(f, f.game.COM_TEBAN, 7, 4, HU, IRO_MOJI);
  // All three columns the text covers are cleared, -2 included (its first character).
  for (int c = -2; c <= 0; ++c) EXPECT_EQ(絵の列(ops, c, 8), std::vector<int>{f.options.HAIKEI});
  t = 文字(ops);
  ASSERT_EQ(t.size(), 6u);
  EXPECT_TRUE(位置(t[1], -1.6, 8.4));
  EXPECT_TRUE(位置(t[3], -1.2, 8.4));
  EXPECT_TRUE(位置(t[5], -0.6, 8.4));
  EXPECT_EQ(t[5].id_or_colour, IRO_MOJI);
  EXPECT_EQ(t[1].text, "３");
  EXPECT_EQ(t[3].text, "四");
  // The erase and the text both mend the outline of (1, 8) that the tile covers.
  EXPECT_EQ(輪郭の数(ops, IRO_WAKU, 1, 8), 2);
  EXPECT_EQ(輪郭の数(ops, IRO_WAKU, -1, 7), 1);
  EXPECT_TRUE(輪郭(ops.back(), IRO_WAKU, 1, 8));

  ops.clear();
  描画_移動結果(f, 0, 5, 5, HU, IRO_MOJI);  // no side: nothing at all
  EXPECT_TRUE(ops.empty());
}

TEST_F(LabelsTest, ErasingTheThinkingLabel) {
  消去_思考中(f);
  for (int c = -2; c <= 0; ++c) EXPECT_EQ(絵の列(ops, c, 8), std::vector<int>{f.options.HAIKEI});
  EXPECT_TRUE(輪郭(ops.back(), IRO_WAKU, -1, 7));
  EXPECT_EQ(ops.size(), 4u);
}

TEST_F(LabelsTest, MoveGuidanceOutlinesOnlyLegalTargets) {
  f.options.SIDOU_FLAG = true;
  描画_移動可能桝色(f, 2, 8, 15, -KAKU);  // the bishop is hemmed in by its own pawns
  EXPECT_EQ(枠(ops).size(), 81u);
  ops.clear();
  描画_移動可能桝色(f, 3, 7, 15, -HU);
  const auto r = 枠(ops);
  ASSERT_EQ(r.size(), 82u);
  EXPECT_TRUE(輪郭(r.back(), 15, 3, 6));
  // A drop may go to every empty square (row 1, where a bottom pawn may not go, is full).
  ops.clear();
  描画_移動可能桝色(f, 11, 3, 15, -HU);
  int shown = 0;
  for (const auto& op : 枠(ops))
    if (op.id_or_colour == 15) ++shown;
  EXPECT_EQ(shown, 41);
}

TEST_F(LabelsTest, GuidanceOffStillWipesOldOutlines) {
  f.options.SIDOU_FLAG = false;
  描画_移動可能桝色(f, 3, 7, 15, -HU);
  const auto r = 枠(ops);
  ASSERT_EQ(r.size(), 81u);
  for (const auto& op : r) EXPECT_EQ(op.id_or_colour, IRO_KESU);
}

TEST_F(LabelsTest, MirrorSquareIsOutlinedOnlyForAnOpposingPiece) {
  auto& B = f.pos.BAN;
  for (auto& col : B)
    for (int& c : col) c = KARA;
  B[2][3] = -GIN;
  B[8][7] = HU;
  描画_桝輪郭_相対駒(f, 2, 3, -GIN);
  // In the mirror jump's tint, not the white of the squares the piece may go to.
  ASSERT_EQ(ops.size(), 1u);
  EXPECT_TRUE(輪郭(ops[0], 鏡の手の色, 8, 7));
  ops.clear();
  B[8][7] = -HU;
  描画_桝輪郭_相対駒(f, 2, 3, -GIN);
  B[8][7] = KARA;
  描画_桝輪郭_相対駒(f, 2, 3, -GIN);
  描画_桝輪郭_相対駒(f, 11, 3, -HU);
  描画_桝輪郭_相対駒(f, -1, 7, HU);
  EXPECT_TRUE(ops.empty());
  // The top side's view: a top piece and a bottom piece opposite.
  B[8][7] = -HU;
  B[2][3] = GIN;
  描画_桝輪郭_相対駒(f, 2, 3, GIN);
  ASSERT_EQ(ops.size(), 1u);
  EXPECT_TRUE(輪郭(ops[0], 鏡の手の色, 8, 7));
}

// The computer shows the piece its mirror move would drag; once it has moved,
// that outline goes whether the piece jumped or not (its knight from ８一 to
// ７三 leaves the bottom knight on ２九, as ３七 is taken).
TEST_F(LabelsTest, TheComputersMoveTakesItsMirrorOutlineAway) {
  auto& B = f.pos.BAN;
  for (auto& col : B)
    for (int& c : col) c = KARA;
  B[5][9] = -OU;
  B[5][1] = OU;
  B[2][1] = KEI;
  B[8][9] = -KEI;
  B[7][7] = -HU;
  f.game.TAISEN_MODE = MODE_MAN_COM;
  f.game.MAN_TEBAN = 1;
  f.game.COM_TEBAN = -1;
  const 指し手 m{2, 1, 3, 3, KEI, KEI};
  対局の知らせ e;
  e.種類 = 出来事::着手予告;
  e.側 = -1;
  e.手 = 記す_指し手(f.pos, m, false);
  知らせる(f, e);
  EXPECT_EQ(輪郭の数(ops, 鏡の手の色, 8, 9), 1);
  ops.clear();
  B[2][1] = KARA;
  B[3][3] = KEI;
  e.種類 = 出来事::指した;
  知らせる(f, e);
  int last = -1;
  for (const auto& op : 枠(ops))
    if (位置(op, 8, 9)) last = op.id_or_colour;
  EXPECT_EQ(last, IRO_WAKU);
}

TEST_F(LabelsTest, BlinkingShowsThePieceLastAndRepaintsEachTime) {
  描画_駒点滅(f, HU, 7, 3, 2);
  std::vector<int> pictures;
  int repaints = 0;
  for (const auto& op : ops) {
    if (op.kind == PaintOp::Picture) pictures.push_back(op.id_or_colour);
    if (op.kind == PaintOp::Repaint) ++repaints;
  }
  EXPECT_EQ(pictures, (std::vector<int>{KARA, HU, KARA, HU}));
  EXPECT_EQ(repaints, 4);
  EXPECT_EQ(輪郭の数(ops, IRO_WAKU, 7, 3), 4);
  EXPECT_EQ(ops.back().kind, PaintOp::Repaint);
  // Four waits of 0.2 seconds on the window's clock.
  EXPECT_NEAR(w.clock.waited, 0.8, 1e-9);
  EXPECT_NEAR(w.clock.seconds, 0.8, 1e-9);
}

}  // namespace
}  // namespace velmora
