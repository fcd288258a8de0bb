// Whose turn it is beside the board: the side to move and who plays it,
// "思考中" while the computer thinks, who won and how.
#include "view/turn_status.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/computer.hpp"
#include "game/game_support.hpp"
#include "game/language.hpp"
#include "input/game_menu.hpp"
#include "support/board.hpp"
#include "window/startup.hpp"

namespace velmora {
namespace {

using Lines = std::vector<std::string>;

class TurnStatusTest : public ::testing::Test {
 protected:
  void SetUp() override { Form_Load(f); }
  Lines shown() const { return w.moves.statuses.empty() ? Lines{} : w.moves.statuses.back(); }
  bool ever_shown(const Lines& l) const {
    for (const auto& s : w.moves.statuses)
      if (s == l) return true;
    return false;
  }
  FakeWindow w;
  Form1& f = w.f();
};

TEST_F(TurnStatusTest, AgainstTheComputerItNamesTheSideToMoveAndWhoPlaysIt) {
  EXPECT_EQ(shown(), Lines{});  // no game yet
  SENTE_Click(f);
  EXPECT_EQ(shown(), (Lines{"▲先手の番", "あなた"}));
  w.moves.statuses.clear();
  testing::指す(w, {7, 7, 7, 6, -HU, 2});
  // The computer's turn, thinking, then the player's again; shown only as it changes.
  EXPECT_EQ(
      w.moves.statuses,
      (std::vector<Lines>{{"△後手の番", "COM"}, {"△後手の番", "COM", "思考中"}, {"▲先手の番", "あなた"}}));
  // 後手: the computer moves first, and is ▲.
  CANCEL_Click(f);
  EXPECT_EQ(shown(), Lines{});
  GOTE_Click(f);
  EXPECT_TRUE(ever_shown({"▲先手の番", "COM", "思考中"}));
  EXPECT_EQ(shown(), (Lines{"△後手の番", "あなた"}));
}

TEST_F(TurnStatusTest, BetweenTwoPeopleAndInEnglish) {
  testing::人間対局開始(w);
  testing::指す(w, {3, 7, 3, 6, -HU, 1});
  EXPECT_EQ(shown(), (Lines{"△後手の番"}));
  testing::指す(w, {3, 3, 3, 4, HU, 1});
  EXPECT_EQ(shown(), (Lines{"▲先手の番"}));

  FakeWindow e;
  Form_Load(e.f());
  ASSERT_TRUE(言語_設定(e.f().lang, {"en"}));
  SENTE_Click(e.f());
  EXPECT_EQ(e.moves.statuses.back(), (Lines{"▲Sente to move", "You"}));
  testing::指す(e, {7, 7, 7, 6, -HU, 2});
  bool thinking = false;
  for (const auto& s : e.moves.statuses) thinking |= s == Lines{"△Gote to move", "Computer", "Thinking…"};
  EXPECT_TRUE(thinking);
}

// Once the game is over: who won and how, until a new game starts.
TEST_F(TurnStatusTest, TheResultSaysWhoWonAndHow) {
  auto s = testing::空の局面({{5, 9, -OU}, {5, 1, OU}, {5, 5, -SYA}});
  f.pos = s->pos;
  testing::人間対局開始(w);
  velmora::指す(f, {5, 5, 5, 1, -SYA, -SYA});
  EXPECT_EQ(shown(), (Lines{"▲先手の勝ち", "王を取りました"}));

  // The computer, to move first, has no piece to move.
  auto none = testing::空の局面({{5, 9, -OU}});
  f.pos = none->pos;
  f.game.SYOUSYA = 0;
  f.game.MAN_TEBAN = -1;
  f.game.COM_TEBAN = 1;
  f.game.TEBAN = 1;
  f.game.TAISEN_MODE = MODE_MAN_COM;
  com_ban(f);
  EXPECT_EQ(shown(), (Lines{"△後手の勝ち", "あなた", "COMに指す手がありません"}));
  START_Click(f);
  EXPECT_NE(shown(), (Lines{"△後手の勝ち", "あなた", "COMに指す手がありません"}));

  // Between two people the side to move resigns, here the first.
  w.dialogs.answers.push_back(true);
  TOURYOU_Click(f);
  EXPECT_EQ(shown(), (Lines{"△後手の勝ち", "相手の投了です"}));
}

}  // namespace
}  // namespace velmora
