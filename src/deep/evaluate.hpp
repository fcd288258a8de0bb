// The deep search's evaluation of a position, from the side to move's view:
// material on the board and in hand with the piece-square terms (kept by the
// position as it moves), the safety of both kings, the mirror rule's pull on
// them, and a small bonus for the move.
#pragma once

#include "deep/board.hpp"
#include "deep/values.hpp"

namespace velmora::deep {

int 評価(const 盤& b, const 評価の重み& w);

// The danger to `side`'s king (0 when safe): pieces of the other side near it
// and in its hand, less the defenders beside it.
int 玉の危険(const 盤& b, int side, const 評価の重み& w);

}  // namespace velmora::deep
