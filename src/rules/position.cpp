#include "rules/position.hpp"

#include <cmath>

namespace velmora {

namespace {

// Row 1 of the top side, column by column from the left.
constexpr int 上段一[10] = {0, KYOU, KEI, GIN, KIN, OU, KIN, GIN, KEI, KYOU};

}  // namespace

void 局面_初期化(EngineState& s) {
  s.HANDE_LEVEL = 0;
  s.HANDE_SETTEI = NO;
  s.TAISEN_MODE = MODE_MAN_MAN;
  s.SYOUSYA = 0;
  s.TEBAN = TEBAN_NASI;
  s.TESUU = 0;
  s.TESUU_HYOJI = 0;
  s.HANTEN = NO;

  s.SAIKAI_MSG = NO;
  s.KIFU_MODE = NO;
  s.SENTAKU = 0;

  for (int k = 1; k <= 7; ++k) {
    s.SITA_MOTI[k] = 0;
    s.UE_MOTI[k] = 0;
  }

  for (int x = 1; x <= BAN_MAX; ++x)
    for (int y = 1; y <= BAN_MAX; ++y) s.BAN[x][y] = KARA;
  for (int x = 1; x <= BAN_MAX; ++x) {
    s.BAN[x][1] = 上段一[x];
    s.BAN[x][3] = HU;
    s.BAN[x][7] = -HU;
    s.BAN[x][9] = -上段一[10 - x];
  }
  s.BAN[2][2] = SYA;
  s.BAN[8][2] = KAKU;
  s.BAN[2][8] = -KAKU;
  s.BAN[8][8] = -SYA;

  // The totals follow the hands (both empty here).
  s.SITA_MOTI_SU = 0;
  s.UE_MOTI_SU = 0;
  for (int k = 1; k <= 7; ++k) {
    if (s.SITA_MOTI[k] > 0) s.SITA_MOTI_SU += s.SITA_MOTI[k];
    if (s.UE_MOTI[k] > 0) s.UE_MOTI_SU += s.UE_MOTI[k];
  }
}

int 座標_列(double twips_x) { return static_cast<int>(std::floor((twips_x - BAN_LEFT) / MASU_W)); }
int 座標_行(double twips_y) { return static_cast<int>(std::floor((twips_y - BAN_TOP) / MASU_H)); }

double 座標_左(double x) { return BAN_LEFT + MASU_W * x; }
double 座標_上(double y) { return BAN_TOP + MASU_H * y; }

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

}  // namespace velmora
