// Scores of single candidates, each worked out by hand from the evaluation's
// rules and scored through the search's own steps. Every position is sparse
// so that the danger walk adds only the terms named in the comment. Unless a
// comment says otherwise nothing attacks a top piece, the bottom king's
// escape squares stay as they were, and no bottom bishop could use the moved
// piece's diagonals.
#include "com/evaluation.hpp"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string_view>

#include "com/trial_position.hpp"
#include "support/board.hpp"

namespace velmora {
namespace {

// A candidate and its score: the position as testing::並べる reads it; the
// move "37-48", "46-47+" when it is tried promoted, or a drop "L*35".
struct 例 {
  std::string_view position, move;
  double score;
  int level = 3;
};

// Each candidate prepared, noted, tried and scored as the search does it.
void 採点(std::initializer_list<例> cases) {
  for (const auto& e : cases) {
    auto s = testing::並べる(e.position);
    s->game.COM_LEVEL = e.level;
    testing::探索の準備(*s);
    const auto& m = e.move;
    const auto at = [&m](std::size_t i) { return m[i] - '0'; };
    const double got = m[1] == '*' ? testing::打って評価(*s, testing::字の枠(m[0]), at(2), at(3))
                                   : testing::指して評価(*s, at(0), at(1), at(3), at(4),
                                                         m.size() > 5 ? s->pos.BAN[at(0)][at(1)] + 1 : 0);
    EXPECT_NEAR(got, e.score, 1e-9) << e.position << ", " << e.move << ", level " << e.level;
  }
}

TEST(Evaluation, DecisiveRules) {
  採点({
      // The bottom rook on (5, 6) attacks the top king on (5, 1) through the
      // empty file. Taking the king outranks everything; any other move
      // leaves the own king attacked.
      {"K51 r56 k19 G18", "18-19", 9999},
      {"K51 r56 k19 G18", "18-28", -9998},
      // The bottom king on (1, 9) is hemmed in by its own knight on (2, 9);
      // the top gold on (2, 7) guards (1, 8) and (2, 8). A piece on (1, 8)
      // that checks mates. A mate by an unpromoted pawn, dropped or moved,
      // loses; by any other piece (the promoted pawn too) it wins.
      {"K91 k19 n29 G27 *P", "P*18", -9998},
      {"K91 k19 n29 G27 *G", "G*18", 9998},
      {"K91 k19 n29 G27 P17", "17-18", -9998},
      {"K91 k19 n29 G27 P17", "17-18+", 9998},
      // The same gold drop mate, with a bottom rook on (9, 5) attacking the
      // top king on (9, 1): the own king is asked about first.
      {"K91 k19 n29 G27 r95 *G", "G*18", -9998},
      // The top silver (4, 7) → (5, 8) checks the bottom king on (5, 9); the
      // top pawn on (5, 7) defends it and the king can still step to (4, 8).
      //   check, not mate; only the king attacks the checking piece: +100
      //   approach: dx 0 ≤ dy 1, OU_KYORI 2 > 1: +0.1
      //   attacked and defended, only by the king, above it while it is in
      //   check: + the silver's 100
      //   silver: moved towards the bottom side, not straight: nothing
      // Promoted, it covers (4, 8) and (6, 8) as well and mates.
      {"K11 S47 P57 k59", "47-58", 100 + 0.1 + 100},
      {"K11 S47 P57 k59", "47-58+", 9998},
      // The top gold (3, 7) → (4, 8) checks the bottom king on (5, 9), which
      // escapes to (6, 8). The promoted rook on (3, 9) guards (4, 8) from the
      // king's row; the bottom knight on (4, 9) blocks its way to the king.
      //   the king alone attacks the checker, which is defended: +100
      //   the checker diagonally beside the king, guarded by a promoted rook
      //   on the king's row, attacked at most twice: +900
      //   danger: the gold is attacked only by the king: nothing
      //   approach: dx 1 ≤ dy 1, OU_KYORI 2 > 1: +0.1
      //   attacked and defended, only by the king, above it while it is in
      //   check: + the gold's 110
      //   gold: diagonal step towards the bottom side: -0.5
      {"K51 k59 G37 +R39 n49", "37-48", 100 + 900 + 0.1 + 110 - 0.5},
  });
}

TEST(Evaluation, GeneralRules) {
  採点({
      // A top silver drop on (3, 6), attacked by the bottom pawn on (3, 7) and
      // defended by nothing.
      //   drop: -5
      //   danger, the silver: cheaper attacker -100 + 10, undefended -100
      //   approach: OU_KYORI 0 gives nothing
      //   attacked and undefended drop: -100 - 50
      //   silver: moved towards the bottom side (row 6 > kind index 4) but
      //   not straight, no bottom silver on row 5: nothing
      {"K51 k59 p37 *S", "S*36", -345},
      // The silver steps (4, 5) → (3, 6) instead.
      //   danger, the silver: -190 as for the drop
      //   approach: dx 2 ≤ dy 3 and OU_KYORI 4 > 3: +0.1
      //   attacked and undefended board move: nothing
      {"K51 k59 p37 S45", "45-36", -190 + 0.1},
      // The top pawn (1, 6) → (1, 7) promoted; the bottom king on (9, 9).
      //   promotion: +10
      //   approach: dx 8 > dy 2, OU_KYORI 8 is not > 8: nothing
      //   promoted pawn: covered at least as much as attacked (0 ≥ 0): +1
      {"K51 k99 P16", "16-17+", 10 + 1},
      // The top gold (6, 2) → (6, 1) steps between its king on (5, 1) and
      // the bottom rook on (7, 1), which checked the king; the bottom side
      // holds a gold, its king stands on (1, 9).
      //   danger: with a piece in the bottom hand each of the 19 empty squares
      //   of rows 1 to 3 that the top side does not cover -0.1; (7, 3),
      //   (8, 1) and (9, 1), attacked by the rook and not covered, -0.1 each;
      //   the rook newly attacked two columns from the top king +15
      //   approach: dx 5 ≤ dy 8, OU_KYORI 7 is not > 8: nothing
      //   attacked and defended, between its own king and a bottom rook while
      //   the bottom side holds a gold: - the gold's 110
      {"K51 k19 G62 r71 *g", "62-61", -1.9 - 0.3 + 15 - 110},
      // The top gold (4, 6) → (4, 7), attacked only by the bottom silver on
      // (5, 8). The top rook on (5, 3) pins the silver to the bottom king on
      // (5, 9), which defends it; the king is on the silver's column.
      //   danger: the gold is undefended -110 (the pinned silver wins no
      //   exchange)
      //   approach: dx 1 ≤ dy 2, OU_KYORI 3 > 2: +0.1
      //   pinned attacker: the gold could take it and the rook that attacked
      //   it before the move still stands: + the silver's 100
      {"K11 R53 G46 s58 k59", "46-47", -110 + 0.1 + 100},
      // Without the rook the silver is free: the gold is lost for the silver
      // (-110 + 100) and undefended (-110).
      {"K11 G46 s58 k59", "46-47", -110 + 100 - 110 + 0.1},
      // The top rook (4, 5) → (2, 5), defended by the top gold on (2, 4) and
      // attacked by the bottom pawn on (2, 6).
      //   danger: rook for pawn -900 + 10
      //   attacked and defended, worth more than its attacker: -900 + 10
      //   rook: surroundings 0; the square below holds the pawn, which
      //   nothing attacks; not safe: return S
      {"K51 k59 R45 G24 p26", "45-25", -890 - 890},
  });
}

TEST(Evaluation, CapturesAndTheLevels) {
  採点({
      // The top gold (2, 3) takes the undefended bottom bishop on (3, 4).
      //   approach: dx 2 ≤ dy 5, OU_KYORI 6 > 5: +0.1
      //   a gold takes a bishop: +800            (level 1 returns here)
      //   nobody can take back: +800             (level 2 returns here)
      //   gold: diagonal step towards the bottom side: -0.5
      {"K91 k59 G23 b34", "23-34", 0.1 + 800, 1},
      {"K91 k59 G23 b34", "23-34", 0.1 + 800 + 800, 2},
      {"K91 k59 G23 b34", "23-34", 0.1 + 800 + 800 - 0.5, 3},
      // The top silver (2, 4) steps straight to (2, 5), taking a bottom pawn
      // there or onto the empty square.
      //   approach: dx 3 ≤ dy 4, OU_KYORI 5 > 4: +0.1
      //   capture, nobody can take back: +10
      //   silver: straight step towards the bottom side, no bottom silver on
      //   row 5: -0.1 (a capture only at level 3, a quiet move at levels 1
      //   and 3)
      {"K51 k59 S24 p25", "24-25", 0.1, 1},
      {"K51 k59 S24 p25", "24-25", 0.1 + 10, 2},
      {"K51 k59 S24 p25", "24-25", 0.1 + 10 - 0.1, 3},
      {"K51 k59 S24", "24-25", 0.1 - 0.1, 1},
      {"K51 k59 S24", "24-25", 0.1, 2},
      {"K51 k59 S24", "24-25", 0.1 - 0.1, 3},
      // The top pawn (3, 4) takes the bottom silver on (3, 5); the bottom gold
      // on (3, 6) can take back, the top gold on (2, 4) defends the pawn.
      //   approach: dx 2 ≤ dy 4, OU_KYORI 5 > 4: +0.1
      //   take-back possible but the pawn is cheaper than the gold: + the
      //   silver's 100
      //   pawn: the gold below it can still move: nothing; pawn move -0.1,
      //   defended by a gold +0.6; the source is covered once and it
      //   captured: +5; it faces a bottom piece with equal numbers: return
      //   S + 5
      {"K51 k59 P34 G24 s35 g36", "34-35", 0.1 + 100 - 0.1 + 0.6 + 5 + 5},
      // The top promoted silver (3, 4) takes the bottom promoted pawn on
      // (3, 5).
      //   approach: dx 2 ≤ dy 4, OU_KYORI 5 > 4: +0.1
      //   nobody can take back: + the promoted pawn's 11, and 50 more for a
      //   promoted pawn
      //   a promoted silver has no rules of its own
      {"K51 k59 +S34 +p35", "34-35", 0.1 + 11 + 50},
  });
}

TEST(Evaluation, PawnRules) {
  採点({
      // The top pawn (7, 3) → (7, 4) with the top bishop on (8, 2) and the
      // top gold on (6, 3) guarding (7, 4).
      //   approach: dx 2 ≤ dy 5, OU_KYORI 6 > 5: +0.1
      //   pawn move: -0.1; cheapest defender a gold: +0.6
      //   (7, 4) with the bishop still on (8, 2): +10
      {"K51 k59 P73 B82 G63", "73-74", 0.1 - 0.1 + 0.6 + 10},
      // The top pawn (3, 4) → (3, 5), above its own gold on (3, 6) and beside
      // its own rook on (4, 5); both cover (3, 5).
      //   approach: dx 2 ≤ dy 4, OU_KYORI 5 > 4: +0.1
      //   pawn: own gold below +0.5; covered, with an own rook beside -1;
      //   pawn move -0.1; cheapest defender a gold +0.6
      {"K51 k59 P34 G36 R45", "34-35", 0.1 + 0.5 - 1 - 0.1 + 0.6},
      // The top pawn (5, 3) → (5, 4), above its own rook on (5, 5), between
      // its own bishops on (4, 4) and (6, 4), each with a bottom pawn two
      // rows below it; the bottom king on (9, 9).
      //   approach: dx 4 ≤ dy 5, OU_KYORI 6 > 5: +0.1
      //   pawn: own rook below -1; pawn move -0.1 (the rook defends it from
      //   below, not from behind); each bishop beside +0.5, with its bottom
      //   pawn +5
      {"K51 k99 P53 R55 B44 B64 p46 p66", "53-54", 0.1 - 1 - 0.1 + 0.5 + 5 + 0.5 + 5},
      // The top pawn (1, 2) → (1, 3) faces the bottom knight on (1, 4), whose
      // only square (2, 2) the top gold on (2, 1) covers.
      //   danger: the pawn, safe, attacks the knight: one fork target +0.1
      //   approach: dx 4 ≤ dy 6, OU_KYORI 7 > 6: +0.1
      //   pawn: the piece below cannot move: + the knight's 30; pawn move
      //   -0.1; facing a bottom piece, uncovered and unattacked: return S + 1
      {"K51 k59 P12 G21 n14", "12-13", 0.1 + 0.1 + 30 - 0.1 + 1},
      // The top pawn (1, 3) → (1, 4) with the top lance on (1, 1) behind it.
      //   approach: dx 4 ≤ dy 5, OU_KYORI 6 > 5: +0.1
      //   pawn move -0.1; its cheapest defender a lance +1
      {"K51 k59 L11 P13", "13-14", 0.1 - 0.1 + 1},
      // The top pawn (2, 3) → (2, 4) with the top rook on (2, 2) behind it.
      //   approach: dx 3 ≤ dy 5, OU_KYORI 6 > 5: +0.1
      //   pawn move -0.1; a rook behind on the file, not outnumbered +2
      {"K51 k59 R22 P23", "23-24", 0.1 - 0.1 + 2},
      // The top pawn (3, 3) → (3, 4), two rows above the bottom knight on
      // (3, 6), which does not attack (3, 5).
      //   approach: dx 2 ≤ dy 5, OU_KYORI 6 > 5: +0.1
      //   pawn move -0.1; nothing attacks the square below and a knight or
      //   more stands under it +1
      {"K51 k59 P33 n36", "33-34", 0.1 - 0.1 + 1},
      // The top pawn (3, 3) → (3, 4) faces the bottom pawn on (3, 5), which
      // the bottom gold on (3, 6) defends.
      //   danger: the pawn attacked and undefended -10
      //   approach: +0.1
      //   pawn move -0.1; a defended bottom pawn below -5; facing a bottom
      //   pawn: return S - 5
      {"K51 k59 P33 p35 g36", "33-34", -10 + 0.1 - 0.1 - 5 - 5},
      // The top pawn (3, 3) → (3, 4) faces the bottom gold on (3, 5), which
      // attacks it; the top silver on (2, 3) and the rook on (3, 1) defend it.
      //   approach: +0.1
      //   pawn move -0.1; a silver its cheapest defender +0.6; more
      //   defenders than attackers: return S + 1
      {"K51 k59 P33 g35 S23 R31", "33-34", 0.1 - 0.1 + 0.6 + 1},
      // The same with a top bishop on (1, 3) for the rook: it attacked the
      // undefended gold before the move, and the pawn is defended once,
      // attacked once.
      //   approach: +0.1
      //   pawn move -0.1, +0.6; the gold was attacked and undefended: return
      //   S - 1
      {"K51 k59 P33 g35 S23 B13", "33-34", 0.1 - 0.1 + 0.6 - 1},
      // The top pawn (3, 4) takes the bottom pawn on (3, 5), which the bottom
      // lance on (3, 8) defends; the top silver on (4, 3) covers (3, 4) once
      // and the top bishop stands on (3, 3).
      //   danger: the pawn undefended -10, but it has just captured: +10
      //   approach: dx 2 ≤ dy 4, OU_KYORI 5 > 4: +0.1
      //   take-back possible, undefended; the pawn was attacked where it stood
      //   and has no other square: + the pawn's 10
      //   pawn move -0.1; the source covered once after a capture, with the
      //   bishop two rows above and the lance as cheapest attacker -5; a pawn
      //   taken that a lance defends, the source covered once: +50
      {"K51 k59 P34 p35 l38 B33 S43", "34-35", 0.1 + 10 - 0.1 - 5 + 50},
      // A top pawn dropped on (3, 5), guarded by the top gold on (3, 4), in
      // front of the bottom lance on (3, 8) that attacks up the file.
      //   drop: -5
      //   danger: the pawn is defended and not worth more than the lance
      //   attacked and defended: the pawn is cheaper than the lance
      //   pawn drop: its cheapest attacker is a lance below it: return S + 120
      {"K51 k59 G34 l38 *P", "P*35", -5 + 120},
      // A top pawn dropped on (3, 4) under the top bishop on (3, 3), which
      // does not cover it; the bottom side holds a pawn.
      //   drop: -5
      //   danger: 18 empty squares of rows 1 to 3 uncovered, with a piece in
      //   the bottom hand: -1.8
      //   pawn drop: uncovered, under a silver or more, the bottom side
      //   holding a pawn: +6
      {"K51 k59 B33 *P *p", "P*34", -5 - 1.8 + 6},
      // A top pawn dropped on (2, 7) in front of the bottom bishop on its
      // starting square (2, 8).
      //   drop: -5
      //   danger: the bishop attacks (7, 3), (8, 2) and (9, 1), empty and
      //   uncovered in the top side's camp: -0.1 each; the pawn, safe,
      //   attacks the bishop: +0.1
      //   pawn drop: on (2, 7) against the starting bishop: +30
      {"K51 k59 b28 *P", "P*27", -5 - 0.3 + 0.1 + 30},
      // The top pawn (4, 6) → (4, 7), not promoted; the top side holds a lance
      // and a knight. The bottom bishop on (2, 9) is the cheaper of its two
      // attackers (the other, the bottom rook on (6, 7), is walled off from
      // the top camp by its pawn on (6, 6)); the top gold on (4, 5) covers
      // (4, 6); the bottom silver on (4, 9) stands behind it.
      //   danger: the pawn attacked and undefended -10
      //   approach: dx 3 > dy 2, OU_KYORI 3 is not > 3: nothing
      //   lance aim: a lance here would reach the silver: +100
      //   knight aim: a knight on (5, 5) would fork the rook on (6, 7): +900
      //   pawn move -0.1
      {"K51 k79 P46 G45 b29 s49 r67 p66 *L *N", "46-47", -10 + 100 + 900 - 0.1},
  });
}

TEST(Evaluation, LanceKnightSilverAndGoldRules) {
  採点({
      // A bottom lance on (1, 9) behind its pawn on (1, 7), the bottom king on
      // (8, 9). The top lance (1, 1) → (1, 4):
      //   approach: dx 7 > dy 5 and OU_KYORI 8 > 7: +1
      //   the lance takes no escape square of the bottom king
      //   the edge-lance rule spares a lance
      //   lance move capturing nothing: return S - 0.9
      {"K51 k89 l19 p17 L11 S24", "11-14", 1 - 0.9},
      // The top silver (2, 4) → (1, 5), onto the file of the bottom lance.
      //   approach: dx 7 > dy 4 but OU_KYORI 6 is not > 7: nothing
      //   edge lance: -0.1
      //   silver: moved towards the bottom side, not straight: nothing
      {"K51 k89 l19 p17 L11 S24", "24-15", -0.1},
      // The top lance (1, 4) takes the bottom lance on (1, 5), which the
      // bottom pawn on (1, 6) defends.
      //   danger: the lance, undefended, worth more than the pawn: -20 + 10,
      //   -20; it has just captured: +20
      //   approach: dx 4 ≤ dy 4, OU_KYORI 5 > 4: +0.1
      //   take-back possible, undefended, but the lance was attacked where it
      //   stood and had no other square: + the lance's 20
      //   lance takes lance: +10, and +10 more where it may be taken back
      {"K51 k59 L14 l15 p16", "14-15", -10 + 0.1 + 20 + 10 + 10},
      // A top lance dropped on (7, 5) above the bottom knight (7, 6) and the
      // bottom rook (7, 8); (7, 5) is not attacked.
      //   drop: -5
      //   danger: the knight is newly attacked but far from the top king
      //   lance drop: a bottom piece of lance value or more just below, the
      //   first piece behind it is the rook and the lance could reach it:
      //   return S + 900
      {"K51 k59 n76 r78 *L", "L*75", -5 + 900},
      // A top lance dropped on (3, 5); the bottom pawn on (3, 7) attacks the
      // square below it and the bottom side holds a pawn.
      //   drop: -5
      //   danger: 21 empty squares of rows 1 to 3 uncovered with a piece in
      //   the bottom hand -2.1; the lance, safe, attacks the pawn +0.1
      //   lance drop over an attacked square while the bottom holds a pawn: -10
      {"K51 k59 p37 *L *p", "L*35", -5 - 2.1 + 0.1 - 10},
      // The top lance (5, 3) → (5, 7), not promoted, with a knight in hand.
      // The bottom bishop on (7, 9) and the bottom rook on (3, 7) attack it;
      // the bishop is the cheaper; the rook's file is closed by its pawn on
      // (3, 6).
      //   danger: the lance attacked and undefended -20
      //   approach: dx 3 > dy 2, OU_KYORI 6 > 3: +1
      //   knight aim: a knight on (4, 5) would fork the rook: +900
      //   lance move capturing nothing: return S - 0.9
      {"K51 k89 L53 b79 r37 p36 *N", "53-57", -20 + 1 + 900 - 0.9},
      // The top knight (8, 1) → (7, 3); the top bishop stands on (8, 4) and
      // the bottom pawn on (7, 5) attacks (7, 4).
      //   approach: dx 2 ≤ dy 6, OU_KYORI 8 > 6: +0.1
      //   knight: -0.1; the square below is attacked: -1; (7, 3) with the
      //   bishop on (8, 4): return S - 5
      {"K51 k59 N81 B84 p75", "81-73", 0.1 - 0.1 - 1 - 5},
      // The top knight (4, 1) → (3, 3); the bottom pawns on (2, 6) and (4, 6)
      // attack both squares it would jump to.
      //   approach: dx 2 ≤ dy 6, OU_KYORI 8 > 6: +0.1
      //   knight: -0.1; both squares ahead attacked: -1
      {"K51 k59 N41 p26 p46", "41-33", 0.1 - 0.1 - 1},
      // The top silver (6, 2) → (7, 3) with the top pawn on (8, 3) and the
      // bottom pawn on (8, 5).
      //   approach: dx 2 ≤ dy 6, OU_KYORI 7 > 6: +0.1
      //   silver: (7, 3) with those two pawns: return S + 115
      {"K51 k59 S62 P83 p85", "62-73", 0.1 + 115},
      // The top silver (6, 2) → (6, 3) straight down, a bottom silver on (9, 5).
      //   approach: dx 1 ≤ dy 6, OU_KYORI 7 > 6: +0.1
      //   silver: straight towards the bottom side with a bottom silver on
      //   row 5: +5
      {"K51 k59 S62 s95", "62-63", 0.1 + 5},
      // The top gold (6, 1) → (7, 2); the top pawn on (8, 3) faces the bottom
      // pawn on (8, 6), which the bottom rook on (8, 8) defends.
      //   approach: dx 2 ≤ dy 7, OU_KYORI 8 > 7: +0.1
      //   gold: diagonal step towards the bottom side -0.5; row 2 rule +10
      {"K51 k59 G61 P83 p86 r88", "61-72", 0.1 - 0.5 + 10},
      // The top gold (2, 3) → (2, 4) while the top bishop on (6, 4), defended
      // by the top silver on (5, 3), is attacked by the bottom pawn on (6, 5).
      //   danger: the bishop for the pawn -800 + 10
      //   approach: dx 3 ≤ dy 5, OU_KYORI 6 > 5: +0.1
      //   gold: to row 4 with the bishop on (6, 4) attacked: return S - 5
      {"K51 k59 G23 B64 p65 S53", "23-24", -790 + 0.1 - 5},
      // The top gold (3, 1) → (3, 2) while the bottom side holds a bishop: it
      // now covers the top pawn on (3, 3), which nothing covered, and the top
      // bishop on (3, 4) under it was covered once.
      //   danger: 14 empty squares of rows 1 to 3 uncovered with a piece in
      //   the bottom hand -1.4
      //   approach: dx 2 ≤ dy 7, OU_KYORI 8 > 7: +0.1
      //   gold: row 2, covering the lone piece above the bishop: +2; return
      //   S + 125
      {"K51 k59 G31 P33 B34 *b", "31-32", -1.4 + 0.1 + 2 + 125},
  });
}

TEST(Evaluation, BishopRules) {
  採点({
      // The top bishop (9, 1) → (7, 3) next to the top king on (6, 2); the
      // bottom rook on (8, 8) defends the bottom pawn on (8, 5).
      //   approach: dx 2 ≤ dy 6, OU_KYORI 8 > 6: +0.1
      //   bishop: surroundings, the king beside it -1; row 3 rule +9
      {"K62 k59 B91 p85 r88", "91-73", 0.1 - 1 + 9},
      // A bottom lance on (9, 9) behind the bottom pawn on (9, 6), the top
      // pawn on (9, 4); the bottom king on (6, 9). The top bishop (8, 2) →
      // (9, 3):
      //   approach: dx 3 ≤ dy 6, OU_KYORI 7 > 6: +0.1
      //   edge lance: -0.1
      //   bishop: (9, 3) over the edge lance and pawns: -10
      {"K51 k69 l99 p96 P94 B82", "82-93", 0.1 - 0.1 - 10},
      // Back from (9, 3) → (8, 2), the lance defending its pawn.
      //   approach: dx 2 ≤ dy 7, OU_KYORI 6 is not > 7: nothing
      //   bishop: leaving (9, 3) with the lance defending the pawn: +10
      {"K51 k69 l99 p96 P94 B93", "93-82", 10},
      // The top bishop (7, 3) → (6, 4) no longer covers (8, 4), in front of
      // the bottom pawn on (8, 5) that the bottom rook on (8, 8) defends; the
      // bottom king on (4, 9).
      //   approach: dx 2 ≤ dy 5, OU_KYORI 6 > 5: +0.1
      //   bishop: leaving (7, 3) and (8, 4) with it: -10
      {"K51 k49 B73 p85 r88", "73-64", 0.1 - 10},
      // A top bishop dropped on (1, 1) behind the top gold on (2, 2); the
      // bottom pawn on (1, 3) attacks (1, 2), which the gold covers.
      //   drop: -5
      //   danger: (1, 2) in the top camp over a bottom pawn, not outnumbered:
      //   -30
      //   bishop: the square below attacked, no square to go to -100; the
      //   pawn two rows below -1
      {"K51 k59 G22 p13 *B", "B*11", -5 - 30 - 100 - 1},
      // A top bishop dropped on (9, 9), its one diagonal closed by the top
      // gold on (8, 8).
      //   drop: -5
      //   bishop drop below row 6 with three squares or fewer: return S - 20
      {"K51 k59 G88 *B", "B*99", -5 - 20},
      // A top bishop dropped on (1, 5) above the bottom pawn on (1, 7), which
      // attacks (1, 6); the bottom king on (7, 9).
      //   drop: -5
      //   bishop: the square below attacked, a pawn two rows below -1;
      //   dropped on the edge of row 5 over a pawn on row 7 -10
      {"K51 k79 p17 *B", "B*15", -5 - 1 - 10},
      // A top bishop dropped on (4, 5) with the bottom gold on (5, 8); the
      // bottom king on (9, 5).
      //   drop: -5
      //   bishop: dropped on (4, 5) facing the gold on (5, 8): return S - 10
      {"K51 k95 g58 *B", "B*45", -5 - 10},
  });
}

TEST(Evaluation, RookRules) {
  採点({
      // The top rook (3, 7) → (5, 7) checks the bottom king on (5, 9), which
      // can still step aside.
      //   check, not mate; the rook is not attacked: +10
      //   danger: the rook, safe, attacks the king: one fork target +0.1
      //   approach: OU_KYORI 2 is not > dy 2: nothing
      //   escape squares 5 → 4: +1
      //   rook: surroundings 0; the square below is attacked -1; safe, many
      //   squares to go, on the king's file two rows away: return S + 100
      {"K51 k59 R37", "37-57", 10 + 0.1 + 1 - 1 + 100},
      // A top rook dropped on (5, 9) under the bottom silver on (5, 8), with
      // the bottom gold on (4, 8) beside the silver and a bottom pawn on
      // (6, 9); the bottom king on (9, 9).
      //   drop: -5
      //   rook drop under a silver beside a gold: return S - 1
      {"K51 k99 s58 g48 p69 *R", "R*59", -5 - 1},
      // The top rook (1, 4) → (3, 4) above the bottom pawn on (3, 6) and the
      // bottom bishop on (3, 7); the bottom king on (9, 9).
      //   danger: the bishop attacks (7, 3), (8, 2), (9, 1), uncovered in the
      //   top camp: -0.3; the rook, safe, attacks the pawn: +0.1
      //   approach: dx 6 > dy 5, OU_KYORI 8 > 6: +1
      //   rook: (3, 4) over the pawn and the bishop +7; the square below
      //   attacked -1, along its row with a pawn two rows below -5
      {"K51 k99 R14 b37 p36", "14-34", -0.3 + 0.1 + 1 + 7 - 1 - 5},
      // The top rook (9, 4) → (9, 3) stops covering (8, 4), in front of the
      // bottom pawn on (8, 5) that the bottom rook on (8, 8) defends, and
      // leaves the row of the top pawn on (7, 4); the bottom king on (1, 9).
      //   approach: dx 8 > dy 6, OU_KYORI 8 is not > 8: nothing
      //   rook: (8, 4) less covered -11; off the row of the pawn on (7, 4) -11
      {"K51 k19 R94 P74 p85 r88", "94-93", -11 - 11},
      // The top rook (2, 2) → (2, 3).
      //   approach: dx 3 ≤ dy 6, OU_KYORI 7 > 6: +0.1
      //   rook: from (2, 2) to (2, 3) unattacked: -1
      {"K51 k59 R22", "22-23", 0.1 - 1},
      // The top rook (1, 2) → (1, 1), shut in by the top knight on (2, 1) and
      // the top pawn on (1, 3).
      //   approach: dx 4 ≤ dy 8, OU_KYORI 7 is not > 8: nothing
      //   rook: safe with one square to go: return S - 35
      {"K51 k59 R12 N21 P13", "12-11", -35},
  });
}

TEST(Evaluation, PromotedPieceAndKingRules) {
  採点({
      // The top promoted pawn (2, 5) → (2, 6); the bottom king on (9, 9).
      //   approach: dx 7 > dy 3 but OU_KYORI 7 is not > 7: nothing
      //   promoted pawn: covered at least as much as attacked (0 ≥ 0): +1
      {"K51 k99 +P25", "25-26", 1},
      // A bottom silver on (3, 7) attacks (2, 6): the undefended promoted pawn
      // costs its 11 in the danger walk and gains nothing of its own.
      {"K51 k99 +P25 s37", "25-26", -11},
      // The top promoted bishop (9, 1) → (6, 4), beside the top rook on
      // (7, 5).
      //   approach: dx 1 ≤ dy 5, OU_KYORI 8 > 5: +0.1
      //   promoted bishop: surroundings, the rook: -1
      {"K51 k59 +B91 R75", "91-64", 0.1 - 1},
      // The top promoted rook (3, 7) → (5, 7) checks the bottom king on
      // (5, 9), which can still go to (4, 9) or (6, 9).
      //   check, not mate; the promoted rook is not attacked: +10
      //   danger: one fork target, the king: +0.1
      //   escape squares 4 → 2 ((5, 8) by the file, (4, 8) and (6, 8) by the
      //   diagonal steps): +2
      //   promoted rook: safe, on the king's file two rows away: return S + 100
      {"K51 k59 +R37", "37-57", 10 + 0.1 + 2 + 100},
      // The top promoted rook (5, 7) → (5, 6), under the bottom silver on
      // (5, 5) with the bottom gold on (4, 5) beside it and the bottom pawn on
      // (6, 6); the bottom king on (9, 9).
      //   danger: the promoted rook, safe, attacks the gold, which nothing
      //   defends: one fork target +0.1
      //   approach: dx 4 > dy 3, OU_KYORI 4 is not > 4: nothing
      //   promoted rook: under a silver beside a gold -10
      {"K51 k99 +R57 s55 g45 p66", "57-56", 0.1 - 10},
      // The same shape the other way round: the gold on (6, 5), the pawn on
      // (4, 6).
      {"K51 k99 +R57 s55 g65 p46", "57-56", 0.1 - 10},
      // The top promoted rook (5, 9) → (3, 9) from under the bottom silver on
      // (5, 8) between the bottom golds on (4, 8) and (6, 8); the bottom king
      // on (9, 5).
      //   danger: the promoted rook, safe, attacks the gold on (4, 8), which
      //   nothing defends: +0.1
      //   approach: dx 6 > dy 4, OU_KYORI 4 is not > 6: nothing
      //   promoted rook: from under a silver with a gold on each side +2 +2
      {"K51 k95 +R59 s58 g48 g68", "59-39", 0.1 + 2 + 2},
      // The top promoted rook (2, 8) → (3, 9) under the bottom pawn on (3, 8),
      // with the bottom gold on (4, 8) and the bottom knight on (2, 9); the
      // bottom king on (9, 8).
      //   danger: the promoted rook, safe, attacks the gold and the knight,
      //   which nothing defends: +0.1 twice, and the knight's 30 as won
      //   approach: dx 6 > dy 1, OU_KYORI 7 > 6: +1
      //   escape squares 5 → 3 ((8, 9) and (9, 9) along row 9): +2
      //   promoted rook: (3, 9) under a bottom piece, the gold on (4, 8), a
      //   bottom piece on (2, 9): -150
      {"K51 k98 +R28 p38 g48 n29", "28-39", 0.2 + 30 + 1 + 2 - 150},
      // The top gold on (5, 3) is pinned to its king on (5, 1) by the bottom
      // rook on (5, 7); the bottom king stands on (9, 9). The king (5, 1) →
      // (4, 1) leaves the gold undefended.
      //   danger: the gold, attacked by the rook and undefended -110, in its
      //   own camp -10
      //   approach: OU_KYORI 8 is not > dy 8: nothing
      //   king: off the centre file +1; a top piece was pinned +10
      {"K51 G53 r57 k99", "51-41", -120 + 1 + 10},
      // The king (5, 1) → (4, 2) still defends the gold, its only defender,
      // but the gold is not worth more than the rook: no danger.
      //   approach: dx 5 ≤ dy 7, OU_KYORI 8 > 7: +0.1
      //   king: +1 off the centre file, +10 for the pin
      {"K51 G53 r57 k99", "51-42", 0.1 + 1 + 10},
      // The top king (1, 3) → (1, 4), walled in by its pawns on (2, 3),
      // (2, 4), (2, 5) and (1, 5).
      //   approach: dx 4 ≤ dy 5, OU_KYORI 6 > 5: +0.1
      //   king: below row 3 -15 - 4; off the centre file +1; one square to
      //   go: return S - 20
      {"K13 k59 P23 P24 P25 P15", "13-14", 0.1 - 19 + 1 - 20},
      // The top king (3, 4) → (4, 3). Its mirror move takes the bottom pawn
      // from (7, 6) to (6, 7), opening the line of the top bishop on (9, 8);
      // the top bishop on (1, 6) sees past the king's old square: both now
      // reach (4, 3), which only the king reached before.
      //   approach: dx 3 ≤ dy 6, OU_KYORI 5 is not > 6: nothing
      //   king: off the centre file +1; its square more covered than before +1
      {"K34 k19 B16 B98 p76", "34-43", 1 + 1},
  });
}

}  // namespace
}  // namespace velmora
