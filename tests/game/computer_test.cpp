#include "game/computer.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>

#include "input/game_menu.hpp"
#include "rules/survey.hpp"
#include "script/fakes.hpp"
#include "support/board.hpp"
#include "support/marks.hpp"
#include "view/paint_support.hpp"

namespace velmora {
namespace {

using testing::Placed;

// A game against the computer with the computer to move.
struct ComTurnTest : ::testing::Test {
  FakeWindow w;
  Form1& f = w.f();

  void 局面(std::initializer_list<Placed> pieces) {
    f.pos.BAN = {};
    for (const auto& p : pieces) f.pos.BAN[p.x][p.y] = p.code;
    f.game.TAISEN_MODE = MODE_MAN_COM;
    f.game.MAN_TEBAN = TEBAN_SENTE;
    f.game.COM_TEBAN = TEBAN_GOTE;
    f.game.TEBAN = f.game.COM_TEBAN;
    f.game.SYOUSYA = TEBAN_NASI;
  }
  void 持駒(int slot, int n) { f.pos.UE_MOTI[slot] += n; }
  int 箱の数(std::string_view text) {
    int n = 0;
    for (const auto& b : w.dialogs.boxes) n += b.text == text;
    return n;
  }
};

// The three levels choose three different moves. Top: king (5, 1), silver
// (6, 2), pawn (8, 3), lance (9, 1); bottom: king (2, 9), knight (7, 3), pawn
// (8, 5), silver (9, 5); both hands empty. No mirror move (the mirror squares
// of the four sources are empty), no bishop line, no drop threat. The danger
// walk costs every candidate that leaves the knight on the board 0.5 for
// (6, 1) (beside the king, covered by the knight) and 0.1 for (8, 1) (in the
// top camp, covered by the knight, undefended); the silver's and the lance's
// sources lie 7 and 8 from the bottom king. Worked by hand, level 1 / 2 / 3:
//   king (4, 1): danger -0.2; king off the centre +1          0.8 / -0.2 / 0.8
//   king (4, 2): danger -0.2, approach +0.1, king +1          0.9 / -0.1 / 0.9
//   king (5, 2): danger -0.6, approach +0.1                  -0.5 / -0.5 / -0.5
//   king (6, 1): the knight attacks it                        -9998 at every level
//   silver (5, 3): danger -0.6, approach +0.1                -0.5 / -0.5 / -0.5
//   silver (6, 3): -0.6 + 0.1; straight down with a bottom
//     silver on (9, 5) +5                                     4.5 / -0.5 / 4.5
//   silver (7, 1): danger -0.6; a silver on row 1 has no rules -0.6 at every level
//   silver takes the knight on (7, 3): danger 0, approach +0.1;
//     level 1 stops there; safe capture +30; (7, 3) with the pawns
//     on (8, 3) and (8, 5) +115                               0.1 / 30.1 / 145.1
//   pawn (8, 4): attacked twice, undefended -10, danger -10.6;
//     pawn move -0.1, facing the bottom pawn -5             -15.7 / -10.6 / -15.7
//   lance (9, 2): danger -0.5 (+0.1 eyeing the silver), approach
//     +0.1, quiet lance -0.9                                 -1.3 / -0.4 / -1.3
//   lance (9, 3): the same, approach +1                      -0.4 / 0.5 / -0.4
//   lance (9, 4): attacked, undefended -20.6, approach +1   -20.5 / -19.6 / -20.5
//   lance takes the silver on (9, 5): danger -0.6, approach +1;
//     level 1 stops there; safe capture +100                   0.4 / 100.4 / 100.4
TEST_F(ComTurnTest, TheThreeLevelsChooseThreeMovesAndHandTheTurnBack) {
  struct 期待 {
    int x1, y1, x2, y2, code;
    double score;
  };
  const 期待 moves[] = {{6, 2, 6, 3, GIN, 4.5}, {9, 1, 9, 5, KYOU, 100.4}, {6, 2, 7, 3, GIN, 145.1}};
  for (int level = 1; level <= 3; ++level) {
    FakeWindow fw;
    Form1& g = fw.f();
    局面_初期化(g.pos, g.game);
    g.pos.BAN = {};
    for (const auto& p : std::initializer_list<Placed>{{5, 1, OU},
                                                       {6, 2, GIN},
                                                       {8, 3, HU},
                                                       {9, 1, KYOU},
                                                       {2, 9, -OU},
                                                       {7, 3, -KEI},
                                                       {8, 5, -HU},
                                                       {9, 5, -GIN}})
      g.pos.BAN[p.x][p.y] = p.code;
    勢力調査(g.pos, g.maps);  // as after the human's move
    g.game.TAISEN_MODE = MODE_MAN_COM;
    g.game.MAN_TEBAN = TEBAN_SENTE;
    g.game.COM_TEBAN = g.game.TEBAN = TEBAN_GOTE;
    g.game.COM_LEVEL = level;
    g.options.KEIKA = true;
    fw.clock.seconds = 1000;
    com_ban(g);
    const 期待& e = moves[level - 1];
    EXPECT_EQ(g.pos.BAN[e.x1][e.y1], KARA) << "level " << level;
    EXPECT_EQ(g.pos.BAN[e.x2][e.y2], e.code) << "level " << level;
    EXPECT_NEAR(g.search.HYOUKA_MAX, e.score, 1e-9) << "level " << level;
    EXPECT_EQ(g.game.TEBAN, g.game.MAN_TEBAN);
    EXPECT_EQ(g.game.TESUU, 1);
    EXPECT_EQ(g.game.TESUU_HYOJI, 1);
    EXPECT_TRUE(g.clock.刻む);
    EXPECT_TRUE(fw.dialogs.boxes.empty());
    // The pause after the move and the two blinks of 0.4 s each.
    EXPECT_NEAR(fw.clock.waited, 0.5 + 2 * 0.4, 1e-9);
    EXPECT_DOUBLE_EQ(g.clock.KAISI_JIKOKU, fw.clock.seconds);
    int thinking = 0;
    for (const auto& op : testing::文字(fw.canvas.ops)) thinking += op.text == "思考中";
    EXPECT_EQ(thinking, 2);
  }
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
  f.clock.刻む = true;
  com_ban(f);
  ASSERT_EQ(w.dialogs.boxes.size(), 1u);
  EXPECT_EQ(w.dialogs.boxes[0].text, "これ以上指すことはできません（500手）");
  EXPECT_EQ(w.dialogs.boxes[0].title, "手数");
  EXPECT_FALSE(f.clock.刻む);
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
  EXPECT_FALSE(f.clock.刻む);
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
  EXPECT_EQ(f.pos.UE_MOTI_SU(), 0);
}

TEST_F(ComTurnTest, NothingToPlayLosesTheGame) {
  局面({{5, 9, -OU}, {1, 1, -KYOU}});
  f.clock.刻む = true;
  com_ban(f);
  ASSERT_EQ(w.dialogs.boxes.size(), 1u);
  EXPECT_EQ(w.dialogs.boxes[0].text, "あなたの勝ちです");
  EXPECT_EQ(w.dialogs.boxes[0].title, "終了");
  EXPECT_EQ(f.game.SYOUSYA, f.game.MAN_TEBAN);
  EXPECT_EQ(f.game.TEBAN, f.game.MAN_TEBAN);
  EXPECT_FALSE(f.clock.刻む);
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
  レベル_設定(f, 6);
  EXPECT_TRUE(testing::印(f, "LEVEL2"));
  EXPECT_FALSE(testing::印(f, "LEVEL1") || testing::印(f, "LEVEL3") || testing::印(f, "LEVEL4") ||
               testing::印(f, "LEVEL5"));
  EXPECT_EQ(f.game.COM_LEVEL, 2);

  f.game.TAISEN_MODE = MODE_MAN_COM;
  LEVEL1_Click(f);
  EXPECT_TRUE(testing::印(f, "LEVEL1"));
  EXPECT_EQ(f.game.COM_LEVEL, 1);
  const auto pictures = testing::絵(w.canvas.ops);
  ASSERT_GE(pictures.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(pictures[i].id_or_colour, f.options.HAIKEI);
    EXPECT_TRUE(testing::位置(pictures[i], -2 + i, 0));
  }
  const auto texts = testing::文字(w.canvas.ops);
  ASSERT_FALSE(texts.empty());
  EXPECT_EQ(texts.back().text, " 1");  // the level label shows the new level
  LEVEL3_Click(f);
  EXPECT_EQ(f.game.COM_LEVEL, 3);
  EXPECT_TRUE(testing::印(f, "LEVEL3") && !testing::印(f, "LEVEL1"));
}

}  // namespace
}  // namespace velmora
