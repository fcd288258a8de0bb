// Random legal moves for tests that need many different positions.
#pragma once

#include <random>
#include <vector>

#include "rules/legality.hpp"
#include "rules/move.hpp"
#include "rules/position.hpp"

namespace velmora::testing {

// Every legal move and drop of one side (top when top is true), with the
// promoted and the unpromoted version where both are allowed. King captures
// are left out when keep_kings is set, so that games run on.
inline std::vector<指し手> 合法手(const 局面& p, bool top, bool keep_kings = true) {
  std::vector<指し手> moves;
  for (int x = 1; x <= 9; ++x) {
    for (int y = 1; y <= 9; ++y) {
      const int c = p.BAN[x][y];
      if (top ? !上の駒(c) : !下の駒(c)) continue;
      for (int x2 = 1; x2 <= 9; ++x2) {
        for (int y2 = 1; y2 <= 9; ++y2) {
          if (移動チェック(p, x, y, x2, y2, c) != YES) continue;
          if (keep_kings && (p.BAN[x2][y2] == OU || p.BAN[x2][y2] == -OU)) continue;
          int promoted = 0;
          const bool can = 調査_駒成(x, y, x2, y2, c, promoted) == YES;
          if (!can || 移動後チェック(y2, c) == YES) moves.push_back({x, y, x2, y2, c, c});
          if (can) moves.push_back({x, y, x2, y2, c, promoted});
        }
      }
    }
  }
  for (int k = MOTI_HU; k <= MOTI_SYA; ++k) {
    if ((top ? p.UE_MOTI[k] : p.SITA_MOTI[k]) <= 0) continue;
    const int code = top ? 持駒コード[k] : -持駒コード[k];
    const int fx = top ? UE_DAI : SITA_DAI;
    const int fy = top ? k : k + 2;
    for (int x2 = 1; x2 <= 9; ++x2)
      for (int y2 = 1; y2 <= 9; ++y2)
        if (移動チェック(p, fx, fy, x2, y2, code) == YES) moves.push_back({fx, fy, x2, y2, code, code});
  }
  return moves;
}

// Plays a move on the position only, with its mirror move, keeping the hand totals.
inline void 仮に指す(局面& p, const 指し手& m) {
  駒移動_仮(p, m);
  駒移動_相対駒_仮(p, m);
  p.SITA_MOTI_SU = p.UE_MOTI_SU = 0;
  for (int k = MOTI_HU; k <= MOTI_SYA; ++k) {
    p.SITA_MOTI_SU += p.SITA_MOTI[k];
    p.UE_MOTI_SU += p.UE_MOTI[k];
  }
}

// Plays up to n random moves from the current position, sides alternating,
// starting with the bottom side. Returns the number played.
inline int 乱数で進める(局面& p, std::mt19937& rng, int n) {
  bool top = false;
  for (int i = 0; i < n; ++i) {
    auto moves = 合法手(p, top);
    if (moves.empty()) return i;
    仮に指す(p, moves[std::uniform_int_distribution<std::size_t>(0, moves.size() - 1)(rng)]);
    top = !top;
  }
  return n;
}

}  // namespace velmora::testing
