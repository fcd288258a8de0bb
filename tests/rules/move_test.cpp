#include "rules/move.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rules/game.hpp"
#include "rules/trial.hpp"
#include "support/board.hpp"

namespace velmora {
namespace {

using testing::初期局面;
using testing::空の局面;

void play(testing::試験局面& s, int x1, int y1, int x2, int y2, int koma) {
  駒移動(s.pos, {x1, y1, x2, y2, koma, koma});
  駒移動_相対駒(s.pos, {x1, y1, x2, y2, koma, koma});
}

TEST(MirrorMove, APawnMoveDragsTheOpposingPawnOnThePointSymmetricSquare) {
  auto s = 初期局面();
  play(*s, 3, 7, 3, 6, -HU);
  EXPECT_EQ(s->pos.BAN[3][6], -HU);
  EXPECT_EQ(s->pos.BAN[3][7], KARA);
  EXPECT_EQ(s->pos.BAN[7][4], HU);
  EXPECT_EQ(s->pos.BAN[7][3], KARA);
}

TEST(MirrorMove, JumpsWhateverLiesBetweenAndKeepsItsCodeInThePromotionZone) {
  auto s = 初期局面();
  s->pos.BAN[3][7] = KARA;  // open the bottom bishop's diagonal
  play(*s, 2, 8, 4, 6, -KAKU);
  EXPECT_EQ(s->pos.BAN[6][4], KAKU);  // through the top pawn on (7, 3)
  EXPECT_EQ(s->pos.BAN[8][2], KARA);

  // A promoting move mirrors an unpromoted piece, which stays unpromoted.
  auto z = 空の局面({{3, 4, -GIN}, {7, 6, GIN}});
  play(*z, 3, 4, 3, 3, -GIN_NARI);
  EXPECT_EQ(z->pos.BAN[3][3], -GIN_NARI);
  EXPECT_EQ(z->pos.BAN[7][7], GIN);
  // It may land where it can never move again.
  auto n = 空の局面({{5, 3, -HU}, {5, 7, KEI}, {4, 1, KIN}});
  n->pos.BAN[5][2] = KARA;
  play(*n, 5, 3, 5, 2, -HU);
  EXPECT_EQ(n->pos.BAN[5][8], KEI);
}

TEST(MirrorMove, NoMirrorWhenTheRuleDoesNotApply) {
  // Mirror source holds a piece of the mover's own side.
  auto own = 空の局面({{3, 7, -HU}, {7, 3, -KIN}});
  play(*own, 3, 7, 3, 6, -HU);
  EXPECT_EQ(own->pos.BAN[7][3], -KIN);
  EXPECT_EQ(own->pos.BAN[7][4], KARA);
  // Mirror source empty.
  auto empty = 空の局面({{3, 7, -HU}});
  play(*empty, 3, 7, 3, 6, -HU);
  EXPECT_EQ(empty->pos.BAN[7][4], KARA);
  // Mirror destination occupied by either side.
  for (int blocker : {KIN, -KIN}) {
    auto blocked = 空の局面({{3, 7, -HU}, {7, 3, HU}, {7, 4, blocker}});
    play(*blocked, 3, 7, 3, 6, -HU);
    EXPECT_EQ(blocked->pos.BAN[7][3], HU);
    EXPECT_EQ(blocked->pos.BAN[7][4], blocker);
  }
  // From the centre: the mirror square is the source itself, now empty.
  auto centre = 空の局面({{5, 5, -KIN}});
  play(*centre, 5, 5, 5, 4, -KIN);
  EXPECT_EQ(centre->pos.BAN[5][4], -KIN);
  EXPECT_EQ(centre->pos.BAN[5][6], KARA);
  // Onto the centre: the mirror destination is the destination, now occupied.
  auto onto = 空の局面({{5, 6, -KIN}, {5, 4, KIN}});
  play(*onto, 5, 6, 5, 5, -KIN);
  EXPECT_EQ(onto->pos.BAN[5][5], -KIN);
  EXPECT_EQ(onto->pos.BAN[5][4], KIN);
  // To the point-symmetric square: the mirror source is the mover itself.
  auto sym = 空の局面({{2, 2, -KAKU}});
  play(*sym, 2, 2, 8, 8, -KAKU);
  EXPECT_EQ(sym->pos.BAN[8][8], -KAKU);
  EXPECT_EQ(sym->pos.BAN[2][2], KARA);
}

TEST(MirrorMove, ACaptureDoesNotStopItAndTheMirrorNeverCaptures) {
  auto s = 空の局面({{3, 7, -SYA}, {3, 3, HU}, {7, 3, SYA}, {5, 5, KARA}});
  play(*s, 3, 7, 3, 3, -SYA);
  EXPECT_EQ(s->pos.SITA_MOTI[1], 1);
  EXPECT_EQ(s->pos.SITA_MOTI_SU(), 1);
  EXPECT_EQ(s->pos.BAN[7][7], SYA);  // mirror (7,3) → (7,7)
  EXPECT_EQ(s->pos.BAN[7][3], KARA);
  EXPECT_EQ(s->pos.UE_MOTI_SU(), 0);
}

TEST(MirrorMove, AKingMoveDragsTheOtherKing) {
  auto s = 空の局面({{5, 9, -OU}, {5, 1, OU}});
  play(*s, 5, 9, 5, 8, -OU);
  EXPECT_EQ(s->pos.BAN[5][8], -OU);
  EXPECT_EQ(s->pos.BAN[5][2], OU);
  EXPECT_EQ(s->pos.BAN[5][1], KARA);
}

TEST(MirrorMove, DropsAreNeverMirroredAndTakeTheirSourceSlot) {
  auto s = 空の局面({{5, 5, SYA}});
  s->pos.SITA_MOTI[7] = 1;
  play(*s, 11, 9, 5, 4, -SYA);  // mirror of (5, 4) would move the rook on... no mirror for drops
  EXPECT_EQ(s->pos.SITA_MOTI[7], 0);
  EXPECT_EQ(s->pos.SITA_MOTI_SU(), 0);
  EXPECT_EQ(s->pos.BAN[5][4], -SYA);
  EXPECT_EQ(s->pos.BAN[5][5], SYA);

  auto t = 空の局面({{5, 5, -SYA}});
  t->pos.UE_MOTI[7] = 2;
  play(*t, -1, 7, 4, 6, SYA);
  EXPECT_EQ(t->pos.UE_MOTI[7], 1);
  EXPECT_EQ(t->pos.UE_MOTI_SU(), 1);
  EXPECT_EQ(t->pos.BAN[4][6], SYA);
  EXPECT_EQ(t->pos.BAN[5][5], -SYA);
}

TEST(Capture, KingsDecideTheGameAndGoToNoHand) {
  auto s = 空の局面({{5, 2, -KIN}, {5, 1, OU}});
  s->game.MAN_TEBAN = 1;
  s->game.COM_TEBAN = -1;
  const int taken = 駒移動(s->pos, {5, 2, 5, 1, -KIN, -KIN});
  EXPECT_EQ(taken, OU);
  王取り(s->game, taken);
  EXPECT_EQ(s->game.SYOUSYA, 1);
  for (int k = 1; k <= 7; ++k) EXPECT_EQ(s->pos.SITA_MOTI[k], 0);
  EXPECT_EQ(s->pos.SITA_MOTI_SU(), 0);  // a king goes to no hand, and the hand counts its pieces

  auto t = 空の局面({{5, 8, KIN}, {5, 9, -OU}});
  t->game.MAN_TEBAN = -1;
  t->game.COM_TEBAN = 1;
  王取り(t->game, 駒移動(t->pos, {5, 8, 5, 9, KIN, KIN}));
  EXPECT_EQ(t->game.SYOUSYA, 1);
  EXPECT_EQ(t->pos.UE_MOTI_SU(), 0);

  // Promoted pieces go back to the slot of their unpromoted kind.
  auto u = 空の局面({{4, 4, -TO}});
  駒取得(u->pos, -TO);
  駒取得(u->pos, SYA_NARI);
  EXPECT_EQ(u->pos.UE_MOTI[1], 1);
  EXPECT_EQ(u->pos.SITA_MOTI[7], 1);
}

#ifndef NDEBUG
// Builds with assertions check every trial change of the board when it is put back.
TEST(TrialDeathTest, ATrialThatLeavesAnotherSquareChangedFailsWhenItIsPutBack) {
  auto s = 初期局面();
  {
    const 仮の駒 lifted(s->pos, 5, 7, KARA);
    EXPECT_EQ(s->pos.BAN[5][7], KARA);
  }
  EXPECT_EQ(s->pos.BAN[5][7], -HU);
  EXPECT_DEATH(
      {
        const 仮の移動 tried(s->pos, 5, 7, 5, 6, -HU);
        s->pos.BAN[5][5] = HU;  // a square the trial does not own
      },
      "left the position changed");
}
#endif

}  // namespace
}  // namespace velmora
