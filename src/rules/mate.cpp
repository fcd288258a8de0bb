// Check and mate tests of both kings. They ignore the mirror move, never
// promote a defending piece, and decide drop interpositions by putting a pawn
// between checker and king.
#include "rules/mate.hpp"

#include <cstdlib>
#include <cstring>

#include "rules/legality.hpp"
#include "rules/survey.hpp"

namespace velmora {

namespace {

inline bool 盤内(int x, int y) { return x >= 1 && x <= BAN_MAX && y >= 1 && y <= BAN_MAX; }

// The parts in which the two mate tests differ.
struct 守る側 {
  int sign;  // -1: the bottom king is tested, +1: the top king
  int king_x, king_y;
  const 盤面* 王手;  // check marks of the attacking side
  const 盤面* 攻め;  // reach of the attacking side
  int 持駒数;
  int 持歩;
  int 打元;  // stand column of the defender's drops
};

// Step 2: can a drop between a distant checker and the king stop every check?
// YES when it can; NO sends the caller on to the king's escape.
int 合駒で防げる(EngineState& s, const 守る側& d) {
  const 盤面& marks = *d.王手;
  const int pawn = d.sign * HU;
  for (int x = 1; x <= BAN_MAX; ++x) {
    for (int y = 1; y <= BAN_MAX; ++y) {
      const int m = marks[x][y];
      if (m == 9 && std::abs(x - d.king_x) <= 1 && std::abs(y - d.king_y) <= 1) return NO;
      if (m != 1) continue;
      // With only pawns in hand, a square where no pawn may be dropped stays empty.
      const bool pawns_only = d.持駒数 == d.持歩;
      if (!(pawns_only && 移動チェック(s, d.打元, 0, x, y, pawn) == NO)) s.BAN[x][y] = pawn;
      bool still = false;
      for (int a = 1; a <= BAN_MAX && !still; ++a)
        for (int b = 1; b <= BAN_MAX && !still; ++b)
          if (marks[a][b] == 9 && 移動チェック(s, a, b, d.king_x, d.king_y, s.BAN[a][b]) == YES) still = true;
      s.BAN[x][y] = KARA;
      if (still) return NO;
    }
  }
  return YES;
}

// Step 3: an empty or capturable neighbour that the attacker does not reach.
bool 逃げられる(const EngineState& s, const 守る側& d) {
  for (int x = d.king_x - 1; x <= d.king_x + 1; ++x)
    for (int y = d.king_y - 1; y <= d.king_y + 1; ++y)
      if (盤内(x, y) && 移動チェック(s, d.king_x, d.king_y, x, y, d.sign * OU) == YES && (*d.攻め)[x][y] == 0)
        return true;
  return false;
}

}  // namespace

int 詰めかMAN_COM移動(const EngineState& s) {
  for (int x = 1; x <= BAN_MAX; ++x)
    for (int y = 1; y <= BAN_MAX; ++y) {
      const int c = s.BAN[x][y];
      if (c >= HU && 移動チェック(s, x, y, s.SITA_OU_X, s.SITA_OU_Y, c) == YES) return YES;
    }
  return NO;
}

int 詰めかMAN(EngineState& s) {
  const 守る側 d{-1, s.SITA_OU_X, s.SITA_OU_Y, &s.UE_OUTE, &s.UE_SEIRYOKU, s.SITA_MOTI_SU, s.SITA_MOTI[1],
                 11};
  if (s.UE_SEIRYOKU[d.king_x][d.king_y] == 0) return NO;
  if (s.SITA_MOTI_SU > 0 && 合駒で防げる(s, d) == YES) return NO;
  if (逃げられる(s, d)) return NO;

  // Capture the checker or block its line with a board move (the king excepted).
  for (int i = 1; i <= BAN_MAX; ++i) {
    for (int j = 1; j <= BAN_MAX; ++j) {
      const int c = s.BAN[i][j];
      if (c < -SYA_NARI || c > -HU) continue;
      for (int k = 1; k <= BAN_MAX; ++k) {
        for (int l = 1; l <= BAN_MAX; ++l) {
          if (s.UE_OUTE[k][l] <= 0 || (k == i && l == j)) continue;
          if (移動チェック(s, i, j, k, l, c) != YES) continue;
          const int was = s.BAN[k][l];
          s.BAN[k][l] = c;
          s.BAN[i][j] = KARA;
          const int checked = 詰めかMAN_COM移動(s);
          s.BAN[i][j] = c;
          s.BAN[k][l] = was;
          if (checked == NO) return NO;
        }
      }
    }
  }
  return YES;
}

int 詰めかCOM(EngineState& s) {
  const 守る側 d{1, s.UE_OU_X, s.UE_OU_Y, &s.SITA_OUTE, &s.SITA_SEIRYOKU, s.UE_MOTI_SU, s.UE_MOTI[1], -1};
  if (s.SITA_SEIRYOKU[d.king_x][d.king_y] == 0) return NO;
  if (s.UE_MOTI_SU > 0 && 合駒で防げる(s, d) == YES) return NO;
  if (逃げられる(s, d)) return NO;

  // The tentative surveys below rewrite the check map; the targets come from
  // the map as it stood on entry.
  盤面 targets;
  std::memcpy(targets, s.SITA_OUTE, sizeof targets);
  for (int i = 1; i <= BAN_MAX; ++i) {
    for (int j = 1; j <= BAN_MAX; ++j) {
      const int c = s.BAN[i][j];
      if (c < HU || c > SYA_NARI) continue;
      for (int k = 1; k <= BAN_MAX; ++k) {
        for (int l = 1; l <= BAN_MAX; ++l) {
          if (targets[k][l] <= 0 || (k == i && l == j)) continue;
          if (移動チェック(s, i, j, k, l, c) != YES) continue;
          const int was = s.BAN[k][l];
          s.BAN[k][l] = c;
          s.BAN[i][j] = KARA;
          勢力調査(s);
          s.BAN[i][j] = c;
          s.BAN[k][l] = was;
          if (s.SITA_SEIRYOKU[d.king_x][d.king_y] == 0) return NO;
        }
      }
    }
  }
  return YES;
}

int 調査_自王逃道(EngineState& s) {
  const int kx = s.SITA_OU_X, ky = s.SITA_OU_Y;
  const int order[8][2] = {{0, -1}, {-1, -1}, {1, -1}, {0, 1}, {-1, 1}, {1, 1}, {-1, 0}, {1, 0}};
  int n = 0;
  for (const auto& o : order) {
    const int x = kx + o[0], y = ky + o[1];
    if (!盤内(x, y)) continue;
    if (s.BAN[x][y] == KARA && s.UE_SEIRYOKU[x][y] == 0) {
      s.OU_NIGEMITI[x][y] = YES;
      ++n;
    }
  }
  return n;
}

}  // namespace velmora
