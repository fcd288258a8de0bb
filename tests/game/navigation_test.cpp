// Stepping back and forth, starting again and reversing the board.
#include "game/navigation.hpp"

#include <gtest/gtest.h>

#include "game/flow.hpp"
#include "game/game_support.hpp"
#include "game/record.hpp"
#include "input/game_menu.hpp"
#include "input/record_panel.hpp"
#include "window/startup.hpp"

namespace velmora {
namespace {

using namespace velmora::testing;

class NavigationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Form_Load(f);
    w.dialogs.boxes.clear();
  }
  void 局面が記録と同じ(int t) {
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y)
        ASSERT_EQ(f.pos.BAN[x][y], f.record[t].BAN[x][y]) << t << ": " << x << "," << y;
    for (int k = 1; k <= 7; ++k) {
      ASSERT_EQ(f.pos.SITA_MOTI[k], f.record[t].SITA_MOTI[k]);
      ASSERT_EQ(f.pos.UE_MOTI[k], f.record[t].UE_MOTI[k]);
    }
  }
  std::string 最後の箱() const {
    return w.dialogs.boxes.empty() ? "" : w.dialogs.boxes.back().title + "|" + w.dialogs.boxes.back().text;
  }
  FakeWindow w;
  Form1& f = w.f();
};

TEST_F(NavigationTest, OneBackFromTheLiveEndKeepsTheLastMoveForForward) {
  二十手指す(w);
  ASSERT_EQ(f.game.TESUU, 20);
  ASSERT_EQ(f.game.TESUU_MAX, 19);
  const 局面 live = f.pos;
  // Clocks with fractions that no rounding may lose.
  f.clock.MAN_JIKAN += 0.3125;
  f.clock.COM_JIKAN += 0.0625;
  const double man = f.clock.MAN_JIKAN, com = f.clock.COM_JIKAN;
  f.clock.刻む = true;
  REPLAY_Click(f);
  EXPECT_EQ(f.game.TESUU, 19);
  EXPECT_EQ(f.game.TESUU_HYOJI, 19);
  EXPECT_EQ(f.game.TESUU_MAX, 20);  // the live position became snapshot 20
  EXPECT_EQ(f.game.TEBAN, -1);      // twenty moves passed it back to 1; one back flips it
  EXPECT_FALSE(f.clock.刻む);
  EXPECT_TRUE(f.game.SAIKAI_MSG);
  局面が記録と同じ(19);
  // The clock totals are those before move 20; snapshot 20 holds the live ones.
  EXPECT_EQ(f.clock.MAN_JIKAN, f.record[19].MAN_JIKAN);
  EXPECT_EQ(f.clock.COM_JIKAN, f.record[19].COM_JIKAN);
  EXPECT_EQ(f.record[20].MAN_JIKAN, man);
  EXPECT_EQ(f.record[20].MAN_JIKAN2, man);
  EXPECT_EQ(f.record[20].COM_JIKAN, com);
  EXPECT_EQ(f.record[20].COM_JIKAN2, com);

  // 進 comes back to the last move with its clocks.
  w.sound.calls.clear();
  AFTER_Click(f);
  EXPECT_EQ(w.sound.calls, std::vector<std::string>{"KOMAUCHI"});
  EXPECT_EQ(f.game.TESUU, 20);
  EXPECT_EQ(f.game.TESUU_HYOJI, 20);
  EXPECT_EQ(f.game.TEBAN, 1);
  EXPECT_TRUE(f.pos == live);
  EXPECT_EQ(f.clock.MAN_JIKAN, man);
  EXPECT_EQ(f.clock.COM_JIKAN, com);
  // And no further: the record ends there.
  AFTER_Click(f);
  EXPECT_EQ(最後の箱(), "進む|できません");
  EXPECT_EQ(f.game.TESUU, 20);

  // Back from the end of the stored record stores nothing more.
  w.sound.calls.clear();
  REPLAY_Click(f);
  REPLAY_Click(f);
  AFTER_Click(f);
  EXPECT_EQ(w.sound.calls, (std::vector<std::string>{"KOMAUCHI", "KOMAUCHI", "KOMAUCHI"}));
  EXPECT_EQ(f.game.TESUU, 19);
  EXPECT_EQ(f.game.TESUU_MAX, 20);
  局面が記録と同じ(19);
  // Forward shows the clocks that going back to the same position shows: the
  // totals before move 20, not those after it (the top side's differ).
  ASSERT_NE(f.record[19].COM_JIKAN, f.record[19].COM_JIKAN2);
  EXPECT_EQ(f.clock.MAN_JIKAN, f.record[19].MAN_JIKAN);
  EXPECT_EQ(f.clock.COM_JIKAN, f.record[19].COM_JIKAN);
  int sita = 0;
  for (int k = 1; k <= 7; ++k) sita += f.pos.SITA_MOTI[k];
  EXPECT_EQ(f.pos.SITA_MOTI_SU(), sita);
}

TEST_F(NavigationTest, AMoveAfterStepsOverwritesTheStoredLastMove) {
  二十手指す(w);
  REPLAY_Click(f);
  ASSERT_EQ(f.game.TESUU_MAX, 20);
  // Move 20 made again, another way: the record ends with it, as any game
  // continued from a step does.
  f.game.SAIKAI_MSG = false;
  指す(w, {4, 1, 4, 2, 110, 2});
  EXPECT_EQ(f.game.TESUU, 20);
  EXPECT_EQ(f.game.TESUU_MAX, 19);
  AFTER_Click(f);
  EXPECT_EQ(最後の箱(), "進む|できません");
}

TEST_F(NavigationTest, ASaveAfterOneBackKeepsTheLastMove) {
  const auto dir = 作業場所("after_one_back");
  二十手指す(w);
  const 局面 live = f.pos;
  REPLAY_Click(f);
  保存(w, dir, "back", "t", "a", "b");
  ASSERT_EQ(最後の箱(), "  |棋譜を書き込みました");
  FakeWindow r;
  Form_Load(r.f());
  フォルダ_変更(r.f(), dir.string());
  棋譜一覧_Click(r.f(), "back.棋譜");
  ASSERT_EQ(r.f().game.TESUU_MAX, 20);
  for (int t = 1; t <= 20; ++t) AFTER_Click(r.f());
  EXPECT_TRUE(r.f().pos == live);
}

TEST_F(NavigationTest, BackToTheStartAndRefusedAtMoveZero) {
  二十手指す(w);
  for (int i = 0; i < 20; ++i) REPLAY_Click(f);
  EXPECT_EQ(f.game.TESUU, 0);
  EXPECT_EQ(f.game.TESUU_HYOJI, 0);
  局面が記録と同じ(0);
  EXPECT_EQ(f.pos.BAN[3][7], -HU);
  EXPECT_EQ(f.clock.MAN_JIKAN, 0);
  w.dialogs.boxes.clear();
  f.game.SAIKAI_MSG = false;
  REPLAY_Click(f);
  EXPECT_EQ(最後の箱(), "戻る|できません");
  EXPECT_EQ(f.game.TESUU, 0);
  EXPECT_TRUE(f.game.SAIKAI_MSG);  // set even though refused
  // And forward again through the whole game.
  for (int t = 1; t <= 19; ++t) {
    AFTER_Click(f);
    局面が記録と同じ(t);
  }
}

TEST_F(NavigationTest, ForwardNeedsAGameAndEndsQuietlyInRecordMode) {
  f.game.SAIKAI_MSG = false;
  AFTER_Click(f);
  EXPECT_EQ(最後の箱(), "開始|「対局」で始めて下さい");
  EXPECT_FALSE(f.game.SAIKAI_MSG);  // refused before the game is interrupted
  f.game.TEBAN = TEBAN_SENTE;
  f.game.KIFU_MODE = true;
  w.sound.calls.clear();
  AFTER_Click(f);
  EXPECT_EQ(最後の箱(), "進む|終わり");
  EXPECT_TRUE(w.sound.calls.empty());  // the end of a record is no refusal
  EXPECT_TRUE(f.game.SAIKAI_MSG);      // the step order sets it before the refusal
}

TEST_F(NavigationTest, BothStepsCloseTheRecordPanel) {
  二十手指す(w);
  描画_棋譜_IO(f, 0);
  w.record.drive = w.record.dir = w.record.file = true;
  REPLAY_Click(f);
  EXPECT_FALSE(w.record.panel);
  EXPECT_FALSE(w.record.drive || w.record.dir || w.record.file);
  描画_棋譜_IO(f, 0);
  AFTER_Click(f);
  EXPECT_FALSE(w.record.panel);
}

TEST_F(NavigationTest, StartingAgainResetsEverythingAtOnce) {
  二十手指す(w);
  f.clock.刻む = true;
  w.sound.calls.clear();
  CANCEL_Click(f);
  EXPECT_EQ(w.sound.calls, std::vector<std::string>{"KOMAUCHI"});
  EXPECT_EQ(f.game.TEBAN, TEBAN_NASI);
  EXPECT_EQ(f.game.TESUU, 0);
  EXPECT_EQ(f.game.TESUU_HYOJI, 0);
  EXPECT_EQ(f.clock.MAN_JIKAN, 0);
  EXPECT_FALSE(f.clock.刻む);
  EXPECT_EQ(f.pos.BAN[3][7], -HU);
  EXPECT_TRUE(w.dialogs.boxes.empty());
}

TEST_F(NavigationTest, ReversingTurnsTheBoardSwapsTheHandsAndFindsTheKings) {
  二十手指す(w);
  const auto before = std::make_unique<局面>(f.pos);
  const 対局 before_game = f.game;
  f.maps.SITA_OU_X = f.maps.SITA_OU_Y = f.maps.UE_OU_X = f.maps.UE_OU_Y = 0;
  f.maps.SITA_SEIRYOKU[4][4] = 77;  // the influence maps are left for the next survey
  REVERSE_Click(f);
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) {
      const int m = before->BAN[10 - x][10 - y];
      ASSERT_EQ(f.pos.BAN[x][y], -m) << x << "," << y;
    }
  int sita = 0, ue = 0;
  for (int k = 1; k <= 7; ++k) {
    EXPECT_EQ(f.pos.SITA_MOTI[k], before->UE_MOTI[k]);
    EXPECT_EQ(f.pos.UE_MOTI[k], before->SITA_MOTI[k]);
    sita += f.pos.SITA_MOTI[k];
    ue += f.pos.UE_MOTI[k];
  }
  EXPECT_EQ(f.pos.SITA_MOTI_SU(), sita);
  EXPECT_EQ(f.pos.UE_MOTI_SU(), ue);
  EXPECT_NE(sita, ue);  // the game's hands differ, so a stale total would show
  EXPECT_EQ(f.pos.BAN[f.maps.SITA_OU_X][f.maps.SITA_OU_Y], -OU);
  EXPECT_EQ(f.pos.BAN[f.maps.UE_OU_X][f.maps.UE_OU_Y], OU);
  EXPECT_EQ(f.maps.SITA_SEIRYOKU[4][4], 77);
  EXPECT_TRUE(f.game.HANTEN);
  EXPECT_EQ(f.game.TESUU, 0);
  EXPECT_EQ(f.game.TESUU_MAX, 0);
  EXPECT_EQ(f.game.TESUU_HYOJI, 20);
  EXPECT_EQ(f.game.TEBAN, -before_game.TEBAN);

  REVERSE_Click(f);
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) ASSERT_EQ(f.pos.BAN[x][y], before->BAN[x][y]);
  for (int k = 1; k <= 7; ++k) {
    EXPECT_EQ(f.pos.SITA_MOTI[k], before->SITA_MOTI[k]);
    EXPECT_EQ(f.pos.UE_MOTI[k], before->UE_MOTI[k]);
  }
  EXPECT_EQ(f.game.TESUU, 0);
  EXPECT_EQ(f.game.TEBAN, before_game.TEBAN);
}

TEST_F(NavigationTest, AMissingKingKeepsItsOldSquareAfterAReversal) {
  f.pos.BAN[5][1] = KARA;  // no top king: after turning there is no bottom king
  f.maps.SITA_OU_X = 3;
  f.maps.SITA_OU_Y = 3;
  f.maps.UE_OU_X = 0;
  f.maps.UE_OU_Y = 0;
  REVERSE_Click(f);
  EXPECT_EQ(f.maps.SITA_OU_X, 3);
  EXPECT_EQ(f.maps.SITA_OU_Y, 3);
  EXPECT_EQ(f.pos.BAN[5][1], OU);  // the former bottom king
  EXPECT_EQ(f.maps.UE_OU_X, 5);
  EXPECT_EQ(f.maps.UE_OU_Y, 1);
  EXPECT_EQ(f.pos.BAN[5][9], KARA);
}

TEST_F(NavigationTest, ReversingNegatesASetHandicapAndIsRefusedInRecordMode) {
  LBEL_UP_Click(f);
  LBEL_UP_Click(f);
  REVERSE_Click(f);
  EXPECT_EQ(f.game.HANDE_LEVEL, -2);
  EXPECT_EQ(f.pos.BAN[2][8], KARA);  // the removed top bishop's square, turned
  EXPECT_EQ(f.pos.BAN[8][8], KARA);
  f.game.KIFU_MODE = true;
  f.game.HANTEN = false;
  w.dialogs.boxes.clear();
  w.sound.calls.clear();
  REVERSE_Click(f);
  EXPECT_EQ(最後の箱(), "反転|棋譜ﾓｰﾄﾞではできません");
  EXPECT_EQ(w.sound.calls, std::vector<std::string>{"KINSHI"});
  EXPECT_FALSE(f.game.HANTEN);
  EXPECT_EQ(f.game.HANDE_LEVEL, -2);
}

// After a reversal the record starts again at 0 while the shown number goes
// on; a new start must not let "進" reach the snapshots of before.
TEST_F(NavigationTest, AStartAfterAReversalEndsTheRecordWhereTheGameGoesOn) {
  二十手指す(w);
  REVERSE_Click(f);
  ASSERT_EQ(f.game.TESUU_HYOJI, 20);
  f.game.TEBAN = f.game.MAN_TEBAN;
  f.game.MAN_TEBAN = 1;
  f.game.COM_TEBAN = -1;
  w.dialogs.boxes.clear();
  SENTE_Click(f);
  EXPECT_EQ(f.game.TESUU_MAX, 0);
  AFTER_Click(f);
  EXPECT_EQ(最後の箱(), "進む|できません");
  EXPECT_EQ(f.game.TESUU, 0);
}

}  // namespace
}  // namespace velmora
