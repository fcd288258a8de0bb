// Random legal moves for tests that need many different positions.
#pragma once

#include <random>
#include <vector>

#include "rules/legality.hpp"
#include "rules/move.hpp"
#include "rules/position.hpp"

namespace velmora::testing {

struct 手 {
  int x1, y1, x2, y2, koma;  // koma: the code after the move
};

// Every legal move and drop of one side (top when top is true), with the
// promoted and the unpromoted version where both are allowed. King captures
// are left out when keep_kings is set, so that games run on.
inline std::vector<手> 合法手(EngineState& s, bool top, bool keep_kings = true) {
  std::vector<手> moves;
  for (int x = 1; x <= 9; ++x) {
    for (int y = 1; y <= 9; ++y) {
      const int c = s.BAN[x][y];
      if (top ? c < HU : c > -HU) continue;
      for (int x2 = 1; x2 <= 9; ++x2) {
        for (int y2 = 1; y2 <= 9; ++y2) {
          if (移動チェック(s, x, y, x2, y2, c) != YES) continue;
          if (keep_kings && (s.BAN[x2][y2] == OU || s.BAN[x2][y2] == -OU)) continue;
          const bool can = 調査_駒成(s, x, y, x2, y2, c) == YES;
          const int promoted = s.NARI_KOMA;
          if (!can || 移動後チェック(y2, c) == YES) moves.push_back({x, y, x2, y2, c});
          if (can) moves.push_back({x, y, x2, y2, promoted});
        }
      }
    }
  }
  for (int k = 1; k <= 7; ++k) {
    if ((top ? s.UE_MOTI[k] : s.SITA_MOTI[k]) <= 0) continue;
    const int code = top ? 持駒コード[k] : -持駒コード[k];
    const int fx = top ? -1 : 11;
    for (int x2 = 1; x2 <= 9; ++x2)
      for (int y2 = 1; y2 <= 9; ++y2)
        if (移動チェック(s, fx, top ? k : k + 2, x2, y2, code) == YES)
          moves.push_back({fx, top ? k : k + 2, x2, y2, code});
  }
  return moves;
}

// Plays a move on the position only, with its mirror move, keeping the hand totals.
inline void 仮に指す(EngineState& s, const 手& m) {
  駒移動_仮(s, m.x1, m.y1, m.x2, m.y2, m.koma);
  駒移動_相対駒_仮(s, m.x1, m.y1, m.x2, m.y2, m.koma);
  s.SITA_MOTI_SU = s.UE_MOTI_SU = 0;
  for (int k = 1; k <= 7; ++k) {
    s.SITA_MOTI_SU += s.SITA_MOTI[k];
    s.UE_MOTI_SU += s.UE_MOTI[k];
  }
}

// Plays up to n random moves from the current position, sides alternating,
// starting with the bottom side. Returns the number played.
inline int 乱数で進める(EngineState& s, std::mt19937& rng, int n) {
  bool top = false;
  for (int i = 0; i < n; ++i) {
    auto moves = 合法手(s, top);
    if (moves.empty()) return i;
    仮に指す(s, moves[std::uniform_int_distribution<std::size_t>(0, moves.size() - 1)(rng)]);
    top = !top;
  }
  return n;
}

}  // namespace velmora::testing
