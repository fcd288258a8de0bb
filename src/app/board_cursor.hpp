// The keyboard's place on the board: one of the 81 squares, or a piece on one
// of the two stands. The arrow keys move it, Tab goes on to the stands and
// back, and Enter, Space or P click where it stands, as the mouse would.
#pragma once

#include <QPointF>

#include "rules/position.hpp"

namespace velmora {
struct 対局の場;
}

namespace velmora::app {

struct BoardCursor {
  enum class Place { Board, BottomStand, TopStand };
  Place place = Place::Board;
  int x = 5, y = 9;  // the square, when on the board
  int slot = 1;      // the hand slot (MOTI_HU..MOTI_SYA), when on a stand

  bool operator==(const BoardCursor&) const = default;
};

// The king of the side the keyboard moves next: the side to move between two
// people, the human's against the computer (the bottom side's while no game
// runs); the middle of the bottom row when that king is gone.
BoardCursor cursor_on_king(const velmora::対局の場& f);

// One step in a direction as the board is drawn (dx, dy each -1, 0 or 1). On
// the board it stops at the edges; on a stand up and down go to the next
// piece held, and left or right go back to the board beside the stand.
void cursor_step(BoardCursor& c, const velmora::局面& p, int dx, int dy);

// Tab (forward) or Shift+Tab: the board, the bottom side's stand, the top
// side's stand, in that order. False when it leaves the last of them (the
// cursor then stands on the one it would come back to), so that the keyboard
// may go on to the window's other controls.
bool cursor_tab(BoardCursor& c, const velmora::局面& p, bool forward);

// The board turned round: the same piece under the cursor, the stands swapped.
void cursor_reverse(BoardCursor& c);

// The cell of the window's picture the cursor stands on (the stands as the
// mouse clicks them: the bottom side's right of the board, the top side's left).
void cursor_cell(const BoardCursor& c, int& cell_x, int& cell_y);
// The cell the mouse clicked as a cursor; false for a cell that is none.
bool cursor_from_cell(BoardCursor& c, int cell_x, int cell_y);
// The middle of the cursor's cell in twips, where its click goes.
QPointF cursor_point(const BoardCursor& c);

}  // namespace velmora::app
