// Setting the board up for a new game and starting games: two humans
// ("スタート"), or against the computer with the human first ("先手") or
// second ("後手"). Each also carries on a game that was stepped back or
// interrupted.
#pragma once

#include "rules/game.hpp"

namespace velmora {

struct 対局の場;

// The state of a new game: the standard setup, the game's flags reset, the
// clock stopped and both totals at zero. The sides of the last game, the
// stored record and the level stay.
void 初期設定(対局の場& f);

void 対局開始_人間同士(対局の場& f);
void 対局開始_先手(対局の場& f);
void 対局開始_後手(対局の場& f);

// Whether a game is being played: started, not over, no record being looked at.
bool 対局中(const 対局& g);

// Resigning: asked "投了しますか？" first. Against the computer the human
// resigns, between two humans the side to move; the other side wins, and the
// game ends as when a king is taken: the winner is told, the clock stops and
// the end is told (終局, for 投了). False when no game is being played or the
// player said No.
bool 投了する(対局の場& f);

}  // namespace velmora
