// The danger walk over the trial position and the caution against a bottom
// bishop line, each worked out by hand.
#include <gtest/gtest.h>

#include <string_view>

#include "com/evaluation.hpp"
#include "com/trial_position.hpp"
#include "support/board.hpp"

namespace velmora {
namespace {

using testing::持たせる;
using testing::探索の準備;
using testing::空の局面;

// The danger walk, worked out by hand: the position as testing::並べる reads
// it, and "53-56" for the candidate tried there, or "36" for the piece that
// stands on (3, 6) as the position is.
void 危険度(std::string_view position, std::string_view where, double expected) {
  auto s = testing::並べる(position);
  探索の準備(*s);
  const auto at = [&where](std::size_t i) { return where[i] - '0'; };
  const int x = at(where.size() - 2), y = at(where.size() - 1);
  const auto walk = [&] { return 盤評価_COM危険座標(s->場(), s->pos.BAN[x][y], x, y); };
  if (where.size() > 2) {
    const auto trial = testing::候補を指す(*s, at(0), at(1), x, y);
    EXPECT_NEAR(walk(), expected, 1e-9) << position << ", " << where;
  } else {
    EXPECT_NEAR(walk(), expected, 1e-9) << position << ", " << where;
  }
}

TEST(DangerSquares, ASafePieceAttackingTwoUndefendedPiecesWinsTheCheaperOne) {
  // The top rook (5, 3) → (5, 6) attacks the bottom knight on (2, 6) along the
  // row and the bottom bishop on (5, 8) down the file; nothing defends either
  // and nothing attacks the rook. Each target adds a tenth, and with two of
  // them the knight's 30 is taken as won.
  危険度("K11 R53 n26 b58 k99", "53-56", 0.1 + 0.1 + 30);
  // A single target is no fork.
  危険度("K11 R53 b58 k99", "53-56", 0.1);
  // A bottom gold on (6, 9) now defends the bishop: only the knight counts.
  危険度("K11 R53 n26 b58 g69 k99", "53-56", 0.1);
}

TEST(DangerSquares, ALanceDropThreatHalvesTheCodeOfThePieceBehindExactly) {
  // The top gold on (3, 5) stands behind the top knight on (3, 6); the empty
  // (3, 7) below the knight is not covered by the top side. With anything in
  // the bottom hand every empty square of rows 1 to 3 that the top side does
  // not cover costs a tenth: 27 squares, less the king's square and the three
  // squares it covers.
  const double camp = -0.1 * 23;
  危険度("K91 k59 G35 N36 *p", "36", camp);  // a pawn in hand threatens no skewer
  // A lance dropped on (3, 7) would skewer the knight and the gold: -100 - 110 / 2.
  危険度("K91 k59 G35 N36 *l", "36", camp - 155);
  // An odd code behind keeps its half: -100 - 31 / 2.
  危険度("K91 k59 +N35 N36 *l", "36", camp - 115.5);
}

TEST(DangerSquares, AnAttackerPinnedToItsKingCostsOnlyTheKingDefenderRule) {
  // The top gold (4, 5) → (4, 6), where the bottom silver on (5, 7) attacks it
  // and only the top king on (3, 5) defends it. The top rook on (5, 3) pins
  // the silver to the bottom king on (5, 9).
  //   only the king defends and the gold is worth more than the silver: -100
  //   the silver is pinned: no exchange loss, no outnumbering loss
  危険度("K35 G45 R53 s57 k59", "45-46", -100);
  // Without the rook the silver is free:
  //   only the king defends: -100; gold for silver: -110 + 100
  //   the gold has just attacked the silver next to the top king's area: +15
  危険度("K35 G45 s57 k59", "45-46", -100 - 110 + 100 + 15);
}

TEST(DangerSquares, AnUndefendedAttackedPieceInTheOwnCampCostsMore) {
  // A top silver on (2, 3) under the bottom pawn on (2, 4): -100 + 10
  // (exchange), -100 (undefended), -10 (own camp), -20 (pawn).
  危険度("K91 k59 p24 S23", "23", -220);
  // Attacked by a bottom silver instead: -100 (undefended), -10 (own camp);
  // the silver also attacks the empty, uncovered (1, 3) and (3, 3) in the top
  // side's camp: -0.1 each.
  危険度("K91 k59 s24 S23", "23", -110 - 0.1 - 0.1);
  // Outside the camp, on (2, 5) under the pawn on (2, 6): -90 - 100.
  危険度("K91 k59 p26 S25", "25", -190);
  // A piece that has just captured there gets the captured piece back: the
  // silver (3, 3) → (2, 4) takes the pawn, and the bottom pawn on (2, 5)
  // attacks it: -90 - 100 + 10.
  危険度("K91 k59 S33 p24 p25", "33-24", -90 - 100 + 10);
}

TEST(DangerSquares, TheSquareInFrontOfTheKingOnItsBackRow) {
  // The bottom pawn on (5, 3) attacks (5, 2), which only the king covers:
  //   (5, 2) next to the king: -0.5; a bottom pawn below it, not
  //   outnumbered: -30
  //   the king on row 1: -50, not outnumbered there: -250
  危険度("K51 p53 k59", "51", -0.5 - 30 - 50 - 250);
  // A bottom rook on (5, 7) behind the pawn would defend it: -70 more; and it
  // stands on the top king's file: -1.
  危険度("K51 p53 r57 k59", "51", -0.5 - 30 - 70 - 50 - 250 - 1);
  // A top gold on (4, 1) also covers (5, 2): only -0.5 and -50 remain.
  危険度("K51 G41 p53 k59", "51", -0.5 - 50);
}

// --- the caution against a bottom bishop line ---

// The top king on (5, 1) alone: the aim squares of a bottom bishop are the
// diagonal squares (3, 3), (2, 4), (1, 5), (7, 3), (8, 4), (9, 5).
std::unique_ptr<testing::試験局面> 角筋の形(std::initializer_list<testing::Placed> more) {
  auto s = 空の局面({{5, 1, OU}, {5, 9, -OU}});
  for (const auto& p : more) s->pos.BAN[p.x][p.y] = p.code;
  return s;
}

TEST(BishopCaution, APieceOnADiagonalToAnAimSquareIsWorthNothingWhenABishopCanGetThere) {
  {  // a bishop in the bottom hand could be dropped on (3, 3)
    auto s = 角筋の形({{5, 5, GIN}});
    持たせる(*s, true, 6);
    探索の準備(*s);
    ASSERT_EQ(s->search.MOTI_KAKU_NERAI[3][3], 1);
    EXPECT_EQ(盤評価_自角注意_COM(s->pos, s->search, 5, 5, GIN), GIN);
  }
  {  // a bottom bishop on (1, 1) reaches (3, 3)
    auto s = 角筋の形({{5, 5, GIN}, {1, 1, -KAKU}});
    探索の準備(*s);
    EXPECT_EQ(盤評価_自角注意_COM(s->pos, s->search, 5, 5, GIN), GIN);
  }
  {  // neither on the board nor in hand
    auto s = 角筋の形({{5, 5, GIN}});
    探索の準備(*s);
    EXPECT_EQ(盤評価_自角注意_COM(s->pos, s->search, 5, 5, GIN), 0);
  }
}

TEST(BishopCaution, NoAimSquareOnAFreeDiagonalMeansNoCautionEvenWithABishopInHand) {
  // Top pawns on (4, 4) and (6, 4) close both upward diagonals of (5, 5).
  auto s = 角筋の形({{5, 5, GIN}, {4, 4, HU}, {6, 4, HU}});
  持たせる(*s, true, 6);
  探索の準備(*s);
  EXPECT_EQ(盤評価_自角注意_COM(s->pos, s->search, 5, 5, GIN), 0);
}

TEST(BishopCaution, APromotedBishopsKingStepFindsAnAimSquareBesideThePiece) {
  // From (3, 4) no diagonal leads to an aim square, but the aim square (2, 4)
  // is one step beside it.
  auto s = 角筋の形({{3, 4, GIN}});
  持たせる(*s, true, 6);
  探索の準備(*s);
  EXPECT_EQ(盤評価_自角注意_COM(s->pos, s->search, 3, 4, GIN), GIN);
}

}  // namespace
}  // namespace velmora
