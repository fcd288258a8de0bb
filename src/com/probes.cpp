// Small read-only questions about the position. The two table builders run
// once before the computer's search; the others are asked per candidate.
#include "com/probes.hpp"

#include <cstdlib>

#include "rules/legality.hpp"
#include "rules/trial.hpp"

namespace velmora {

namespace {

// A bishop, rook or one of their promotions of the bottom side.
inline bool 下の大駒(int c) { return c >= -SYA_NARI && c <= -KAKU; }

inline bool 上の飛び駒(int c) {
  return c == KYOU || c == KAKU || c == KAKU_NARI || c == SYA || c == SYA_NARI;
}
inline bool 下の飛び駒(int c) {
  return c == -KYOU || c == -KAKU || c == -KAKU_NARI || c == -SYA || c == -SYA_NARI;
}

}  // namespace

int 調査_移動可場所数(const 局面& p, const 勢力図& m, int x, int y, int piece) {
  const 盤面& other = 上の駒(piece) ? m.SITA_SEIRYOKU : m.UE_SEIRYOKU;
  int n = 0;
  for (int i = 1; i <= BAN_MAX; ++i)
    for (int j = 1; j <= BAN_MAX; ++j)
      if (移動チェック(p, x, y, i, j, piece) == YES && other[i][j] == 0) ++n;
  return n;
}

int 調査_周辺状況(const 局面& p, int x, int y) {
  int score = 0;
  for (int i = x - 1; i <= x + 1; ++i)
    for (int j = y - 1; j <= y + 1; ++j)
      if (盤内(i, j) && !(i == x && j == y) && p.BAN[i][j] >= KAKU) --score;
  return score;
}

int 調査_桂狙い(const 局面& p, const 勢力図& m, int x, int y) {
  if (!下の大駒(m.SITA_TORI[x][y]) || y <= 5) return 0;
  int score = 0;
  // A knight dropped on a safe square two rows above would fork the attacked
  // piece and a bottom major piece beside it, unless that piece is the attacker.
  if (x > 2 && p.BAN[x - 1][y - 2] == KARA && m.SITA_SEIRYOKU[x - 1][y - 2] == 0 &&
      p.BAN[x - 2][y] <= -KAKU && m.SITA_TORI_X[x][y] != x - 2)
    score += std::abs(p.BAN[x - 2][y]);
  if (x < 8 && p.BAN[x + 1][y - 2] == KARA && m.SITA_SEIRYOKU[x + 1][y - 2] == 0 &&
      p.BAN[x + 2][y] <= -KAKU && m.SITA_TORI_X[x][y] != x + 2)
    score += std::abs(p.BAN[x + 2][y]);
  return score;
}

int 調査_香狙い(const 局面& p, const 勢力図& m, int x, int y) {
  if (y <= 6) return 0;
  if (m.SITA_SEIRYOKU[x][y - 1] != 0 || m.UE_SEIRYOKU[x][y - 1] <= 0) return 0;
  if (!下の大駒(m.SITA_TORI[x][y])) return 0;
  for (int r = y + 1; r <= BAN_MAX; ++r) {
    if (p.BAN[x][r] == KARA) continue;
    return 移動チェック(p, x, y, x, r, KYOU) == YES ? std::abs(p.BAN[x][r]) : 0;
  }
  return 0;
}

int 調査_自守駒MAN_直進駒(局面& p, int x, int y) {
  const 仮の駒 lifted(p, x, y, KARA);
  for (int r = y + 1; r <= BAN_MAX; ++r) {
    const int c = p.BAN[x][r];
    if (上の駒(c)) break;
    if (c == -KYOU || c == -SYA || c == -SYA_NARI) return 移動チェック(p, x, r, x, y, c) == YES ? YES : NO;
  }
  return NO;
}

void 調査_持角狙座標(const 局面& p, const 勢力図& m, 探索表& t) {
  for (int i = 1; i <= BAN_MAX; ++i) {
    for (int j = 1; j <= BAN_MAX; ++j) {
      t.MOTI_KAKU_NERAI[i][j] = 0;
      if (p.BAN[i][j] == KARA && m.UE_SEIRYOKU[i][j] == 0 &&
          移動チェック(p, i, j, m.UE_OU_X, m.UE_OU_Y, -KAKU) == YES)
        t.MOTI_KAKU_NERAI[i][j] = 1;
    }
  }
}

void 調査_移動不可駒(局面& p, const 勢力図& m, 探索表& t) {
  t.UE_UGOKENAI_ARI = NO;
  for (int i = 1; i <= BAN_MAX; ++i) {
    for (int j = 1; j <= BAN_MAX; ++j) {
      t.SITA_UGOKENAI[i][j] = 0;
      const int code = p.BAN[i][j];
      if (code == KARA) continue;
      const 仮の駒 lifted(p, i, j, KARA);
      // With the piece gone, could an opposing slider reach its own king?
      if (下の駒(code)) {
        for (int a = 1; a <= BAN_MAX; ++a)
          for (int b = 1; b <= BAN_MAX; ++b)
            if (上の飛び駒(p.BAN[a][b]) &&
                移動チェック(p, a, b, m.SITA_OU_X, m.SITA_OU_Y, p.BAN[a][b]) == YES)
              t.SITA_UGOKENAI[i][j] = 1;
      } else if (上の駒(code)) {
        for (int a = 1; a <= BAN_MAX; ++a)
          for (int b = 1; b <= BAN_MAX; ++b)
            if (下の飛び駒(p.BAN[a][b]) && 移動チェック(p, a, b, m.UE_OU_X, m.UE_OU_Y, p.BAN[a][b]) == YES)
              t.UE_UGOKENAI_ARI = YES;
      }
    }
  }
}

int 調査_持駒数(const 局面& p, const 対局& g, int side) {
  int n = 0;
  if (side == g.MAN_TEBAN) {
    for (int k = MOTI_HU; k <= MOTI_SYA; ++k)
      if (p.SITA_MOTI[k] > 0) n += p.SITA_MOTI[k];
  } else if (side == g.COM_TEBAN) {
    for (int k = MOTI_HU; k <= MOTI_SYA; ++k) n += p.UE_MOTI[k];
  }
  return n;
}

}  // namespace velmora
