// What the game tells its listeners: every move with its mirror jump, whose
// turn it is, check, the end of the game and why, the steps back and forth,
// a reversal, a handicap step, a record read, a new board. The window learns
// what happened from these alone.
#include "game/events.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/computer.hpp"
#include "game/flow.hpp"
#include "game/game_support.hpp"
#include "game/turn.hpp"
#include "input/game_menu.hpp"
#include "input/mouse_input.hpp"
#include "script/fakes.hpp"
#include "support/board.hpp"
#include "window/work_dir.hpp"

namespace velmora {
namespace {

struct EventsTest : ::testing::Test {
  testing::WorkDir dir;
  FakeWindow w;
  Form1& f = w.f();
  std::vector<std::string>& lines = w.events.lines;
  EventsTest() {
    初期設定(f);
    lines.clear();
  }

  // The cell's centre, as a click on the window gives it.
  void click(int x, int y, int button = HIDARI_BUTTON) {
    Form_MouseDown(f, button, 0, BAN_LEFT + MASU_W * (x + 0.5), BAN_TOP + MASU_H * (y + 0.5));
  }
  // The lines told since the last call.
  std::vector<std::string> told() {
    std::vector<std::string> out(lines.begin() + seen, lines.end());
    seen = lines.size();
    return out;
  }
  std::size_t seen = 0;
};

TEST_F(EventsTest, AHumanMoveAndTheComputersReplyAreToldStepByStep) {
  SENTE_Click(f);
  EXPECT_EQ(told(), std::vector<std::string>{"対局開始 side=1"});
  click(7, 7);
  click(7, 6);
  const auto said = told();
  ASSERT_EQ(said.size(), 7u) << ::testing::PrintToString(said);
  // The human's pawn, and the top pawn on the point-symmetric square jumping with it.
  EXPECT_EQ(said[0], "指した side=1 7,7-7,6 -10>-10 mirror 3,3-3,4 10>10");
  EXPECT_EQ(said[1], "手番 side=-1");
  EXPECT_EQ(said[2], "思考開始 side=-1");
  EXPECT_EQ(said[3].find("着手予告 side=-1 "), 0u);
  // The computer's move is shown before it is made, and named again once made.
  const std::string move = said[3].substr(said[3].find(' ', said[3].find("side=")));
  EXPECT_EQ(said[4], "指した side=-1" + move);
  EXPECT_EQ(said[5], "思考終了 side=-1" + move);
  EXPECT_EQ(said[6], "手番 side=1");
  EXPECT_EQ(f.game.TEBAN, 1);
  // What was told is what was played: the last entry of the game's moves.
  EXPECT_EQ(f.moves.手.size(), 2u);
  EXPECT_FALSE(f.moves.手[1].下);
  EXPECT_TRUE(f.moves.手[0].下);
}

TEST_F(EventsTest, CheckIsToldForEitherSideAndTheEndWithItsReason) {
  // Two humans: the first player's rook gives check; the top king steps
  // aside (dragging the bottom king to ４九 by the mirror rule); the rook
  // checks again and the king, not moving away, is taken.
  auto s = testing::空の局面({{5, 9, -OU}, {5, 1, OU}, {1, 5, -SYA}});
  f.pos = s->pos;
  testing::人間対局開始(w);
  velmora::指す(f, {1, 5, 5, 5, -SYA, -SYA});
  EXPECT_EQ(told(),
            (std::vector<std::string>{"指した side=1 1,5-5,5 -900>-900", "王手 side=-1", "手番 side=-1"}));
  velmora::指す(f, {5, 1, 4, 1, OU, OU});
  EXPECT_EQ(told(), (std::vector<std::string>{"指した side=-1 5,1-4,1 950>950 mirror 5,9-6,9 -950>-950",
                                              "手番 side=1"}));
  velmora::指す(f, {5, 5, 4, 5, -SYA, -SYA});
  EXPECT_EQ(told()[1], "王手 side=-1");
  velmora::指す(f, {4, 1, 4, 2, OU, OU});  // still in the rook's line
  told();
  velmora::指す(f, {4, 5, 4, 2, -SYA, -SYA});
  EXPECT_EQ(told(), (std::vector<std::string>{"指した side=1 4,5-4,2 -900>-900 takes 950",
                                              "終局 side=1 王を取った"}));
  EXPECT_EQ(f.game.SYOUSYA, 1);
}

TEST_F(EventsTest, TheComputerWithNothingToPlayLosesAndSaysWhy) {
  auto s = testing::空の局面({{5, 9, -OU}});  // the computer has no piece at all
  f.pos = s->pos;
  f.game.MAN_TEBAN = -1;
  f.game.COM_TEBAN = 1;
  f.game.TEBAN = 1;
  f.game.TAISEN_MODE = MODE_MAN_COM;
  com_ban(f);
  EXPECT_EQ(told(), (std::vector<std::string>{"思考開始 side=1", "終局 side=-1 指す手なし"}));
}

TEST_F(EventsTest, StepsReversalHandicapAndANewBoardAreTold) {
  LBEL_UP_Click(f);
  EXPECT_EQ(told(), std::vector<std::string>{"ハンデ side=0 at 8,2"});
  CANCEL_Click(f);
  EXPECT_EQ(told(), std::vector<std::string>{"初期化 side=0"});
  testing::人間対局開始(w);
  velmora::指す(f, {7, 7, 7, 6, -HU, -HU});  // the top pawn on ３三 jumps to ３四
  velmora::指す(f, {8, 3, 8, 4, HU, HU});    // the bottom pawn on ８七 jumps to ８六
  velmora::指す(f, {5, 7, 5, 6, -HU, -HU});  // no jump: ５三 holds the top pawn still? it jumps to ５四
  told();
  REPLAY_Click(f);
  REPLAY_Click(f);
  // The move taken back is the second player's, with the jump it caused.
  EXPECT_EQ(told(), (std::vector<std::string>{"戻した side=1 5,7-5,6 -10>-10 mirror 5,3-5,4 10>10",
                                              "戻した side=-1 8,3-8,4 10>10 mirror 2,7-2,6 -10>-10"}));
  AFTER_Click(f);
  EXPECT_EQ(told(), std::vector<std::string>{"進めた side=-1 8,3-8,4 10>10 mirror 2,7-2,6 -10>-10"});
  // The live position was kept when the first step left it.
  AFTER_Click(f);
  EXPECT_EQ(told(), std::vector<std::string>{"進めた side=1 5,7-5,6 -10>-10 mirror 5,3-5,4 10>10"});
  AFTER_Click(f);  // at the last stored snapshot: refused, nothing happened
  EXPECT_TRUE(told().empty());
  REVERSE_Click(f);
  EXPECT_EQ(told(), std::vector<std::string>{"反転 side=1"});
  EXPECT_TRUE(f.moves.手.empty());  // the record starts again
}

TEST_F(EventsTest, AReadRecordIsToldWithItsHeadersAndItsMovesAreWorkedOut) {
  const auto folder = testing::作業場所("events");
  testing::人間対局開始(w);
  velmora::指す(f, {7, 7, 7, 6, -HU, -HU});
  velmora::指す(f, {8, 3, 8, 4, HU, HU});
  velmora::指す(f, {5, 7, 5, 6, -HU, -HU});
  testing::保存(w, folder, "三手", "題", "甲", "乙");
  told();
  KIFU_READ_Click(f);
  棋譜一覧_Click(f, "三手.棋譜");
  const auto said = told();
  ASSERT_EQ(said.size(), 2u) << ::testing::PrintToString(said);
  EXPECT_EQ(said[0], "初期化 side=0");
  EXPECT_EQ(said[1], "棋譜を読んだ side=1 |題 |乙 |甲");
  ASSERT_EQ(f.moves.手.size(), 3u);
  for (const auto& m : f.moves.手) EXPECT_TRUE(m.分かる) << m.t;
  // Each pawn move with its jump could be either side's: the bottom side is taken to move first.
  EXPECT_EQ(f.moves.先手, -1);
  AFTER_Click(f);
  EXPECT_EQ(told(), std::vector<std::string>{"進めた side=1 7,7-7,6 -10>-10 mirror 3,3-3,4 10>10"});
}

TEST_F(EventsTest, TheClockTellsEachNewSecondOfTheSideToMove) {
  f.options.KEIKA = true;
  START_Click(f);
  told();
  w.clock.advance(0.5);
  時計の刻み(f);
  EXPECT_TRUE(told().empty());  // still the same second
  w.clock.advance(1.0);
  時計の刻み(f);
  EXPECT_EQ(told(), std::vector<std::string>{"時計 side=1 1.500"});
}

}  // namespace
}  // namespace velmora
