// The board, the stands, the background and the painting primitives, as the
// recording canvas sees them.
#include "view/drawing.hpp"

#include <gtest/gtest.h>

#include "script/fakes.hpp"
#include "view/paint_support.hpp"

namespace velmora {
namespace {

using namespace velmora::testing;

using DrawingTest = PaintTest;

TEST_F(DrawingTest, InitialBoardPaints40PiecesAnd41EmptySquaresEachWithAGreenOutline) {
  描画_盤(f);
  ASSERT_EQ(ops.size(), 162u);
  int pieces = 0, empty = 0;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) {
      // Picture first, then its outline, column by column.
      const PaintOp& pic = ops[2 * ((x - 1) * 9 + (y - 1))];
      const PaintOp& frame = ops[2 * ((x - 1) * 9 + (y - 1)) + 1];
      ASSERT_EQ(pic.kind, PaintOp::Picture);
      EXPECT_TRUE(位置(pic, x, y));
      EXPECT_EQ(pic.id_or_colour, f.pos.BAN[x][y]);
      EXPECT_TRUE(輪郭(frame, 2, x, y)) << x << "," << y;  // green
      (pic.id_or_colour == KARA ? empty : pieces) += 1;
    }
  EXPECT_EQ(pieces, 40);
  EXPECT_EQ(empty, 41);
}

TEST_F(DrawingTest, CellsMapToTwips) {
  描画_絵(f, -HU, 3, 7);
  描画_桝輪郭(f, 12, 2, 3);
  描画_絵(f, HU, -1, 7);
  描画_絵(f, E_TAITORU, 10.8, 0);
  ASSERT_EQ(ops.size(), 4u);
  EXPECT_DOUBLE_EQ(ops[0].x, 1350 + 610 * 3);
  EXPECT_DOUBLE_EQ(ops[0].y, 100 + 690 * 7);
  EXPECT_DOUBLE_EQ(ops[1].x, 2570);
  EXPECT_DOUBLE_EQ(ops[1].y, 2170);
  EXPECT_DOUBLE_EQ(ops[1].x2, 3180);
  EXPECT_DOUBLE_EQ(ops[1].y2, 2860);
  EXPECT_EQ(ops[1].id_or_colour, 12);
  EXPECT_DOUBLE_EQ(ops[2].x, 740);  // the top stand lies left of the board
  EXPECT_DOUBLE_EQ(ops[3].x, 1350 + 610 * 10.8);
  EXPECT_DOUBLE_EQ(ops[3].y, 100);
}

TEST_F(DrawingTest, OnlyKnownIdentifiersHaveAPicture) {
  for (int id : {111, -111, 7, -1, -2, 12, 951, -951, 112, 1000}) 描画_絵(f, id, 4, 4);
  EXPECT_TRUE(ops.empty());
  const int known[] = {0,   1,   2,   3,    4,    5,    6,    10,   11,   20,   21,  30,
                       31,  100, 101, 110,  800,  801,  900,  901,  950,  -10,  -11, -20,
                       -21, -30, -31, -100, -101, -110, -800, -801, -900, -901, -950};
  for (int id : known) 描画_絵(f, id, 4, 4);
  ASSERT_EQ(ops.size(), std::size(known));
  for (std::size_t i = 0; i < ops.size(); ++i) EXPECT_EQ(ops[i].id_or_colour, known[i]);
}

TEST_F(DrawingTest, NumbersPrintLikeTheWindowDoes) {
  描画_数値(f, 12, 3.2, 5, IRO_SENTAKU, 0, 14);
  描画_数値(f, 0, 0, -3, IRO_MOJI, 0, 12);
  描画_数値(f, 0, 0, 1.5, IRO_MOJI, 0, 12);
  描画_数値(f, 0, 0, 0, IRO_MOJI, 0, 12);
  描画_数値(f, 0, 0, 120, IRO_MOJI, 0, 12);
  描画_数値(f, 0, 0, "00:01:02", IRO_MOJI, 0, 12);
  const auto t = 文字(ops);
  ASSERT_EQ(t.size(), 6u);
  EXPECT_EQ(t[0].text, " 5");
  EXPECT_EQ(t[0].id_or_colour, IRO_SENTAKU);
  EXPECT_EQ(t[0].size, 14);
  EXPECT_TRUE(位置(t[0], 12, 3.2));
  EXPECT_EQ(t[1].text, "-3");
  EXPECT_EQ(t[2].text, " 1.5");
  EXPECT_EQ(t[3].text, " 0");
  EXPECT_EQ(t[4].text, " 120");
  EXPECT_EQ(t[5].text, "00:01:02");
}

TEST_F(DrawingTest, KanjiModePrintsOnlyOneToNine) {
  for (double v : {0.0, 1.0, 5.0, 9.0, 10.0, 2.5, -1.0}) 描画_数値(f, 10.1, 1.3, v, IRO_BANGOU, 1, 12);
  描画_数値(f, 0, 0, "7", IRO_BANGOU, 2, 12);
  描画_数値(f, 0, 0, "x", IRO_BANGOU, 2, 12);
  const auto t = 文字(ops);
  ASSERT_EQ(t.size(), 4u);
  EXPECT_EQ(t[0].text, "一");
  EXPECT_EQ(t[1].text, "五");
  EXPECT_EQ(t[2].text, "九");
  EXPECT_EQ(t[3].text, "七");
}

TEST_F(DrawingTest, TextFollowsTheWindowsBoldFlag) {
  f.view.FontBold = false;
  描画_移動駒種類(f, 1, 1, "歩", IRO_KEKKA);
  f.view.FontBold = true;
  描画_移動駒種類(f, 1, 1, "歩", IRO_KEKKA);
  描画_数値(f, 1, 1, 3, IRO_MOJI, 0, 12);
  const auto t = 文字(ops);
  ASSERT_EQ(t.size(), 3u);
  EXPECT_FALSE(t[0].bold);
  EXPECT_EQ(t[0].size, 12);
  EXPECT_TRUE(t[1].bold);
  EXPECT_TRUE(t[2].bold);
}

TEST_F(DrawingTest, WipingTheBoardOutlinesEverySquareInTheWipeColour) {
  描画_将棋盤桝(f);
  ASSERT_EQ(ops.size(), 81u);
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) EXPECT_EQ(輪郭の数(ops, IRO_KESU, x, y), 1);
}

TEST_F(DrawingTest, BackgroundCoversEverythingButTheBoard) {
  描画_背景(f, HAIKEI_TAKE);
  const auto p = 絵(ops);
  EXPECT_EQ(p.size(), 32u * 20u - 81u);
  for (const auto& op : p) {
    EXPECT_EQ(op.id_or_colour, HAIKEI_TAKE);
    const double x = 列(op.x), y = 行(op.y);
    EXPECT_FALSE(x >= 1 && x <= 9 && y >= 1 && y <= 9) << x << "," << y;
  }
  // It reaches past the 10900 x 8600 twip window on every side.
  EXPECT_EQ(絵の列(ops, -3, -2).size(), 1u);
  EXPECT_EQ(絵の列(ops, 28, 17).size(), 1u);
  EXPECT_EQ(絵の列(ops, 10, 5).size(), 1u);
  EXPECT_TRUE(絵の列(ops, 5, 5).empty());
}

TEST_F(DrawingTest, BottomStandShowsPiecesWithCountsAndEmptyCellsWithout) {
  f.options.HAIKEI = HAIKEI_TATAMI;
  f.pos.SITA_MOTI[1] = 1;  // a pawn
  f.pos.SITA_MOTI[7] = 2;  // two rooks
  描画_自持盤(f);
  // Every row starts empty with its count cell cleared.
  for (int y = 3; y <= 9; ++y) {
    const auto ids = 絵の列(ops, 11, y);
    ASSERT_FALSE(ids.empty());
    EXPECT_EQ(ids.front(), KARA);
    EXPECT_EQ(絵の列(ops, 12, y), std::vector<int>{HAIKEI_TATAMI});
  }
  EXPECT_EQ(絵の列(ops, 11, 3), (std::vector<int>{KARA, -HU}));
  EXPECT_EQ(絵の列(ops, 11, 9), (std::vector<int>{KARA, -SYA}));
  EXPECT_EQ(絵の列(ops, 11, 5), std::vector<int>{KARA});
  EXPECT_EQ(輪郭の数(ops, IRO_WAKU, 11, 3), 2);
  EXPECT_EQ(輪郭の数(ops, IRO_WAKU, 11, 5), 1);

  const auto t = 文字(ops);
  ASSERT_EQ(t.size(), 4u);  // two counts, each with its shadow; none for an empty kind
  EXPECT_EQ(t[0].text, " 1");
  EXPECT_EQ(t[0].id_or_colour, IRO_KAGE);
  EXPECT_TRUE(位置(t[0], 12.1, 3.3));
  EXPECT_EQ(t[1].text, " 1");
  EXPECT_EQ(t[1].id_or_colour, IRO_SENTAKU);
  EXPECT_TRUE(位置(t[1], 12, 3.2));
  EXPECT_EQ(t[1].size, 14);
  EXPECT_EQ(t[3].text, " 2");
  EXPECT_TRUE(位置(t[3], 12, 9.2));
}

TEST_F(DrawingTest, TopStandHasTheRookAtTheTopAndRedrawsBoardColumnOne) {
  f.pos.UE_MOTI[7] = 1;  // rook
  f.pos.UE_MOTI[1] = 3;  // pawns
  描画_敵持盤(f);
  EXPECT_EQ(絵の列(ops, -1, 1), (std::vector<int>{KARA, SYA}));
  EXPECT_EQ(絵の列(ops, -1, 7), (std::vector<int>{KARA, HU}));
  EXPECT_EQ(絵の列(ops, -1, 4), std::vector<int>{KARA});
  for (int i = 1; i <= 7; ++i) {
    EXPECT_EQ(絵の列(ops, 0, i), std::vector<int>{f.options.HAIKEI});
    EXPECT_EQ(輪郭の数(ops, IRO_WAKU, 1, i), 1);
  }
  // The outline of board column 1 is the last thing of each row.
  EXPECT_TRUE(輪郭(ops.back(), IRO_WAKU, 1, 7));
  const auto t = 文字(ops);
  ASSERT_EQ(t.size(), 4u);
  EXPECT_TRUE(位置(t[0], 0.1, 1.3));
  EXPECT_TRUE(位置(t[1], 0, 1.2));
  EXPECT_EQ(t[1].text, " 1");
  EXPECT_EQ(t[3].text, " 3");
  EXPECT_TRUE(位置(t[3], 0, 7.2));
}

// The board repaints what a move changed, reading the position after it.
void 指して描く(Form1& f, const 指し手& m, bool stands) {
  駒移動(f.pos, m);
  const 指し手 jump{相対位置(m.x1), 相対位置(m.y1), 相対位置(m.x2), 相対位置(m.y2), 0, 0};
  const bool jumped =
      盤内(m.x1) && f.pos.BAN[jump.x1][jump.y1] != KARA && f.pos.BAN[jump.x2][jump.y2] == KARA;
  if (jumped) 駒移動_相対駒(f.pos, m);
  描画_指した升(f, m, jumped, jump, stands);
}

TEST_F(DrawingTest, AMovePaintsBothSquaresAndTheMirrorMove) {
  // Bottom pawn (3, 7) -> (3, 6): the top pawn on (7, 3) jumps to (7, 4).
  指して描く(f, {3, 7, 3, 6, -HU, -HU}, false);
  EXPECT_EQ(f.pos.BAN[3][6], -HU);
  EXPECT_EQ(f.pos.BAN[7][4], HU);
  EXPECT_EQ(絵の列(ops, 3, 7), std::vector<int>{KARA});
  EXPECT_EQ(絵の列(ops, 3, 6), std::vector<int>{-HU});
  EXPECT_EQ(絵の列(ops, 7, 3), std::vector<int>{KARA});
  EXPECT_EQ(絵の列(ops, 7, 4), std::vector<int>{HU});
  EXPECT_EQ(輪郭の数(ops, IRO_WAKU, 3, 6), 1);
  EXPECT_EQ(輪郭の数(ops, IRO_WAKU, 3, 7), 1);
  EXPECT_TRUE(文字(ops).empty());  // no hand changed, no stand repainted
}

TEST_F(DrawingTest, ACaptureAndADropRepaintTheStands) {
  f.pos.BAN[3][6] = HU;
  指して描く(f, {3, 7, 3, 6, -HU, -HU}, true);
  EXPECT_EQ(f.pos.SITA_MOTI[1], 1);
  EXPECT_EQ(絵の列(ops, 11, 3), (std::vector<int>{KARA, -HU}));
  ops.clear();
  指して描く(f, {11, 3, 5, 5, -HU, -HU}, true);
  EXPECT_EQ(f.pos.SITA_MOTI[1], 0);
  EXPECT_EQ(f.pos.BAN[5][5], -HU);
  // The whole stand is painted again, now without a pawn.
  EXPECT_EQ(絵の列(ops, 11, 3), (std::vector<int>{KARA}));
  EXPECT_TRUE(文字(ops).empty());
  EXPECT_EQ(絵の列(ops, 5, 5), std::vector<int>{-HU});
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

}  // namespace
}  // namespace velmora
