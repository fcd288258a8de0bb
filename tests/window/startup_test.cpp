// Start-up, starting and resuming games, the full redraw and shutdown.
#include "window/startup.hpp"

#include <gtest/gtest.h>

#include "game/flow.hpp"
#include "input/game_menu.hpp"
#include "input/record_panel.hpp"
#include "script/fakes.hpp"
#include "support/marks.hpp"
#include "view/drawing.hpp"
#include "view/paint_support.hpp"

namespace velmora {
namespace {

using namespace velmora::testing;

class StartupTest : public ::testing::Test {
 protected:
  FakeWindow w;
  Form1& f = w.f();
};

TEST_F(StartupTest, StartsWithTheInitialPositionAndNoGame) {
  Form_Load(f);
  EXPECT_EQ(f.game.TEBAN, TEBAN_NASI);
  EXPECT_EQ(f.game.MAN_TEBAN, -1);
  EXPECT_EQ(f.game.COM_TEBAN, 1);
  EXPECT_EQ(f.game.COM_LEVEL, 3);
  EXPECT_TRUE(testing::印(f, "LEVEL3"));
  EXPECT_FALSE(f.game.KIFU_MODE);
  EXPECT_EQ(f.pos.BAN[5][9], -OU);
  EXPECT_FALSE(f.clock.刻む);
  EXPECT_FALSE(f.settings.START_DIR.empty());
  EXPECT_TRUE(w.dialogs.boxes.empty());
  // The whole window was drawn: 40 pieces among the pictures, the title last.
  int pieces = 0;
  for (const auto& op : 絵(w.canvas.ops))
    if (op.id_or_colour >= HU || op.id_or_colour <= -HU) ++pieces;
  EXPECT_EQ(pieces, 40);
  ASSERT_FALSE(w.canvas.ops.empty());
  EXPECT_EQ(w.canvas.ops.back().id_or_colour, E_TAITORU);
  EXPECT_TRUE(位置(w.canvas.ops.back(), 10.8, 0));
}

TEST_F(StartupTest, TheWindowIsPlacedUnlessItsTopIsAlreadyAtMinusSixty) {
  w.desktop.top = 300;
  Form_Load(f);
  EXPECT_EQ(w.desktop.placed[0], 0);
  EXPECT_EQ(w.desktop.placed[1], 0);
  EXPECT_EQ(w.desktop.placed[2], 10900);
  EXPECT_EQ(w.desktop.placed[3], 8600);

  FakeWindow other;
  other.desktop.top = -60;
  Form_Load(other.f());
  EXPECT_EQ(other.desktop.placed[2], -1);
}

TEST_F(StartupTest, FullRedrawPaintsInItsOrder) {
  Form_Load(f);
  f.game.TAISEN_MODE = MODE_MAN_COM;
  f.game.HANDE_SETTEI = true;
  f.game.HANDE_LEVEL = -10;
  f.pos.SITA_MOTI[1] = 1;
  w.canvas.ops.clear();
  画面_再描画(f);
  const auto& ops = w.canvas.ops;
  auto first_at = [&](auto pred) {
    for (std::size_t i = 0; i < ops.size(); ++i)
      if (pred(ops[i])) return static_cast<long>(i);
    return -1L;
  };
  const long background = first_at([](const PaintOp& op) { return op.kind == PaintOp::Picture; });
  const long labels = first_at([](const PaintOp& op) { return op.kind == PaintOp::Text && op.text == " 9"; });
  const long stand = first_at([](const PaintOp& op) {
    return op.kind == PaintOp::Picture && op.id_or_colour == -HU && 位置(op, 11, 3);
  });
  const long board =
      first_at([](const PaintOp& op) { return op.kind == PaintOp::Picture && 位置(op, 1, 1); });
  const long level =
      first_at([](const PaintOp& op) { return op.kind == PaintOp::Text && op.text == "LEVEL"; });
  const long rank =
      first_at([](const PaintOp& op) { return op.kind == PaintOp::Text && op.text == "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人"; });
  // The background beyond the window's picture first, then the tiles.
  EXPECT_EQ(ops[0].kind, PaintOp::Background);
  EXPECT_EQ(ops[0].id_or_colour, f.options.HAIKEI);
  EXPECT_EQ(background, 1);
  EXPECT_TRUE(位置(ops[1], -3, -2));
  EXPECT_LT(background, labels);
  EXPECT_LT(labels, stand);
  EXPECT_LT(stand, board);
  EXPECT_LT(board, level);
  EXPECT_LT(level, rank);
  EXPECT_EQ(ops.back().id_or_colour, E_TAITORU);
  // Counter, last moves and highlights are not part of it.
  for (const auto& op : 文字(ops)) EXPECT_NE(op.text, "手目");

  // Between two humans without a handicap: neither the level nor the rank.
  f.game.TAISEN_MODE = MODE_MAN_MAN;
  f.game.HANDE_SETTEI = false;
  w.canvas.ops.clear();
  画面_再描画(f);
  for (const auto& op : 文字(ops)) {
    EXPECT_NE(op.text, "LEVEL");
    EXPECT_NE(op.text, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人");
  }
}

TEST_F(StartupTest, StartBeginsAGameBetweenTwoHumans) {
  Form_Load(f);
  f.options.KEIKA = false;  // the settings file starts with the clock shown
  w.clock.advance(50);
  w.canvas.ops.clear();
  START_Click(f);
  ASSERT_EQ(w.dialogs.boxes.size(), 1u);
  EXPECT_EQ(w.dialogs.boxes[0].title, " ");
  EXPECT_EQ(w.dialogs.boxes[0].text, "先手の番です");
  EXPECT_EQ(f.game.TEBAN, TEBAN_SENTE);
  EXPECT_EQ(f.game.MAN_TEBAN, 1);
  EXPECT_EQ(f.game.COM_TEBAN, -1);
  EXPECT_EQ(f.game.TAISEN_MODE, MODE_MAN_MAN);
  EXPECT_FALSE(f.game.SAIKAI_MSG);
  EXPECT_DOUBLE_EQ(f.clock.KAISI_JIKOKU, 50);
  EXPECT_FALSE(f.clock.刻む);  // the clock display is off
  // The level label is wiped and every highlight with it.
  for (int c = -2; c <= 0; ++c) EXPECT_EQ(絵の列(w.canvas.ops, c, 0), std::vector<int>{f.options.HAIKEI});
  EXPECT_EQ(輪郭の数(w.canvas.ops, IRO_KESU, 5, 5), 1);
}

TEST_F(StartupTest, StartWithTheClockShownRunsTheTimer) {
  Form_Load(f);
  f.options.KEIKA = true;
  START_Click(f);
  EXPECT_TRUE(f.clock.刻む);
}

TEST_F(StartupTest, StartContinuesTheShownPositionWithItsTurn) {
  Form_Load(f);
  START_Click(f);
  f.game.TESUU_HYOJI = 3;
  f.game.TEBAN = TEBAN_GOTE;
  f.pick.SENTAKU = 1;
  f.game.KIFU_MODE = true;
  f.game.TESUU_MAX = 7;
  f.game.SAIKAI_MSG = true;
  w.dialogs.boxes.clear();
  START_Click(f);
  ASSERT_EQ(w.dialogs.boxes.size(), 1u);
  EXPECT_EQ(w.dialogs.boxes[0].text, "後手の番です");
  EXPECT_EQ(f.game.TEBAN, TEBAN_GOTE);
  EXPECT_FALSE(f.game.SAIKAI_MSG);
  // Left as they were.
  EXPECT_TRUE(f.pick.SENTAKU);
  EXPECT_TRUE(f.game.KIFU_MODE);
  EXPECT_EQ(f.game.TESUU_MAX, 7);
}

TEST_F(StartupTest, StartAfterAWinBeginsAfresh) {
  Form_Load(f);
  START_Click(f);
  f.pos.BAN[5][5] = -KIN;
  f.game.TESUU_HYOJI = 9;
  f.game.TEBAN = TEBAN_GOTE;
  f.game.SYOUSYA = 1;
  w.canvas.ops.clear();
  START_Click(f);
  EXPECT_EQ(f.game.SYOUSYA, 0);
  EXPECT_EQ(f.pos.BAN[5][5], KARA);
  EXPECT_EQ(f.game.TEBAN, TEBAN_SENTE);
  EXPECT_EQ(f.game.TESUU_HYOJI, 0);
  int repaints = 0;
  for (const auto& op : w.canvas.ops)
    if (op.kind == PaintOp::Repaint) ++repaints;
  EXPECT_EQ(repaints, 1);
}

TEST_F(StartupTest, SenteLetsTheHumanMoveFirst) {
  Form_Load(f);
  w.clock.advance(7);
  SENTE_Click(f);
  ASSERT_EQ(w.dialogs.boxes.size(), 1u);
  EXPECT_EQ(w.dialogs.boxes[0].title, " ");
  EXPECT_EQ(w.dialogs.boxes[0].text, "MANの番です");
  EXPECT_EQ(f.game.TAISEN_MODE, MODE_MAN_COM);
  EXPECT_EQ(f.game.TEBAN, 1);
  EXPECT_EQ(f.game.MAN_TEBAN, 1);
  EXPECT_EQ(f.game.COM_TEBAN, -1);
  EXPECT_TRUE(f.clock.刻む);  // against the computer always
  EXPECT_DOUBLE_EQ(f.clock.KAISI_JIKOKU, 7);
  bool level = false;
  for (const auto& op : 文字(w.canvas.ops))
    if (op.text == "LEVEL") level = true;
  EXPECT_TRUE(level);
}

TEST_F(StartupTest, SenteAfterSteppingBackKeepsTheRecordUpToTheShownMove) {
  Form_Load(f);
  START_Click(f);
  f.game.TESUU = 5;
  f.game.TESUU_HYOJI = 5;
  f.game.TESUU_MAX = 9;
  f.game.TEBAN = f.game.MAN_TEBAN;
  f.pick.SENTAKU = 1;
  f.game.KIFU_MODE = true;
  w.dialogs.boxes.clear();
  SENTE_Click(f);
  EXPECT_EQ(f.game.TESUU_MAX, 5);
  EXPECT_FALSE(f.pick.SENTAKU);
  EXPECT_FALSE(f.game.KIFU_MODE);
  ASSERT_EQ(w.dialogs.boxes.size(), 1u);
  EXPECT_EQ(w.dialogs.boxes[0].title, "対局");
  EXPECT_EQ(w.dialogs.boxes[0].text, "MANの番です");
}

TEST_F(StartupTest, SenteAfterAReversalEndsTheRecordAtTheMoveIndex) {
  Form_Load(f);
  START_Click(f);
  f.game.TESUU = 0;        // a reversal restarts the record …
  f.game.TESUU_HYOJI = 6;  // … while the shown number keeps counting
  f.game.TESUU_MAX = 6;
  f.game.TEBAN = f.game.MAN_TEBAN;
  SENTE_Click(f);
  EXPECT_EQ(f.game.TESUU_MAX, 0);
  f.game.TESUU_MAX = 6;
  f.game.TEBAN = f.game.COM_TEBAN;
  GOTE_Click(f);
  EXPECT_EQ(f.game.TESUU_MAX, 0);
}

TEST_F(StartupTest, GoteGivesTheComputerTheFirstMove) {
  Form_Load(f);
  GOTE_Click(f);
  EXPECT_EQ(f.game.TAISEN_MODE, MODE_MAN_COM);
  EXPECT_EQ(f.game.MAN_TEBAN, -1);
  EXPECT_EQ(f.game.COM_TEBAN, 1);
  // The computer has made the first move and handed the turn over, without a box.
  EXPECT_EQ(f.game.TESUU, 1);
  EXPECT_EQ(f.game.TEBAN, f.game.MAN_TEBAN);
  EXPECT_EQ(f.game.TEBAN, -1);
  for (const auto& b : w.dialogs.boxes) EXPECT_NE(b.text, "MANの番です");
}

TEST_F(StartupTest, GoteContinuingOnTheHumansTurnKeepsTheSides) {
  Form_Load(f);
  GOTE_Click(f);
  f.game.TESUU_HYOJI = 2;
  f.game.TEBAN = f.game.MAN_TEBAN;  // -1
  f.game.SAIKAI_MSG = true;
  w.dialogs.boxes.clear();
  GOTE_Click(f);
  ASSERT_EQ(w.dialogs.boxes.size(), 1u);
  EXPECT_EQ(w.dialogs.boxes[0].title, "対局");
  EXPECT_EQ(w.dialogs.boxes[0].text, "MANの番です");
  EXPECT_EQ(f.game.MAN_TEBAN, -1);
  EXPECT_EQ(f.game.TEBAN, -1);
  EXPECT_FALSE(f.game.SAIKAI_MSG);
}

TEST_F(StartupTest, MenusOpenedHideTheRecordBrowser) {
  Form_Load(f);
  for (auto handler : {棋譜欄を閉じる, 棋譜欄を閉じる}) {
    w.record.drive = w.record.dir = w.record.file = true;
    handler(f);
    EXPECT_FALSE(w.record.drive || w.record.dir || w.record.file);
  }
  const auto before = w.canvas.ops.size();
  MATCH_MAN_Click(f);
  EXPECT_EQ(w.canvas.ops.size(), before);
}

TEST_F(StartupTest, ANewGameDropsThePick) {
  f.pick.SENTAKU = 1;
  初期設定(f);
  EXPECT_FALSE(f.pick.SENTAKU);
}

}  // namespace
}  // namespace velmora
