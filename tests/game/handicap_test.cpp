// The handicap buttons.
#include <gtest/gtest.h>

#include "game/flow.hpp"
#include "input/game_menu.hpp"
#include "script/fakes.hpp"
#include "view/drawing.hpp"
#include "view/paint_support.hpp"
#include "window/startup.hpp"

namespace velmora {
namespace {

using namespace velmora::testing;

class HandicapMenuTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Form_Load(f);
    ops.clear();
    w.sound.calls.clear();
  }
  FakeWindow w;
  Form1& f = w.f();
  std::vector<PaintOp>& ops = w.canvas.ops;
};

TEST_F(HandicapMenuTest, UpRemovesTheTopBishopAndShowsTheRankDownPutsItBack) {
  w.record.panel = true;
  LBEL_UP_Click(f);
  EXPECT_FALSE(w.record.panel);
  EXPECT_EQ(f.game.HANDE_LEVEL, 1);
  EXPECT_TRUE(f.game.HANDE_SETTEI);
  EXPECT_EQ(f.pos.BAN[8][2], KARA);
  EXPECT_EQ(絵の列(ops, 8, 2), std::vector<int>{KARA});
  EXPECT_EQ(輪郭の数(ops, IRO_WAKU, 8, 2), 1);
  bool label = false;
  for (const auto& op : 文字(ops)) label = label || op.text == "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３級";
  EXPECT_TRUE(label);
  ops.clear();
  LEBEL_DOWN_Click(f);
  EXPECT_EQ(f.pos.BAN[8][2], KAKU);
  EXPECT_EQ(絵の列(ops, 8, 2), std::vector<int>{KAKU});
  label = false;
  for (const auto& op : 文字(ops)) label = label || op.text == "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級";
  EXPECT_TRUE(label);
  EXPECT_EQ(w.sound.calls, (std::vector<std::string>{"KOMAUCHI", "KOMAUCHI"}));
}

TEST_F(HandicapMenuTest, TheEleventhStepDownChangesNothingButTheFlag) {
  for (int i = 0; i < 10; ++i) LEBEL_DOWN_Click(f);
  EXPECT_EQ(f.game.HANDE_LEVEL, -10);
  for (int x = 1; x <= 9; ++x) EXPECT_EQ(f.pos.BAN[x][9], x == 5 ? -OU : KARA) << x;
  EXPECT_EQ(f.pos.BAN[2][8], KARA);
  EXPECT_EQ(f.pos.BAN[8][8], KARA);
  ops.clear();
  w.sound.calls.clear();
  f.game.HANDE_SETTEI = false;
  LEBEL_DOWN_Click(f);
  EXPECT_EQ(f.game.HANDE_LEVEL, -10);
  EXPECT_TRUE(f.game.HANDE_SETTEI);
  EXPECT_TRUE(絵(ops).empty());
  EXPECT_TRUE(w.sound.calls.empty());
}

TEST_F(HandicapMenuTest, RefusedInRecordModeAfterAMoveAndAfterAReversal) {
  struct Case {
    int kifu, tesuu, hanten;
    const char* text;
  } cases[] = {
      {YES, 3, YES, "棋譜ﾓｰﾄﾞではできません\r\r局面→最初にして下さい"},
      {NO, 1, YES, "対局途中ではできません\r\r局面→最初にして下さい"},
      {NO, 0, YES, "反転後ではできません\r\r局面→最初にして下さい"},
  };
  for (const auto& c : cases) {
    f.game.KIFU_MODE = c.kifu;
    f.game.TESUU = c.tesuu;
    f.game.HANTEN = c.hanten;
    f.game.TESUU_MAX = 5;
    w.dialogs.boxes.clear();
    w.sound.calls.clear();
    LBEL_UP_Click(f);
    LEBEL_DOWN_Click(f);
    ASSERT_EQ(w.dialogs.boxes.size(), 2u);
    EXPECT_EQ(w.dialogs.boxes[0].title, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定");
    EXPECT_EQ(w.dialogs.boxes[1].text, c.text);
    EXPECT_EQ(w.sound.calls, (std::vector<std::string>{"KINSHI", "KINSHI"}));
    EXPECT_EQ(f.game.HANDE_LEVEL, 0);
    EXPECT_FALSE(f.game.HANDE_SETTEI);
    EXPECT_EQ(f.game.TESUU_MAX, 5);
    EXPECT_EQ(f.pos.BAN[8][2], KAKU);
  }
}

TEST_F(HandicapMenuTest, AStartedGameWithoutAMoveMayStillChangeIt) {
  f.game.TEBAN = TEBAN_SENTE;
  f.game.TESUU_MAX = 3;  // left from an earlier game
  LBEL_UP_Click(f);
  EXPECT_EQ(f.game.HANDE_LEVEL, 1);
  EXPECT_EQ(f.game.TESUU_MAX, 0);
}

}  // namespace
}  // namespace velmora
