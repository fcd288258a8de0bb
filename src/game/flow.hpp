// Setting the board up for a new game and starting games: two humans
// ("スタート"), or against the computer with the human first ("先手") or
// second ("後手"). Each also carries on a game that was stepped back or
// interrupted.
#pragma once

namespace velmora {

struct 対局の場;

// The state of a new game: the standard setup, the game's flags reset, the
// clock stopped and both totals at zero. The sides of the last game, the
// stored record and the level stay.
void 初期設定(対局の場& f);

void 対局開始_人間同士(対局の場& f);
void 対局開始_先手(対局の場& f);
void 対局開始_後手(対局の場& f);

}  // namespace velmora
