// The one procedure that makes a move, whoever makes it.
#include "game/turn.hpp"

#include <gtest/gtest.h>

#include <algorithm>

#include "game/flow.hpp"
#include "game/game_support.hpp"
#include "script/fakes.hpp"

namespace velmora {
namespace {

struct TurnTest : ::testing::Test {
  FakeWindow w;
  Form1& f = w.f();
  TurnTest() {
    初期設定(f);
    testing::人間対局開始(w);
  }
};

// Both sides' moves between two humans store the position before them with
// the time booked to the mover, count, and pass the turn.
TEST_F(TurnTest, EachMoveIsStoredCountedAndPassesTheTurn) {
  f.clock.KEIKA_BYOU = 2.5;
  ASSERT_TRUE(一手を指す(f, {7, 7, 7, 6, -HU, -HU}));
  EXPECT_EQ(f.record[0].MAN_JIKAN2, 2.5);
  EXPECT_EQ(f.record[0].COM_JIKAN2, 0);
  f.clock.KEIKA_BYOU = 4;
  ASSERT_TRUE(一手を指す(f, {3, 4, 3, 5, HU, HU}));  // the pawn the first move's mirror jump brought
  EXPECT_EQ(f.record[1].MAN_JIKAN2, 2.5);
  EXPECT_EQ(f.record[1].COM_JIKAN2, 4);
  EXPECT_EQ(f.game.TESUU, 2);
  EXPECT_EQ(f.game.TESUU_MAX, 1);
  EXPECT_EQ(f.game.TEBAN, TEBAN_SENTE);
  ASSERT_EQ(f.moves.手.size(), 2u);
  EXPECT_EQ(f.moves.手[1].手, (指し手{3, 4, 3, 5, HU, HU}));
  EXPECT_EQ(w.sound.calls, (std::vector<std::string>{"KOMAUCHI", "KOMAUCHI"}));
}

TEST_F(TurnTest, NothingIsPlayedBeyondTheRecordsEnd) {
  f.game.TESUU = KIFU_T_MAX;
  const 局面 before = f.pos;
  EXPECT_FALSE(一手を指す(f, {7, 7, 7, 6, -HU, -HU}));
  EXPECT_TRUE(std::equal(&f.pos.BAN[0][0], &f.pos.BAN[0][0] + 100, &before.BAN[0][0]));
  EXPECT_EQ(w.sound.calls, std::vector<std::string>{"KINSHI"});
  ASSERT_EQ(w.dialogs.boxes.size(), 1u);
  EXPECT_EQ(w.dialogs.boxes[0].text, "これ以上指すことはできません（500手）");
}

// Between two humans no survey follows a move: the bottom king's square, which
// the computer reads when it is asked to move later, moves with the king,
// whether the king moves or is dragged by a mirror jump.
TEST_F(TurnTest, TheBottomKingsSquareMovesWithTheKing) {
  f.maps.SITA_OU_X = 1;  // stale on purpose: only the moves below may change it
  f.maps.SITA_OU_Y = 1;
  ASSERT_TRUE(一手を指す(f, {5, 9, 5, 8, -OU, -OU}));  // the first player's king: the top king jumps to ５二
  EXPECT_EQ(f.maps.SITA_OU_X, 5);
  EXPECT_EQ(f.maps.SITA_OU_Y, 8);
  ASSERT_TRUE(一手を指す(f, {5, 2, 4, 2, OU, OU}));  // the top king: the bottom king on ５八 jumps to ４八
  EXPECT_EQ(f.pos.BAN[6][8], -OU);
  EXPECT_EQ(f.maps.SITA_OU_X, 6);  // ４八 is column 6 from the left
  EXPECT_EQ(f.maps.SITA_OU_Y, 8);
  EXPECT_EQ(f.maps.UE_OU_X, 0);  // the top king's square waits for a survey
}

#ifndef NDEBUG
// A real move neither makes nor loses a piece; builds with assertions check it.
TEST_F(TurnTest, AMoveThatWouldMakeAPieceStopsTheProgram) {
  EXPECT_TRUE(一手を指す(f, {3, 7, 3, 6, -HU, -HU}));
  EXPECT_DEATH(一手を指す(f, {5, 5, 5, 4, -KIN, -KIN}), "made or lost a piece");  // from an empty square
}
#endif

}  // namespace
}  // namespace velmora
