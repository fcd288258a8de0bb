// The computer's evaluation of one trial position (higher is better for the
// top side), and its two terms that look beyond the moved piece.
#pragma once

#include "rules/position.hpp"

namespace velmora {

// cap: the code that stood on the destination (KARA for a drop); piece: the
// code now standing there; (x1, y1): the source, (-1, kind) for a drop.
double 盤評価(EngineState& s, int cap, int piece, int x1, int y1, int x2, int y2);

double 盤評価_COM危険座標(EngineState& s, int piece, int x2, int y2);
int 盤評価_自角注意_COM(EngineState& s, int x, int y, int piece);

}  // namespace velmora
