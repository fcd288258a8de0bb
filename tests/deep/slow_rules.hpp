// The moves a player may make, found the slow way: every piece of the side
// to move tried on all 81 squares and every piece in hand dropped on all 81
// with the game's own legality check, promoted when the game's promotion
// check allows it and unpromoted unless the piece could not move again; each
// move played on a copy with the game's own tentative move and mirror move.
// The deep search's generator is judged by this.
#pragma once

#include <algorithm>
#include <cstdint>
#include <tuple>
#include <vector>

#include "rules/legality.hpp"
#include "rules/move.hpp"
#include "rules/position.hpp"

namespace velmora::testing {

inline bool 王がいない(const 局面& p) {
  bool top = false, bottom = false;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) {
      top = top || p.BAN[x][y] == OU;
      bottom = bottom || p.BAN[x][y] == -OU;
    }
  return !top || !bottom;
}

// side: -1 the bottom side, 1 the top side.
inline std::vector<指し手> 遅い合法手(const 局面& p, int side) {
  std::vector<指し手> moves;
  if (王がいない(p)) return moves;  // a king was taken: the game is over
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) {
      const int c = p.BAN[x][y];
      if (side > 0 ? !上の駒(c) : !下の駒(c)) continue;
      for (int x2 = 1; x2 <= 9; ++x2)
        for (int y2 = 1; y2 <= 9; ++y2) {
          if (移動チェック(p, x, y, x2, y2, c) != YES) continue;
          int promoted = 0;
          if (調査_駒成(x, y, x2, y2, c, promoted) == YES) moves.push_back({x, y, x2, y2, c, promoted});
          if (移動後チェック(y2, c) == YES) moves.push_back({x, y, x2, y2, c, c});
        }
    }
  const 持駒& hand = side > 0 ? p.UE_MOTI : p.SITA_MOTI;
  for (int slot = MOTI_HU; slot <= MOTI_SYA; ++slot) {
    if (hand[slot] <= 0) continue;
    const int code = 持駒コード[slot] * side;
    const int x1 = side > 0 ? UE_DAI : SITA_DAI;
    const int y1 = side > 0 ? slot : slot + 2;
    for (int x2 = 1; x2 <= 9; ++x2)
      for (int y2 = 1; y2 <= 9; ++y2)
        if (移動チェック(p, x1, y1, x2, y2, code) == YES) moves.push_back({x1, y1, x2, y2, code, code});
  }
  return moves;
}

// The position after m, as the game's move procedures leave it.
inline 局面 遅く指す(局面 p, const 指し手& m) {
  駒移動(p, m);
  駒移動_相対駒(p, m);
  return p;
}

inline std::uint64_t 遅いperft(const 局面& p, int side, int depth) {
  if (depth == 0) return 1;
  const auto moves = 遅い合法手(p, side);
  if (depth == 1) return moves.size();
  std::uint64_t n = 0;
  for (const auto& m : moves) n += 遅いperft(遅く指す(p, m), -side, depth - 1);
  return n;
}

inline auto 手の鍵(const 指し手& m) { return std::tie(m.x1, m.y1, m.x2, m.y2, m.moving, m.placed); }

inline void 並べる(std::vector<指し手>& moves) {
  std::sort(moves.begin(), moves.end(),
            [](const 指し手& a, const 指し手& b) { return 手の鍵(a) < 手の鍵(b); });
}

// The board and both hands (the king squares and totals aside).
inline bool 同じ盤(const 局面& a, const 局面& b) {
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y)
      if (a.BAN[x][y] != b.BAN[x][y]) return false;
  for (int k = MOTI_HU; k <= MOTI_SYA; ++k)
    if (a.SITA_MOTI[k] != b.SITA_MOTI[k] || a.UE_MOTI[k] != b.UE_MOTI[k]) return false;
  return true;
}

}  // namespace velmora::testing
