// Whose turn it is, beside the board: the side to move and who plays it,
// "思考中" while the computer thinks, and once the game is over who won and
// how.
#pragma once

#include <string>
#include <vector>

namespace velmora {

struct 盤の場;

// The lines the window shows for the game as it stands, in the window's
// language; none while no game runs.
std::vector<std::string> 手番の表示(const 盤の場& f);

// Shows them when they changed since they were last shown.
void 表示_手番(盤の場& f);

}  // namespace velmora
