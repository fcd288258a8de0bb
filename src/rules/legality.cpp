#include "rules/legality.hpp"

#include <cstdlib>

namespace velmora {

namespace {

// The six gold steps of the side whose forward is `forward` (+1 top, -1 bottom).
bool 金の動き(int dx, int dy, int forward) {
  if (std::abs(dx) <= 1 && (dy == 0 || dy == forward)) return true;
  return dx == 0 && dy == -forward;
}

}  // namespace

int 移動チェック飛車(const 局面& p, int from_x, int from_y, int to_x, int to_y) {
  if (from_x != to_x && from_y != to_y) return NO;
  if (from_y != to_y) {
    const int step = to_y > from_y ? 1 : -1;
    for (int y = from_y + step; y != to_y; y += step)
      if (p.BAN[to_x][y] != KARA) return NO;
  }
  if (from_x != to_x) {
    const int step = to_x > from_x ? 1 : -1;
    for (int x = from_x + step; x != to_x; x += step)
      if (p.BAN[x][to_y] != KARA) return NO;
  }
  return YES;
}

int 移動チェック角(const 局面& p, int from_x, int from_y, int to_x, int to_y) {
  if (from_x - from_y != to_x - to_y && to_x - from_x != from_y - to_y) return NO;
  const int sx = to_x > from_x ? 1 : -1;
  const int sy = to_y > from_y ? 1 : -1;
  for (int k = 1;; ++k) {
    const int x = from_x + sx * k;
    if (sx > 0 ? x >= to_x : x <= to_x) break;
    const int y = from_y + sy * k;
    if (p.BAN[x][y] != KARA) return NO;
  }
  return YES;
}

int 移動チェック(const 局面& p, int from_x, int from_y, int to_x, int to_y, int koma) {
  if (!盤内(to_x, to_y)) return NO;
  if (from_x == to_x && from_y == to_y) return NO;
  const int target = p.BAN[to_x][to_y];
  // A koma below 10 (an empty code included) is judged as a bottom piece.
  if (上の駒(koma) && 上の駒(target)) return NO;
  if (!上の駒(koma) && 下の駒(target)) return NO;

  if (from_x == SITA_DAI || from_x == UE_DAI) {
    if (target != KARA) return NO;
    switch (koma) {
      case HU:
      case KYOU: return to_y == 9 ? NO : YES;
      case -HU:
      case -KYOU: return to_y == 1 ? NO : YES;
      case KEI: return to_y <= 7 ? YES : NO;
      case -KEI: return to_y >= 3 ? YES : NO;
      default: return YES;
    }
  }

  const int dx = to_x - from_x;
  const int dy = to_y - from_y;
  const int adx = std::abs(dx);
  const int ady = std::abs(dy);
  switch (koma) {
    case HU: return dx == 0 && dy == 1 ? YES : NO;
    case -HU: return dx == 0 && dy == -1 ? YES : NO;
    case KYOU:
    case -KYOU: {
      const int forward = koma > 0 ? 1 : -1;
      if (dx != 0 || dy * forward <= 0) return NO;
      for (int y = from_y + forward; y != to_y; y += forward)
        if (p.BAN[from_x][y] != KARA) return NO;
      return YES;
    }
    case KEI: return dy == 2 && adx == 1 ? YES : NO;
    case -KEI: return dy == -2 && adx == 1 ? YES : NO;
    case GIN: return (adx <= 1 && dy == 1) || (adx == 1 && dy == -1) ? YES : NO;
    case -GIN: return (adx <= 1 && dy == -1) || (adx == 1 && dy == 1) ? YES : NO;
    case KIN:
    case TO:
    case KYOU_NARI:
    case KEI_NARI:
    case GIN_NARI: return 金の動き(dx, dy, 1) ? YES : NO;
    case -KIN:
    case -TO:
    case -KYOU_NARI:
    case -KEI_NARI:
    case -GIN_NARI: return 金の動き(dx, dy, -1) ? YES : NO;
    case KAKU:
    case -KAKU: return 移動チェック角(p, from_x, from_y, to_x, to_y);
    case KAKU_NARI:
    case -KAKU_NARI:
      if (adx <= 1 && ady <= 1) return YES;
      return 移動チェック角(p, from_x, from_y, to_x, to_y);
    case SYA:
    case -SYA: return 移動チェック飛車(p, from_x, from_y, to_x, to_y);
    case SYA_NARI:
    case -SYA_NARI:
      if (adx <= 1 && ady <= 1) return YES;
      return 移動チェック飛車(p, from_x, from_y, to_x, to_y);
    case OU:
    case -OU: return adx <= 1 && ady <= 1 ? YES : NO;
    default: return YES;
  }
}

int 移動後チェック(int to_y, int koma) {
  switch (koma) {
    case HU:
    case KYOU: return to_y == 9 ? NO : YES;
    case KEI: return to_y >= 8 ? NO : YES;
    case -HU:
    case -KYOU: return to_y == 1 ? NO : YES;
    case -KEI: return to_y <= 2 ? NO : YES;
    default: return YES;
  }
}

int 調査_駒成(int from_x, int from_y, int /*to_x*/, int to_y, int koma, int& NARI_KOMA) {
  if (from_x == SITA_DAI || from_x == UE_DAI) return NO;
  bool promotable = false;
  switch (koma) {
    case -HU:
    case -KYOU:
    case -KEI: promotable = to_y < 4; break;
    case -GIN:
    case -KAKU:
    case -SYA: promotable = to_y < 4 || from_y < 4; break;
    case HU:
    case KYOU:
    case KEI: promotable = to_y > 6; break;
    case GIN:
    case KAKU:
    case SYA: promotable = to_y > 6 || from_y > 6; break;
    default: return NO;
  }
  if (!promotable) return NO;
  NARI_KOMA = koma < 0 ? koma - 1 : koma + 1;
  return YES;
}

}  // namespace velmora
