// The danger walk over the trial position and the caution against a bottom
// bishop line, each worked out by hand.
#include <gtest/gtest.h>

#include "com/evaluation.hpp"
#include "com/trial_position.hpp"
#include "support/board.hpp"

namespace velmora {
namespace {

using testing::候補を指す;
using testing::持たせる;
using testing::探索の準備;
using testing::空の局面;

// --- the fork ---

TEST(DangerSquares, ASafePieceAttackingTwoUndefendedPiecesWinsTheCheaperOne) {
  // The top rook (5, 3) → (5, 6) attacks the bottom knight on (2, 6) along the
  // row and the bottom bishop on (5, 8) down the file; nothing defends either
  // and nothing attacks the rook. Each target adds a tenth, and with two of
  // them the knight's 30 is taken as won.
  auto s = 空の局面({{1, 1, OU}, {5, 3, SYA}, {2, 6, -KEI}, {5, 8, -KAKU}, {9, 9, -OU}});
  探索の準備(*s);
  const auto trial = 候補を指す(*s, 5, 3, 5, 6);
  EXPECT_DOUBLE_EQ(盤評価_COM危険座標(s->場(), SYA, 5, 6), 0.1 + 0.1 + 30);
}

TEST(DangerSquares, ASingleTargetIsNoFork) {
  auto s = 空の局面({{1, 1, OU}, {5, 3, SYA}, {5, 8, -KAKU}, {9, 9, -OU}});
  探索の準備(*s);
  const auto trial = 候補を指す(*s, 5, 3, 5, 6);
  EXPECT_DOUBLE_EQ(盤評価_COM危険座標(s->場(), SYA, 5, 6), 0.1);
}

TEST(DangerSquares, ATargetDefendedByItsSideIsNoForkTarget) {
  // A bottom gold on (6, 9) now defends the bishop on (5, 8): only the knight
  // counts, so no fork.
  auto s = 空の局面({{1, 1, OU}, {5, 3, SYA}, {2, 6, -KEI}, {5, 8, -KAKU}, {6, 9, -KIN}, {9, 9, -OU}});
  探索の準備(*s);
  const auto trial = 候補を指す(*s, 5, 3, 5, 6);
  EXPECT_DOUBLE_EQ(盤評価_COM危険座標(s->場(), SYA, 5, 6), 0.1);
}

// --- threats of drops ---

// The top gold on (3, 5) stands behind the top knight on (3, 6); the empty
// (3, 7) below the knight is not covered by the top side. Nothing else on the
// board but the two kings.
std::unique_ptr<testing::試験局面> 串刺しの形(int behind) {
  return 空の局面({{9, 1, OU}, {5, 9, -OU}, {3, 5, behind}, {3, 6, KEI}});
}

// With anything in the bottom hand every empty square of rows 1 to 3 that the
// top side does not cover costs a tenth: 27 squares, less the king's square
// and the three squares it covers.
constexpr double 持駒ありの一段目から三段目 = -0.1 * 23;

TEST(DangerSquares, ALanceDropThreatHalvesTheCodeOfThePieceBehindExactly) {
  {  // a pawn in hand threatens no skewer
    auto s = 串刺しの形(KIN);
    持たせる(*s, true, 1);
    探索の準備(*s);
    EXPECT_NEAR(盤評価_COM危険座標(s->場(), KEI, 3, 6), 持駒ありの一段目から三段目, 1e-9);
  }
  {  // a lance dropped on (3, 7) would skewer the knight and the gold: -100 - 110 / 2
    auto s = 串刺しの形(KIN);
    持たせる(*s, true, 2);
    探索の準備(*s);
    EXPECT_NEAR(盤評価_COM危険座標(s->場(), KEI, 3, 6), 持駒ありの一段目から三段目 - 155, 1e-9);
  }
  {  // an odd code behind keeps its half: -100 - 31 / 2
    auto s = 串刺しの形(KEI_NARI);
    持たせる(*s, true, 2);
    探索の準備(*s);
    EXPECT_NEAR(盤評価_COM危険座標(s->場(), KEI, 3, 6), 持駒ありの一段目から三段目 - 115.5, 1e-9);
  }
}

// --- attacked top pieces ---

TEST(DangerSquares, AnAttackerPinnedToItsKingCostsOnlyTheKingDefenderRule) {
  // The top gold (4, 5) → (4, 6), where the bottom silver on (5, 7) attacks it
  // and only the top king on (3, 5) defends it. The top rook on (5, 3) pins
  // the silver to the bottom king on (5, 9).
  //   only the king defends and the gold is worth more than the silver: -100
  //   the silver is pinned: no exchange loss, no outnumbering loss
  auto s = 空の局面({{3, 5, OU}, {4, 5, KIN}, {5, 3, SYA}, {5, 7, -GIN}, {5, 9, -OU}});
  探索の準備(*s);
  ASSERT_EQ(s->search.SITA_UGOKENAI[5][7], 1);
  const auto trial = 候補を指す(*s, 4, 5, 4, 6);
  EXPECT_DOUBLE_EQ(盤評価_COM危険座標(s->場(), KIN, 4, 6), -100);
}

TEST(DangerSquares, TheSameAttackerUnpinnedAlsoCostsTheExchange) {
  // Without the rook the silver is free:
  //   only the king defends: -100; gold for silver: -110 + 100
  //   the gold has just attacked the silver next to the top king's area: +15
  auto s = 空の局面({{3, 5, OU}, {4, 5, KIN}, {5, 7, -GIN}, {5, 9, -OU}});
  探索の準備(*s);
  const auto trial = 候補を指す(*s, 4, 5, 4, 6);
  EXPECT_DOUBLE_EQ(盤評価_COM危険座標(s->場(), KIN, 4, 6), -100 - 110 + 100 + 15);
}

TEST(DangerSquares, AnUndefendedAttackedPieceInTheOwnCampCostsMore) {
  {  // a silver dropped on (2, 3) under the bottom pawn on (2, 4):
     // -100 + 10 (exchange), -100 (undefended), -10 (own camp), -20 (pawn)
    auto s = 空の局面({{9, 1, OU}, {5, 9, -OU}, {2, 4, -HU}});
    探索の準備(*s);
    s->pos.BAN[2][3] = GIN;
    勢力調査(s->pos, s->maps);
    EXPECT_DOUBLE_EQ(盤評価_COM危険座標(s->場(), GIN, 2, 3), -220);
  }
  {  // attacked by a bottom silver instead: -100 (undefended), -10 (own
     // camp); the silver also attacks the empty, uncovered (1, 3) and (3, 3)
     // in the top side's camp: -0.1 each
    auto s = 空の局面({{9, 1, OU}, {5, 9, -OU}, {2, 4, -GIN}});
    探索の準備(*s);
    s->pos.BAN[2][3] = GIN;
    勢力調査(s->pos, s->maps);
    EXPECT_DOUBLE_EQ(盤評価_COM危険座標(s->場(), GIN, 2, 3), -110 - 0.1 - 0.1);
  }
  {  // outside the camp, on (2, 5) under the pawn on (2, 6): -90 - 100
    auto s = 空の局面({{9, 1, OU}, {5, 9, -OU}, {2, 6, -HU}});
    探索の準備(*s);
    s->pos.BAN[2][5] = GIN;
    勢力調査(s->pos, s->maps);
    EXPECT_DOUBLE_EQ(盤評価_COM危険座標(s->場(), GIN, 2, 5), -190);
  }
  {  // a piece that has just captured there gets the captured piece back:
     // the silver (3, 3) → (2, 4) takes the pawn, and the bottom pawn on
     // (2, 5) attacks it: -90 - 100 + 10
    auto s = 空の局面({{9, 1, OU}, {5, 9, -OU}, {3, 3, GIN}, {2, 4, -HU}, {2, 5, -HU}});
    探索の準備(*s);
    const auto trial = 候補を指す(*s, 3, 3, 2, 4);
    EXPECT_DOUBLE_EQ(盤評価_COM危険座標(s->場(), GIN, 2, 4), -90 - 100 + 10);
  }
}

// --- the top king ---

TEST(DangerSquares, TheSquareInFrontOfTheKingOnItsBackRow) {
  {  // the bottom pawn on (5, 3) attacks (5, 2), which only the king covers:
     //   (5, 2) next to the king: -0.5; a bottom pawn below it, not
     //   outnumbered: -30
     //   the king on row 1: -50, not outnumbered there: -250
    auto s = 空の局面({{5, 1, OU}, {5, 3, -HU}, {5, 9, -OU}});
    探索の準備(*s);
    EXPECT_DOUBLE_EQ(盤評価_COM危険座標(s->場(), OU, 5, 1), -0.5 - 30 - 50 - 250);
  }
  {  // a bottom rook on (5, 7) behind the pawn would defend it: -70 more;
     // and it stands on the top king's file: -1
    auto s = 空の局面({{5, 1, OU}, {5, 3, -HU}, {5, 7, -SYA}, {5, 9, -OU}});
    探索の準備(*s);
    EXPECT_DOUBLE_EQ(盤評価_COM危険座標(s->場(), OU, 5, 1), -0.5 - 30 - 70 - 50 - 250 - 1);
  }
  {  // a top gold on (4, 1) also covers (5, 2): only -0.5 and -50 remain
    auto s = 空の局面({{5, 1, OU}, {4, 1, KIN}, {5, 3, -HU}, {5, 9, -OU}});
    探索の準備(*s);
    EXPECT_DOUBLE_EQ(盤評価_COM危険座標(s->場(), OU, 5, 1), -0.5 - 50);
  }
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
