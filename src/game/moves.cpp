// The moves of the game: written down as they are made, or worked out from
// the snapshots of a record.
#include "game/moves.hpp"

#include <cstdlib>
#include <cstring>

#include "game/record.hpp"
#include "game/state.hpp"
#include "rules/legality.hpp"

namespace velmora {

namespace {

bool 自分の駒(int code, bool 下) { return 下 ? 下の駒(code) : 上の駒(code); }

局面 局面_記録から(const 棋譜局面& k) {
  局面 p;
  盤と持駒_復元(p, k);
  return p;
}

// The board and both hands; the times do not matter here.
bool 同じ局面(const 局面& p, const 棋譜局面& k) {
  for (int x = 1; x <= BAN_MAX; ++x)
    for (int y = 1; y <= BAN_MAX; ++y)
      if (p.BAN[x][y] != k.BAN[x][y]) return false;
  for (int slot = MOTI_HU; slot <= MOTI_SYA; ++slot)
    if (p.SITA_MOTI[slot] != k.SITA_MOTI[slot] || p.UE_MOTI[slot] != k.UE_MOTI[slot]) return false;
  return true;
}

}  // namespace

棋譜の手 記す_指し手(const 局面& start, const 指し手& m, bool 下) {
  棋譜の手 r;
  r.下 = 下;
  r.分かる = true;
  r.手 = m;
  // The jump is judged on the board after the move, as the move makes it.
  局面 p = start;
  r.取った駒 = 駒移動(p, m);
  if (m.打ち()) return r;
  const int mx1 = 相対位置(m.x1), my1 = 相対位置(m.y1);
  const int jumping = p.BAN[mx1][my1];
  r.鏡 = 敵同士(m.placed, jumping) && p.BAN[相対位置(m.x2)][相対位置(m.y2)] == KARA;
  if (r.鏡) r.鏡の手 = {mx1, my1, 相対位置(m.x2), 相対位置(m.y2), jumping, jumping};
  int promoted = 0;
  r.成れた = 調査_駒成(m.x1, m.y1, m.x2, m.y2, m.moving, promoted) == YES;
  for (int x = 1; x <= BAN_MAX; ++x)
    for (int y = 1; y <= BAN_MAX; ++y)
      if (start.BAN[x][y] == m.moving && (x != m.x1 || y != m.y1) && r.候補数 < 8 &&
          移動チェック(start, x, y, m.x2, m.y2, m.moving) == YES) {
        r.候補[r.候補数][0] = x;
        r.候補[r.候補数][1] = y;
        ++r.候補数;
      }
  return r;
}

棋譜の手 割出し_指し手(const 棋譜局面& before, const 棋譜局面& after, bool 下) {
  棋譜の手 m;
  m.下 = 下;
  // Where a piece of that side arrived, and where one left.
  int arrived = 0, vacated = 0;
  for (int x = 1; x <= BAN_MAX; ++x)
    for (int y = 1; y <= BAN_MAX; ++y) {
      const int now = after.BAN[x][y], was = before.BAN[x][y];
      if (自分の駒(now, 下) && now != was && arrived++ == 0) {
        m.手.x2 = x;
        m.手.y2 = y;
        m.手.placed = m.手.moving = now;
      }
      if (自分の駒(was, 下) && now == KARA && vacated++ == 0) {
        m.手.x1 = x;
        m.手.y1 = y;
      }
    }
  if (arrived != 1 || vacated > 1) return m;
  if (vacated == 1) {
    m.手.moving = before.BAN[m.手.x1][m.手.y1];
  } else {
    // A drop puts down the kind its hand holds, never a promoted piece.
    const int slot = 持駒番号(m.手.placed);
    if (slot == 0 || std::abs(m.手.placed) != 持駒コード[slot]) return m;
    m.手.x1 = 下 ? SITA_DAI : UE_DAI;
    m.手.y1 = 下 ? slot + 2 : slot;
  }
  int promoted = 0;
  if (m.手.成り() &&
      (調査_駒成(m.手.x1, m.手.y1, m.手.x2, m.手.y2, m.手.moving, promoted) == NO || promoted != m.手.placed))
    return m;

  // Made again by the rules, the move with its mirror jump must give exactly
  // the position after it: that tells a move from a jump, and a jump from
  // nothing.
  const 局面 start = 局面_記録から(before);
  局面 p = start;
  const int taken = 駒移動(p, m.手);
  駒移動_相対駒(p, m.手);
  if (自分の駒(taken, 下) || !同じ局面(p, after)) return m;
  return 記す_指し手(start, m.手, 下);
}

bool 棋譜_盤と一致(const 対局の場& f) {
  const 対局& g = f.game;
  if (g.TESUU == g.TESUU_MAX + 1 || (g.TESUU == 0 && g.TESUU_MAX == 0)) return true;
  if (g.TESUU < 0 || g.TESUU > g.TESUU_MAX || g.TESUU > KIFU_T_MAX) return false;
  return 同じ局面(f.pos, f.record[g.TESUU]);
}

棋譜の手 手順_番号(const 手順& moves, int t) {
  return t >= 1 && t <= static_cast<int>(moves.手.size()) ? moves.手[t - 1] : 棋譜の手{};
}

棋譜の手 手順_次の手(const 手順& moves, int TESUU, 棋譜の手 m) {
  m.t = TESUU + 1;
  if (TESUU >= 1) {
    const 棋譜の手 before = 手順_番号(moves, TESUU);
    m.同 = m.分かる && before.分かる && before.手.x2 == m.手.x2 && before.手.y2 == m.手.y2;
  }
  return m;
}

void 手順_記録(手順& moves, int TESUU, 棋譜の手 m) {
  if (TESUU < 0) return;
  // Moves not known before it (there are none in a game) stay unknown.
  m = 手順_次の手(moves, TESUU, m);
  moves.手.resize(TESUU);
  moves.手.push_back(m);
}

手順 手順_割出し(const 棋譜局面* snapshots, int n) {
  手順 r;
  // Moves alternate, so one side known is every side known.
  int sente = 0;
  for (int t = 1; sente == 0 && t <= n; ++t) {
    const bool bottom = 割出し_指し手(snapshots[t - 1], snapshots[t], true).分かる;
    const bool top = 割出し_指し手(snapshots[t - 1], snapshots[t], false).分かる;
    if (bottom != top) sente = (bottom == (t % 2 == 1)) ? -1 : 1;
  }
  r.先手 = sente == 0 ? -1 : sente;
  for (int t = 1; t <= n; ++t) {
    棋譜の手 m = 割出し_指し手(snapshots[t - 1], snapshots[t], (r.先手 == -1) == (t % 2 == 1));
    手順_記録(r, t - 1, m);
  }
  return r;
}

}  // namespace velmora
