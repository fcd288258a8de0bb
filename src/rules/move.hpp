// Executing moves and drops, captures into the hand, and the mirror move.
#pragma once

#include "rules/position.hpp"

namespace velmora {

// A move: from the source to the destination, with the piece's code before
// and after it (they differ when it promotes). A drop comes from a stand:
// (SITA_DAI, slot + 2) for the bottom side, (UE_DAI, slot) for the top side.
struct 指し手 {
  int x1 = 0, y1 = 0;  // source
  int x2 = 0, y2 = 0;  // destination
  int moving = 0;      // the code before the move
  int placed = 0;      // the code on the destination after it
  bool 打ち() const { return x1 == SITA_DAI || x1 == UE_DAI; }
  bool 成り() const { return placed != moving; }
  bool operator==(const 指し手&) const = default;
};

// The move on the board and the hands: the capture goes into the mover's
// hand (a king into none). Returns the captured code (KARA when the
// destination was empty); deciding the game is the caller's.
int 駒移動(局面& p, const 指し手& m);
// The mirror move of a move: the opponent's piece on the point-symmetric
// square of the source jumps to the point-symmetric square of the
// destination, keeping its code, only when that square is empty. It never
// captures and never chains; drops have none.
void 駒移動_相対駒(局面& p, const 指し手& m);
// A captured code of either side into the taker's hand (kings into none).
void 駒取得(局面& p, int captured);

}  // namespace velmora
