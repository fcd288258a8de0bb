#include "rules/survey.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "support/board.hpp"
#include "support/rules_by_hand.hpp"

namespace velmora {
namespace {

using testing::初期局面;
using testing::空の局面;

// Squares of a map that differ from `value`, as a count.
int 異なる数(const 盤面& m, int value) {
  int n = 0;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) n += m[x][y] != value;
  return n;
}

TEST(Survey, TwoLoneKingsReachOnlyTheirNeighboursAndLeaveEveryOtherMapAtItsResetValue) {
  auto s = 空の局面({{5, 9, -OU}, {5, 1, OU}});
  // Garbage from an earlier survey must go.
  s->maps.SITA_OUTE[3][3] = 9;
  s->maps.UE_TORI[4][4] = 10;
  s->maps.SITA_TORI_X[2][2] = 7;
  勢力調査(s->pos, s->maps);
  for (int x = 1; x <= 9; ++x) {
    for (int y = 1; y <= 9; ++y) {
      const bool near_bottom = std::abs(x - 5) <= 1 && y >= 8 && !(x == 5 && y == 9);
      const bool near_top = std::abs(x - 5) <= 1 && y <= 2 && !(x == 5 && y == 1);
      EXPECT_EQ(s->maps.SITA_SEIRYOKU[x][y], near_bottom ? 1 : 0) << x << "," << y;
      EXPECT_EQ(s->maps.UE_SEIRYOKU[x][y], near_top ? 1 : 0) << x << "," << y;
    }
  }
  EXPECT_EQ(異なる数(s->maps.SITA_MAMORI, 999), 0);
  EXPECT_EQ(異なる数(s->maps.UE_MAMORI, 999), 0);
  EXPECT_EQ(異なる数(s->maps.UE_TORI, 999), 0);
  EXPECT_EQ(異なる数(s->maps.SITA_TORI, -999), 0);
  EXPECT_EQ(異なる数(s->maps.SITA_TORI_X, 0), 0);
  EXPECT_EQ(異なる数(s->maps.SITA_OUTE, 0), 0);
  EXPECT_EQ(異なる数(s->maps.UE_OUTE, 0), 0);
  EXPECT_EQ(s->maps.SITA_OU_X, 5);
  EXPECT_EQ(s->maps.SITA_OU_Y, 9);
  EXPECT_EQ(s->maps.UE_OU_X, 5);
  EXPECT_EQ(s->maps.UE_OU_Y, 1);
}

TEST(Survey, TopDefencePlacesAreWrittenOnlyByKindsThatRecordThem) {
  // Gold on (5, 5) defended by a silver on (4, 4), met first, and a pawn on (5, 4).
  auto s = 空の局面({{5, 5, KIN}, {4, 4, GIN}, {5, 4, HU}});
  勢力調査(s->pos, s->maps);
  EXPECT_EQ(s->maps.UE_MAMORI[5][5], 10);
  EXPECT_EQ(s->maps.UE_MAMORI_X[5][5], 4);
  EXPECT_EQ(s->maps.UE_MAMORI_Y[5][5], 4);

  // A promoted pawn records 110; a promoted silver as the only defender records
  // 110 and leaves the place that stood there from before.
  auto g = 空の局面({{5, 5, KIN}, {5, 4, TO}, {2, 2, KIN}, {2, 1, GIN_NARI}});
  g->maps.UE_MAMORI_X[2][2] = 8;
  g->maps.UE_MAMORI_Y[2][2] = 6;
  勢力調査(g->pos, g->maps);
  EXPECT_EQ(g->maps.UE_MAMORI[5][5], 110);
  EXPECT_EQ(g->maps.UE_MAMORI[2][2], 110);
  EXPECT_EQ(g->maps.UE_MAMORI_X[2][2], 8);
  EXPECT_EQ(g->maps.UE_MAMORI_Y[2][2], 6);

  // The top king defends with 950, no place; the cheapest defender wins.
  auto k = 空の局面({{5, 1, OU}, {5, 2, KIN}, {4, 1, GIN}});
  k->maps.UE_MAMORI_X[5][2] = 3;
  勢力調査(k->pos, k->maps);
  EXPECT_EQ(k->maps.UE_MAMORI[5][2], 100);
  EXPECT_EQ(k->maps.UE_MAMORI_X[5][2], 4);
  EXPECT_EQ(k->maps.UE_MAMORI[4][1], 950);
}

TEST(Survey, OnlyTopPawnsAndLongMoversCountAsCapturers) {
  // A bottom gold attacked by a top silver, a knight, a gold and the king.
  auto s = 空の局面({{5, 5, -KIN}, {5, 4, GIN}, {4, 3, KEI}, {4, 5, KIN}, {6, 6, OU}});
  s->maps.UE_TORI_X[5][5] = 2;
  s->maps.UE_TORI_Y[5][5] = 3;
  勢力調査(s->pos, s->maps);
  EXPECT_EQ(s->maps.UE_SEIRYOKU[5][5], 4);
  EXPECT_EQ(s->maps.UE_TORI[5][5], 999);
  // A pawn lowers UE_TORI and does not name itself.
  s->pos.BAN[5][4] = HU;
  勢力調査(s->pos, s->maps);
  EXPECT_EQ(s->maps.UE_TORI[5][5], 10);
  EXPECT_EQ(s->maps.UE_TORI_X[5][5], 2);
  EXPECT_EQ(s->maps.UE_TORI_Y[5][5], 3);
  // A rook names itself, and a later pawn does not overwrite the place.
  auto r = 空の局面({{1, 5, SYA}, {5, 5, -KIN}, {5, 4, HU}});
  勢力調査(r->pos, r->maps);
  EXPECT_EQ(r->maps.UE_TORI[5][5], 10);
  EXPECT_EQ(r->maps.UE_TORI_X[5][5], 1);
  EXPECT_EQ(r->maps.UE_TORI_Y[5][5], 5);
  // The promoted rook's diagonal steps capture with place.
  auto d = 空の局面({{4, 4, SYA_NARI}, {5, 5, -KIN}});
  勢力調査(d->pos, d->maps);
  EXPECT_EQ(d->maps.UE_TORI[5][5], 901);
  EXPECT_EQ(d->maps.UE_TORI_X[5][5], 4);
}

TEST(Survey, BottomDefendersAndAttackersFollowTheirOwnOrder) {
  // The most valuable defender is recorded: the king over a pawn.
  auto p = 空の局面({{5, 8, -KIN}, {5, 9, -HU}, {4, 9, -OU}, {5, 6, -GIN}});
  p->pos.BAN[5][7] = -HU;
  勢力調査(p->pos, p->maps);
  EXPECT_EQ(p->maps.SITA_MAMORI[5][8], -950);
  EXPECT_EQ(p->maps.SITA_MAMORI[5][7], -110);  // the gold behind it
  EXPECT_EQ(p->maps.SITA_MAMORI[5][6], -10);
  EXPECT_EQ(p->maps.SITA_MAMORI[4][9], 999);  // nothing reaches the king

  // A top gold attacked by two bottom silvers: the lower column wins the tie.
  auto t = 空の局面({{5, 5, KIN}, {6, 6, -GIN}, {4, 6, -GIN}});
  勢力調査(t->pos, t->maps);
  EXPECT_EQ(t->maps.SITA_TORI[5][5], -100);
  EXPECT_EQ(t->maps.SITA_TORI_X[5][5], 4);
  EXPECT_EQ(t->maps.SITA_TORI_Y[5][5], 6);
  // On the same column the lower row wins.
  auto c = 空の局面({{5, 5, KIN}, {4, 4, -GIN}, {4, 6, -GIN}});
  勢力調査(c->pos, c->maps);
  EXPECT_EQ(c->maps.SITA_TORI_X[5][5], 4);
  EXPECT_EQ(c->maps.SITA_TORI_Y[5][5], 4);
  // The cheapest attacker (highest code) wins over an earlier dearer one.
  auto h = 空の局面({{5, 5, KIN}, {1, 5, -SYA}, {5, 6, -HU}});
  勢力調査(h->pos, h->maps);
  EXPECT_EQ(h->maps.SITA_TORI[5][5], -10);
  EXPECT_EQ(h->maps.SITA_TORI_X[5][5], 5);
}

TEST(Survey, PromotedBishopRecordsItsOwnCodeOnlyOnItsSingleSteps) {
  auto s = 空の局面({{5, 5, -KAKU_NARI}, {5, 4, KIN}, {7, 3, GIN}, {4, 6, -HU}});
  勢力調査(s->pos, s->maps);
  EXPECT_EQ(s->maps.SITA_TORI[5][4], -801);
  EXPECT_EQ(s->maps.SITA_TORI[7][3], -800);
  EXPECT_EQ(s->maps.SITA_MAMORI[4][6], -800);
  EXPECT_EQ(s->maps.SITA_SEIRYOKU[8][2], 0);  // the ray ended on the silver
  // The top promoted bishop's single steps neither defend nor capture.
  auto t = 空の局面({{5, 5, KAKU_NARI}, {5, 6, HU}, {4, 5, -KIN}, {6, 6, HU}});
  t->maps.UE_MAMORI_X[6][6] = 1;
  勢力調査(t->pos, t->maps);
  EXPECT_EQ(t->maps.UE_SEIRYOKU[5][6], 1);
  EXPECT_EQ(t->maps.UE_MAMORI[5][6], 999);
  EXPECT_EQ(t->maps.UE_TORI[4][5], 999);
  EXPECT_EQ(t->maps.UE_MAMORI[6][6], 801);
  EXPECT_EQ(t->maps.UE_MAMORI_X[6][6], 5);
}

TEST(Survey, RaysRunThroughTheOpposingKingAndDrawTheCheckLine) {
  // Top rook on (1, 5) against the bottom king on (5, 5); a bottom pawn on (8, 5).
  auto s = 空の局面({{1, 5, SYA}, {5, 5, -OU}, {8, 5, -HU}, {9, 5, -KIN}});
  勢力調査(s->pos, s->maps);
  EXPECT_EQ(s->maps.UE_OUTE[1][5], 9);
  for (int x = 2; x <= 4; ++x) EXPECT_EQ(s->maps.UE_OUTE[x][5], 1);
  EXPECT_EQ(s->maps.UE_OUTE[5][5], 0);
  EXPECT_EQ(異なる数(s->maps.UE_OUTE, 0), 4);
  for (int x = 2; x <= 8; ++x) EXPECT_EQ(s->maps.UE_SEIRYOKU[x][5], 1) << x;
  EXPECT_EQ(s->maps.UE_SEIRYOKU[9][5], 0);
  EXPECT_EQ(s->maps.UE_TORI[5][5], 900);
  EXPECT_EQ(s->maps.UE_TORI[8][5], 900);
  EXPECT_EQ(s->maps.UE_TORI_X[8][5], 1);

  // Bottom rook on (5, 9) against the top king on (5, 3): the ray goes on to row 1.
  auto b = 空の局面({{5, 9, -SYA}, {5, 3, OU}});
  勢力調査(b->pos, b->maps);
  for (int y = 1; y <= 8; ++y) EXPECT_EQ(b->maps.SITA_SEIRYOKU[5][y], 1) << y;
  for (int y = 4; y <= 8; ++y) EXPECT_EQ(b->maps.SITA_OUTE[5][y], 1) << y;
  EXPECT_EQ(b->maps.SITA_OUTE[5][9], 9);
  EXPECT_EQ(b->maps.SITA_OUTE[5][3], 0);
  EXPECT_EQ(異なる数(b->maps.SITA_OUTE, 0), 6);
  EXPECT_EQ(b->maps.SITA_TORI[5][3], -900);
  EXPECT_EQ(b->maps.SITA_TORI_Y[5][3], 9);

  // A bishop's diagonal check line, and an adjacent checker that has no line.
  auto d = 空の局面({{2, 2, KAKU}, {5, 5, -OU}, {5, 4, KIN}});
  勢力調査(d->pos, d->maps);
  EXPECT_EQ(d->maps.UE_OUTE[2][2], 9);
  EXPECT_EQ(d->maps.UE_OUTE[3][3], 1);
  EXPECT_EQ(d->maps.UE_OUTE[4][4], 1);
  EXPECT_EQ(d->maps.UE_OUTE[5][4], 9);
  EXPECT_EQ(d->maps.UE_SEIRYOKU[9][9], 1);  // through the king to the corner
  EXPECT_EQ(異なる数(d->maps.UE_OUTE, 0), 4);
}

TEST(Survey, RaysStopAtTheFirstPieceOfEitherSide) {
  auto s = 空の局面({{5, 9, -SYA}, {5, 8, -HU}, {1, 9, -KYOU}, {1, 5, KIN}, {1, 4, HU}});
  勢力調査(s->pos, s->maps);
  EXPECT_EQ(s->maps.SITA_SEIRYOKU[5][8], 1);
  EXPECT_EQ(s->maps.SITA_MAMORI[5][8], -900);
  EXPECT_EQ(s->maps.SITA_SEIRYOKU[5][7], 1);  // the pawn's own step, not the rook
  EXPECT_EQ(s->maps.SITA_SEIRYOKU[5][6], 0);
  EXPECT_EQ(s->maps.SITA_TORI[1][5], -20);
  EXPECT_EQ(s->maps.SITA_TORI_X[1][5], 1);
  EXPECT_EQ(s->maps.SITA_TORI_Y[1][5], 9);
  EXPECT_EQ(s->maps.SITA_SEIRYOKU[1][4], 0);

  // Lances on their last rows and a silver on row 9 add nothing at all.
  auto e = 空の局面({{3, 9, KYOU}, {7, 1, -KYOU}, {5, 9, GIN}, {4, 8, KIN}, {6, 8, -KIN}});
  勢力調査(e->pos, e->maps);
  EXPECT_EQ(e->maps.UE_SEIRYOKU[4][8], 0);
  EXPECT_EQ(e->maps.UE_MAMORI[4][8], 999);
  EXPECT_EQ(e->maps.UE_SEIRYOKU[6][8], 0);
  EXPECT_EQ(e->maps.SITA_SEIRYOKU[7][1], 0);
  int top = 0;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) top += e->maps.UE_SEIRYOKU[x][y];
  EXPECT_EQ(top, 6);  // only the gold's own steps
}

TEST(Survey, KnightsMarkTheKingsSquareAndKingsGiveNoCheck) {
  auto s = 空の局面({{4, 3, KEI}, {5, 5, -OU}, {5, 4, OU}});
  勢力調査(s->pos, s->maps);
  EXPECT_EQ(s->maps.UE_OUTE[4][3], 9);
  EXPECT_EQ(s->maps.UE_OUTE[5][5], 9);
  EXPECT_EQ(s->maps.UE_OUTE[5][4], 0);  // the touching kings mark nothing
  EXPECT_EQ(異なる数(s->maps.UE_OUTE, 0), 2);
  EXPECT_EQ(異なる数(s->maps.SITA_OUTE, 0), 0);
  EXPECT_EQ(s->maps.UE_SEIRYOKU[5][5], 2);  // knight and king
  EXPECT_EQ(s->maps.SITA_TORI[5][4], -950);
}

TEST(Survey, BottomKnightAndGoldMarkChecks) {
  auto s = 空の局面({{4, 5, -KEI}, {5, 3, OU}, {7, 4, -KIN}, {1, 1, -KIN}});
  勢力調査(s->pos, s->maps);
  EXPECT_EQ(s->maps.SITA_OUTE[4][5], 9);
  EXPECT_EQ(s->maps.SITA_OUTE[5][3], 9);  // the king's own square
  EXPECT_EQ(s->maps.SITA_OUTE[7][4], 0);
  s->pos.BAN[7][4] = KARA;
  s->pos.BAN[5][4] = -KIN;
  勢力調査(s->pos, s->maps);
  EXPECT_EQ(s->maps.SITA_OUTE[5][4], 9);
  EXPECT_EQ(異なる数(s->maps.SITA_OUTE, 0), 3);
  // The gold in the corner reaches only two squares.
  int n = 0;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) n += s->maps.SITA_SEIRYOKU[x][y];
  EXPECT_EQ(s->maps.SITA_SEIRYOKU[1][2], 1);
  EXPECT_EQ(s->maps.SITA_SEIRYOKU[2][1], 1);
  EXPECT_EQ(n, 2 + 2 + 6);  // knight 2, corner gold 2, gold on (5, 4) 6
}

TEST(Survey, TopGoldMoverNextToTheBottomKingMarksOnlyItsOwnSquare) {
  auto s = 空の局面({{5, 5, -OU}, {5, 4, KYOU_NARI}, {4, 5, -HU}});
  s->maps.UE_TORI[4][5] = 5;
  勢力調査(s->pos, s->maps);
  EXPECT_EQ(s->maps.UE_OUTE[5][4], 9);
  EXPECT_EQ(s->maps.UE_OUTE[5][5], 0);
  EXPECT_EQ(s->maps.UE_TORI[4][5], 999);
  EXPECT_EQ(s->maps.UE_TORI[5][5], 999);
}

TEST(Survey, HandsAddNothingAndAMissingKingKeepsItsOldSquare) {
  auto s = 空の局面({{5, 1, OU}});
  s->maps.SITA_OU_X = 3;
  s->maps.SITA_OU_Y = 8;
  for (int k = 1; k <= 7; ++k) s->pos.SITA_MOTI[k] = s->pos.UE_MOTI[k] = 2;
  勢力調査(s->pos, s->maps);
  EXPECT_EQ(s->maps.SITA_OU_X, 3);
  EXPECT_EQ(s->maps.SITA_OU_Y, 8);
  int bottom = 0, top = 0;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) bottom += s->maps.SITA_SEIRYOKU[x][y], top += s->maps.UE_SEIRYOKU[x][y];
  EXPECT_EQ(bottom, 0);
  EXPECT_EQ(top, 5);
}

TEST(Survey, TheOpeningPositionIsSymmetric) {
  auto s = 初期局面();
  勢力調査(s->pos, s->maps);
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y)
      EXPECT_EQ(s->maps.SITA_SEIRYOKU[x][y], s->maps.UE_SEIRYOKU[10 - x][10 - y]) << x << "," << y;
  EXPECT_EQ(異なる数(s->maps.SITA_OUTE, 0), 0);
  EXPECT_EQ(s->maps.SITA_MAMORI[5][9], -110);  // the golds beside the king
  EXPECT_EQ(s->maps.UE_MAMORI[5][1], 110);
}

// Reach of every piece by its own movement, counted by the rules written out
// by hand; a top silver on the last row reaches nothing in the survey.
void 素朴な勢力(const 局面& p, 盤面& bottom, 盤面& top) {
  bottom = {};
  top = {};
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y)
      if (p.BAN[x][y] != KARA && !(p.BAN[x][y] == GIN && y == 9))
        testing::届く桝(p, x, y, true, [&](int tx, int ty) { ++(p.BAN[x][y] > 0 ? top : bottom)[tx][ty]; });
}

TEST(Survey, ReachMatchesAnIndependentCountOverRandomGames) {
  std::mt19937 rng(20261208);
  int positions = 0;
  for (int game = 0; game < 40; ++game) {
    auto s = 初期局面();
    for (int ply = 0; ply < 120; ++ply) {
      if (testing::乱数で進める(s->pos, rng, 1, ply % 2 == 1) == 0) break;
      const 局面 before = s->pos;
      勢力調査(s->pos, s->maps);
      ASSERT_EQ(before, s->pos);
      盤面 bottom, top;
      素朴な勢力(s->pos, bottom, top);
      for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
          ASSERT_EQ(s->maps.SITA_SEIRYOKU[x][y], bottom[x][y])
              << "game " << game << " ply " << ply << " at " << x << "," << y;
          ASSERT_EQ(s->maps.UE_SEIRYOKU[x][y], top[x][y])
              << "game " << game << " ply " << ply << " at " << x << "," << y;
          if (s->pos.BAN[x][y] == -OU) {
            EXPECT_EQ(s->maps.SITA_OU_X, x);
            EXPECT_EQ(s->maps.SITA_OU_Y, y);
          }
          // Check marks stand only on pieces of the checking side or on the squares between.
          if (s->maps.UE_OUTE[x][y] == 9) {
            EXPECT_TRUE(s->pos.BAN[x][y] >= HU || s->pos.BAN[x][y] == -OU);
          }
        }
      }
      ++positions;
    }
  }
  EXPECT_GT(positions, 2000);
}

}  // namespace
}  // namespace velmora
