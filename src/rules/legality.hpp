// Move legality: what a piece may do, whether it must promote, whether it may.
#pragma once

#include "rules/position.hpp"

namespace velmora {

// May a piece with code koma standing on (from_x, from_y) — or in hand when
// from_x is SITA_DAI or UE_DAI — move or be dropped on (to_x, to_y)? The source square is
// not looked at; no two-pawn rule, no pawn-drop-mate rule, moves into check
// are legal, the mirror move plays no part.
int 移動チェック(const 局面& p, int from_x, int from_y, int to_x, int to_y, int koma);

// Same rank or file with every square strictly between empty.
int 移動チェック飛車(const 局面& p, int from_x, int from_y, int to_x, int to_y);

// Same diagonal with every square strictly between empty.
int 移動チェック角(const 局面& p, int from_x, int from_y, int to_x, int to_y);

// May koma stay unpromoted on row to_y? NO: it would have no further move.
int 移動後チェック(int to_y, int koma);

// May this move promote? On YES, NARI_KOMA is set to the promoted code; on NO
// it is left alone.
int 調査_駒成(int from_x, int from_y, int to_x, int to_y, int koma, int& NARI_KOMA);

}  // namespace velmora
