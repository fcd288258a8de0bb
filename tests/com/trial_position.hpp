// Trial positions for the evaluation tests, set up by the search's own steps:
// its preparation, its notes on the candidate, and its trial position (which
// takes itself back when it goes).
#pragma once

#include "com/evaluation.hpp"
#include "com/search.hpp"
#include "rules/position.hpp"
#include "rules/survey.hpp"
#include "support/board.hpp"

namespace velmora::testing {

// Puts pieces in a side's hand and keeps the total in step with the slots.
inline void 持たせる(試験局面& s, bool bottom, int slot, int count = 1) {
  (bottom ? s.pos.SITA_MOTI : s.pos.UE_MOTI)[slot] += count;
  (bottom ? s.pos.SITA_MOTI_SU : s.pos.UE_MOTI_SU) += count;
}

// What the search prepares once before it tries candidates. The maps are
// first surveyed for the position as it stands, as after the human's move.
inline void 探索の準備(試験局面& s) {
  勢力調査(s.pos, s.maps);
  探索前の記録(s.場());
}

// The top piece on (x, y) tried on (x2, y2) as the search tries it, standing
// as `placed` if it may promote (its own code when 0): the search's notes on
// the candidate, then its trial position, kept until the result goes.
inline 試行局面 候補を指す(試験局面& s, int x, int y, int x2, int y2, int placed = 0) {
  候補の記録(s.場(), x, y);
  return 試行局面(s.場(), x, y, x2, y2, placed != 0 ? placed : s.pos.BAN[x][y]);
}

// The whole board candidate: tried, scored and taken back.
inline double 指して評価(試験局面& s, int x, int y, int x2, int y2, int placed = 0) {
  return 候補を指す(s, x, y, x2, y2, placed).評価(&盤評価);
}

// A drop of hand slot `kind` on (x2, y2), scored and taken back. OU_KYORI
// keeps whatever the test left in it, as it keeps the last board candidate's
// value in the search.
inline double 打って評価(試験局面& s, int kind, int x2, int y2) {
  return 試行局面::打ち(s.場(), kind, x2, y2).評価(&盤評価);
}

}  // namespace velmora::testing
