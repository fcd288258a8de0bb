#include "com/probes.hpp"

#include <gtest/gtest.h>

#include <cstring>

#include "rules/survey.hpp"
#include "support/board.hpp"

namespace velmora {
namespace {

using testing::空の局面;

int 合計(const 盤面& m) {
  int n = 0;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) n += m[x][y];
  return n;
}

TEST(Probes, PlacesToMoveToCountOnlySquaresTheOtherSideDoesNotCover) {
  auto s = 空の局面({{5, 5, KIN}, {9, 6, -SYA}, {9, 4, -SYA}, {9, 5, -SYA}});
  勢力調査(s->pos, s->maps);
  EXPECT_EQ(調査_移動可場所数(s->pos, s->maps, 5, 5, KIN), 1);  // only (4, 5)
  s->pos.BAN[4][9] = -KYOU;
  勢力調査(s->pos, s->maps);
  EXPECT_EQ(調査_移動可場所数(s->pos, s->maps, 5, 5, KIN), 0);
  // A boxed-in lance, and a bottom piece counted against the top side's reach.
  auto b = 空の局面({{1, 1, KYOU}, {1, 2, HU}, {5, 5, -KIN}, {5, 3, HU}});
  勢力調査(b->pos, b->maps);
  EXPECT_EQ(調査_移動可場所数(b->pos, b->maps, 1, 1, KYOU), 0);
  EXPECT_EQ(調査_移動可場所数(b->pos, b->maps, 5, 5, -KIN), 5);  // (5, 4) is covered by the pawn
}

TEST(Probes, SurroundingsCountTopMajorPiecesAndTheTopKingOnly) {
  auto s = 空の局面({{2, 1, SYA}, {1, 2, KAKU}, {2, 2, -SYA}});
  EXPECT_EQ(調査_周辺状況(s->pos, 1, 1), -2);
  auto c = 空の局面({{4, 4, OU}, {5, 4, SYA_NARI}, {6, 4, KAKU_NARI}, {4, 5, KIN}, {6, 6, -OU}, {5, 5, SYA}});
  EXPECT_EQ(調査_周辺状況(c->pos, 5, 5), -3);  // its own square does not count
}

TEST(Probes, KnightAimAddsBothForkedMajorsUnlessOneIsTheAttacker) {
  // A top gold on (5, 7) attacked by a bottom rook from below; bottom majors
  // beside it on (3, 7) and (7, 7); the knight squares (4, 5) and (6, 5) are safe.
  auto s = 空の局面({{5, 7, KIN}, {5, 9, -SYA}, {3, 7, -KAKU}, {7, 7, -SYA}});
  勢力調査(s->pos, s->maps);
  ASSERT_EQ(s->maps.SITA_TORI[5][7], -900);
  ASSERT_EQ(s->maps.SITA_TORI_X[5][7], 5);
  EXPECT_EQ(調査_桂狙い(s->pos, s->maps, 5, 7), 1700);
  // Without the rook below, the rook on (7, 7) is the attacker and is not counted.
  s->pos.BAN[5][9] = KARA;
  勢力調査(s->pos, s->maps);
  EXPECT_EQ(調査_桂狙い(s->pos, s->maps, 5, 7), 800);
  // A bottom piece covering the knight square (4, 5) removes that side.
  s->pos.BAN[5][9] = -SYA;
  s->pos.BAN[4][8] = -KYOU;
  勢力調査(s->pos, s->maps);
  EXPECT_EQ(調査_桂狙い(s->pos, s->maps, 5, 7), 900);
  // Not attacked by a major piece, or too far up the board: nothing.
  auto u = 空の局面({{5, 5, KIN}, {5, 9, -SYA}, {3, 5, -KAKU}, {7, 5, -SYA}});
  勢力調査(u->pos, u->maps);
  EXPECT_EQ(調査_桂狙い(u->pos, u->maps, 5, 5), 0);
}

TEST(Probes, LanceAimTakesTheFirstPieceBelow) {
  // A top gold on (5, 7) attacked by a bottom rook along row 7; the gold
  // itself covers (5, 6).
  auto s = 空の局面({{5, 7, KIN}, {1, 7, -SYA}, {5, 9, -KEI}});
  勢力調査(s->pos, s->maps);
  EXPECT_EQ(調査_香狙い(s->pos, s->maps, 5, 7), 30);
  s->pos.BAN[5][8] = HU;  // the first piece is the top side's own
  勢力調査(s->pos, s->maps);
  EXPECT_EQ(調査_香狙い(s->pos, s->maps, 5, 7), 0);
  // The square above must be covered by the top side and not by the bottom.
  auto c = 空の局面({{5, 7, KIN}, {1, 7, -SYA}, {5, 9, -KEI}, {4, 4, -KAKU}});
  勢力調査(c->pos, c->maps);
  EXPECT_EQ(c->maps.SITA_SEIRYOKU[5][6], 0);
  c->pos.BAN[4][4] = KARA;
  c->pos.BAN[6][5] = -KEI;  // covers (5, 3) and (7, 3), not (5, 6)
  c->pos.BAN[6][7] = -KIN;  // covers (5, 6)
  勢力調査(c->pos, c->maps);
  EXPECT_EQ(調査_香狙い(c->pos, c->maps, 5, 7), 0);
}

TEST(Probes, StraightMoverGuardStopsAtTheFirstTopPieceOrStraightMover) {
  auto s = 空の局面({{5, 5, -KIN}, {5, 8, -SYA}});
  EXPECT_EQ(調査_自守駒MAN_直進駒(s->pos, 5, 5), YES);
  EXPECT_EQ(s->pos.BAN[5][5], -KIN);
  s->pos.BAN[5][6] = HU;
  EXPECT_EQ(調査_自守駒MAN_直進駒(s->pos, 5, 5), NO);
  s->pos.BAN[5][6] = KARA;
  s->pos.BAN[5][7] = -HU;  // passed over, but it blocks the rook
  EXPECT_EQ(調査_自守駒MAN_直進駒(s->pos, 5, 5), NO);
  s->pos.BAN[5][7] = KARA;
  s->pos.BAN[5][6] = -KYOU;  // the first straight mover decides; the rook behind is not asked
  EXPECT_EQ(調査_自守駒MAN_直進駒(s->pos, 5, 5), YES);
  EXPECT_EQ(s->pos.BAN[5][5], -KIN);
}

TEST(Probes, BishopInHandAimSquaresAreEmptyUncoveredAndOnAnOpenDiagonal) {
  auto s = 空の局面({{5, 1, OU}});
  勢力調査(s->pos, s->maps);
  s->search.MOTI_KAKU_NERAI[9][9] = 1;  // from an earlier search
  調査_持角狙座標(s->pos, s->maps, s->search);
  EXPECT_EQ(合計(s->search.MOTI_KAKU_NERAI), 6);
  EXPECT_EQ(s->search.MOTI_KAKU_NERAI[3][3], 1);
  EXPECT_EQ(s->search.MOTI_KAKU_NERAI[9][5], 1);
  EXPECT_EQ(s->search.MOTI_KAKU_NERAI[4][2], 0);  // the king covers it
  s->pos.BAN[7][3] = -HU;
  勢力調査(s->pos, s->maps);
  調査_持角狙座標(s->pos, s->maps, s->search);
  EXPECT_EQ(合計(s->search.MOTI_KAKU_NERAI), 3);
}

TEST(Probes, PinnedPiecesAgainstEitherKing) {
  auto s = 空の局面({{5, 1, SYA}, {5, 5, -KIN}, {5, 9, -OU}, {1, 5, KAKU}, {9, 1, OU}, {8, 2, GIN}});
  s->search.SITA_UGOKENAI[7][7] = 1;
  調査_移動不可駒(s->pos, s->maps, s->search);
  EXPECT_EQ(s->search.SITA_UGOKENAI[5][5], 1);
  EXPECT_EQ(s->search.SITA_UGOKENAI[5][9], 1);  // the bishop reaches the king's square itself
  EXPECT_EQ(合計(s->search.SITA_UGOKENAI), 2);
  EXPECT_EQ(s->search.UE_UGOKENAI_ARI, NO);
  EXPECT_EQ(s->pos.BAN[5][5], -KIN);
  EXPECT_EQ(s->pos.BAN[5][9], -OU);
  // A bottom bishop behind the top silver pins it.
  s->pos.BAN[5][5] = -KAKU;
  調査_移動不可駒(s->pos, s->maps, s->search);
  EXPECT_EQ(s->search.UE_UGOKENAI_ARI, YES);
  EXPECT_EQ(s->search.SITA_UGOKENAI[5][5], 1);  // itself pinned by the rook, as the gold was
}

TEST(Probes, PiecesInHandBySide) {
  auto s = std::make_unique<testing::試験局面>();
  s->game.MAN_TEBAN = TEBAN_GOTE;
  s->game.COM_TEBAN = TEBAN_SENTE;
  s->pos.SITA_MOTI[1] = 3;
  s->pos.SITA_MOTI[7] = 1;
  s->pos.UE_MOTI[5] = 2;
  EXPECT_EQ(調査_持駒数(s->pos, s->game, TEBAN_GOTE), 4);
  EXPECT_EQ(調査_持駒数(s->pos, s->game, TEBAN_SENTE), 2);
  EXPECT_EQ(調査_持駒数(s->pos, s->game, TEBAN_NASI), 0);
}

}  // namespace
}  // namespace velmora
