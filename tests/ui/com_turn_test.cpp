#include "ui/com_turn.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>

#include "script/fakes.hpp"
#include "support/board.hpp"
#include "support/marks.hpp"
#include "ui/paint_support.hpp"

namespace velmora {
namespace {

using testing::Placed;

// A game against the computer with the computer to move.
struct ComTurnTest : ::testing::Test {
  FakeWindow w;
  Form1& f = w.f();

  void 局面(std::initializer_list<Placed> pieces) {
    std::memset(f.pos.BAN, 0, sizeof f.pos.BAN);
    for (const auto& p : pieces) f.pos.BAN[p.x][p.y] = p.code;
    f.game.TAISEN_MODE = MODE_MAN_COM;
    f.game.MAN_TEBAN = TEBAN_SENTE;
    f.game.COM_TEBAN = TEBAN_GOTE;
    f.game.TEBAN = f.game.COM_TEBAN;
    f.game.SYOUSYA = TEBAN_NASI;
  }
  void 持駒(int slot, int n) {
    f.pos.UE_MOTI[slot] += n;
    f.pos.UE_MOTI_SU += n;
  }
  int 箱の数(std::string_view text) {
    int n = 0;
    for (const auto& b : w.dialogs.boxes) n += b.text == text;
    return n;
  }
};

TEST_F(ComTurnTest, PlaysOneMoveAndHandsTheTurnBack) {
  局面_初期化(f.pos, f.game);
  f.game.TAISEN_MODE = MODE_MAN_COM;
  f.game.MAN_TEBAN = TEBAN_SENTE;
  f.game.COM_TEBAN = TEBAN_GOTE;
  f.game.TEBAN = f.game.COM_TEBAN;
  f.options.KEIKA = true;
  w.clock.seconds = 1000;
  int before[10][10];
  std::memcpy(before, f.pos.BAN, sizeof before);
  com_ban(f);
  EXPECT_EQ(f.game.TEBAN, f.game.MAN_TEBAN);
  EXPECT_EQ(f.game.TESUU, 1);
  EXPECT_EQ(f.game.TESUU_HYOJI, 1);
  EXPECT_TRUE(f.clock.Timer1_Enabled);
  EXPECT_TRUE(w.dialogs.boxes.empty());
  // One top piece left its square and stands somewhere else now (plus, maybe, a mirror move).
  int moved_from = 0, moved_to = 0;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) {
      if (before[x][y] >= HU && f.pos.BAN[x][y] == KARA) ++moved_from;
      if (before[x][y] == KARA && f.pos.BAN[x][y] >= HU) ++moved_to;
    }
  EXPECT_EQ(moved_from, 1);
  EXPECT_EQ(moved_to, 1);
  // The pause after the move and the two blinks of 0.4 s each.
  EXPECT_NEAR(w.clock.waited, 0.5 + 2 * 0.4, 1e-9);
  EXPECT_DOUBLE_EQ(f.clock.KAISI_JIKOKU, w.clock.seconds);
  int thinking = 0;
  for (const auto& op : testing::文字(w.canvas.ops)) thinking += op.text == "思考中";
  EXPECT_EQ(thinking, 2);
}

TEST_F(ComTurnTest, AWonGameChangesNothing) {
  局面({{5, 1, OU}, {5, 9, -OU}, {5, 5, KIN}});
  f.game.SYOUSYA = f.game.MAN_TEBAN;
  com_ban(f);
  EXPECT_EQ(f.pos.BAN[5][5], KIN);
  EXPECT_TRUE(w.canvas.ops.empty());
  EXPECT_TRUE(w.dialogs.boxes.empty());
  EXPECT_EQ(f.game.TEBAN, f.game.COM_TEBAN);
}

TEST_F(ComTurnTest, AFullRecordStopsTheComputer) {
  局面({{5, 1, OU}, {5, 9, -OU}, {5, 5, KIN}});
  f.game.TESUU = KIFU_T_MAX;
  f.clock.Timer1_Enabled = true;
  com_ban(f);
  ASSERT_EQ(w.dialogs.boxes.size(), 1u);
  EXPECT_EQ(w.dialogs.boxes[0].text, "これ以上指すことはできません（500手）");
  EXPECT_EQ(w.dialogs.boxes[0].title, "手数");
  EXPECT_FALSE(f.clock.Timer1_Enabled);
  EXPECT_EQ(f.game.TEBAN, f.game.COM_TEBAN);
  EXPECT_EQ(f.game.TESUU, KIFU_T_MAX);
  EXPECT_EQ(f.pos.BAN[5][5], KIN);
}

TEST_F(ComTurnTest, TakingTheKingWinsBeforeAnyMateNotice) {
  // The gold takes the bottom king. The king square left behind is covered
  // by the lance and walled in by knights, so the mate test, asked of the
  // stale square, would answer YES.
  局面({{9, 1, OU},
        {5, 2, KYOU},
        {5, 8, KIN},
        {5, 9, -OU},
        {4, 9, -KEI},
        {6, 9, -KEI},
        {4, 8, -KEI},
        {6, 8, -KEI}});
  com_ban(f);
  EXPECT_EQ(f.game.SYOUSYA, f.game.COM_TEBAN);
  EXPECT_EQ(f.pos.BAN[5][9], KIN);
  ASSERT_EQ(w.dialogs.boxes.size(), 1u);
  EXPECT_EQ(w.dialogs.boxes[0].text, "ｺﾝﾋﾟｭｰﾀの勝ちです");
  EXPECT_EQ(w.dialogs.boxes[0].title, "終了");
  EXPECT_EQ(f.game.TEBAN, f.game.MAN_TEBAN);
  EXPECT_FALSE(f.clock.Timer1_Enabled);
}

TEST_F(ComTurnTest, AMateIsAnnouncedAndTheGameGoesOn) {
  // A gold dropped on the king's head, backed by the pawn, mates; every
  // other square of the bottom king is its own.
  局面({{9, 1, OU}, {5, 7, HU}, {5, 9, -OU}, {4, 9, -KEI}, {6, 9, -KEI}, {4, 8, -KEI}, {6, 8, -KEI}});
  持駒(5, 1);
  com_ban(f);
  EXPECT_EQ(f.pos.BAN[5][8], KIN);
  EXPECT_EQ(箱の数("よし！!"), 1);
  EXPECT_EQ(w.dialogs.boxes.back().title, "詰め ?");
  EXPECT_EQ(箱の数("   ** 王手 **"), 0);
  EXPECT_EQ(f.game.SYOUSYA, TEBAN_NASI);
  EXPECT_EQ(f.game.TEBAN, f.game.MAN_TEBAN);
  EXPECT_EQ(f.pos.UE_MOTI[5], 0);
  EXPECT_EQ(f.pos.UE_MOTI_SU, 0);
}

TEST_F(ComTurnTest, NothingToPlayLosesTheGame) {
  局面({{5, 9, -OU}, {1, 1, -KYOU}});
  f.clock.Timer1_Enabled = true;
  com_ban(f);
  ASSERT_EQ(w.dialogs.boxes.size(), 1u);
  EXPECT_EQ(w.dialogs.boxes[0].text, "あなたの勝ちです");
  EXPECT_EQ(w.dialogs.boxes[0].title, "終了");
  EXPECT_EQ(f.game.SYOUSYA, f.game.MAN_TEBAN);
  EXPECT_EQ(f.game.TEBAN, f.game.MAN_TEBAN);
  EXPECT_FALSE(f.clock.Timer1_Enabled);
  EXPECT_EQ(f.game.TESUU, 0);
  EXPECT_TRUE(w.sound.calls.empty());
}

TEST_F(ComTurnTest, LevelSettingTicksOneItemAndKeepsTheLevelOnABadValue) {
  f.game.TAISEN_MODE = MODE_MAN_MAN;
  レベル_設定(f, 2);
  EXPECT_TRUE(testing::印(f, "LEVEL2"));
  EXPECT_FALSE(testing::印(f, "LEVEL1") || testing::印(f, "LEVEL3"));
  EXPECT_EQ(f.game.COM_LEVEL, 2);
  EXPECT_TRUE(w.canvas.ops.empty());  // the level is shown only against the computer
  // A level no item names changes nothing; the marks go on showing the level.
  レベル_設定(f, 4);
  EXPECT_TRUE(testing::印(f, "LEVEL2"));
  EXPECT_FALSE(testing::印(f, "LEVEL1") || testing::印(f, "LEVEL3"));
  EXPECT_EQ(f.game.COM_LEVEL, 2);

  f.game.TAISEN_MODE = MODE_MAN_COM;
  LEVEL1_Click(f);
  EXPECT_TRUE(testing::印(f, "LEVEL1"));
  EXPECT_EQ(f.game.COM_LEVEL, 1);
  const auto pictures = testing::絵(w.canvas.ops);
  ASSERT_GE(pictures.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(pictures[i].id_or_colour, f.view.HAIKEI);
    EXPECT_TRUE(testing::位置(pictures[i], -2 + i, 0));
  }
  EXPECT_FALSE(testing::文字(w.canvas.ops).empty());  // the level label
  LEVEL3_Click(f);
  EXPECT_EQ(f.game.COM_LEVEL, 3);
  EXPECT_TRUE(testing::印(f, "LEVEL3") && !testing::印(f, "LEVEL1"));
}

}  // namespace
}  // namespace velmora
