// The two evaluation terms that look beyond the moved piece: the dangers to
// the top side over the whole trial position, and the caution against a
// bottom bishop line through the destination.
#include <cstdlib>

#include "com/evaluation.hpp"
#include "com/probes.hpp"
#include "rules/legality.hpp"

namespace velmora {

namespace {

inline int 価値(int code) { return std::abs(code); }

// An empty square. R is the running result; 持駒あり says whether the bottom
// side has any piece in hand to drop there.
void 空き桝(const 探索の場& s, int i, int j, bool 持駒あり, double& R) {
  const auto& B = s.pos.BAN;
  const int sita = s.maps.SITA_SEIRYOKU[i][j], ue = s.maps.UE_SEIRYOKU[i][j];
  const bool 金銀あり = s.pos.SITA_MOTI[MOTI_GIN] > 0 || s.pos.SITA_MOTI[MOTI_KIN] > 0;

  if (sita > 0) {
    if (std::abs(i - s.maps.UE_OU_X) < 2 && std::abs(j - s.maps.UE_OU_Y) < 2) {  // next to the top king
      R -= 0.5 * sita;
      if (sita > 1 && ue == 1) R -= 10;
      if (金銀あり) R -= 10;
    }
    if (ue == 0 && j < 4) {
      R -= 0.1;
      if (調査_自守駒MAN_直進駒(s.pos, i, j) == YES) R -= 10;
    }
    if (j < 4 && B[i][j + 1] == -HU && sita >= ue) {
      R -= 30;
      if (調査_自守駒MAN_直進駒(s.pos, i, j + 1) == YES) R -= 70;
    }
  }

  if (!持駒あり) return;  // threats of drops on this square

  if (s.pos.SITA_MOTI[MOTI_KYOU] > 0 && j > 2 && B[i][j - 1] > KYOU && (sita > 0 || ue == 0)) {
    for (int r = j - 2; r >= 1; --r) {
      const int code = B[i][r];
      if (code == KARA) continue;
      if (code > KYOU) R = R - 100 - code / 2.0;  // exact halving
      break;
    }
  }
  if (s.pos.SITA_MOTI[MOTI_KEI] > 0 && (sita > 0 || ue == 0) && j > 2 && 1 < i && i < 9 &&
      B[i + 1][j - 2] > HU && B[i - 1][j - 2] > HU)
    R -= 20;
  if (金銀あり && ue <= 1) {
    const int around = 調査_周辺状況(s.pos, i, j);
    if (around < -1) R -= 5;
    if (ue == 0 && around < 0) {
      R -= 1;
      if (j < 4) R -= 10;
    }
  }
  if (ue == 0) {
    if (j == 2 && B[i][1] == KEI) R -= 5;
    if (j < 4) R -= 0.1;
    if (s.pos.SITA_MOTI[MOTI_GIN] > 0 && 1 < i && i < 9 && 1 < j && j < 9) {
      if (上の駒(B[i - 1][j - 1]) && 上の駒(B[i + 1][j + 1]) && s.maps.UE_SEIRYOKU[i - 1][j - 1] == 0 &&
          s.maps.UE_SEIRYOKU[i + 1][j + 1] == 0)
        R -= 20;
      if (上の駒(B[i - 1][j + 1]) && 上の駒(B[i + 1][j - 1]) && s.maps.UE_SEIRYOKU[i - 1][j + 1] == 0 &&
          s.maps.UE_SEIRYOKU[i + 1][j - 1] == 0)
        R -= 20;
    }
  }
}

// A top piece with code c.
void 上の駒桝(const 探索の場& s, int i, int j, int c, double& R) {
  const auto& B = s.pos.BAN;
  const int sita = s.maps.SITA_SEIRYOKU[i][j], ue = s.maps.UE_SEIRYOKU[i][j];

  if (c == OU && j == 1 &&
      s.maps.SITA_SEIRYOKU[i][2] > 0) {  // the square in front of the king on its back row
    R -= 50;
    if (s.maps.SITA_SEIRYOKU[i][2] >= s.maps.UE_SEIRYOKU[i][2]) R -= 250;
    if (s.pos.SITA_MOTI[MOTI_GIN] > 0 || s.pos.SITA_MOTI[MOTI_KIN] > 0) R -= 700;
  }
  if (c == HU && s.maps.SITA_TORI[i][j] == -SYA && s.pos.SITA_MOTI[MOTI_HU] > 0 && sita >= ue && j < 9 &&
      s.maps.UE_SEIRYOKU[i][j + 1] == 1)
    R -= 5;

  if (sita <= 0) return;
  const int a = 価値(s.maps.SITA_TORI[i][j]);
  const bool pinned = s.search.SITA_UGOKENAI[s.maps.SITA_TORI_X[i][j]][s.maps.SITA_TORI_Y[i][j]] != 0;
  if (s.maps.UE_MAMORI[i][j] == OU && (c > a || sita > 1)) R -= 100;
  if (!pinned && c > a) R = R - c + a;
  if (ue > 0) {
    if (!pinned) {
      if (sita > ue && s.maps.UE_MAMORI[i][j] >= a) R -= c;
      if (j <= 3 && sita == ue && B[i][j + 1] != KARA && 調査_自守駒MAN_直進駒(s.pos, i, j + 1) == YES)
        R = R - c - 価値(s.maps.SITA_TORI[i][j + 1]);
    }
  } else {
    R -= c;
    if (j <= 3) R -= 10;
    if (下の駒(s.search.BAN_MAE[i][j])) R += 価値(s.search.BAN_MAE[i][j]);  // it has just captured there
    if (j <= 3 && (s.maps.SITA_TORI[i][j] == -HU || s.maps.SITA_TORI[i][j] == -KYOU)) R -= 20;
  }
}

}  // namespace

int 盤評価_自角注意_COM(const 局面& p, const 探索表& t, int x, int y, int piece) {
  // The first aim square that a bottom bishop standing on (x, y) could reach.
  int ai = 0, aj = 0;
  for (int i = 1; i <= 9 && ai == 0; ++i) {
    for (int j = 1; j <= 9; ++j) {
      if (t.MOTI_KAKU_NERAI[i][j] != 1) continue;
      if (移動チェック(p, x, y, i, j, -KAKU) == YES || 移動チェック(p, x, y, i, j, -KAKU_NARI) == YES) {
        ai = i;
        aj = j;
        break;
      }
    }
  }
  if (ai == 0) return 0;

  for (int a = 1; a <= 9; ++a) {
    for (int b = 1; b <= 9; ++b) {
      const int code = p.BAN[a][b];
      if ((code == -KAKU || code == -KAKU_NARI) && 移動チェック(p, a, b, ai, aj, code) == YES) return piece;
    }
  }
  if (p.SITA_MOTI[MOTI_KAKU] > 0 && 移動チェック(p, SITA_DAI, 0, ai, aj, -KAKU) == YES) return piece;
  return 0;
}

double 盤評価_COM危険座標(const 探索の場& s, int piece, int x2, int y2) {
  double R = 0;
  int F = 0;
  int V = 9999;
  const bool moved_safe = s.maps.SITA_SEIRYOKU[x2][y2] == 0;
  const bool 持駒あり = s.pos.SITA_MOTI_SU() > 0;

  for (int i = 1; i <= 9; ++i) {
    for (int j = 1; j <= 9; ++j) {
      const int c = s.pos.BAN[i][j];
      if (c == KARA) {
        空き桝(s, i, j, 持駒あり, R);
      } else if (上の駒(c)) {
        上の駒桝(s, i, j, c, R);
      } else if (下の駒(c)) {
        const auto& B = s.pos.BAN;
        if (s.maps.UE_SEIRYOKU[i][j] > 0 &&
            s.search.UE_SEIRYOKU_MAE[i][j] == 0) {  // the move has just attacked it
          if (j > 2 && c == -KEI &&
              (B[i][j - 1] == GIN || B[i][j - 1] == KAKU_NARI || B[i][j - 1] == SYA_NARI) &&
              s.maps.SITA_SEIRYOKU[i][j - 1] == 0)
            R += 1;
          if (std::abs(j - s.maps.UE_OU_Y) < 3 && std::abs(i - s.maps.UE_OU_X) < 3) R += 15;
        }
        if (c == -KEI && j >= 5 && B[i][j - 4] >= GIN) {
          if (i > 1 && !下の駒(B[i - 1][j - 2]) && s.maps.UE_SEIRYOKU[i - 1][j - 2] == 0) R -= 1;
          if (i < 9 && !下の駒(B[i + 1][j - 2]) && s.maps.UE_SEIRYOKU[i + 1][j - 2] == 0) R -= 1;
        }
        if ((c == -SYA || c == -SYA_NARI || c == -KYOU) && i == s.maps.UE_OU_X) R -= 1;
        // a fork: the moved piece, itself safe, attacks this piece
        if (moved_safe &&
            (s.maps.SITA_SEIRYOKU[i][j] == 0 || (i == s.maps.SITA_OU_X && j == s.maps.SITA_OU_Y)) &&
            移動チェック(s.pos, x2, y2, i, j, piece) == YES) {
          R += 0.1;
          ++F;
          if (価値(c) < V) V = 価値(c);
        }
      }
    }
  }
  if (F > 1) R += V;  // the smaller target is taken as won
  return R;
}

}  // namespace velmora
