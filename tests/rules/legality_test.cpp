#include "rules/legality.hpp"

#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "support/board.hpp"

namespace velmora {
namespace {

using testing::空の局面;
using Squares = std::set<std::pair<int, int>>;

Squares reach(const testing::試験局面& s, int x, int y, int koma) {
  Squares out;
  for (int tx = 1; tx <= 9; ++tx)
    for (int ty = 1; ty <= 9; ++ty)
      if (移動チェック(s.pos, x, y, tx, ty, koma) == YES) out.insert({tx, ty});
  return out;
}

Squares line(int x, int y, int dx, int dy) {
  Squares out;
  for (x += dx, y += dy; x >= 1 && x <= 9 && y >= 1 && y <= 9; x += dx, y += dy) out.insert({x, y});
  return out;
}

Squares unite(std::initializer_list<Squares> parts) {
  Squares out;
  for (const auto& p : parts) out.insert(p.begin(), p.end());
  return out;
}

// Each kind from the centre of an otherwise empty board, against its reach set.
TEST(MoveCheck, EveryKindFromTheCentreOfAnEmptyBoard) {
  auto s = 空の局面();
  EXPECT_EQ(reach(*s, 5, 5, HU), (Squares{{5, 6}}));
  EXPECT_EQ(reach(*s, 5, 5, -HU), (Squares{{5, 4}}));
  EXPECT_EQ(reach(*s, 5, 5, KYOU), line(5, 5, 0, 1));
  EXPECT_EQ(reach(*s, 5, 5, -KYOU), line(5, 5, 0, -1));
  EXPECT_EQ(reach(*s, 5, 5, KEI), (Squares{{4, 7}, {6, 7}}));
  EXPECT_EQ(reach(*s, 5, 5, -KEI), (Squares{{4, 3}, {6, 3}}));
  EXPECT_EQ(reach(*s, 5, 5, GIN), (Squares{{4, 6}, {5, 6}, {6, 6}, {4, 4}, {6, 4}}));
  EXPECT_EQ(reach(*s, 5, 5, -GIN), (Squares{{4, 4}, {5, 4}, {6, 4}, {4, 6}, {6, 6}}));
  const Squares top_gold{{4, 6}, {5, 6}, {6, 6}, {4, 5}, {6, 5}, {5, 4}};
  const Squares bottom_gold{{4, 4}, {5, 4}, {6, 4}, {4, 5}, {6, 5}, {5, 6}};
  for (int code : {KIN, TO, KYOU_NARI, KEI_NARI, GIN_NARI}) {
    EXPECT_EQ(reach(*s, 5, 5, code), top_gold) << code;
    EXPECT_EQ(reach(*s, 5, 5, -code), bottom_gold) << -code;
  }
  const Squares diagonals =
      unite({line(5, 5, 1, 1), line(5, 5, -1, 1), line(5, 5, 1, -1), line(5, 5, -1, -1)});
  const Squares straights = unite({line(5, 5, 1, 0), line(5, 5, -1, 0), line(5, 5, 0, 1), line(5, 5, 0, -1)});
  const Squares king{{4, 4}, {5, 4}, {6, 4}, {4, 5}, {6, 5}, {4, 6}, {5, 6}, {6, 6}};
  for (int sign : {1, -1}) {
    EXPECT_EQ(reach(*s, 5, 5, sign * KAKU), diagonals);
    EXPECT_EQ(reach(*s, 5, 5, sign * SYA), straights);
    EXPECT_EQ(reach(*s, 5, 5, sign * KAKU_NARI), unite({diagonals, king}));
    EXPECT_EQ(reach(*s, 5, 5, sign * SYA_NARI), unite({straights, king}));
    EXPECT_EQ(reach(*s, 5, 5, sign * OU), king);
  }
  // A code that is no piece may go anywhere but its own square.
  EXPECT_EQ(reach(*s, 5, 5, 111).size(), 80u);
}

TEST(MoveCheck, FromCornersAndEdgesOnlyTheBoardCounts) {
  auto s = 空の局面();
  EXPECT_EQ(reach(*s, 1, 1, -KIN), (Squares{{1, 2}, {2, 1}}));
  EXPECT_EQ(reach(*s, 9, 9, KIN), (Squares{{9, 8}, {8, 9}}));
  EXPECT_TRUE(reach(*s, 5, 9, HU).empty());
  EXPECT_TRUE(reach(*s, 5, 2, -KEI).empty());
  EXPECT_EQ(reach(*s, 1, 7, KEI), (Squares{{2, 9}}));
  EXPECT_EQ(移動チェック(s->pos, 5, 5, 10, 5, SYA), NO);
  EXPECT_EQ(移動チェック(s->pos, 5, 5, 5, 0, SYA), NO);
}

TEST(MoveCheck, RaysStopAtThePieceInTheWay) {
  auto s = 空の局面({{5, 5, -SYA}, {5, 3, HU}, {7, 5, -HU}, {3, 3, KIN}, {5, 7, KIN}});
  // Onto an own piece: refused although the line is clear.
  EXPECT_EQ(移動チェック(s->pos, 5, 5, 7, 5, -SYA), NO);
  // Onto an enemy piece with a clear line: legal; beyond it: not.
  EXPECT_EQ(移動チェック(s->pos, 5, 5, 5, 3, -SYA), YES);
  EXPECT_EQ(移動チェック(s->pos, 5, 5, 5, 2, -SYA), NO);
  EXPECT_EQ(移動チェック(s->pos, 5, 5, 5, 7, -SYA), YES);
  EXPECT_EQ(移動チェック(s->pos, 5, 5, 5, 8, -SYA), NO);
  EXPECT_EQ(移動チェック(s->pos, 5, 5, 8, 5, -SYA), NO);
  EXPECT_EQ(移動チェック(s->pos, 5, 5, 1, 5, -SYA), YES);
  // The bishop line to (3, 3) is clear, to (2, 2) blocked by the gold.
  s->pos.BAN[5][5] = -KAKU;
  EXPECT_EQ(移動チェック(s->pos, 5, 5, 3, 3, -KAKU), YES);
  EXPECT_EQ(移動チェック(s->pos, 5, 5, 2, 2, -KAKU), NO);
  EXPECT_EQ(移動チェック(s->pos, 5, 5, 4, 5, -KAKU), NO);
  // A lance does not jump.
  auto l = 空の局面({{3, 9, -KYOU}, {3, 6, -HU}});
  EXPECT_EQ(移動チェック(l->pos, 3, 9, 3, 7, -KYOU), YES);
  EXPECT_EQ(移動チェック(l->pos, 3, 9, 3, 5, -KYOU), NO);
}

TEST(MoveCheck, PromotedRookStepsDiagonallyOntoAnEnemyButDoesNotJump) {
  auto s = 空の局面({{5, 5, -SYA_NARI}, {6, 4, HU}, {5, 3, KIN}, {4, 6, -HU}});
  EXPECT_EQ(移動チェック(s->pos, 5, 5, 6, 4, -SYA_NARI), YES);
  EXPECT_EQ(移動チェック(s->pos, 5, 5, 4, 6, -SYA_NARI), NO);
  EXPECT_EQ(移動チェック(s->pos, 5, 5, 5, 2, -SYA_NARI), NO);
  EXPECT_EQ(移動チェック(s->pos, 5, 5, 7, 3, -SYA_NARI), NO);
  s->pos.BAN[5][5] = KAKU_NARI;
  s->pos.BAN[6][4] = KARA;
  EXPECT_EQ(移動チェック(s->pos, 5, 5, 5, 4, KAKU_NARI), YES);
  EXPECT_EQ(移動チェック(s->pos, 5, 5, 5, 3, KAKU_NARI), NO);
  EXPECT_EQ(移動チェック(s->pos, 5, 5, 7, 3, KAKU_NARI), YES);
  EXPECT_EQ(移動チェック(s->pos, 5, 5, 3, 7, KAKU_NARI), NO);   // blocked by the pawn on (4, 6)
  EXPECT_EQ(移動チェック(s->pos, 5, 5, 4, 6, KAKU_NARI), YES);  // captures it
}

TEST(MoveCheck, DropsNeedAnEmptySquareAndAFurtherMove) {
  auto s = 空の局面({{5, 5, HU}});
  // The source square plays no part: (11, 0) tests a hypothetical bottom pawn.
  EXPECT_EQ(移動チェック(s->pos, 11, 0, 4, 4, -HU), YES);
  EXPECT_EQ(移動チェック(s->pos, 11, 0, 5, 5, -HU), NO);  // occupied
  EXPECT_EQ(移動チェック(s->pos, 11, 3, 4, 1, -HU), NO);
  EXPECT_EQ(移動チェック(s->pos, 11, 4, 4, 1, -KYOU), NO);
  EXPECT_EQ(移動チェック(s->pos, 11, 4, 4, 2, -KYOU), YES);
  EXPECT_EQ(移動チェック(s->pos, 11, 5, 4, 2, -KEI), NO);
  EXPECT_EQ(移動チェック(s->pos, 11, 5, 4, 3, -KEI), YES);
  EXPECT_EQ(移動チェック(s->pos, -1, 1, 4, 9, HU), NO);
  EXPECT_EQ(移動チェック(s->pos, -1, 2, 4, 9, KYOU), NO);
  EXPECT_EQ(移動チェック(s->pos, -1, 3, 4, 8, KEI), NO);
  EXPECT_EQ(移動チェック(s->pos, -1, 3, 4, 7, KEI), YES);
  for (int code : {GIN, KIN, KAKU, SYA}) {
    EXPECT_EQ(移動チェック(s->pos, -1, 1, 4, 9, code), YES);
    EXPECT_EQ(移動チェック(s->pos, 11, 3, 4, 1, -code), YES);
  }
}

TEST(MoveCheck, NoTwoPawnRuleNoPawnDropMateRuleAndKingsMayWalkIntoCheck) {
  // A second bottom pawn on a file that already has one; a pawn drop that mates.
  auto s = 空の局面({{5, 7, -HU}, {5, 1, OU}, {4, 1, KIN}, {6, 1, KIN}, {5, 3, -KIN}});
  EXPECT_EQ(移動チェック(s->pos, 11, 3, 5, 5, -HU), YES);
  EXPECT_EQ(移動チェック(s->pos, 11, 3, 5, 2, -HU), YES);
  auto k = 空の局面({{5, 9, -OU}, {4, 1, SYA}});
  EXPECT_EQ(移動チェック(k->pos, 5, 9, 4, 8, -OU), YES);
}

TEST(AfterMoveCheck, PiecesWithoutAFurtherMoveMustPromote) {
  EXPECT_EQ(移動後チェック(9, HU), NO);
  EXPECT_EQ(移動後チェック(8, HU), YES);
  EXPECT_EQ(移動後チェック(9, KYOU), NO);
  EXPECT_EQ(移動後チェック(9, KEI), NO);
  EXPECT_EQ(移動後チェック(8, KEI), NO);
  EXPECT_EQ(移動後チェック(7, KEI), YES);
  EXPECT_EQ(移動後チェック(1, -HU), NO);
  EXPECT_EQ(移動後チェック(1, -KYOU), NO);
  EXPECT_EQ(移動後チェック(2, -KYOU), YES);
  EXPECT_EQ(移動後チェック(2, -KEI), NO);
  EXPECT_EQ(移動後チェック(3, -KEI), YES);
  EXPECT_EQ(移動後チェック(1, -GIN), YES);
  EXPECT_EQ(移動後チェック(9, TO), YES);
}

TEST(Promotion, ZonesEntryInsideAndLeaving) {
  int NARI_KOMA = 12345;
  EXPECT_EQ(調査_駒成(3, 2, 3, 4, -GIN, NARI_KOMA), YES);  // leaving the zone
  EXPECT_EQ(NARI_KOMA, -101);
  EXPECT_EQ(調査_駒成(3, 5, 3, 4, -GIN, NARI_KOMA), NO);
  EXPECT_EQ(調査_駒成(3, 4, 3, 3, -HU, NARI_KOMA), YES);
  EXPECT_EQ(NARI_KOMA, -11);
  EXPECT_EQ(調査_駒成(3, 2, 3, 4, -KEI, NARI_KOMA), NO);  // pawn, lance, knight: destination only
  EXPECT_EQ(調査_駒成(2, 8, 7, 3, -KAKU, NARI_KOMA), YES);
  EXPECT_EQ(NARI_KOMA, -801);
  EXPECT_EQ(調査_駒成(2, 3, 2, 6, -SYA, NARI_KOMA), YES);
  EXPECT_EQ(NARI_KOMA, -901);
  EXPECT_EQ(調査_駒成(5, 6, 5, 7, HU, NARI_KOMA), YES);
  EXPECT_EQ(NARI_KOMA, 11);
  EXPECT_EQ(調査_駒成(5, 5, 5, 6, HU, NARI_KOMA), NO);
  EXPECT_EQ(調査_駒成(4, 7, 4, 5, GIN, NARI_KOMA), YES);
  EXPECT_EQ(NARI_KOMA, 101);
  EXPECT_EQ(調査_駒成(4, 4, 4, 7, KYOU, NARI_KOMA), YES);
  EXPECT_EQ(NARI_KOMA, 21);
  // Drops, golds, kings and promoted pieces never promote and leave NARI_KOMA alone.
  NARI_KOMA = 7;
  EXPECT_EQ(調査_駒成(11, 3, 5, 2, -HU, NARI_KOMA), NO);
  EXPECT_EQ(調査_駒成(-1, 1, 5, 8, HU, NARI_KOMA), NO);
  EXPECT_EQ(調査_駒成(5, 4, 5, 3, -KIN, NARI_KOMA), NO);
  EXPECT_EQ(調査_駒成(5, 4, 5, 3, -OU, NARI_KOMA), NO);
  EXPECT_EQ(調査_駒成(5, 4, 5, 3, -TO, NARI_KOMA), NO);
  EXPECT_EQ(調査_駒成(5, 6, 5, 7, SYA_NARI, NARI_KOMA), NO);
  EXPECT_EQ(NARI_KOMA, 7);
}

}  // namespace
}  // namespace velmora
