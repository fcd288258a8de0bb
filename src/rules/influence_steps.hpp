// The single-square steps shared by the influence survey and the per-piece
// influence procedures. A piece on (x, y) reaches the target (tx, ty), which
// the caller has already bounds-checked; d is the code recorded in the maps.
#pragma once

#include "rules/survey.hpp"

namespace velmora::influence {

// Bottom side: reach, the most valuable own defender, the cheapest attacker
// with its place. Returns true when the target holds the top king, so that
// the caller can set the check mark its kind uses.
inline bool 下の一歩(const 局面& p, 勢力図& m, int d, int x, int y, int tx, int ty) {
  ++m.SITA_SEIRYOKU[tx][ty];
  const int b = p.BAN[tx][ty];
  if (b < 0) {
    if (m.SITA_MAMORI[tx][ty] > d) m.SITA_MAMORI[tx][ty] = d;
  } else if (b > 0) {
    if (m.SITA_TORI[tx][ty] < d) {
      m.SITA_TORI[tx][ty] = d;
      m.SITA_TORI_X[tx][ty] = x;
      m.SITA_TORI_Y[tx][ty] = y;
    }
    return b == OU;
  }
  return false;
}

// The bottom step of the short movers: a piece reaching the top king marks
// its own square.
inline void 下の一歩_王手(const 局面& p, 勢力図& m, int d, int x, int y, int tx, int ty) {
  if (下の一歩(p, m, d, x, y, tx, ty)) m.SITA_OUTE[x][y] = 9;
}

// Which parts of the top step a kind uses.
enum 上の部分 : unsigned {
  守 = 1,      // defence: UE_MAMORI
  守場所 = 2,  // the defence writes UE_MAMORI_X/Y too
  取 = 4,      // capture: UE_TORI
  取場所 = 8,  // the capture writes UE_TORI_X/Y too
  王手 = 16,   // a piece reaching the bottom king marks its own square
};

template <unsigned parts>
inline void 上の一歩(const 局面& p, 勢力図& m, int d, int x, int y, int tx, int ty) {
  ++m.UE_SEIRYOKU[tx][ty];
  const int b = p.BAN[tx][ty];
  if constexpr ((parts & 守) != 0) {
    if (上の駒(b)) {
      if (m.UE_MAMORI[tx][ty] > d) {
        m.UE_MAMORI[tx][ty] = d;
        if constexpr ((parts & 守場所) != 0) {
          m.UE_MAMORI_X[tx][ty] = x;
          m.UE_MAMORI_Y[tx][ty] = y;
        }
      }
      return;
    }
  }
  if constexpr ((parts & 取) != 0) {
    if (下の駒(b) && m.UE_TORI[tx][ty] > d) {
      m.UE_TORI[tx][ty] = d;
      if constexpr ((parts & 取場所) != 0) {
        m.UE_TORI_X[tx][ty] = x;
        m.UE_TORI_Y[tx][ty] = y;
      }
    }
  }
  if constexpr ((parts & 王手) != 0) {
    if (b == -OU) m.UE_OUTE[x][y] = 9;
  }
}

}  // namespace velmora::influence
