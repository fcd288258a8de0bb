#include "app/board_cursor.hpp"

#include <algorithm>

#include "game/state.hpp"
#include "view/drawing.hpp"

namespace velmora::app {

namespace {

const 持駒& hand_of(const 局面& p, BoardCursor::Place place) {
  return place == BoardCursor::Place::BottomStand ? p.SITA_MOTI : p.UE_MOTI;
}

// The stand's row of a slot: the bottom side's pawns at its top, the top
// side's at its bottom, as they are drawn.
int stand_row(BoardCursor::Place place, int slot) {
  return place == BoardCursor::Place::BottomStand ? slot + 2 : 敵持盤の行(slot);
}

// The first piece held, from the top of the stand as drawn; the first slot when none is.
int first_held(const 局面& p, BoardCursor::Place place) {
  const 持駒& hand = hand_of(p, place);
  for (int row = 1; row <= 9; ++row)
    for (int slot = MOTI_HU; slot <= MOTI_SYA; ++slot)
      if (stand_row(place, slot) == row && hand[slot] > 0) return slot;
  return place == BoardCursor::Place::BottomStand ? MOTI_HU : MOTI_SYA;
}

void onto_stand(BoardCursor& c, const 局面& p, BoardCursor::Place place) {
  c.place = place;
  c.slot = first_held(p, place);
}

}  // namespace

BoardCursor cursor_on_king(const 対局の場& f) {
  const bool top =
      f.game.TAISEN_MODE == MODE_MAN_MAN && f.game.TEBAN != TEBAN_NASI && f.game.TEBAN == f.game.COM_TEBAN;
  BoardCursor c;
  if (!王の升(f.pos, top ? 1 : -1, c.x, c.y)) {
    c.x = 5;
    c.y = top ? 1 : 9;
  }
  return c;
}

void cursor_step(BoardCursor& c, const 局面& p, int dx, int dy) {
  if (c.place == BoardCursor::Place::Board) {
    c.x = std::clamp(c.x + dx, 1, BAN_MAX);
    c.y = std::clamp(c.y + dy, 1, BAN_MAX);
    return;
  }
  const int row = stand_row(c.place, c.slot);
  if (dx != 0) {
    // The bottom side's stand is right of the board, the top side's left of it.
    const bool bottom = c.place == BoardCursor::Place::BottomStand;
    if ((bottom && dx < 0) || (!bottom && dx > 0)) {
      c.place = BoardCursor::Place::Board;
      c.x = bottom ? BAN_MAX : 1;
      c.y = std::clamp(row, 1, BAN_MAX);
    }
    return;
  }
  // The nearest row in that direction with a piece held.
  const 持駒& hand = hand_of(p, c.place);
  int best = 0, best_row = 0;
  for (int slot = MOTI_HU; slot <= MOTI_SYA; ++slot) {
    const int r = stand_row(c.place, slot);
    if (hand[slot] <= 0 || (r - row) * dy <= 0) continue;
    if (best == 0 || std::abs(r - row) < std::abs(best_row - row)) {
      best = slot;
      best_row = r;
    }
  }
  if (best != 0) c.slot = best;
}

bool cursor_tab(BoardCursor& c, const 局面& p, bool forward) {
  using P = BoardCursor::Place;
  switch (c.place) {
    case P::Board:
      if (!forward) {
        onto_stand(c, p, P::TopStand);
        return false;
      }
      onto_stand(c, p, P::BottomStand);
      return true;
    case P::BottomStand:
      if (forward) {
        onto_stand(c, p, P::TopStand);
      } else {
        c.place = P::Board;
      }
      return true;
    case P::TopStand:
      if (forward) {
        c.place = P::Board;
        return false;
      }
      onto_stand(c, p, P::BottomStand);
      return true;
  }
  return true;
}

void cursor_reverse(BoardCursor& c) {
  using P = BoardCursor::Place;
  switch (c.place) {
    case P::Board:
      c.x = 相対位置(c.x);
      c.y = 相対位置(c.y);
      break;
    case P::BottomStand: c.place = P::TopStand; break;
    case P::TopStand: c.place = P::BottomStand; break;
  }
}

void cursor_cell(const BoardCursor& c, int& cell_x, int& cell_y) {
  switch (c.place) {
    case BoardCursor::Place::Board:
      cell_x = c.x;
      cell_y = c.y;
      return;
    case BoardCursor::Place::BottomStand: cell_x = SITA_DAI; break;
    case BoardCursor::Place::TopStand: cell_x = UE_DAI; break;
  }
  cell_y = stand_row(c.place, c.slot);
}

bool cursor_from_cell(BoardCursor& c, int cell_x, int cell_y) {
  if (盤内(cell_x, cell_y)) {
    c.place = BoardCursor::Place::Board;
    c.x = cell_x;
    c.y = cell_y;
    return true;
  }
  for (const auto place : {BoardCursor::Place::BottomStand, BoardCursor::Place::TopStand}) {
    if (cell_x != (place == BoardCursor::Place::BottomStand ? SITA_DAI : UE_DAI)) continue;
    for (int slot = MOTI_HU; slot <= MOTI_SYA; ++slot)
      if (stand_row(place, slot) == cell_y) {
        c.place = place;
        c.slot = slot;
        return true;
      }
  }
  return false;
}

QPointF cursor_point(const BoardCursor& c) {
  int x = 0, y = 0;
  cursor_cell(c, x, y);
  return {座標_左(x + 0.5), 座標_上(y + 0.5)};
}

}  // namespace velmora::app
