#include "rules/mate.hpp"

#include <gtest/gtest.h>

#include <cstring>

#include "rules/survey.hpp"
#include "support/board.hpp"

namespace velmora {
namespace {

using testing::空の局面;

void 持たせる(testing::試験局面& s, bool top, int slot, int n) {
  (top ? s.pos.UE_MOTI : s.pos.SITA_MOTI)[slot] += n;
}

int 詰めMAN(testing::試験局面& s) {
  勢力調査(s.pos, s.maps);
  const 局面 before = s.pos;
  const int r = 詰めかMAN(s.pos, s.maps);
  EXPECT_EQ(before, s.pos) << "the test must put every piece back";
  return r;
}

int 詰めCOM(testing::試験局面& s) {
  勢力調査(s.pos, s.maps);
  const 局面 before = s.pos;
  const int r = 詰めかCOM(s.pos, s.maps);
  EXPECT_EQ(before, s.pos) << "the test must put every piece back";
  return r;
}

TEST(Mate, AKingNotInCheckIsNotMated) {
  auto s = 空の局面({{5, 9, -OU}, {5, 1, OU}, {4, 7, KIN}, {6, 7, KIN}});
  EXPECT_EQ(詰めMAN(*s), NO);
  EXPECT_EQ(詰めかMAN_COM移動(s->pos, s->maps), NO);
}

TEST(Mate, GoldOnTheKingsHeadBackedByAPawnMatesEitherKing) {
  // The top king on (5, 1) with a bottom gold on (5, 2) and a pawn behind it.
  auto c = 空の局面({{5, 1, OU}, {5, 2, -KIN}, {5, 3, -HU}, {5, 9, -OU}});
  EXPECT_EQ(詰めCOM(*c), YES);
  // A top silver that can take the gold lifts the mate.
  c->pos.BAN[4][1] = GIN;
  EXPECT_EQ(詰めCOM(*c), NO);
  // The maps are those of the last tentative position: the silver on (5, 2).
  EXPECT_EQ(c->pos.BAN[5][2], -KIN);
  EXPECT_EQ(c->maps.SITA_MAMORI[5][2], 999);
  EXPECT_EQ(c->maps.SITA_TORI[5][2], -10);

  // The same for the bottom king on (5, 9).
  auto m = 空の局面({{5, 9, -OU}, {5, 8, KIN}, {5, 7, HU}, {5, 1, OU}});
  EXPECT_EQ(詰めMAN(*m), YES);
  EXPECT_EQ(詰めかMAN_COM移動(m->pos, m->maps), YES);
  m->pos.BAN[6][9] = -GIN;
  EXPECT_EQ(詰めMAN(*m), NO);
  // Without the pawn's support the king takes the gold.
  auto k = 空の局面({{5, 9, -OU}, {5, 8, KIN}, {5, 1, OU}});
  EXPECT_EQ(詰めMAN(*k), NO);
}

// Bottom king on (9, 9) in the corner, top rook on (9, 1) down the file; a
// pawn on (8, 8) and a top gold covering (8, 9) leave no escape.
std::unique_ptr<testing::試験局面> 隅の王() {
  return 空の局面({{9, 9, -OU}, {9, 1, SYA}, {8, 8, -HU}, {7, 8, KIN}, {1, 1, OU}});
}

TEST(Mate, ADistantCheckIsBlockedByAnyDropIncludingAPawn) {
  auto s = 隅の王();
  EXPECT_EQ(詰めMAN(*s), YES);
  auto g = 隅の王();
  持たせる(*g, false, 5, 1);
  EXPECT_EQ(詰めMAN(*g), NO);
  auto p = 隅の王();
  持たせる(*p, false, 1, 2);
  EXPECT_EQ(詰めMAN(*p), NO);
}

TEST(Mate, PawnsMayNotBeDroppedOnTheFirstRowToBlock) {
  // Bottom king on (9, 1), top rook on (5, 1) along the row; top pawns on
  // (8, 2) and (9, 2), each guarded by a top silver from behind.
  auto make = [] {
    return 空の局面({{9, 1, -OU}, {5, 1, SYA}, {8, 2, HU}, {9, 2, HU}, {8, 3, GIN}, {9, 3, GIN}, {1, 9, OU}});
  };
  auto p = make();
  持たせる(*p, false, 1, 3);
  EXPECT_EQ(詰めMAN(*p), YES);
  // With anything else in hand the quick test puts a pawn there anyway, even
  // a lance that could not be dropped on row 1 either.
  auto g = make();
  持たせる(*g, false, 1, 3);
  持たせる(*g, false, 2, 1);
  EXPECT_EQ(詰めMAN(*g), NO);
}

TEST(Mate, AKnightCheckCannotBeBlockedByADrop) {
  // The king on (5, 9) walled in by its own knights, which cannot reach (4, 7).
  auto s = 空の局面({{5, 9, -OU},
                     {4, 7, KEI},
                     {4, 8, -KEI},
                     {5, 8, -KEI},
                     {6, 8, -KEI},
                     {4, 9, -KEI},
                     {6, 9, -KEI},
                     {5, 1, OU}});
  持たせる(*s, false, 5, 1);
  EXPECT_EQ(詰めMAN(*s), YES);
  // A bottom pawn below the knight takes it.
  s->pos.BAN[4][8] = -HU;
  EXPECT_EQ(詰めMAN(*s), NO);
}

TEST(Mate, DoubleCheckByTwoDistantSlidersIsNotBlockedByOneDrop) {
  auto make = [] {
    return 空の局面(
        {{5, 9, -OU}, {5, 1, SYA}, {1, 5, KAKU}, {6, 8, -HU}, {4, 9, -HU}, {6, 9, -HU}, {9, 1, OU}});
  };
  auto two = make();
  持たせる(*two, false, 5, 1);
  // The pawn on (4, 9) can block the bishop, but the rook still checks.
  EXPECT_EQ(詰めMAN(*two), YES);
  auto one = make();
  one->pos.BAN[1][5] = KARA;
  持たせる(*one, false, 5, 1);
  EXPECT_EQ(詰めMAN(*one), NO);
}

TEST(Mate, DefendingMovesArePlainMovesWithoutPromotionOrMirrorMove) {
  // A bottom knight on (8, 3) takes the checking rook on (9, 1), a move that
  // would have to promote. Its mirror move would bring the top rook on (2, 7)
  // to (1, 9), checking along row 9 again; the test ignores that.
  auto s = 隅の王();
  s->pos.BAN[8][3] = -KEI;
  s->pos.BAN[2][7] = SYA;
  EXPECT_EQ(詰めMAN(*s), NO);
}

TEST(Mate, TopKingMateWithDropsAndEscapes) {
  // Top king on (1, 1), bottom rook on (1, 9) up the file, a top pawn on (2, 2)
  // and a bottom gold covering (2, 1).
  auto make = [] { return 空の局面({{1, 1, OU}, {1, 9, -SYA}, {2, 2, HU}, {3, 2, -KIN}, {9, 9, -OU}}); };
  auto s = make();
  EXPECT_EQ(詰めCOM(*s), YES);
  auto p = make();
  持たせる(*p, true, 1, 1);
  EXPECT_EQ(詰めCOM(*p), NO);  // a pawn between
  // Only pawns in hand against a check along row 9 for the top king on row 9.
  auto r =
      空の局面({{1, 9, OU}, {5, 9, -SYA}, {1, 8, -HU}, {2, 8, -HU}, {1, 7, -GIN}, {2, 7, -GIN}, {9, 1, -OU}});
  持たせる(*r, true, 1, 2);
  EXPECT_EQ(詰めCOM(*r), YES);
  持たせる(*r, true, 3, 1);  // a knight: the quick test puts a pawn there anyway
  EXPECT_EQ(詰めCOM(*r), NO);
  // A top piece blocking with a board move lifts the mate.
  auto b = make();
  b->pos.BAN[2][6] = KIN;
  EXPECT_EQ(詰めCOM(*b), NO);
}

TEST(Mate, TopDefencesAreTakenFromTheCheckMapAsItStoodOnEntry) {
  // The top king on (5, 1) is checked by a bottom rook on (5, 7). The knight
  // on (6, 2) can block on (5, 4) but is pinned by the bishop on (8, 4); its
  // tentative survey redraws the check map with only the bishop's line. The
  // knight on (6, 5), met later, takes the rook on a square marked only in
  // the map from before the trials.
  auto s = 空の局面({{5, 1, OU},
                     {5, 7, -SYA},
                     {6, 2, KEI},
                     {8, 4, -KAKU},
                     {6, 5, KEI},
                     {3, 2, -KIN},
                     {7, 2, -GIN},
                     {9, 9, -OU}});
  EXPECT_EQ(詰めCOM(*s), NO);
  // Without that knight the king is mated.
  s->pos.BAN[6][5] = KARA;
  EXPECT_EQ(詰めCOM(*s), YES);
}

TEST(EscapeSquares, CountsEmptyUnattackedNeighboursOnTheBoardAndMarksThem) {
  auto s = 空の局面({{5, 9, -OU}, {4, 8, KIN}, {6, 9, -HU}, {1, 1, OU}});
  勢力調査(s->pos, s->maps);
  // Neighbours on the board: (5, 8), (4, 8), (6, 8), (4, 9), (6, 9). The top
  // gold on (4, 8) covers (5, 8) and (4, 9).
  const int n = 調査_自王逃道(s->pos, s->maps);
  EXPECT_EQ(n, 1);  // only (6, 8): (4, 8) holds a top piece, (6, 9) an own piece
  EXPECT_EQ(s->maps.OU_NIGEMITI[6][8], YES);
  EXPECT_EQ(s->maps.OU_NIGEMITI[5][8], KARA);
  int marked = 0;
  for (int x = 0; x < 10; ++x)
    for (int y = 0; y < 10; ++y) marked += s->maps.OU_NIGEMITI[x][y];
  EXPECT_EQ(marked, 1);
}

}  // namespace
}  // namespace velmora
