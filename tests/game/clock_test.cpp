// The thinking-time clocks.
#include "game/clock.hpp"

#include <gtest/gtest.h>

#include "game/flow.hpp"
#include "input/game_menu.hpp"
#include "script/fakes.hpp"
#include "view/clock_display.hpp"
#include "view/drawing.hpp"
#include "view/paint_support.hpp"
#include "window/settings.hpp"
#include "window/startup.hpp"

namespace velmora {
namespace {

using namespace velmora::testing;

TEST(ClockText, HoursMinutesAndSecondsInTwoDigitsEach) {
  EXPECT_EQ(調査_時間秒追加結果(0), "00:00:00");
  EXPECT_EQ(調査_時間秒追加結果(59.9), "00:00:59");
  EXPECT_EQ(調査_時間秒追加結果(60), "00:01:00");
  EXPECT_EQ(調査_時間秒追加結果(3599.99), "00:59:59");
  EXPECT_EQ(調査_時間秒追加結果(3600), "01:00:00");
  EXPECT_EQ(調査_時間秒追加結果(3661.5), "01:01:01");
  EXPECT_EQ(調査_時間秒追加結果(99 * 3600 + 59 * 60 + 59), "99:59:59");
  // From 100 hours on the hours do not fit and are left blank.
  EXPECT_EQ(調査_時間秒追加結果(100 * 3600), ":00:00");
  EXPECT_EQ(調査_時間秒追加結果(100 * 3600 + 61), ":01:01");
}

TEST(ClockText, TwoDigitsOrNothing) {
  EXPECT_EQ(変換_数字から文字(0), "00");
  EXPECT_EQ(変換_数字から文字(7), "07");
  EXPECT_EQ(変換_数字から文字(42), "42");
  EXPECT_EQ(変換_数字から文字(100), "");
}

TEST(ClockElapsed, CountsAcrossMidnight) {
  EXPECT_DOUBLE_EQ(調査_経過秒(10, 12.5), 2.5);
  EXPECT_DOUBLE_EQ(調査_経過秒(5, 5), 0);
  EXPECT_DOUBLE_EQ(調査_経過秒(86399.0, 2.5), 3.5);
}

class ClockTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Form_Load(f);
    f.options.KEIKA = true;
    f.game.MAN_TEBAN = 1;
    f.game.COM_TEBAN = -1;
    f.game.TEBAN = 1;
    ops.clear();
  }
  std::vector<std::string> 時計の文字() const {
    std::vector<std::string> out;
    for (const auto& op : ops)
      if (op.kind == PaintOp::Text) out.push_back(op.text);
    return out;
  }
  FakeWindow w;
  Form1& f = w.f();
  std::vector<PaintOp>& ops = w.canvas.ops;
};

TEST_F(ClockTest, TheBottomClockIsShadowedAtTheLowerRight) {
  描画_所有時間(f, f.game.MAN_TEBAN, 3661.5);
  EXPECT_EQ(絵の列(ops, 13, 9), std::vector<int>{f.options.HAIKEI});
  EXPECT_EQ(絵の列(ops, 15, 9), std::vector<int>{f.options.HAIKEI});
  const auto t = 文字(ops);
  ASSERT_EQ(t.size(), 2u);
  EXPECT_EQ(t[0].text, "01:01:01");
  EXPECT_EQ(t[0].id_or_colour, IRO_KAGE);
  EXPECT_TRUE(位置(t[0], 13.1, 9.3));
  EXPECT_EQ(t[1].id_or_colour, IRO_MOJI);
  EXPECT_TRUE(位置(t[1], 13, 9.2));
  EXPECT_EQ(t[1].size, 12);
}

TEST_F(ClockTest, TheTopClockIsAtTheLowerLeftAndMendsTheCornerOutline) {
  描画_所有時間(f, f.game.COM_TEBAN, 59.9);
  EXPECT_EQ(絵の列(ops, -2, 9), std::vector<int>{f.options.HAIKEI});
  EXPECT_EQ(絵の列(ops, 0, 9), std::vector<int>{f.options.HAIKEI});
  const auto t = 文字(ops);
  ASSERT_EQ(t.size(), 2u);
  EXPECT_EQ(t[1].text, "00:00:59");
  EXPECT_TRUE(位置(t[1], -1.6, 9.2));
  EXPECT_EQ(輪郭の数(ops, IRO_WAKU, 1, 9), 1);
}

TEST_F(ClockTest, NothingIsDrawnWhileTheOptionIsOff) {
  f.options.KEIKA = false;
  描画_所有時間(f, f.game.MAN_TEBAN, 10);
  描画_所有時間(f, f.game.COM_TEBAN, 10);
  EXPECT_TRUE(ops.empty());
  消去_所有時間(f, TEBAN_NASI);
  EXPECT_TRUE(ops.empty());
}

TEST_F(ClockTest, TheTickShowsTheMoverOnceAWholeSecond) {
  f.clock.MAN_JIKAN = 100;
  f.clock.COM_JIKAN = 7;
  f.clock.KAISI_JIKOKU = w.clock.now();
  f.clock.刻む = true;
  w.clock.advance(0.5);
  時計の刻み(f);  // still second 0: nothing
  EXPECT_TRUE(時計の文字().empty());
  EXPECT_DOUBLE_EQ(f.clock.KEIKA_BYOU, 0.5);
  w.clock.advance(0.7);
  時計の刻み(f);
  w.clock.advance(0.2);
  時計の刻み(f);  // still second 1
  EXPECT_EQ(時計の文字(), (std::vector<std::string>{"00:01:41", "00:01:41"}));
  EXPECT_EQ(種類(ops, PaintOp::Repaint).size(), 1u);
  EXPECT_EQ(f.clock.MAN_JIKAN, 100);  // the total grows only when the move is made
  ops.clear();
  f.game.TEBAN = f.game.COM_TEBAN;
  w.clock.advance(1);
  時計の刻み(f);
  EXPECT_EQ(時計の文字(), (std::vector<std::string>{"00:00:09", "00:00:09"}));
}

TEST_F(ClockTest, TheTickDoesNothingWhenDisabledOrTheGameIsOver) {
  f.clock.KAISI_JIKOKU = w.clock.now();
  w.clock.advance(5);
  時計の刻み(f);
  f.clock.刻む = true;
  f.game.SYOUSYA = 1;
  時計の刻み(f);
  EXPECT_TRUE(ops.empty());
  EXPECT_DOUBLE_EQ(f.clock.KEIKA_BYOU, 0);
}

TEST_F(ClockTest, TheOptionShowsBothTotalsAtOnceAndHidesThem) {
  f.options.KEIKA = false;
  f.clock.MAN_JIKAN = 3600;
  f.clock.COM_JIKAN = 61;
  KEIKA_Click(f);
  EXPECT_TRUE(f.options.KEIKA);
  EXPECT_TRUE(f.clock.刻む);
  EXPECT_EQ(時計の文字(), (std::vector<std::string>{"00:01:01", "00:01:01", "01:00:00", "01:00:00"}));
  ops.clear();
  KEIKA_Click(f);
  EXPECT_FALSE(f.options.KEIKA);
  EXPECT_FALSE(f.clock.刻む);
  EXPECT_TRUE(時計の文字().empty());
  EXPECT_EQ(絵の列(ops, 14, 9), std::vector<int>{f.options.HAIKEI});
  EXPECT_EQ(絵の列(ops, -1, 9), std::vector<int>{f.options.HAIKEI});
}

}  // namespace
}  // namespace velmora
