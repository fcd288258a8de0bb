// Executing moves and drops, captures into the hand, and the mirror move.
#pragma once

#include "rules/position.hpp"

namespace velmora {

// What a real move repaints, in the order the move procedure asks for it.
// The window's drawing procedures implement it; tentative moves pass none.
struct 駒移動描画 {
  virtual void 絵(int id, int x, int y) = 0;  // a piece picture (or the empty square) on a square
  virtual void 枠(int x, int y) = 0;          // the square's normal outline
  virtual void 自持盤() = 0;                  // repaint the bottom side's stand
  virtual void 敵持盤() = 0;                  // repaint the top side's stand

 protected:
  ~駒移動描画() = default;
};

// Moves are five values: source, destination and the code the piece has AFTER
// the move. A bottom drop comes from (11, slot + 2), a top drop from (-1, slot).

void 駒移動(EngineState& s, 駒移動描画& painter, int x1, int y1, int x2, int y2, int koma);
void 駒移動_相対駒(EngineState& s, 駒移動描画& painter, int x1, int y1, int x2, int y2, int koma);
void 駒取得(EngineState& s, int captured);

// The same on the position only: no drawing, the hand totals untouched.
void 駒移動_仮(EngineState& s, int x1, int y1, int x2, int y2, int koma);
void 駒移動_相対駒_仮(EngineState& s, int x1, int y1, int x2, int y2, int koma);

}  // namespace velmora
