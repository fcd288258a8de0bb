// The moves of the game with what the move list says of each: the game
// writes each move down as it is made; a record read from a file keeps
// positions, not moves, and its moves are worked out from them. A move with
// its mirror jump changes two point-symmetric pairs of squares, and only
// whose turn it was tells which pair was the move and which the jump.
#pragma once

#include <vector>

#include "format/kifu_line.hpp"
#include "rules/game.hpp"
#include "rules/move.hpp"

namespace velmora {

// One move of the game: from snapshot t - 1 to snapshot t.
struct 棋譜の手 {
  int t = 0;
  bool 下 = true;       // the bottom side moved (the top side otherwise)
  bool 分かる = false;  // the move is known (for a record: the two positions differ exactly as it makes them)
  指し手 手;            // source, destination, code before and after (a drop comes from a stand)
  int 取った駒 = KARA;  // what stood on the destination
  bool 成れた = false;  // it could have promoted (and did not when 手.成り() is false)
  bool 同 = false;      // it went to the square the move before went to
  int 候補数 = 0;       // other pieces of the same code that could have gone there too,
  int 候補[8][2]{};     //   and their squares
  bool 鏡 = false;      // a mirror jump followed:
  指し手 鏡の手;        //   the other side's piece, its squares and its code
  bool operator==(const 棋譜の手&) const = default;
};

// Move m of side 下 about to be made on p, with everything the move list
// says of it: what it takes, its mirror jump, whether it could have promoted,
// which other pieces could have gone there. `同` is the caller's to set.
棋譜の手 記す_指し手(const 局面& p, const 指し手& m, bool 下);

// The move of side 下 from `before` to `after`. When the positions do not
// differ as one move of that side (with its mirror jump) makes them differ,
// 分かる is false and 手 holds only the first square in scan order where
// `after` has a piece of that side it did not have before (or nothing).
棋譜の手 割出し_指し手(const 棋譜局面& before, const 棋譜局面& after, bool 下);

// The moves of the game, kept beside the record's snapshots: move t leads
// from snapshot t - 1 to snapshot t (the last one, while the game is played,
// to the position on the board). They change where the snapshots change: a
// move made writes move TESUU + 1 and drops those after it, a reversal or a
// handicap step starts the record again, a record read works them out.
struct 手順 {
  std::vector<棋譜の手> 手;  // move t at t - 1
  int 先手 = -1;             // the side that moved first: -1 the bottom side, 1 the top side
};

struct 対局の場;

// Whether the position on the board is the one the record says for the move
// index TESUU, so that the moves are those of the game on the board.
bool 棋譜_盤と一致(const 対局の場& f);

// Move t as the game knows it, or an unknown move.
棋譜の手 手順_番号(const 手順& moves, int t);

// Move m as move number TESUU + 1 would be written: its number, and whether
// it goes where the move before went (同).
棋譜の手 手順_次の手(const 手順& moves, int TESUU, 棋譜の手 m);

// Move number TESUU + 1 as it is being made: stored, and the moves after it dropped.
void 手順_記録(手順& moves, int TESUU, 棋譜の手 m);

// The moves of a record read from a file, snapshots 0..n worked out pair by
// pair. The file does not say which side moved first: it is the side of the
// first move only one side could have made (a drop, a capture, a promotion or
// a move without a mirror jump), and the bottom side when there is none.
手順 手順_割出し(const 棋譜局面* snapshots, int n);

}  // namespace velmora
