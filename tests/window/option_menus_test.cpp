// What the option menus paint and put away, read off the recording canvas.
#include <gtest/gtest.h>

#include "format/encoding.hpp"
#include "game/clock.hpp"
#include "game/flow.hpp"
#include "input/game_menu.hpp"
#include "input/record_panel.hpp"
#include "script/fakes.hpp"
#include "view/clock_display.hpp"
#include "view/drawing.hpp"
#include "view/paint_support.hpp"
#include "window/help.hpp"
#include "window/settings.hpp"
#include "window/startup.hpp"
#include "window/work_dir.hpp"

namespace velmora {
namespace {

using namespace velmora::testing;

struct OptionMenus : ::testing::Test {
  WorkDir dir;
  FakeWindow w;
  Form1& f = w.f();
};

TEST_F(OptionMenus, GuidanceOffRepaintsTheBoardAndThenTheStandsInTheOrdinaryColour) {
  SIDOU_Click(f);  // on: nothing is painted yet
  EXPECT_TRUE(枠(w.canvas.ops).empty());
  SIDOU_Click(f);
  const auto outlines = 枠(w.canvas.ops);
  ASSERT_EQ(outlines.size(), 81u + 14u);
  std::size_t k = 0;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) EXPECT_TRUE(輪郭(outlines[k++], 2, x, y)) << x << "," << y;
  for (int i = 1; i <= 7; ++i) {
    EXPECT_TRUE(輪郭(outlines[k++], 2, -1, i)) << i;
    EXPECT_TRUE(輪郭(outlines[k++], 2, 11, i + 2)) << i;
  }
}

TEST_F(OptionMenus, TheBackgroundReadFromTheFileIsPaintedAtOnce) {
  write_file("Velmora.ini", *utf8からcp932("背景画=竹\r\n"));
  読込_環境設定ファイル(f);
  ASSERT_FALSE(絵(w.canvas.ops).empty());
  for (const auto& op : 絵(w.canvas.ops)) EXPECT_EQ(op.id_or_colour, HAIKEI_TAKE);
  // An unknown value paints the default.
  w.canvas.ops.clear();
  write_file("Velmora.ini", *utf8からcp932("背景画=森\r\n"));
  読込_環境設定ファイル(f);
  ASSERT_FALSE(絵(w.canvas.ops).empty());
  for (const auto& op : 絵(w.canvas.ops)) EXPECT_EQ(op.id_or_colour, HAIKEI_MIDORI);
}

TEST_F(OptionMenus, ABackgroundItemRedrawsTheWholeWindowWithIt) {
  UCHU_Click(f);
  const auto pictures = 絵(w.canvas.ops);
  ASSERT_FALSE(pictures.empty());
  EXPECT_EQ(pictures.back().id_or_colour, E_TAITORU);
  EXPECT_EQ(絵の列(w.canvas.ops, -2, 5), std::vector<int>{HAIKEI_UCHU});
}

// The piece set is kept as an extra line only when it is not the kanji one,
// and every piece (on the board, on the stands, blinking) is painted from it.
TEST_F(OptionMenus, TheInternationalPiecesAreAnExtraLineAndAnotherPictureOfEachPiece) {
  write_file("Velmora.ini", *utf8からcp932("背景画=竹\r\n移動指導=OFF\r\n経過時間=ON\r\nBGM=ON\r\n"));
  Form_Load(f);
  EXPECT_FALSE(f.options.KOKUSAI);
  KOKUSAI_Click(f);
  EXPECT_EQ(cp932からutf8(read_file("Velmora.ini")),
            "背景画=竹\r\n移動指導=OFF\r\n経過時間=ON\r\nBGM=ON\r\n駒=国際式\r\n");
  EXPECT_EQ(絵の列(w.canvas.ops, 5, 9).back(), -950 - 国際駒の絵);
  EXPECT_EQ(絵の列(w.canvas.ops, 2, 2).back(), 900 + 国際駒の絵);
  EXPECT_EQ(絵の列(w.canvas.ops, 5, 5).back(), KARA);
  f.pos.UE_MOTI[MOTI_HU] = 1;
  w.canvas.ops.clear();
  描画_敵持盤(f);
  EXPECT_EQ(絵の列(w.canvas.ops, -1, 7).back(), 10 + 国際駒の絵);

  FakeWindow again;
  Form_Load(again.f());
  EXPECT_TRUE(again.f().options.KOKUSAI);
  KANJI_Click(again.f());
  EXPECT_EQ(cp932からutf8(read_file("Velmora.ini")),
            "背景画=竹\r\n移動指導=OFF\r\n経過時間=ON\r\nBGM=ON\r\n");
  EXPECT_EQ(絵の列(again.canvas.ops, 5, 9).back(), -950);
  // Any other value is the kanji set.
  write_file("Velmora.ini", *utf8からcp932("駒=国際\r\n"));
  読込_環境設定ファイル(again.f());
  EXPECT_FALSE(again.f().options.KOKUSAI);
}

TEST_F(OptionMenus, OpeningTheMenuOrTheAboutBoxPutsTheRecordPanelAway) {
  const auto put_away = [](Form1& form) { 棋譜欄を閉じる(form); };
  for (void (*click)(Form1&) : {+put_away, VER_Click}) {
    w.record.drive = w.record.dir = w.record.file = w.record.panel = true;
    for (int n = 1; n <= 4; ++n) w.record.texts[n] = "x";
    click(f);
    EXPECT_FALSE(w.record.drive || w.record.dir || w.record.file || w.record.panel);
    for (int n = 1; n <= 4; ++n) EXPECT_EQ(w.record.texts[n], "");
  }
  EXPECT_EQ(w.dialogs.abouts, 1);
}

TEST_F(OptionMenus, TheClockItemKeepsItsChoiceInTheFileToo) {
  読込_環境設定ファイル(f);
  KEIKA_Click(f);
  EXPECT_EQ(cp932からutf8(read_file("Velmora.ini")),
            "背景画=Velmora\r\n移動指導=OFF\r\n経過時間=OFF\r\nBGM=ON\r\n");
  FakeWindow next_run;
  読込_環境設定ファイル(next_run.f());
  EXPECT_FALSE(next_run.f().options.KEIKA);
  EXPECT_TRUE(next_run.f().options.BGM);
}

}  // namespace
}  // namespace velmora
