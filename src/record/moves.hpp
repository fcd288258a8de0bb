// The moves of the record, worked out from its snapshots. The record keeps
// positions, not moves: a move with its mirror jump changes two
// point-symmetric pairs of squares, and only whose turn it was tells which
// pair was the move and which the jump.
#pragma once

#include <vector>

#include "format/kifu_line.hpp"
#include "rules/move.hpp"
#include "ui/ports.hpp"

namespace velmora {

struct Form1;

// One move of the record: from snapshot t - 1 to snapshot t.
struct 棋譜の手 {
  int t = 0;
  bool 下 = true;       // the bottom side moved (the top side otherwise)
  bool 分かる = false;  // the two positions differ exactly as this move of that side makes them
  指し手 手;            // source, destination, code before and after (a drop comes from a stand)
  int 取った駒 = KARA;  // what stood on the destination
  bool 成れた = false;  // it could have promoted (and did not when 手.成り() is false)
  bool 同 = false;      // it went to the square the move before went to
  int 候補数 = 0;       // other pieces of the same code that could have gone there too,
  int 候補[8][2]{};     //   and their squares
  bool 鏡 = false;      // a mirror jump followed:
  指し手 鏡の手;        //   the other side's piece, its squares and its code
};

// The move of side 下 from `before` to `after`. When the positions do not
// differ as one move of that side (with its mirror jump) makes them differ,
// 分かる is false and 手 holds only the first square in scan order where
// `after` has a piece of that side it did not have before (or nothing).
棋譜の手 割出し_指し手(const 棋譜局面& before, const 棋譜局面& after, bool 下);

// The moves as the window last worked them out, kept so that each move is
// worked out once: entry s of 局面 is the position they were worked out
// from for index s, and while it and the one before are the record's still,
// move s and its line stand.
struct 棋譜欄 {
  std::vector<棋譜局面> 局面;
  std::vector<棋譜の手> 手;        // move t at t - 1
  std::vector<MoveList::Line> 行;  // the starting position, then move t at t
  int 先手 = 0;                    // the side that moved first, as 対局::KIFU_SENTE
  int 番号のずれ = 0;              // shown move number minus move index
};

// The moves that lead from snapshot 0 to the position on the board, or on
// through the stored snapshots after it: moves 1..TESUU_MAX, and one more,
// to the live position, while the position after the newest move is not yet
// stored (TESUU = TESUU_MAX + 1). The side that moved first is the one the
// record remembers; for a record read from a file it is worked out from the
// first move only one side could have made (a drop, a capture, a promotion
// or a move without a mirror jump), and taken to be the bottom side when
// there is none. Entry i is move i + 1.
const std::vector<棋譜の手>& 棋譜_指し手一覧(Form1& f);

// Whether the position on the board is the one the record says for the move
// index TESUU, so that the moves above are those of the game on the board.
bool 棋譜_盤と一致(const Form1& f);

// The move list beside the board and, when 最終手表示 is on, the marks of the
// last move on it, brought up to date with the position on the board; while
// no game runs the list is empty.
void 表示_棋譜(Form1& f);

}  // namespace velmora
