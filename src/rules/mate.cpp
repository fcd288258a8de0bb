// Check and mate tests of both kings. They ignore the mirror move, never
// promote a defending piece, and decide drop interpositions by putting a pawn
// between checker and king.
#include "rules/mate.hpp"

#include <cassert>
#include <cstdlib>

#include "rules/legality.hpp"
#include "rules/survey.hpp"
#include "rules/trial.hpp"

namespace velmora {

namespace {

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
int 合駒で防げる(局面& p, const 守る側& d) {
  const 盤面& marks = *d.王手;
  const int pawn = d.sign * HU;
  for (int x = 1; x <= BAN_MAX; ++x) {
    for (int y = 1; y <= BAN_MAX; ++y) {
      const int m = marks[x][y];
      if (m == 9 && std::abs(x - d.king_x) <= 1 && std::abs(y - d.king_y) <= 1) return NO;
      if (m != 1) continue;
      // A square of a check line is empty (the line ends at the first piece);
      // with only pawns in hand, a square where no pawn may be dropped stays so.
      assert(p.BAN[x][y] == KARA && "check marks of another position");
      const bool pawns_only = d.持駒数 == d.持歩;
      const bool droppable = !(pawns_only && 移動チェック(p, d.打元, 0, x, y, pawn) == NO);
      const 仮の駒 interposed(p, x, y, droppable ? pawn : KARA);
      bool still = false;
      for (int a = 1; a <= BAN_MAX && !still; ++a)
        for (int b = 1; b <= BAN_MAX && !still; ++b)
          if (marks[a][b] == 9 && 移動チェック(p, a, b, d.king_x, d.king_y, p.BAN[a][b]) == YES) still = true;
      if (still) return NO;
    }
  }
  return YES;
}

// Step 3: an empty or capturable neighbour that the attacker does not reach.
bool 逃げられる(const 局面& p, const 守る側& d) {
  for (int x = d.king_x - 1; x <= d.king_x + 1; ++x)
    for (int y = d.king_y - 1; y <= d.king_y + 1; ++y)
      if (盤内(x, y) && 移動チェック(p, d.king_x, d.king_y, x, y, d.sign * OU) == YES && (*d.攻め)[x][y] == 0)
        return true;
  return false;
}

}  // namespace

int 詰めかMAN_COM移動(const 局面& p, const 勢力図& m) {
  for (int x = 1; x <= BAN_MAX; ++x)
    for (int y = 1; y <= BAN_MAX; ++y) {
      const int c = p.BAN[x][y];
      if (上の駒(c) && 移動チェック(p, x, y, m.SITA_OU_X, m.SITA_OU_Y, c) == YES) return YES;
    }
  return NO;
}

int 詰めかMAN(局面& p, const 勢力図& m) {
  const 守る側 d{
      -1,      m.SITA_OU_X, m.SITA_OU_Y, &m.UE_OUTE, &m.UE_SEIRYOKU, p.SITA_MOTI_SU(), p.SITA_MOTI[MOTI_HU],
      SITA_DAI};
  if (m.UE_SEIRYOKU[d.king_x][d.king_y] == 0) return NO;
  if (p.SITA_MOTI_SU() > 0 && 合駒で防げる(p, d) == YES) return NO;
  if (逃げられる(p, d)) return NO;

  // Capture the checker or block its line with a board move (the king excepted).
  for (int i = 1; i <= BAN_MAX; ++i) {
    for (int j = 1; j <= BAN_MAX; ++j) {
      const int c = p.BAN[i][j];
      if (c < -SYA_NARI || c > -HU) continue;  // a bottom piece other than the king
      for (int k = 1; k <= BAN_MAX; ++k) {
        for (int l = 1; l <= BAN_MAX; ++l) {
          if (m.UE_OUTE[k][l] <= 0 || (k == i && l == j)) continue;
          if (移動チェック(p, i, j, k, l, c) != YES) continue;
          const 仮の移動 tried(p, i, j, k, l, c);
          if (詰めかMAN_COM移動(p, m) == NO) return NO;
        }
      }
    }
  }
  return YES;
}

int 詰めかCOM(局面& p, 勢力図& m) {
  const 守る側 d{
      1, m.UE_OU_X, m.UE_OU_Y, &m.SITA_OUTE, &m.SITA_SEIRYOKU, p.UE_MOTI_SU(), p.UE_MOTI[MOTI_HU], UE_DAI};
  if (m.SITA_SEIRYOKU[d.king_x][d.king_y] == 0) return NO;
  if (p.UE_MOTI_SU() > 0 && 合駒で防げる(p, d) == YES) return NO;
  if (逃げられる(p, d)) return NO;

  // The tentative surveys below rewrite the check map; the targets come from
  // the map as it stood on entry.
  const 盤面 targets = m.SITA_OUTE;
  for (int i = 1; i <= BAN_MAX; ++i) {
    for (int j = 1; j <= BAN_MAX; ++j) {
      const int c = p.BAN[i][j];
      if (c < HU || c > SYA_NARI) continue;  // a top piece other than the king
      for (int k = 1; k <= BAN_MAX; ++k) {
        for (int l = 1; l <= BAN_MAX; ++l) {
          if (targets[k][l] <= 0 || (k == i && l == j)) continue;
          if (移動チェック(p, i, j, k, l, c) != YES) continue;
          {
            const 仮の移動 tried(p, i, j, k, l, c);
            勢力調査(p, m);
          }
          if (m.SITA_SEIRYOKU[d.king_x][d.king_y] == 0) return NO;
        }
      }
    }
  }
  return YES;
}

int 調査_自王逃道(const 局面& p, 勢力図& m) {
  const int kx = m.SITA_OU_X, ky = m.SITA_OU_Y;
  const int order[8][2] = {{0, -1}, {-1, -1}, {1, -1}, {0, 1}, {-1, 1}, {1, 1}, {-1, 0}, {1, 0}};
  int n = 0;
  for (const auto& o : order) {
    const int x = kx + o[0], y = ky + o[1];
    if (!盤内(x, y)) continue;
    if (p.BAN[x][y] == KARA && m.UE_SEIRYOKU[x][y] == 0) {
      m.OU_NIGEMITI[x][y] = YES;
      ++n;
    }
  }
  return n;
}

bool 王手されている(const 局面& p, int sign) {
  int kx = 0, ky = 0;
  for (int x = 1; x <= BAN_MAX && kx == 0; ++x)
    for (int y = 1; y <= BAN_MAX; ++y)
      if (p.BAN[x][y] == sign * OU) {
        kx = x;
        ky = y;
        break;
      }
  if (kx == 0) return false;
  for (int x = 1; x <= BAN_MAX; ++x)
    for (int y = 1; y <= BAN_MAX; ++y) {
      const int c = p.BAN[x][y];
      if (c != KARA && 敵同士(c, sign * OU) && 移動チェック(p, x, y, kx, ky, c) == YES) return true;
    }
  return false;
}

}  // namespace velmora
