// The influence survey: a full recomputation of every influence map from the
// board. Short movers are surveyed here; rays and gold-movers go through the
// per-piece procedures.
#include "rules/survey.hpp"

#include <algorithm>

#include "rules/influence_steps.hpp"

namespace velmora {

using namespace influence;

namespace {

// Every map except the places of the top defenders and top capturers, which
// are left as the last writer left them.
void 地図_初期化(勢力図& m) {
  // Row by row, squares 1..9 only: what stands outside the board is never surveyed.
  const auto fill = [](盤面& map, int value) {
    for (int x = 1; x <= BAN_MAX; ++x) std::fill(map[x].begin() + 1, map[x].end(), value);
  };
  fill(m.SITA_SEIRYOKU, 0);
  fill(m.UE_SEIRYOKU, 0);
  fill(m.SITA_OUTE, 0);
  fill(m.UE_OUTE, 0);
  fill(m.SITA_TORI_X, 0);
  fill(m.SITA_TORI_Y, 0);
  fill(m.SITA_TORI, -999);
  fill(m.SITA_MAMORI, 999);
  fill(m.UE_MAMORI, 999);
  fill(m.UE_TORI, 999);
}

void 下の駒の勢力(const 局面& p, 勢力図& m, int c, int x, int y) {
  switch (c) {
    case -HU:
      if (y >= 2) 下の一歩_王手(p, m, c, x, y, x, y - 1);
      break;
    case -KYOU: 勢力確定上直進(p, m, c, x, y); break;
    case -KEI:
      // A knight in check marks the king's square as well: no drop can block it.
      if (y >= 3) {
        if (x >= 2 && 下の一歩(p, m, c, x, y, x - 1, y - 2))
          m.SITA_OUTE[x][y] = m.SITA_OUTE[x - 1][y - 2] = 9;
        if (x <= 8 && 下の一歩(p, m, c, x, y, x + 1, y - 2))
          m.SITA_OUTE[x][y] = m.SITA_OUTE[x + 1][y - 2] = 9;
      }
      break;
    case -GIN:
      if (y >= 2) {
        下の一歩_王手(p, m, c, x, y, x, y - 1);
        if (x >= 2) 下の一歩_王手(p, m, c, x, y, x - 1, y - 1);
        if (x <= 8) 下の一歩_王手(p, m, c, x, y, x + 1, y - 1);
      }
      if (y <= 8) {
        if (x >= 2) 下の一歩_王手(p, m, c, x, y, x - 1, y + 1);
        if (x <= 8) 下の一歩_王手(p, m, c, x, y, x + 1, y + 1);
      }
      break;
    case -TO:
    case -KYOU_NARI:
    case -KEI_NARI:
    case -GIN_NARI:
    case -KIN: 勢力確定自金(p, m, c, x, y); break;
    case -KAKU: 勢力確定自角(p, m, x, y); break;
    case -KAKU_NARI:
      if (y >= 2) 下の一歩_王手(p, m, c, x, y, x, y - 1);
      if (y <= 8) 下の一歩_王手(p, m, c, x, y, x, y + 1);
      if (x >= 2) 下の一歩_王手(p, m, c, x, y, x - 1, y);
      if (x <= 8) 下の一歩_王手(p, m, c, x, y, x + 1, y);
      勢力確定自角(p, m, x, y);
      break;
    case -SYA:
    case -SYA_NARI:
      勢力確定下直進(p, m, c, x, y);
      勢力確定上直進(p, m, c, x, y);
      勢力確定右直進(p, m, c, x, y);
      勢力確定左直進(p, m, c, x, y);
      if (c == -SYA_NARI) {
        if (x >= 2 && y >= 2) 下の一歩_王手(p, m, c, x, y, x - 1, y - 1);
        if (x <= 8 && y >= 2) 下の一歩_王手(p, m, c, x, y, x + 1, y - 1);
        if (x >= 2 && y <= 8) 下の一歩_王手(p, m, c, x, y, x - 1, y + 1);
        if (x <= 8 && y <= 8) 下の一歩_王手(p, m, c, x, y, x + 1, y + 1);
      }
      break;
    case -OU:
      // The king reaches its neighbours but never counts as giving check.
      m.SITA_OU_X = x;
      m.SITA_OU_Y = y;
      for (int tx = x - 1; tx <= x + 1; ++tx) {
        if (!盤内(tx)) continue;
        for (int ty = y - 1; ty <= y + 1; ++ty) {
          if (!盤内(ty) || (tx == x && ty == y)) continue;
          下の一歩(p, m, c, x, y, tx, ty);
        }
      }
      break;
    default: break;
  }
}

void 上の駒の勢力(const 局面& p, 勢力図& m, int c, int x, int y) {
  switch (c) {
    case HU:
      // The pawn lowers UE_TORI without naming itself.
      if (y <= 8) 上の一歩<守 | 取 | 王手>(p, m, c, x, y, x, y + 1);
      break;
    case KYOU: 勢力確定下直進(p, m, c, x, y); break;
    case KEI:
      if (y <= 7) {
        constexpr unsigned parts = 守 | 守場所 | 王手;
        if (x >= 2) {
          上の一歩<parts>(p, m, c, x, y, x - 1, y + 2);
          if (p.BAN[x - 1][y + 2] == -OU) m.UE_OUTE[x - 1][y + 2] = 9;
        }
        if (x <= 8) {
          上の一歩<parts>(p, m, c, x, y, x + 1, y + 2);
          if (p.BAN[x + 1][y + 2] == -OU) m.UE_OUTE[x + 1][y + 2] = 9;
        }
      }
      break;
    case GIN:
      // A silver on the last row adds nothing, not even its backward steps.
      if (y <= 8) {
        constexpr unsigned parts = 守 | 守場所 | 王手;
        上の一歩<parts>(p, m, c, x, y, x, y + 1);
        if (x >= 2) 上の一歩<parts>(p, m, c, x, y, x - 1, y + 1);
        if (x <= 8) 上の一歩<parts>(p, m, c, x, y, x + 1, y + 1);
        if (y >= 2) {
          if (x >= 2) 上の一歩<parts>(p, m, c, x, y, x - 1, y - 1);
          if (x <= 8) 上の一歩<parts>(p, m, c, x, y, x + 1, y - 1);
        }
      }
      break;
    case TO:
    case KYOU_NARI:
    case KEI_NARI:
    case GIN_NARI:
    case KIN: 勢力確定敵金(p, m, x, y); break;
    case KAKU: 勢力確定敵角(p, m, c, x, y); break;
    case KAKU_NARI:
      // The promoted bishop's single steps only count and give check.
      if (y >= 2) 上の一歩<王手>(p, m, c, x, y, x, y - 1);
      if (y <= 8) 上の一歩<王手>(p, m, c, x, y, x, y + 1);
      if (x >= 2) 上の一歩<王手>(p, m, c, x, y, x - 1, y);
      if (x <= 8) 上の一歩<王手>(p, m, c, x, y, x + 1, y);
      勢力確定敵角(p, m, c, x, y);
      break;
    case SYA:
    case SYA_NARI:
      勢力確定下直進(p, m, c, x, y);
      勢力確定上直進(p, m, c, x, y);
      勢力確定右直進(p, m, c, x, y);
      勢力確定左直進(p, m, c, x, y);
      if (c == SYA_NARI) {
        constexpr unsigned parts = 守 | 守場所 | 取 | 取場所 | 王手;
        if (x >= 2 && y >= 2) 上の一歩<parts>(p, m, c, x, y, x - 1, y - 1);
        if (x <= 8 && y >= 2) 上の一歩<parts>(p, m, c, x, y, x + 1, y - 1);
        if (x >= 2 && y <= 8) 上の一歩<parts>(p, m, c, x, y, x - 1, y + 1);
        if (x <= 8 && y <= 8) 上の一歩<parts>(p, m, c, x, y, x + 1, y + 1);
      }
      break;
    case OU:
      m.UE_OU_X = x;
      m.UE_OU_Y = y;
      for (int tx = x - 1; tx <= x + 1; ++tx) {
        if (!盤内(tx)) continue;
        for (int ty = y - 1; ty <= y + 1; ++ty) {
          if (!盤内(ty) || (tx == x && ty == y)) continue;
          上の一歩<守>(p, m, c, x, y, tx, ty);
        }
      }
      break;
    default: break;
  }
}

}  // namespace

void 勢力調査(const 局面& p, 勢力図& m) {
  地図_初期化(m);
  for (int x = 1; x <= BAN_MAX; ++x) {
    for (int y = 1; y <= BAN_MAX; ++y) {
      const int c = p.BAN[x][y];
      if (c < 0)
        下の駒の勢力(p, m, c, x, y);
      else if (c > 0)
        上の駒の勢力(p, m, c, x, y);
    }
  }
}

}  // namespace velmora
