#include "rules/position.hpp"

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

  // The totals follow the hands (both empty here).
  p.SITA_MOTI_SU = 0;
  p.UE_MOTI_SU = 0;
  for (int k = MOTI_HU; k <= MOTI_SYA; ++k) {
    if (p.SITA_MOTI[k] > 0) p.SITA_MOTI_SU += p.SITA_MOTI[k];
    if (p.UE_MOTI[k] > 0) p.UE_MOTI_SU += p.UE_MOTI[k];
  }
}

bool 駒コード(int code) {
  switch (code < 0 ? -code : code) {
    case HU:
    case TO:
    case KYOU:
    case KYOU_NARI:
    case KEI:
    case KEI_NARI:
    case GIN:
    case GIN_NARI:
    case KIN:
    case KAKU:
    case KAKU_NARI:
    case SYA:
    case SYA_NARI:
    case OU: return true;
    default: return false;
  }
}

int 持駒番号(int code) {
  switch (code < 0 ? -code : code) {
    case HU:
    case TO: return 1;
    case KYOU:
    case KYOU_NARI: return 2;
    case KEI:
    case KEI_NARI: return 3;
    case GIN:
    case GIN_NARI: return 4;
    case KIN: return 5;
    case KAKU:
    case KAKU_NARI: return 6;
    case SYA:
    case SYA_NARI: return 7;
    default: return 0;
  }
}

int 駒の数(const 局面& p) {
  int n = 0;
  for (int x = 1; x <= BAN_MAX; ++x)
    for (int y = 1; y <= BAN_MAX; ++y) n += p.BAN[x][y] != KARA;
  for (int k = MOTI_HU; k <= MOTI_SYA; ++k) n += p.SITA_MOTI[k] + p.UE_MOTI[k];
  return n;
}

}  // namespace velmora
