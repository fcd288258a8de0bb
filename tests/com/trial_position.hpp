// Trial positions for the evaluation tests, set up the way the computer's
// search sets them up: the snapshots and tables of the position before the
// move, then the candidate on the board and a fresh influence survey.
#pragma once

#include <algorithm>
#include <cstdlib>

#include "com/evaluation.hpp"
#include "com/probes.hpp"
#include "com/search.hpp"
#include "rules/legality.hpp"
#include "rules/mate.hpp"
#include "rules/move.hpp"
#include "rules/position.hpp"
#include "rules/survey.hpp"

namespace velmora::testing {

// Puts pieces in a side's hand and keeps the total in step with the slots.
inline void 持たせる(EngineState& s, bool bottom, int slot, int count = 1) {
  (bottom ? s.SITA_MOTI : s.UE_MOTI)[slot] += count;
  (bottom ? s.SITA_MOTI_SU : s.UE_MOTI_SU) += count;
}

// What the search prepares once before it tries candidates. The maps are
// first surveyed for the position as it stands, as after the human's move.
inline void 探索の準備(EngineState& s) {
  勢力調査(s);
  探索前の記録(s);
}

// Puts the top piece on (x, y) on (x2, y2) as the search tries it and surveys
// the trial position; returns the code that stood on the destination. A move
// that cannot promote is made with its capture and mirror move; a move that
// may promote only stands on its destination as `placed` (its own code, or
// the promoted one).
inline int 候補を指す(EngineState& s, int x, int y, int x2, int y2, int placed = 0) {
  const int moving = s.BAN[x][y];
  s.KOUHO_KOMA = moving;
  s.OU_KYORI = std::max(std::abs(x - s.SITA_OU_X), std::abs(y - s.SITA_OU_Y));
  const int cap = s.BAN[x2][y2];
  s.BAN[x][y] = KARA;
  s.BAN[x2][y2] = moving;
  if (調査_駒成(s, x, y, x2, y2, moving) == NO) {
    s.BAN[x][y] = moving;
    s.BAN[x2][y2] = cap;
    駒移動_仮(s, x, y, x2, y2, moving);
    駒移動_相対駒_仮(s, x, y, x2, y2, moving);
  } else {
    s.BAN[x2][y2] = placed != 0 ? placed : moving;
  }
  勢力調査(s);
  return cap;
}

// The whole board candidate: placed, surveyed and scored.
inline double 指して評価(EngineState& s, int x, int y, int x2, int y2, int placed = 0) {
  const int cap = 候補を指す(s, x, y, x2, y2, placed);
  return 盤評価(s, cap, s.BAN[x2][y2], x, y, x2, y2);
}

// A drop of hand slot `kind` on (x2, y2), scored. OU_KYORI keeps whatever the
// test left in it, as it keeps the last board candidate's value in the search.
inline double 打って評価(EngineState& s, int kind, int x2, int y2) {
  const int piece = 持駒コード[kind];
  s.KOUHO_KOMA = piece;
  s.BAN[x2][y2] = piece;
  勢力調査(s);
  return 盤評価(s, KARA, piece, -1, kind, x2, y2);
}

}  // namespace velmora::testing
