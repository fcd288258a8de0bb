// Two clicks make a move: the pick-and-put protocol, promotion by button, the
// stands, the refusals, the turn notices and the end of a game.
#include "input/mouse_input.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "game/flow.hpp"
#include "input/game_menu.hpp"
#include "rules/legality.hpp"
#include "script/fakes.hpp"
#include "support/board.hpp"
#include "view/drawing.hpp"
#include "view/paint_support.hpp"
#include "window/startup.hpp"

namespace velmora {
namespace {

using namespace velmora::testing;

struct Piece {
  int x, y, code;
};

class MouseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Form_Load(f);
    w.sound.calls.clear();  // the music of the start-up
  }

  // A press at the centre of cell (x, y).
  void click(double x, double y, int button = HIDARI_BUTTON) {
    Form_MouseDown(f, button, 0, BAN_LEFT + MASU_W * x + MASU_W / 2.0, BAN_TOP + MASU_H * y + MASU_H / 2.0);
  }

  // A game between two humans, started from the menu, with the start box forgotten.
  void start_two_humans() {
    START_Click(f);
    w.dialogs.boxes.clear();
    w.canvas.ops.clear();
    w.sound.calls.clear();
  }

  // Only these pieces on the board.
  void place(std::initializer_list<Piece> pieces) {
    for (auto& col : f.pos.BAN)
      for (int& c : col) c = KARA;
    for (const auto& p : pieces) {
      f.pos.BAN[p.x][p.y] = p.code;
      if (p.code == -OU) {
        f.maps.SITA_OU_X = p.x;
        f.maps.SITA_OU_Y = p.y;
      }
    }
  }

  const Box& last_box() { return w.dialogs.boxes.back(); }
  using Sounds = std::vector<std::string>;
  const Sounds& sounds() { return w.sound.calls; }

  FakeWindow w;
  Form1& f = w.f();
};

// ---- guards before any pick ----

TEST_F(MouseTest, NoGameRefusesEveryClick) {
  click(3, 7);
  ASSERT_EQ(w.dialogs.boxes.size(), 1u);
  EXPECT_EQ(last_box().title, "開始");
  EXPECT_EQ(last_box().text, "「対局」で始めて下さい");
  EXPECT_EQ(sounds(), Sounds{"KINSHI"});  // the refusal sound comes first
  EXPECT_FALSE(f.pick.SENTAKU);
  click(3, 6);
  EXPECT_EQ(f.pos.BAN[3][7], -HU);
  EXPECT_EQ(w.dialogs.boxes.size(), 2u);
}

TEST_F(MouseTest, EveryClickHidesTheRecordBrowserAndPanel) {
  w.record.drive = w.record.dir = w.record.file = w.record.panel = true;
  w.record.texts[1] = "game";
  click(3, 7);
  EXPECT_FALSE(w.record.drive || w.record.dir || w.record.file || w.record.panel);
  EXPECT_EQ(w.record.texts[1], "");
}

TEST_F(MouseTest, AFinishedGameAsksForANewOne) {
  start_two_humans();
  f.game.SYOUSYA = f.game.MAN_TEBAN;
  click(3, 7);
  ASSERT_EQ(w.dialogs.boxes.size(), 1u);
  EXPECT_EQ(last_box().title, "終局");
  EXPECT_EQ(last_box().text, "新規に対局してください");
  EXPECT_TRUE(sounds().empty());
  EXPECT_FALSE(f.pick.SENTAKU);
}

TEST_F(MouseTest, ALoadedRecordAsksToStepOnAndNoStartsAfresh) {
  start_two_humans();
  f.game.KIFU_MODE = true;
  click(3, 7);  // Yes (nothing queued): the click only asked
  ASSERT_EQ(w.dialogs.boxes.size(), 1u);
  EXPECT_TRUE(last_box().yes_no);
  EXPECT_EQ(last_box().title, "棋譜");
  EXPECT_EQ(last_box().text, "棋譜を '進 'で進めて下さい");
  EXPECT_TRUE(f.game.KIFU_MODE);
  EXPECT_FALSE(f.pick.SENTAKU);
  EXPECT_TRUE(sounds().empty());

  f.pos.BAN[5][5] = -KIN;
  w.dialogs.answers.push_back(false);
  click(3, 7);
  EXPECT_FALSE(f.game.KIFU_MODE);
  EXPECT_EQ(f.game.TEBAN, TEBAN_NASI);
  EXPECT_EQ(f.pos.BAN[5][5], KARA);  // the initial position again
  EXPECT_EQ(sounds(), Sounds{"KINSHI"});
  EXPECT_FALSE(f.pick.SENTAKU);
}

// ---- picking ----

TEST_F(MouseTest, AnEmptySquarePicksNothing) {
  start_two_humans();
  click(5, 5);
  EXPECT_FALSE(f.pick.SENTAKU);
  EXPECT_TRUE(w.canvas.ops.empty());
}

TEST_F(MouseTest, PickingOwnPieceOutlinesItAndItsMirrorPiece) {
  start_two_humans();
  f.options.SIDOU_FLAG = true;
  click(3, 7);
  EXPECT_TRUE(f.pick.SENTAKU);
  EXPECT_EQ(f.pick.MOTO_X, 3);
  EXPECT_EQ(f.pick.MOTO_Y, 7);
  EXPECT_EQ(f.pick.KOMA, -HU);
  const auto& ops = w.canvas.ops;
  EXPECT_EQ(輪郭の数(ops, 15, 3, 6), 1);           // where it may go
  EXPECT_EQ(輪郭の数(ops, IRO_SENTAKU, 3, 7), 1);  // the pick
  EXPECT_EQ(輪郭の数(ops, 鏡の手の色, 7, 3), 1);   // the top pawn that would mirror the move
}

TEST_F(MouseTest, LookingAtAnOpposingPiecePicksNothing) {
  start_two_humans();
  f.options.SIDOU_FLAG = true;
  click(7, 3);  // a top pawn while the bottom side is to move
  EXPECT_FALSE(f.pick.SENTAKU);
  EXPECT_EQ(輪郭の数(w.canvas.ops, 15, 7, 3), 1);  // outlined in the guidance colour
  EXPECT_EQ(輪郭の数(w.canvas.ops, 15, 7, 4), 1);  // and where it could go
  EXPECT_EQ(輪郭の数(w.canvas.ops, IRO_SENTAKU, 7, 3), 0);
  // The next click on an empty square does nothing.
  w.canvas.ops.clear();
  click(7, 4);
  EXPECT_FALSE(f.pick.SENTAKU);
  EXPECT_EQ(f.pos.BAN[7][3], HU);
  EXPECT_EQ(f.pos.BAN[7][4], KARA);
  EXPECT_TRUE(w.canvas.ops.empty());
}

TEST_F(MouseTest, ClickingAnotherOwnPieceChangesThePick) {
  start_two_humans();
  click(3, 7);
  w.canvas.ops.clear();
  click(2, 8);
  EXPECT_TRUE(f.pick.SENTAKU);
  EXPECT_EQ(f.pick.MOTO_X, 2);
  EXPECT_EQ(f.pick.MOTO_Y, 8);
  EXPECT_EQ(f.pick.KOMA, -KAKU);
  EXPECT_TRUE(輪郭(w.canvas.ops.front(), IRO_KESU, 3, 7));  // the old pick is wiped first
  EXPECT_EQ(輪郭の数(w.canvas.ops, IRO_SENTAKU, 2, 8), 1);
  EXPECT_EQ(輪郭の数(w.canvas.ops, 鏡の手の色, 8, 2), 1);  // the top bishop mirrors it
}

// ---- putting ----

TEST_F(MouseTest, ALegalMoveIsMadeWithItsMirrorMoveAndTheTurnPasses) {
  start_two_humans();
  click(3, 7);
  click(3, 6);
  EXPECT_EQ(f.pos.BAN[3][7], KARA);
  EXPECT_EQ(f.pos.BAN[3][6], -HU);
  EXPECT_EQ(f.pos.BAN[7][3], KARA);  // the mirror move
  EXPECT_EQ(f.pos.BAN[7][4], HU);
  EXPECT_FALSE(f.pick.SENTAKU);
  EXPECT_EQ(f.game.TESUU, 1);
  EXPECT_EQ(f.game.TESUU_HYOJI, 1);
  EXPECT_EQ(f.game.TEBAN, TEBAN_GOTE);
  EXPECT_EQ(f.game.SYOUSYA, 0);
  EXPECT_TRUE(w.dialogs.boxes.empty());
  EXPECT_EQ(sounds(), Sounds{"KOMAUCHI"});
  // The counter shows move 1.
  bool counter = false;
  for (const auto& op : 文字(w.canvas.ops))
    if (op.text == " 1" && 位置(op, 13.2, 3.3) && op.id_or_colour == IRO_MOJI) counter = true;
  EXPECT_TRUE(counter);

  // Now the top side moves its pieces, and may not touch the bottom ones.
  click(3, 6);
  EXPECT_FALSE(f.pick.SENTAKU);
  click(7, 4);
  EXPECT_TRUE(f.pick.SENTAKU);
  click(7, 5);
  EXPECT_EQ(f.pos.BAN[7][5], HU);
  EXPECT_EQ(f.pos.BAN[3][5], -HU);  // mirrored back onto the bottom pawn's file
  EXPECT_EQ(f.game.TEBAN, TEBAN_SENTE);
  EXPECT_EQ(f.game.TESUU, 2);
}

TEST_F(MouseTest, AnIllegalMoveIsRefusedAndDropsThePick) {
  start_two_humans();
  click(3, 7);
  w.canvas.ops.clear();
  click(3, 5);
  EXPECT_FALSE(f.pick.SENTAKU);
  EXPECT_EQ(f.pos.BAN[3][7], -HU);
  EXPECT_EQ(f.pos.BAN[3][5], KARA);
  EXPECT_EQ(f.game.TESUU, 0);
  EXPECT_EQ(f.game.TEBAN, TEBAN_SENTE);
  EXPECT_EQ(sounds(), Sounds{"KINSHI"});
  EXPECT_TRUE(w.dialogs.boxes.empty());
  // Every outline on the board is wiped.
  const auto r = 枠(w.canvas.ops);
  ASSERT_EQ(r.size(), 81u);
  for (const auto& op : r) EXPECT_EQ(op.id_or_colour, IRO_KESU);
}

TEST_F(MouseTest, ClickingOffTheBoardWipesHighlightsButKeepsThePick) {
  start_two_humans();
  click(3, 7);
  w.canvas.ops.clear();
  click(14, 5);
  EXPECT_TRUE(f.pick.SENTAKU);
  EXPECT_EQ(輪郭の数(w.canvas.ops, IRO_KESU, 3, 7), 2);  // guidance wipe and the pick's outline
  click(3, 6);
  EXPECT_EQ(f.pos.BAN[3][6], -HU);
  EXPECT_EQ(f.game.TESUU, 1);
}

// ---- promotion by button ----

class PromotionTest : public MouseTest {
 protected:
  void SetUp() override {
    MouseTest::SetUp();
    start_two_humans();
    place({{5, 9, -OU}, {5, 1, OU}, {2, 2, -HU}, {7, 4, -GIN}, {8, 5, -KIN}, {3, 4, -KEI}});
  }
};

TEST_F(PromotionTest, APawnToTheLastRowNeedsTheRightButton) {
  click(2, 2);
  click(2, 1);
  ASSERT_EQ(w.dialogs.boxes.size(), 1u);
  EXPECT_EQ(last_box().title, "成り");
  EXPECT_EQ(last_box().text, "マウスの右をクリックして下さい");
  EXPECT_TRUE(f.pick.SENTAKU);  // still picked
  EXPECT_EQ(f.pos.BAN[2][2], -HU);
  EXPECT_EQ(f.game.TESUU, 0);
  EXPECT_EQ(sounds(), Sounds{"KINSHI"});
  click(2, 1, MIGI_BUTTON);
  EXPECT_EQ(sounds(), (Sounds{"KINSHI", "KOMAUCHI"}));
  EXPECT_EQ(f.pos.BAN[2][1], -TO);
  EXPECT_EQ(f.game.TESUU, 1);
  EXPECT_FALSE(f.pick.SENTAKU);
}

TEST_F(PromotionTest, AKnightThatCouldNeverMoveAgainIsRefusedToo) {
  click(3, 4);
  click(4, 2);
  ASSERT_EQ(w.dialogs.boxes.size(), 1u);
  EXPECT_EQ(last_box().title, "成り");
  EXPECT_EQ(f.pos.BAN[3][4], -KEI);
  click(4, 2, MIGI_BUTTON);
  EXPECT_EQ(f.pos.BAN[4][2], -KEI_NARI);
}

TEST_F(PromotionTest, TheRightButtonPromotesWhenPromotionIsOptional) {
  click(7, 4);
  click(7, 3, MIGI_BUTTON);
  EXPECT_EQ(f.pos.BAN[7][3], -GIN_NARI);
  EXPECT_TRUE(w.dialogs.boxes.empty());
}

TEST_F(PromotionTest, TheLeftButtonNeverPromotes) {
  click(7, 4);
  click(7, 3);
  EXPECT_EQ(f.pos.BAN[7][3], -GIN);
  EXPECT_TRUE(w.dialogs.boxes.empty());
}

TEST_F(PromotionTest, TheRightButtonOnAMoveThatCannotPromoteMakesItPlain) {
  click(8, 5);
  click(8, 4, MIGI_BUTTON);  // a gold never promotes
  EXPECT_EQ(f.pos.BAN[8][4], -KIN);
  click(5, 1);  // the top side's turn; pass it back with a king step
  click(4, 1);
  click(7, 4);
  click(6, 5, MIGI_BUTTON);  // a silver moving outside the zone
  EXPECT_EQ(f.pos.BAN[6][5], -GIN);
  EXPECT_TRUE(w.dialogs.boxes.empty());
}

TEST_F(PromotionTest, OnlyTheLeftButtonIsRefused) {
  click(2, 2);
  click(2, 1, 4);  // middle button: made, and not promoted
  EXPECT_TRUE(w.dialogs.boxes.empty());
  EXPECT_EQ(f.pos.BAN[2][1], -HU);
  EXPECT_EQ(f.game.TESUU, 1);
}

// ---- the stands ----

TEST_F(MouseTest, ADropFromTheBottomStand) {
  start_two_humans();
  f.pos.BAN[1][9] = KARA;  // the corner lance, in hand instead: row 4 of the stand
  f.pos.SITA_MOTI[2] = 1;
  click(11, 4);
  EXPECT_TRUE(f.pick.SENTAKU);
  EXPECT_EQ(f.pick.MOTO_X, 11);
  EXPECT_EQ(f.pick.MOTO_Y, 4);
  EXPECT_EQ(f.pick.KOMA, -KYOU);
  EXPECT_EQ(輪郭の数(w.canvas.ops, IRO_SENTAKU, 11, 4), 1);
  click(5, 5);
  EXPECT_EQ(f.pos.BAN[5][5], -KYOU);
  EXPECT_EQ(f.pos.SITA_MOTI[2], 0);
  EXPECT_EQ(f.pos.SITA_MOTI_SU(), 0);
  EXPECT_EQ(f.game.TEBAN, TEBAN_GOTE);
  EXPECT_EQ(f.game.TESUU, 1);
}

TEST_F(MouseTest, TheTopStandsRookAtRowOneDropsFromSlotSeven) {
  start_two_humans();
  click(3, 7);
  click(3, 6);             // the bottom side moves; the top side is to move
  f.pos.BAN[8][8] = KARA;  // the bottom rook, taken: in the top side's hand
  f.pos.UE_MOTI[7] = 1;
  click(-1, 1);
  EXPECT_TRUE(f.pick.SENTAKU);
  EXPECT_EQ(f.pick.KOMA, SYA);
  EXPECT_EQ(輪郭の数(w.canvas.ops, IRO_SENTAKU, -1, 1), 1);
  click(5, 5);
  EXPECT_EQ(f.pick.MOTO_X, -1);
  EXPECT_EQ(f.pick.MOTO_Y, 7);  // the hand slot, not the stand row
  EXPECT_EQ(f.pos.BAN[5][5], SYA);
  EXPECT_EQ(f.pos.UE_MOTI[7], 0);
  EXPECT_EQ(f.pos.UE_MOTI_SU(), 0);
  EXPECT_EQ(f.game.TEBAN, TEBAN_SENTE);
}

TEST_F(MouseTest, TheOtherSidesStandCanBeLookedAtButNotPlayedFrom) {
  start_two_humans();
  f.options.SIDOU_FLAG = true;
  f.pos.UE_MOTI[1] = 1;  // a top pawn, row 7 of the top stand
  click(-1, 7);
  EXPECT_TRUE(f.pick.SENTAKU);
  EXPECT_EQ(輪郭の数(w.canvas.ops, 15, -1, 7), 1);  // looked at, not picked
  EXPECT_EQ(輪郭の数(w.canvas.ops, IRO_SENTAKU, -1, 7), 0);
  w.canvas.ops.clear();
  click(5, 5);
  EXPECT_FALSE(f.pick.SENTAKU);
  EXPECT_EQ(f.pos.BAN[5][5], KARA);
  EXPECT_EQ(f.pos.UE_MOTI[1], 1);
  EXPECT_EQ(f.game.TESUU, 0);
  EXPECT_EQ(輪郭の数(w.canvas.ops, IRO_KESU, -1, 7), 1);
}

TEST_F(MouseTest, AnEmptyStandCellPicksNothing) {
  start_two_humans();
  click(11, 3);
  click(-1, 1);
  click(11, 10);
  EXPECT_FALSE(f.pick.SENTAKU);
}

TEST_F(MouseTest, AStandPickCanBeReplacedByABoardPiece) {
  start_two_humans();
  f.pos.BAN[9][7] = KARA;  // a pawn taken off the board, in hand
  f.pos.SITA_MOTI[1] = 1;
  click(11, 3);
  click(3, 7);  // an own piece: the pick changes to it
  EXPECT_TRUE(f.pick.SENTAKU);
  EXPECT_EQ(f.pick.MOTO_X, 3);
  click(3, 6);
  EXPECT_EQ(f.pos.BAN[3][6], -HU);
  EXPECT_EQ(f.pos.SITA_MOTI[1], 1);
}

TEST_F(MouseTest, AStandCellReplacesABoardPick) {
  start_two_humans();
  f.pos.BAN[6][9] = KARA;  // a gold taken off the board: in hand, row 7 of the bottom stand
  f.pos.SITA_MOTI[5] = 1;
  click(3, 7);
  w.canvas.ops.clear();
  click(11, 7);
  EXPECT_TRUE(f.pick.SENTAKU);
  EXPECT_EQ(f.pick.MOTO_X, 11);
  EXPECT_EQ(f.pick.MOTO_Y, 7);
  EXPECT_EQ(f.pick.KOMA, -KIN);
  EXPECT_TRUE(輪郭(w.canvas.ops.front(), IRO_KESU, 1, 1));  // the old guidance goes first
  // Wiped by the old guidance, as the old pick, and before the drop guidance.
  EXPECT_EQ(輪郭の数(w.canvas.ops, IRO_KESU, 3, 7), 3);
  EXPECT_EQ(輪郭の数(w.canvas.ops, IRO_SENTAKU, 11, 7), 1);
  click(5, 5);
  EXPECT_EQ(f.pos.BAN[5][5], -KIN);
  EXPECT_EQ(f.pos.BAN[3][7], -HU);
  EXPECT_EQ(f.pos.SITA_MOTI[5], 0);
}

// ---- the end of a game between two humans ----

TEST_F(MouseTest, TakingTheTopKingWinsForTheFirstPlayer) {
  start_two_humans();
  place({{5, 9, -OU}, {5, 1, OU}, {5, 3, -SYA}});
  click(5, 3);
  click(5, 1);
  EXPECT_EQ(f.game.SYOUSYA, f.game.MAN_TEBAN);
  ASSERT_EQ(w.dialogs.boxes.size(), 1u);
  EXPECT_EQ(last_box().title, "終了");
  EXPECT_EQ(last_box().text, "先手の勝ちです");
  EXPECT_EQ(f.pos.BAN[5][1], -SYA);
  click(5, 1);
  EXPECT_EQ(last_box().text, "新規に対局してください");
}

TEST_F(MouseTest, TakingTheBottomKingWinsForTheSecondPlayer) {
  start_two_humans();
  place({{5, 9, -OU}, {5, 1, OU}, {1, 9, -KYOU}, {5, 7, SYA}});
  click(1, 9);
  click(1, 8);  // the first player wastes a move
  click(5, 7);
  click(5, 9);
  EXPECT_EQ(f.game.SYOUSYA, f.game.COM_TEBAN);
  EXPECT_EQ(last_box().title, "終了");
  EXPECT_EQ(last_box().text, "後手の勝ちです");
}

// ---- turn notices and times ----

TEST_F(MouseTest, AnInterruptedGameBetweenHumansAnnouncesTheTurnFirst) {
  start_two_humans();
  f.options.KEIKA = true;
  f.game.SAIKAI_MSG = true;
  w.clock.advance(30);
  click(3, 7);
  ASSERT_EQ(w.dialogs.boxes.size(), 1u);
  EXPECT_EQ(last_box().title, "対局");
  EXPECT_EQ(last_box().text, "先手の番です");
  EXPECT_FALSE(f.game.SAIKAI_MSG);
  EXPECT_DOUBLE_EQ(f.clock.KAISI_JIKOKU, 30);
  EXPECT_TRUE(f.clock.刻む);
  EXPECT_TRUE(f.pick.SENTAKU);  // and the click picked the pawn
  f.game.SAIKAI_MSG = true;
  f.game.TEBAN = TEBAN_GOTE;
  f.pick.SENTAKU = 0;
  click(7, 3);
  EXPECT_EQ(last_box().text, "後手の番です");
  EXPECT_TRUE(f.pick.SENTAKU);
}

TEST_F(MouseTest, TheMoversTotalGrowsAndTheClockRestarts) {
  start_two_humans();
  f.clock.KEIKA_BYOU = 12.5;
  w.clock.advance(100);
  click(3, 7);
  click(3, 6);
  EXPECT_DOUBLE_EQ(f.clock.MAN_JIKAN, 12.5);
  EXPECT_DOUBLE_EQ(f.clock.COM_JIKAN, 0);
  EXPECT_DOUBLE_EQ(f.clock.KAISI_JIKOKU, 100);
  f.clock.KEIKA_BYOU = 4;
  click(7, 4);
  click(7, 5);
  EXPECT_DOUBLE_EQ(f.clock.MAN_JIKAN, 12.5);
  EXPECT_DOUBLE_EQ(f.clock.COM_JIKAN, 4);
}

TEST_F(MouseTest, EachMoveStoresThePositionBeforeItWithTheMoversTime) {
  start_two_humans();
  f.clock.MAN_JIKAN = 10;
  f.clock.COM_JIKAN = 20;
  f.clock.KEIKA_BYOU = 2;
  click(3, 7);
  click(3, 6);
  EXPECT_EQ(f.game.TESUU_MAX, 0);
  EXPECT_EQ(f.record[0].BAN[3][7], -HU);  // the position before the move
  EXPECT_EQ(f.record[0].BAN[3][6], KARA);
  // The first player moved: its total gets the elapsed time.
  EXPECT_DOUBLE_EQ(f.record[0].MAN_JIKAN, 10);
  EXPECT_DOUBLE_EQ(f.record[0].MAN_JIKAN2, 12);
  EXPECT_DOUBLE_EQ(f.record[0].COM_JIKAN, 20);
  EXPECT_DOUBLE_EQ(f.record[0].COM_JIKAN2, 20);
  f.clock.KEIKA_BYOU = 5;
  click(7, 4);
  click(7, 5);
  EXPECT_EQ(f.game.TESUU_MAX, 1);
  EXPECT_EQ(f.record[1].BAN[3][6], -HU);
  EXPECT_EQ(f.record[1].BAN[7][4], HU);
  // The second player moved: the after-time goes to the second player's total.
  EXPECT_DOUBLE_EQ(f.record[1].MAN_JIKAN, 12);
  EXPECT_DOUBLE_EQ(f.record[1].MAN_JIKAN2, 12);
  EXPECT_DOUBLE_EQ(f.record[1].COM_JIKAN, 20);
  EXPECT_DOUBLE_EQ(f.record[1].COM_JIKAN2, 25);
  EXPECT_DOUBLE_EQ(f.clock.COM_JIKAN, 25);
}

TEST_F(MouseTest, TheLastMoveIsShownOnTheMoversSide) {
  start_two_humans();
  click(3, 7);
  click(3, 6);
  std::vector<std::string> man;
  for (const auto& op : 文字(w.canvas.ops))
    if (op.id_or_colour == IRO_KEKKA && 近い(行(op.y), 2.4)) man.push_back(op.text);
  EXPECT_EQ(man, (std::vector<std::string>{"７", "六", "歩"}));
  // The second player's move (a top piece) is shown on the left.
  w.canvas.ops.clear();
  click(7, 4);
  click(7, 5);
  std::vector<std::string> top;
  for (const auto& op : 文字(w.canvas.ops))
    if (op.id_or_colour == IRO_KEKKA && 近い(行(op.y), 8.4)) top.push_back(op.text);
  EXPECT_EQ(top, (std::vector<std::string>{"３", "五", "歩"}));
}

TEST_F(MouseTest, TheRecordIsFullAtFiveHundredMoves) {
  start_two_humans();
  f.game.TESUU = 500;
  f.game.TESUU_HYOJI = 500;
  click(3, 7);
  w.canvas.ops.clear();
  click(3, 6);
  ASSERT_EQ(w.dialogs.boxes.size(), 1u);
  EXPECT_EQ(last_box().title, "手数");
  EXPECT_EQ(last_box().text, "これ以上指すことはできません（500手）");
  EXPECT_EQ(sounds(), Sounds{"KINSHI"});
  EXPECT_EQ(f.pos.BAN[3][7], -HU);
  EXPECT_EQ(f.pos.BAN[7][3], HU);
  EXPECT_EQ(f.game.TESUU, 500);
  EXPECT_EQ(f.game.TESUU_HYOJI, 500);
  EXPECT_EQ(f.game.TEBAN, TEBAN_SENTE);
  EXPECT_FALSE(f.pick.SENTAKU);
  EXPECT_EQ(輪郭の数(w.canvas.ops, IRO_KESU, 3, 7), 2);
  EXPECT_EQ(輪郭の数(w.canvas.ops, IRO_KESU, 5, 5), 1);
  EXPECT_TRUE(文字(w.canvas.ops).empty());  // the counter did not move
}

// ---- against the computer ----

class AgainstComputerTest : public MouseTest {
 protected:
  void SetUp() override {
    MouseTest::SetUp();
    SENTE_Click(f);
    w.dialogs.boxes.clear();
    w.canvas.ops.clear();
  }
};

TEST_F(AgainstComputerTest, TheHumansMoveHandsTheTurnToTheComputer) {
  f.clock.KEIKA_BYOU = 3;
  click(3, 7);
  click(3, 6);
  EXPECT_EQ(f.pos.BAN[3][6], -HU);
  EXPECT_DOUBLE_EQ(f.clock.MAN_JIKAN, 3);
  // The human's snapshot carries the human's time only.
  EXPECT_DOUBLE_EQ(f.record[0].MAN_JIKAN2, 3);
  EXPECT_DOUBLE_EQ(f.record[0].COM_JIKAN2, 0);
  EXPECT_EQ(f.game.SYOUSYA, 0);
  EXPECT_TRUE(w.dialogs.boxes.empty());
  // The computer answered inside the same click and handed the turn back.
  EXPECT_EQ(f.game.TESUU, 2);
  EXPECT_EQ(f.game.TESUU_HYOJI, 2);
  EXPECT_EQ(f.game.TEBAN, f.game.MAN_TEBAN);
  // Top pieces off their first squares: the mirrored pawn and the computer's piece.
  const auto initial = 初期局面();
  int top_moved = 0;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y)
      if (f.pos.BAN[x][y] >= HU && f.pos.BAN[x][y] != initial->pos.BAN[x][y]) ++top_moved;
  EXPECT_GE(top_moved, 2);
}

TEST_F(AgainstComputerTest, TheHumanCanOnlyLookAtTheComputersPieces) {
  click(7, 3);
  EXPECT_FALSE(f.pick.SENTAKU);
  click(7, 4);
  EXPECT_EQ(f.pos.BAN[7][3], HU);
  EXPECT_EQ(f.game.TESUU, 0);
}

TEST_F(AgainstComputerTest, TakingTheComputersKingWins) {
  place({{5, 9, -OU}, {5, 1, OU}, {5, 3, -SYA}});
  click(5, 3);
  click(5, 1);
  EXPECT_EQ(f.game.SYOUSYA, f.game.MAN_TEBAN);
  ASSERT_EQ(w.dialogs.boxes.size(), 1u);
  EXPECT_EQ(last_box().title, "終了");
  EXPECT_EQ(last_box().text, "あなたの勝ちです");
  EXPECT_EQ(f.game.TEBAN, f.game.MAN_TEBAN);
}

TEST_F(AgainstComputerTest, AnInterruptedGameAnnouncesTheHuman) {
  f.game.SAIKAI_MSG = true;
  click(3, 7);
  ASSERT_EQ(w.dialogs.boxes.size(), 1u);
  EXPECT_EQ(last_box().title, "対局");
  EXPECT_EQ(last_box().text, "MANの番です");
  EXPECT_TRUE(f.clock.刻む);
  EXPECT_TRUE(f.pick.SENTAKU);
}

TEST_F(AgainstComputerTest, AClickOnTheComputersTurnLetsItMoveFirst) {
  f.game.TEBAN = f.game.COM_TEBAN;
  f.game.SAIKAI_MSG = true;
  click(5, 9);
  ASSERT_GE(w.dialogs.boxes.size(), 1u);
  EXPECT_EQ(w.dialogs.boxes[0].title, "再開(COM)");
  EXPECT_EQ(w.dialogs.boxes[0].text, "OKですか？");
  EXPECT_FALSE(f.game.SAIKAI_MSG);
  EXPECT_EQ(f.game.TESUU, 1);
  EXPECT_EQ(f.game.TEBAN, f.game.MAN_TEBAN);
  // Then the click picks the king on the position after the computer's move.
  EXPECT_TRUE(f.pick.SENTAKU);
  EXPECT_EQ(f.pick.MOTO_X, 5);
  EXPECT_EQ(f.pick.MOTO_Y, 9);
}

TEST_F(AgainstComputerTest, AClickEndsWhenTheComputersMoveWins) {
  place({{5, 9, -OU}, {5, 1, OU}, {5, 5, SYA}, {1, 9, -KYOU}});
  f.game.TEBAN = f.game.COM_TEBAN;
  click(1, 9);
  EXPECT_EQ(f.game.SYOUSYA, f.game.COM_TEBAN);
  EXPECT_EQ(last_box().title, "終了");
  EXPECT_FALSE(f.pick.SENTAKU);  // the lance was not picked
}

TEST_F(AgainstComputerTest, AClickEndsWhenTheComputerCannotMoveAtAFullRecord) {
  f.game.TEBAN = f.game.COM_TEBAN;
  f.game.TESUU = 500;
  click(3, 9);
  EXPECT_EQ(f.game.TESUU, 500);
  EXPECT_EQ(f.game.TEBAN, f.game.COM_TEBAN);
  EXPECT_EQ(last_box().title, "手数");
  EXPECT_FALSE(f.pick.SENTAKU);
}

// ---- any clicks at all ----

// Thousands of random clicks between two humans never lose or invent a piece:
// every piece is on the board or in a hand, the hand totals follow the hands,
// and nothing moves once the game is over.
TEST_F(MouseTest, RandomClicksKeepEveryPieceAccountedFor) {
  start_two_humans();
  std::uint32_t seed = 12345;
  auto next = [&seed](int n) {
    seed = seed * 1664525u + 1013904223u;
    return static_cast<int>((seed >> 8) % static_cast<std::uint32_t>(n));
  };
  // Mostly a legal destination of the picked piece, so that games get played.
  auto target = [&](int& x, int& y) {
    if (f.pick.SENTAKU == 1 && next(4) != 0) {
      for (int tries = 0; tries < 200; ++tries) {
        x = 1 + next(9);
        y = 1 + next(9);
        if (移動チェック(f.pos, f.pick.MOTO_X, f.pick.MOTO_Y, x, y, f.pick.KOMA) == YES) return;
      }
    }
    // The board, the stands, or anywhere on the window.
    switch (next(4)) {
      case 0: x = next(19) - 3, y = next(13) - 1; break;
      case 1: x = next(2) ? 11 : -1, y = 1 + next(9); break;
      default: x = 1 + next(9), y = 1 + next(9);
    }
  };
  int moves = 0, games = 0;
  for (int i = 0; i < 20000; ++i) {
    int x = 0, y = 0;
    target(x, y);
    const int button = next(3) == 0 ? MIGI_BUTTON : HIDARI_BUTTON;
    const int tesuu = f.game.TESUU;
    const bool over = f.game.SYOUSYA != 0;
    click(x, y, button);
    if (over) {
      ASSERT_EQ(f.game.TESUU, tesuu) << "a move after the end, click " << i;
      START_Click(f);  // a new game
      ++games;
    } else if (f.game.TESUU >= KIFU_T_MAX) {
      f.game.SYOUSYA = f.game.MAN_TEBAN;  // end a game that filled the record
    }
    if (f.game.TESUU != tesuu) ++moves;

    int kings = 0, men = 0;
    for (int bx = 1; bx <= 9; ++bx)
      for (int by = 1; by <= 9; ++by) {
        const int c = f.pos.BAN[bx][by];
        if (c == OU || c == -OU) ++kings;
        if (c != KARA) ++men;
      }
    int sita = 0, ue = 0;
    for (int k = 1; k <= 7; ++k) {
      ASSERT_GE(f.pos.SITA_MOTI[k], 0);
      ASSERT_GE(f.pos.UE_MOTI[k], 0);
      sita += f.pos.SITA_MOTI[k];
      ue += f.pos.UE_MOTI[k];
    }
    ASSERT_EQ(men + sita + ue, 40 - (2 - kings)) << "after click " << i;
    // A taken king lies in no hand.
    ASSERT_EQ(kings, f.game.SYOUSYA == 0 ? 2 : 1) << "after click " << i;
    ASSERT_TRUE(f.pos.整合()) << "after click " << i << ": " << 局面の誤り(f.pos);
  }
  EXPECT_GT(moves, 1000);
  EXPECT_GT(games, 5);
}

// ---- keys ----

TEST_F(MouseTest, EscapeQuitsAndOtherKeysDoNothing) {
  Form_KeyPress(f, 13);
  Form_KeyPress(f, 'a');
  EXPECT_FALSE(w.desktop.quit_requested);
  start_two_humans();
  click(3, 7);  // from any state, a pick included
  Form_KeyPress(f, 27);
  EXPECT_TRUE(w.desktop.quit_requested);
  EXPECT_TRUE(w.dialogs.boxes.empty());
}

}  // namespace
}  // namespace velmora
