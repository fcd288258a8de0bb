// Small read-only questions about the position. The two table builders run
// once before the computer's search; the others are asked per candidate.
#include "com/probes.hpp"

#include <cstdlib>

#include "rules/legality.hpp"

namespace velmora {

namespace {

inline bool 盤内(int x, int y) { return x >= 1 && x <= BAN_MAX && y >= 1 && y <= BAN_MAX; }

// A bishop, rook or one of their promotions of the bottom side.
inline bool 下の大駒(int c) { return c >= -SYA_NARI && c <= -KAKU; }

inline bool 上の飛び駒(int c) {
  return c == KYOU || c == KAKU || c == KAKU_NARI || c == SYA || c == SYA_NARI;
}
inline bool 下の飛び駒(int c) {
  return c == -KYOU || c == -KAKU || c == -KAKU_NARI || c == -SYA || c == -SYA_NARI;
}

}  // namespace

int 調査_移動可場所数(EngineState& s, int x, int y, int piece) {
  const 盤面& other = piece >= HU ? s.SITA_SEIRYOKU : s.UE_SEIRYOKU;
  int n = 0;
  for (int i = 1; i <= BAN_MAX; ++i)
    for (int j = 1; j <= BAN_MAX; ++j)
      if (移動チェック(s, x, y, i, j, piece) == YES && other[i][j] == 0) ++n;
  return n;
}

int 調査_周辺状況(const EngineState& s, int x, int y) {
  int score = 0;
  for (int i = x - 1; i <= x + 1; ++i)
    for (int j = y - 1; j <= y + 1; ++j)
      if (盤内(i, j) && !(i == x && j == y) && s.BAN[i][j] >= KAKU) --score;
  return score;
}

int 調査_桂狙い(const EngineState& s, int x, int y) {
  if (!下の大駒(s.SITA_TORI[x][y]) || y <= 5) return 0;
  int score = 0;
  // A knight dropped on a safe square two rows above would fork the attacked
  // piece and a bottom major piece beside it, unless that piece is the attacker.
  if (x > 2 && s.BAN[x - 1][y - 2] == KARA && s.SITA_SEIRYOKU[x - 1][y - 2] == 0 &&
      s.BAN[x - 2][y] <= -KAKU && s.SITA_TORI_X[x][y] != x - 2)
    score += std::abs(s.BAN[x - 2][y]);
  if (x < 8 && s.BAN[x + 1][y - 2] == KARA && s.SITA_SEIRYOKU[x + 1][y - 2] == 0 &&
      s.BAN[x + 2][y] <= -KAKU && s.SITA_TORI_X[x][y] != x + 2)
    score += std::abs(s.BAN[x + 2][y]);
  return score;
}

int 調査_香狙い(const EngineState& s, int x, int y) {
  if (y <= 6) return 0;
  if (s.SITA_SEIRYOKU[x][y - 1] != 0 || s.UE_SEIRYOKU[x][y - 1] <= 0) return 0;
  if (!下の大駒(s.SITA_TORI[x][y])) return 0;
  for (int r = y + 1; r <= BAN_MAX; ++r) {
    if (s.BAN[x][r] == KARA) continue;
    return 移動チェック(s, x, y, x, r, KYOU) == YES ? std::abs(s.BAN[x][r]) : 0;
  }
  return 0;
}

int 調査_自守駒MAN_直進駒(EngineState& s, int x, int y) {
  int result = NO;
  const int lifted = s.BAN[x][y];
  s.BAN[x][y] = KARA;
  for (int r = y + 1; r <= BAN_MAX; ++r) {
    const int c = s.BAN[x][r];
    if (c >= HU) break;
    if (c == -KYOU || c == -SYA || c == -SYA_NARI) {
      if (移動チェック(s, x, r, x, y, c) == YES) result = YES;
      break;
    }
  }
  s.BAN[x][y] = lifted;
  return result;
}

void 調査_持角狙座標(EngineState& s) {
  for (int i = 1; i <= BAN_MAX; ++i) {
    for (int j = 1; j <= BAN_MAX; ++j) {
      s.MOTI_KAKU_NERAI[i][j] = 0;
      if (s.BAN[i][j] == KARA && s.UE_SEIRYOKU[i][j] == 0 &&
          移動チェック(s, i, j, s.UE_OU_X, s.UE_OU_Y, -KAKU) == YES)
        s.MOTI_KAKU_NERAI[i][j] = 1;
    }
  }
}

void 調査_移動不可駒(EngineState& s) {
  s.UE_UGOKENAI_ARI = NO;
  for (int i = 1; i <= BAN_MAX; ++i) {
    for (int j = 1; j <= BAN_MAX; ++j) {
      s.SITA_UGOKENAI[i][j] = 0;
      const int lifted = s.BAN[i][j];
      if (lifted == KARA) continue;
      s.BAN[i][j] = KARA;
      // With the piece gone, could an opposing slider reach its own king?
      if (lifted <= -HU) {
        for (int a = 1; a <= BAN_MAX; ++a)
          for (int b = 1; b <= BAN_MAX; ++b)
            if (上の飛び駒(s.BAN[a][b]) &&
                移動チェック(s, a, b, s.SITA_OU_X, s.SITA_OU_Y, s.BAN[a][b]) == YES)
              s.SITA_UGOKENAI[i][j] = 1;
      } else if (lifted >= HU) {
        for (int a = 1; a <= BAN_MAX; ++a)
          for (int b = 1; b <= BAN_MAX; ++b)
            if (下の飛び駒(s.BAN[a][b]) && 移動チェック(s, a, b, s.UE_OU_X, s.UE_OU_Y, s.BAN[a][b]) == YES)
              s.UE_UGOKENAI_ARI = YES;
      }
      s.BAN[i][j] = lifted;
    }
  }
}

int 調査_持駒数(const EngineState& s, int side) {
  int n = 0;
  if (side == s.MAN_TEBAN) {
    for (int k = 1; k <= 7; ++k)
      if (s.SITA_MOTI[k] > 0) n += s.SITA_MOTI[k];
  } else if (side == s.COM_TEBAN) {
    for (int k = 1; k <= 7; ++k) n += s.UE_MOTI[k];
  }
  return n;
}

}  // namespace velmora
