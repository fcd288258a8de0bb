// Scores of single candidates, each worked out by hand from the evaluation's
// rules. Every position is sparse so that the danger walk adds only the terms
// named in the comment.
#include "com/evaluation.hpp"

#include <gtest/gtest.h>

#include <memory>

#include "com/trial_position.hpp"
#include "support/board.hpp"

namespace velmora {
namespace {

using testing::打って評価;
using testing::持たせる;
using testing::指して評価;
using testing::探索の準備;
using testing::空の局面;

// --- the decisive rules ---

TEST(Evaluation, TakingTheBottomKingScores9999EvenWithTheOwnKingAttacked) {
  // The bottom rook on (5, 6) attacks the top king on (5, 1) through the empty
  // file. Taking the king outranks everything; any other move leaves the own
  // king attacked and scores -9998.
  auto s = 空の局面({{5, 1, OU}, {5, 6, -SYA}, {1, 9, -OU}, {1, 8, KIN}});
  探索の準備(*s);
  auto take = std::make_unique<testing::試験局面>(*s);
  EXPECT_EQ(指して評価(*take, 1, 8, 1, 9), 9999);
  auto other = std::make_unique<testing::試験局面>(*s);
  EXPECT_EQ(指して評価(*other, 1, 8, 2, 8), -9998);
}

// The bottom king on (1, 9) is hemmed in by its own knight on (2, 9); the top
// gold on (2, 7) guards (1, 8) and (2, 8). A piece on (1, 8) that checks mates.
std::unique_ptr<testing::試験局面> 端玉の詰み形() {
  return 空の局面({{9, 1, OU}, {1, 9, -OU}, {2, 9, -KEI}, {2, 7, KIN}});
}

TEST(Evaluation, AMateByAnUnpromotedPawnScoresMinus9998AndByAnyOtherPiece9998) {
  {  // pawn drop mate
    auto s = 端玉の詰み形();
    持たせる(*s, false, 1);
    探索の準備(*s);
    EXPECT_EQ(打って評価(*s, 1, 1, 8), -9998);
  }
  {  // gold drop mate
    auto s = 端玉の詰み形();
    持たせる(*s, false, 5);
    探索の準備(*s);
    EXPECT_EQ(打って評価(*s, 5, 1, 8), 9998);
  }
  {  // pawn move mate: tried unpromoted it scores -9998, promoted 9998
    auto s = 端玉の詰み形();
    s->pos.BAN[1][7] = HU;
    探索の準備(*s);
    auto plain = std::make_unique<testing::試験局面>(*s);
    EXPECT_EQ(指して評価(*plain, 1, 7, 1, 8, HU), -9998);
    auto promoted = std::make_unique<testing::試験局面>(*s);
    EXPECT_EQ(指して評価(*promoted, 1, 7, 1, 8, TO), 9998);
  }
}

TEST(Evaluation, AMateThatLeavesTheOwnKingAttackedScoresMinus9998) {
  // The same gold drop mate, but a bottom rook on (9, 5) attacks the top king
  // on (9, 1): the own king's safety is asked first.
  auto s = 端玉の詰み形();
  s->pos.BAN[9][5] = -SYA;
  持たせる(*s, false, 5);
  探索の準備(*s);
  EXPECT_EQ(打って評価(*s, 5, 1, 8), -9998);
}

// --- safety of the destination, and the danger walk on the moved piece ---

TEST(Evaluation, ADropOntoAnAttackedUndefendedSquareLosesThePieceAndFiftyMore) {
  // A top silver drop on (3, 6), attacked by the bottom pawn on (3, 7) and
  // defended by nothing.
  //   drop: -5
  //   danger, the silver: cheaper attacker -100 + 10, undefended -100 → -190
  //   approach: OU_KYORI 0 gives nothing
  //   attacked and undefended drop: -100 - 50
  //   silver: moved towards the bottom side (row 6 > kind index 4) but not
  //   straight, no bottom silver on row 5 → nothing
  auto s = 空の局面({{5, 1, OU}, {5, 9, -OU}, {3, 7, -HU}});
  持たせる(*s, false, 4);
  探索の準備(*s);
  EXPECT_DOUBLE_EQ(打って評価(*s, 4, 3, 6), -345);
}

TEST(Evaluation, TheSameSquareReachedByABoardMoveCostsNothingInTheSafetyRule) {
  // The silver steps (4, 5) → (3, 6) instead.
  //   danger, the silver: -190 as for the drop
  //   approach: dx 2 ≤ dy 3 and OU_KYORI 4 > 3 → +0.1
  //   attacked and undefended board move: nothing
  auto s = 空の局面({{5, 1, OU}, {5, 9, -OU}, {3, 7, -HU}, {4, 5, GIN}});
  探索の準備(*s);
  EXPECT_DOUBLE_EQ(指して評価(*s, 4, 5, 3, 6), -190 + 0.1);
}

// --- captures and the level gates ---

TEST(Evaluation, LevelOneStopsAfterTheBigPieceCaptureRuleAndLevelTwoBeforeTheKindRules) {
  // The top gold (2, 3) takes the undefended bottom bishop on (3, 4).
  //   approach: dx 2 ≤ dy 5, OU_KYORI 6 > 5 → +0.1
  //   a gold takes a bishop: +800            (level 1 returns here)
  //   nobody can take back: +800             (level 2 returns here)
  //   gold: diagonal step towards the bottom side → -0.5
  for (int level = 1; level <= 3; ++level) {
    auto s = 空の局面({{9, 1, OU}, {5, 9, -OU}, {2, 3, KIN}, {3, 4, -KAKU}});
    s->game.COM_LEVEL = level;
    探索の準備(*s);
    const double expected[] = {0, 0.1 + 800, 0.1 + 800 + 800, 0.1 + 800 + 800 - 0.5};
    EXPECT_DOUBLE_EQ(指して評価(*s, 2, 3, 3, 4), expected[level]) << "level " << level;
  }
}

TEST(Evaluation, ACaptureGetsTheKindRulesOnlyAtLevelThreeAndAQuietMoveAtLevelsOneAndThree) {
  // The top silver (2, 4) steps straight to (2, 5), taking a bottom pawn there
  // or onto the empty square.
  //   approach: dx 3 ≤ dy 4, OU_KYORI 5 > 4 → +0.1
  //   capture, nobody can take back: +10
  //   silver: straight step towards the bottom side, no bottom silver on
  //   row 5 → -0.1
  for (int level = 1; level <= 3; ++level) {
    auto capture = 空の局面({{5, 1, OU}, {5, 9, -OU}, {2, 4, GIN}, {2, 5, -HU}});
    capture->game.COM_LEVEL = level;
    探索の準備(*capture);
    const double with_capture[] = {0, 0.1, 0.1 + 10, 0.1 + 10 - 0.1};
    EXPECT_DOUBLE_EQ(指して評価(*capture, 2, 4, 2, 5), with_capture[level]) << "level " << level;

    auto quiet = 空の局面({{5, 1, OU}, {5, 9, -OU}, {2, 4, GIN}});
    quiet->game.COM_LEVEL = level;
    探索の準備(*quiet);
    const double without[] = {0, 0.1 - 0.1, 0.1, 0.1 - 0.1};
    EXPECT_DOUBLE_EQ(指して評価(*quiet, 2, 4, 2, 5), without[level]) << "level " << level;
  }
}

// --- the rules by the kind of the moved piece ---

TEST(Evaluation, PawnMoveBesideTheStartingBishopWithAGoldBehind) {
  // The top pawn (7, 3) → (7, 4) with the top bishop on (8, 2) and the top
  // gold on (6, 3) guarding (7, 4).
  //   approach: dx 2 ≤ dy 5, OU_KYORI 6 > 5 → +0.1
  //   pawn move: -0.1; cheapest defender a gold → +0.6
  //   below row 7: (7, 4) with the bishop still on (8, 2) → +10
  auto s = 空の局面({{5, 1, OU}, {5, 9, -OU}, {7, 3, HU}, {8, 2, KAKU}, {6, 3, KIN}});
  探索の準備(*s);
  EXPECT_DOUBLE_EQ(指して評価(*s, 7, 3, 7, 4), 0.1 - 0.1 + 0.6 + 10);
}

TEST(Evaluation, PawnDropBlockingALanceUpTheFileReturns120More) {
  // A top pawn dropped on (3, 5), guarded by the top gold on (3, 4), in front
  // of the bottom lance on (3, 8) that attacks up the file.
  //   drop: -5
  //   danger: the pawn is defended and not worth more than the lance → 0
  //   attacked and defended: the pawn is cheaper than the lance → nothing
  //   pawn drop: its cheapest attacker is a lance below it on the file →
  //   return S + 120
  auto s = 空の局面({{5, 1, OU}, {5, 9, -OU}, {3, 4, KIN}, {3, 8, -KYOU}});
  持たせる(*s, false, 1);
  探索の準備(*s);
  EXPECT_DOUBLE_EQ(打って評価(*s, 1, 3, 5), -5 + 120);
}

TEST(Evaluation, LanceDropThatPinsAKnightToTheRookBehindItWinsTheRook) {
  // A top lance dropped on (7, 5) above the bottom knight (7, 6) and the
  // bottom rook (7, 8); (7, 5) is not attacked.
  //   drop: -5
  //   danger: the knight is newly attacked but far from the top king → 0
  //   lance drop: a bottom piece of lance value or more just below, the first
  //   piece behind it is the rook and the lance could reach it → return
  //   S + 900
  auto s = 空の局面({{5, 1, OU}, {5, 9, -OU}, {7, 6, -KEI}, {7, 8, -SYA}});
  持たせる(*s, false, 2);
  探索の準備(*s);
  EXPECT_DOUBLE_EQ(打って評価(*s, 2, 7, 5), -5 + 900);
}

// A bottom lance on (1, 9) behind its pawn on (1, 7), the bottom king on (8, 9).
std::unique_ptr<testing::試験局面> 端香の形() {
  return 空の局面({{5, 1, OU}, {8, 9, -OU}, {1, 9, -KYOU}, {1, 7, -HU}, {1, 1, KYOU}, {2, 4, GIN}});
}

TEST(Evaluation, AQuietLanceMoveCostsNineTenths) {
  // The top lance (1, 1) → (1, 4).
  //   approach: dx 7 > dy 5 and OU_KYORI 8 > 7 → +1
  //   the lance takes no escape square of the bottom king → nothing
  //   the edge-lance rule spares a lance
  //   lance move capturing nothing: return S - 0.9
  auto s = 端香の形();
  探索の準備(*s);
  EXPECT_DOUBLE_EQ(指して評価(*s, 1, 1, 1, 4), 1 - 0.9);
}

TEST(Evaluation, AMoveOntoTheFileOfABottomEdgeLanceCostsATenth) {
  // The top silver (2, 4) → (1, 5), onto the file of the bottom lance on (1, 9).
  //   approach: dx 7 > dy 4 but OU_KYORI 6 is not > 7 → nothing
  //   edge lance: -0.1
  //   silver: moved towards the bottom side, not straight → nothing
  auto s = 端香の形();
  探索の準備(*s);
  EXPECT_DOUBLE_EQ(指して評価(*s, 2, 4, 1, 5), -0.1);
}

TEST(Evaluation, KnightJumpToSevenThreeWithTheBishopOnEightFour) {
  // The top knight (8, 1) → (7, 3); the top bishop stands on (8, 4) and the
  // bottom pawn on (7, 5) attacks (7, 4).
  //   approach: dx 2 ≤ dy 6, OU_KYORI 8 > 6 → +0.1
  //   knight: -0.1; the square below is attacked → -1; (7, 3) with the bishop
  //   on (8, 4) → return S - 5
  auto s = 空の局面({{5, 1, OU}, {5, 9, -OU}, {8, 1, KEI}, {8, 4, KAKU}, {7, 5, -HU}});
  探索の準備(*s);
  EXPECT_DOUBLE_EQ(指して評価(*s, 8, 1, 7, 3), 0.1 - 0.1 - 1 - 5);
}

TEST(Evaluation, SilverToSevenThreeFacingTheBottomPawnOnEightFive) {
  // The top silver (6, 2) → (7, 3) with the top pawn on (8, 3) and the
  // bottom pawn on (8, 5).
  //   approach: dx 2 ≤ dy 6, OU_KYORI 7 > 6 → +0.1
  //   silver: (7, 3) with those two pawns → return S + 115
  auto s = 空の局面({{5, 1, OU}, {5, 9, -OU}, {6, 2, GIN}, {8, 3, HU}, {8, 5, -HU}});
  探索の準備(*s);
  EXPECT_DOUBLE_EQ(指して評価(*s, 6, 2, 7, 3), 0.1 + 115);
}

TEST(Evaluation, GoldToSevenTwoAgainstAPawnThatTheRookDefends) {
  // The top gold (6, 1) → (7, 2); the top pawn on (8, 3) faces the bottom
  // pawn on (8, 6), which the bottom rook on (8, 8) defends.
  //   approach: dx 2 ≤ dy 7, OU_KYORI 8 > 7 → +0.1
  //   gold: diagonal step towards the bottom side → -0.5; row 2 rule → +10
  auto s = 空の局面({{5, 1, OU}, {5, 9, -OU}, {6, 1, KIN}, {8, 3, HU}, {8, 6, -HU}, {8, 8, -SYA}});
  探索の準備(*s);
  EXPECT_DOUBLE_EQ(指して評価(*s, 6, 1, 7, 2), 0.1 - 0.5 + 10);
}

TEST(Evaluation, BishopToSevenThreeBesideItsKingAgainstTheRookDefendedPawn) {
  // The top bishop (9, 1) → (7, 3) next to the top king on (6, 2); the bottom
  // rook on (8, 8) defends the bottom pawn on (8, 5).
  //   approach: dx 2 ≤ dy 6, OU_KYORI 8 > 6 → +0.1
  //   the bishop takes no escape square of the bottom king → nothing
  //   bishop: surroundings, the king beside it → -1; row 3 rule → +9
  auto s = 空の局面({{6, 2, OU}, {5, 9, -OU}, {9, 1, KAKU}, {8, 5, -HU}, {8, 8, -SYA}});
  探索の準備(*s);
  EXPECT_DOUBLE_EQ(指して評価(*s, 9, 1, 7, 3), 0.1 - 1 + 9);
}

TEST(Evaluation, RookCheckingTwoSquaresAboveTheKing) {
  // The top rook (3, 7) → (5, 7) checks the bottom king on (5, 9), which can
  // still step aside.
  //   check, not mate; the rook is not attacked → +10
  //   danger: the rook, safe, attacks the king: one fork target → +0.1
  //   approach: OU_KYORI 2 is not > dy 2 → nothing
  //   escape squares 5 → 4 → +1
  //   rook: surroundings 0; the square below is attacked → -1; safe, many
  //   squares to go, on the king's file two rows away → return S + 100
  auto s = 空の局面({{5, 1, OU}, {5, 9, -OU}, {3, 7, SYA}});
  探索の準備(*s);
  EXPECT_DOUBLE_EQ(指して評価(*s, 3, 7, 5, 7), 10 + 0.1 + 1 - 1 + 100);
}

// The top gold on (5, 3) is pinned to its king on (5, 1) by the bottom rook on
// (5, 7); the bottom king stands on (9, 9).
std::unique_ptr<testing::試験局面> 釘付けの金() {
  return 空の局面({{5, 1, OU}, {5, 3, KIN}, {5, 7, -SYA}, {9, 9, -OU}});
}

TEST(Evaluation, KingStepAwayFromItsPinnedGold) {
  // The top king (5, 1) → (4, 1) leaves the gold undefended.
  //   danger: the gold, attacked by the rook and undefended → -110, in its own
  //   camp → -10
  //   approach: OU_KYORI 8 is not > dy 8 → nothing
  //   king: off the centre file → +1; a top piece was pinned → +10
  auto s = 釘付けの金();
  探索の準備(*s);
  EXPECT_DOUBLE_EQ(指して評価(*s, 5, 1, 4, 1), -120 + 1 + 10);
}

TEST(Evaluation, KingStepThatKeepsDefendingItsPinnedGold) {
  // The top king (5, 1) → (4, 2) still defends the gold, its only defender,
  // but the gold is not worth more than the rook → no danger.
  //   approach: dx 5 ≤ dy 7, OU_KYORI 8 > 7 → +0.1
  //   king: +1 off the centre file, +10 for the pin
  auto s = 釘付けの金();
  探索の準備(*s);
  EXPECT_DOUBLE_EQ(指して評価(*s, 5, 1, 4, 2), 0.1 + 1 + 10);
}

TEST(Evaluation, PromotedPawnGainsOneWhereItIsNotOutnumbered) {
  // The top promoted pawn (2, 5) → (2, 6); the bottom king stands on (9, 9).
  //   approach: dx 7 > dy 3 but OU_KYORI 7 is not > 7 → nothing
  //   promoted pawn: covered at least as much as attacked (0 ≥ 0) → +1
  auto free = 空の局面({{5, 1, OU}, {9, 9, -OU}, {2, 5, TO}});
  探索の準備(*free);
  EXPECT_DOUBLE_EQ(指して評価(*free, 2, 5, 2, 6), 1);
  // A bottom silver on (3, 7) attacks (2, 6): the undefended promoted pawn
  // costs its 11 in the danger walk and gains nothing of its own.
  auto attacked = 空の局面({{5, 1, OU}, {9, 9, -OU}, {2, 5, TO}, {3, 7, -GIN}});
  探索の準備(*attacked);
  EXPECT_DOUBLE_EQ(指して評価(*attacked, 2, 5, 2, 6), -11);
}

TEST(Evaluation, PromotedBishopCountsTheBigPiecesAroundIt) {
  // The top promoted bishop (9, 1) → (6, 4), beside the top rook on (7, 5).
  //   approach: dx 1 ≤ dy 5, OU_KYORI 8 > 5 → +0.1
  //   no escape square of the bottom king taken
  //   promoted bishop: surroundings, the rook → -1
  auto s = 空の局面({{5, 1, OU}, {5, 9, -OU}, {9, 1, KAKU_NARI}, {7, 5, SYA}});
  探索の準備(*s);
  EXPECT_DOUBLE_EQ(指して評価(*s, 9, 1, 6, 4), 0.1 - 1);
}

TEST(Evaluation, PromotedRookCheckingTwoSquaresAboveTheKing) {
  // The top promoted rook (3, 7) → (5, 7) checks the bottom king on (5, 9),
  // which can still go to (4, 9) or (6, 9).
  //   check, not mate; the promoted rook is not attacked → +10
  //   danger: one fork target, the king → +0.1
  //   escape squares 4 → 2 ((5, 8) by the file, (4, 8) and (6, 8) by the
  //   diagonal steps) → +2
  //   promoted rook: safe, on the king's file two rows away → return S + 100
  auto s = 空の局面({{5, 1, OU}, {5, 9, -OU}, {3, 7, SYA_NARI}});
  探索の準備(*s);
  EXPECT_DOUBLE_EQ(指して評価(*s, 3, 7, 5, 7), 10 + 0.1 + 2 + 100);
}

TEST(Evaluation, AttackedByAPinnedPieceThatTheMoverCanTake) {
  // The top gold (4, 6) → (4, 7), attacked only by the bottom silver on
  // (5, 8). The top rook on (5, 3) pins the silver to the bottom king on
  // (5, 9), which defends it; the king is on the silver's column.
  //   danger: the gold is undefended → -110 (the pinned silver wins no
  //   exchange)
  //   approach: dx 1 ≤ dy 2, OU_KYORI 3 > 2 → +0.1
  //   pinned attacker: the gold could take it and the rook that attacked it
  //   before the move still stands → + the silver's 100
  auto pinned = 空の局面({{1, 1, OU}, {5, 3, SYA}, {4, 6, KIN}, {5, 8, -GIN}, {5, 9, -OU}});
  探索の準備(*pinned);
  EXPECT_DOUBLE_EQ(指して評価(*pinned, 4, 6, 4, 7), -110 + 0.1 + 100);
  // Without the rook the silver is free: the gold is lost for the silver
  // (-110 + 100) and undefended (-110).
  auto free = 空の局面({{1, 1, OU}, {4, 6, KIN}, {5, 8, -GIN}, {5, 9, -OU}});
  探索の準備(*free);
  EXPECT_DOUBLE_EQ(指して評価(*free, 4, 6, 4, 7), -110 + 100 - 110 + 0.1);
}

TEST(Evaluation, CheckingSilverThatOnlyTheKingAttacks) {
  // The top silver (4, 7) → (5, 8) checks the bottom king on (5, 9); the top
  // pawn on (5, 7) defends it, and the king can still step to (4, 8).
  // Tried unpromoted:
  //   check, not mate; only the king attacks the checking piece → +100
  //   approach: dx 0 ≤ dy 1, OU_KYORI 2 > 1 → +0.1
  //   attacked and defended, only by the king, above it while it is in
  //   check → + the silver's 100
  //   silver: moved towards the bottom side, not straight → nothing
  // Tried promoted, it covers (4, 8) and (6, 8) as well and mates: 9998.
  auto s = 空の局面({{1, 1, OU}, {4, 7, GIN}, {5, 7, HU}, {5, 9, -OU}});
  探索の準備(*s);
  auto plain = std::make_unique<testing::試験局面>(*s);
  EXPECT_DOUBLE_EQ(指して評価(*plain, 4, 7, 5, 8, GIN), 100 + 0.1 + 100);
  auto promoted = std::make_unique<testing::試験局面>(*s);
  EXPECT_EQ(指して評価(*promoted, 4, 7, 5, 8, GIN_NARI), 9998);
}

TEST(Evaluation, RookOfferedToAPawnLosesTheExchangeTwice) {
  // The top rook (4, 5) → (2, 5), defended by the top gold on (2, 4) and
  // attacked by the bottom pawn on (2, 6).
  //   danger: rook for pawn → -900 + 10
  //   attacked and defended, worth more than its attacker → -900 + 10
  //   rook: surroundings 0; the square below holds the pawn, which nothing
  //   attacks; not safe → return S
  auto s = 空の局面({{5, 1, OU}, {5, 9, -OU}, {4, 5, SYA}, {2, 4, KIN}, {2, 6, -HU}});
  探索の準備(*s);
  EXPECT_DOUBLE_EQ(指して評価(*s, 4, 5, 2, 5), -890 - 890);
}

TEST(Evaluation, PawnTakesASilverThatAGoldDefends) {
  // The top pawn (3, 4) takes the bottom silver on (3, 5); the bottom gold on
  // (3, 6) can take back, the top gold on (2, 4) defends the pawn.
  //   approach: dx 2 ≤ dy 4, OU_KYORI 5 > 4 → +0.1
  //   take-back possible but the pawn is cheaper than the gold → + the
  //   silver's 100
  //   pawn: the gold below it can still move → nothing; pawn move -0.1,
  //   defended by a gold +0.6; the source is covered once and it captured
  //   → +5; it faces a bottom piece with equal numbers → return S + 5
  auto s = 空の局面({{5, 1, OU}, {5, 9, -OU}, {3, 4, HU}, {2, 4, KIN}, {3, 5, -GIN}, {3, 6, -KIN}});
  探索の準備(*s);
  EXPECT_DOUBLE_EQ(指して評価(*s, 3, 4, 3, 5), 0.1 + 100 - 0.1 + 0.6 + 5 + 5);
}

}  // namespace
}  // namespace velmora
