#include "rules/position.hpp"

#include "rules/pieces.hpp"

namespace velmora {

namespace {

// Row 1 of the top side, column by column from the left.
constexpr int 上段一[10] = {0, KYOU, KEI, GIN, KIN, OU, KIN, GIN, KEI, KYOU};

}  // namespace

void 局面_初期配置(局面& p) {
  for (int k = MOTI_HU; k <= MOTI_SYA; ++k) {
    p.SITA_MOTI[k] = 0;
    p.UE_MOTI[k] = 0;
  }

  for (int x = 1; x <= BAN_MAX; ++x)
    for (int y = 1; y <= BAN_MAX; ++y) p.BAN[x][y] = KARA;
  for (int x = 1; x <= BAN_MAX; ++x) {
    p.BAN[x][1] = 上段一[x];
    p.BAN[x][3] = HU;
    p.BAN[x][7] = -HU;
    p.BAN[x][9] = -上段一[相対位置(x)];
  }
  p.BAN[2][2] = SYA;
  p.BAN[8][2] = KAKU;
  p.BAN[2][8] = -KAKU;
  p.BAN[8][8] = -SYA;
}

bool 駒コード(int code) { return 駒の種類_検索(code) != nullptr; }

int 持駒番号(int code) {
  const 駒の種類* k = 駒の種類_検索(code);
  return k ? k->持駒 : 0;
}

bool 王の升(const 局面& p, int sign, int& x, int& y) {
  for (int i = 1; i <= BAN_MAX; ++i)
    for (int j = 1; j <= BAN_MAX; ++j)
      if (p.BAN[i][j] == sign * OU) {
        x = i;
        y = j;
        return true;
      }
  return false;
}

std::string_view 局面の誤り(const 局面& p) {
  int kings[2] = {};
  int pieces[8] = {};  // by hand slot, both sides, board and hands
  for (int x = 0; x <= BAN_MAX; ++x)
    for (int y = 0; y <= BAN_MAX; ++y) {
      const int c = p.BAN[x][y];
      if (c == KARA) continue;
      if (!盤内(x, y)) return "a piece outside the board";
      const 駒の種類* k = 駒の種類_検索(c);
      if (!k) return "a square holds no piece code";
      if (k->code == OU) {
        if (++kings[c > 0] > 1) return "two kings of one side";
      } else {
        ++pieces[k->持駒];
      }
    }
  for (int slot = MOTI_HU; slot <= MOTI_SYA; ++slot) {
    if (p.SITA_MOTI[slot] < 0 || p.UE_MOTI[slot] < 0) return "a hand count below zero";
    pieces[slot] += p.SITA_MOTI[slot] + p.UE_MOTI[slot];
    if (pieces[slot] > 組の駒数(slot)) return "more pieces of a kind than the set has";
  }
  if (p.SITA_MOTI[0] != 0 || p.UE_MOTI[0] != 0) return "a hand count below zero";
  return {};
}

bool 局面::整合() const { return 局面の誤り(*this).empty(); }

int 駒の数(const 局面& p) {
  int n = 0;
  for (int x = 1; x <= BAN_MAX; ++x)
    for (int y = 1; y <= BAN_MAX; ++y) n += p.BAN[x][y] != KARA;
  for (int k = MOTI_HU; k <= MOTI_SYA; ++k) n += p.SITA_MOTI[k] + p.UE_MOTI[k];
  return n;
}

}  // namespace velmora
