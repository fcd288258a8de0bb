// The computer's evaluation of one trial position (higher is better for the
// top side), and its two terms that look beyond the moved piece.
#pragma once

#include "com/search_table.hpp"
#include "rules/move.hpp"

namespace velmora {

// The trial position of candidate m stands on the live board and the maps
// are surveyed for it. m.placed is the code now standing on the destination;
// a drop comes from (UE_DAI, slot). cap is the code that stood on the
// destination (KARA for a drop).
double 盤評価(const 探索の場& s, const 指し手& m, int cap);

double 盤評価_COM危険座標(const 探索の場& s, int piece, int x2, int y2);
int 盤評価_自角注意_COM(const 局面& p, const 探索表& t, int x, int y, int piece);

}  // namespace velmora
