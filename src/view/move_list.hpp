// The move list beside the board and the last move's marks on it, brought up
// to date with the game whenever it changes.
#pragma once

namespace velmora {

struct 盤の場;

// The list shows the moves from the record's start through the stored
// snapshots (and the move to the position on the board while it is played),
// the current one marked; with 最終手表示 on, the last move's squares and its
// mirror jump's are tinted. While no game runs, or when the board is not the
// record's position, the list is empty and nothing is marked.
void 表示_棋譜(盤の場& f);

}  // namespace velmora
