// Small questions about the position asked by the evaluation, the two tables
// the search builds before it tries candidates, and the hand count the record
// navigation asks for.
#pragma once

#include "com/search_table.hpp"
#include "rules/game.hpp"
#include "rules/position.hpp"
#include "rules/survey.hpp"

namespace velmora {

// Squares `piece` on (x, y) may move to that the other side does not reach.
int 調査_移動可場所数(const 局面& p, const 勢力図& m, int x, int y, int piece);
// Minus one for every top bishop, rook, their promotions and the top king next to (x, y).
int 調査_周辺状況(const 局面& p, int x, int y);
int 調査_桂狙い(const 局面& p, const 勢力図& m, int x, int y);
int 調査_香狙い(const 局面& p, const 勢力図& m, int x, int y);
// With the piece on (x, y) lifted, does a bottom lance or rook below reach it?
int 調査_自守駒MAN_直進駒(局面& p, int x, int y);
void 調査_持角狙座標(const 局面& p, const 勢力図& m, 探索表& t);
void 調査_移動不可駒(局面& p, const 勢力図& m, 探索表& t);
int 調査_持駒数(const 局面& p, const 対局& g, int side);

}  // namespace velmora
