// The computer's one-ply search over every move and drop of the top side.
#pragma once

#include "com/evaluation.hpp"
#include "rules/position.hpp"

namespace velmora {

struct 候補手 {
  bool found = false;  // false when no legal candidate exists
  int x = 0, y = 0;    // source; (-1, kind) for a drop
  int x2 = 0, y2 = 0;  // destination
  int placed = 0;      // code after the move (promoted when it promotes)
  int moving = 0;      // code before the move (kept from the last board candidate for drops)
};

// Called once per source column and once per kind in hand, so that the
// window's clock keeps moving during the search.
struct 探索中の時計 {
  virtual void tick() = 0;

 protected:
  ~探索中の時計() = default;
};

// How a trial position is scored: the arguments of 盤評価.
// What the search prepares once before it tries candidates: the snapshots of
// the board, the hands and four maps, the escape count and the probe tables.
void 探索前の記録(EngineState& s);

using 評価関数 = double (*)(EngineState& s, int cap, int piece, int x1, int y1, int x2, int y2);

// Takes the snapshots, tries every candidate on the live board and restores
// it, and returns the best move (first in search order among equals).
候補手 探索(EngineState& s, 探索中の時計& clock, 評価関数 evaluate);
inline 候補手 探索(EngineState& s, 探索中の時計& clock) { return 探索(s, clock, &盤評価); }

}  // namespace velmora
