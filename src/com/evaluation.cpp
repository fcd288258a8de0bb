// The computer's evaluation of one trial position: the decisive rules, the
// general rules and the rules by the kind of the moved piece, in this order.
// The first rule that returns ends the evaluation. Scores carry tenths and are
// kept as double throughout; nothing is rounded.
#include "com/evaluation.hpp"

#include <cstdlib>
#include <optional>

#include "com/probes.hpp"
#include "rules/legality.hpp"
#include "rules/mate.hpp"

namespace velmora {

namespace {

// A code's value is its absolute value: the codes double as piece values.
inline int 価値(int code) { return std::abs(code); }

inline bool 大駒(int code) { return code == -800 || code == -801 || code == -900 || code == -901; }

// The rook or promoted rook of the bottom side.
inline bool 自飛(int code) { return code == -900 || code == -901; }

double 歩(const 探索の場& s, int cap, int x1, int y1, int x2, int y2, double S) {
  const auto& B = s.pos.BAN;
  if (s.pos.UE_MOTI[MOTI_KYOU] > 0) S += 調査_香狙い(s.pos, s.maps, x2, y2);
  if (s.pos.UE_MOTI[MOTI_KEI] > 0) S += 調査_桂狙い(s.pos, s.maps, x2, y2);

  if (y2 < 9) {
    const int below = B[x2][y2 + 1];
    if (below == KIN)
      S += 0.5;
    else if (below == SYA)
      S -= 1;
    if (below < -HU && 調査_移動可場所数(s.pos, s.maps, x2, y2 + 1, below) == 0) S += 価値(below);
  }
  if (s.maps.UE_SEIRYOKU[x2][y2] > 0 && 1 < x2 && x2 < 9 && (B[x2 - 1][y2] == SYA || B[x2 + 1][y2] == SYA))
    S -= 1;

  if (x1 < 0) {  // a pawn drop
    if (s.maps.UE_SEIRYOKU[x2][y2] == 0 && y2 > 1 && B[x2][y2 - 1] >= GIN &&
        (s.pos.SITA_MOTI[MOTI_KYOU] > 0 || s.pos.SITA_MOTI[MOTI_HU] > 0))
      S += 6;
    if (B[2][8] == -KAKU && x2 == 2 && y2 == 7 &&
        (s.maps.SITA_SEIRYOKU[2][7] == 0 || s.maps.UE_SEIRYOKU[2][7] > 0))
      S += 30;
    const int ax = s.maps.SITA_TORI_X[x2][y2], ay = s.maps.SITA_TORI_Y[x2][y2];
    if (!(s.maps.SITA_SEIRYOKU[ax][ay] == 0 && s.search.UE_SEIRYOKU_MAE[ax][ay] > 0)) {
      const int t = s.maps.SITA_TORI[x2][y2];
      if (s.maps.UE_SEIRYOKU[x2][y2] > 0 && ax == x2 && (t == -KYOU || t == -SYA) && y2 < ay) return S + 120;
    }
    return S;
  }

  // a pawn move
  S -= 0.1;
  const int mamori = s.maps.UE_MAMORI[x2][y2];
  if (mamori == GIN || mamori == KIN) S += 0.6;
  if (y2 >= 8) return S;

  const int ue = s.maps.UE_SEIRYOKU[x2][y2], sita = s.maps.SITA_SEIRYOKU[x2][y2];
  if (mamori == KYOU)
    S += 1;
  else if (ue >= sita && mamori == SYA && s.maps.UE_MAMORI_X[x2][y2] == x2 && s.maps.UE_MAMORI_Y[x2][y2] < y2)
    S += 2;

  if (s.maps.SITA_SEIRYOKU[x2][y2 + 1] == 0 && B[x2][y2 + 2] <= -KEI) S += 1;

  if (y2 < 7) {
    if (s.maps.SITA_SEIRYOKU[x2][y2 + 1] > 0 && B[x2][y2 + 1] == -HU) S -= 5;
    if (x2 < 9 && B[x2 + 1][y2] == KAKU) {
      S += 0.5;
      if (B[x2 + 1][y2 + 2] == -HU) S += 5;
    }
    if (x2 > 1) {
      if (x2 == 7 && y2 == 4 && B[8][2] == KAKU) S += 10;
      if (B[x2 - 1][y2] == KAKU) {
        S += 0.5;
        if (B[x2 - 1][y2 + 2] == -HU) S += 5;
      }
    }
  }

  const int tori = s.maps.SITA_TORI[x2][y2];
  if (s.maps.UE_SEIRYOKU[x1][y1] == 1 && 下の駒(cap)) {
    // y2 > 2 is tested first so that row y2 - 2 is never above the board.
    if (y2 > 2 && B[x2][y2 - 2] == KAKU && tori == -KYOU)
      S -= 5;
    else
      S += 5;
  }
  if (cap == -HU && (tori == -SYA || tori == -KYOU) && s.maps.UE_SEIRYOKU[x1][y1] < 2) S += 50;

  if (下の駒(B[x2][y2 + 1])) {
    if (ue > sita) return S + 1;
    if (B[x2][y2 + 1] == -HU) return S - 5;
    if (ue == 0) return sita == 0 ? S + 1 : S;
    if (s.search.UE_SEIRYOKU_MAE[x2][y2 + 1] > 0 && s.search.SITA_SEIRYOKU_MAE[x2][y2 + 1] == 0) return S - 1;
    if (ue == sita) return S + 5;
  }
  return S;
}

double 香(const 探索の場& s, int cap, int x1, int x2, int y2, double S) {
  const auto& B = s.pos.BAN;
  if (s.pos.UE_MOTI[MOTI_KEI] > 0) S += 調査_桂狙い(s.pos, s.maps, x2, y2);

  if (x1 < 0) {  // a lance drop
    if (y2 >= 8) return S;
    if (s.pos.SITA_MOTI[MOTI_HU] > 0 && s.maps.SITA_SEIRYOKU[x2][y2] == 0 &&
        s.maps.SITA_SEIRYOKU[x2][y2 + 1] > 0)
      S -= 10;
    if (B[x2][y2 + 1] <= -KYOU &&
        (s.maps.SITA_SEIRYOKU[x2][y2] == 0 || s.maps.UE_SEIRYOKU[x2][y2] >= s.maps.SITA_SEIRYOKU[x2][y2])) {
      for (int r = y2 + 2; r <= 9; ++r) {
        if (B[x2][r] == KARA) continue;
        if (移動チェック(s.pos, x2, y2 + 1, x2, r, KYOU) == YES && B[x2][r] < -KYOU)
          return S + 価値(B[x2][r]);
        break;
      }
    }
    return S;
  }

  // a lance move
  if (cap == KARA) return S - 0.9;
  if (cap == -KYOU) {
    S += 10;
    if (s.maps.SITA_SEIRYOKU[x2][y2] >= 1) return S + 10;
  }
  return S;
}

double 桂(const 探索の場& s, int x2, int y2, double S) {
  S -= 0.1;
  // Off the board below row 9 nothing attacks; a knight never stands there
  // unpromoted in the search, but the square is not read then.
  if (y2 < 9 && s.maps.SITA_SEIRYOKU[x2][y2 + 1] > 0) S -= 1;
  if (1 < x2 && x2 < 9 && y2 < 8) {
    if (s.maps.SITA_SEIRYOKU[x2 + 1][y2 + 2] > 0 && s.maps.SITA_SEIRYOKU[x2 - 1][y2 + 2] > 0) S -= 1;
    if (x2 == 7 && y2 == 3 && s.pos.BAN[8][4] == KAKU) return S - 5;
  }
  return S;
}

double 銀(const 探索の場& s, int x1, int y1, int x2, int y2, double S) {
  const auto& B = s.pos.BAN;
  if (y2 <= 1) return S;
  if (y2 > y1) {
    if (B[7][5] == -GIN || B[8][5] == -GIN || B[9][5] == -GIN) {
      if (x2 == x1) S += 5;
    } else if (x2 == x1) {
      S -= 0.1;
    }
  }
  if (B[x2][y2 - 1] == KEI) S -= 0.5;
  if (x2 == 7 && y2 == 3 && B[8][5] == -HU && B[8][3] == HU) return S + 115;
  return S;
}

double 金(const 探索の場& s, int x1, int y1, int x2, int y2, double S) {
  const auto& B = s.pos.BAN;
  if (y2 > y1 && x2 != x1) S -= 0.5;
  if (y2 == 4) {
    if (B[6][4] == KAKU && s.maps.SITA_SEIRYOKU[6][4] > 0) return S - 5;
  } else if (y2 == 2) {
    if (B[8][6] == -HU && B[8][3] == HU && x2 == 7 && s.maps.SITA_MAMORI[8][6] == -SYA) S += 10;
    if (s.pos.SITA_MOTI[MOTI_KAKU] > 0 && 上の駒(B[x2][3]) && s.search.UE_SEIRYOKU_MAE[x2][3] == 0) {
      S += 2;
      if (B[x2][4] == KAKU && s.search.UE_SEIRYOKU_MAE[x2][4] == 1) return S + 125;
    }
  }
  return S;
}

double 角(const 探索の場& s, int x1, int y1, int x2, int y2, double S) {
  const auto& B = s.pos.BAN;
  S += 調査_周辺状況(s.pos, x2, y2);
  if (y2 < 9) {
    if (y2 == 3) {
      if (x2 == 9 && B[9][9] == -KYOU && B[9][6] == -HU && B[9][4] == HU)
        S -= 10;
      else if (x2 == 7 && s.maps.SITA_MAMORI[8][5] == -SYA && B[8][5] == -HU)
        S += 9;
    }
    if (s.maps.SITA_SEIRYOKU[x2][y2 + 1] > 0) {
      if (調査_移動可場所数(s.pos, s.maps, x2, y2, KAKU) == 0) S -= 100;
      if (y2 < 8 && B[x2][y2 + 2] == -HU) S -= 1;
    }
  }
  if (y1 == 3) {
    if (x1 == 9 && s.maps.SITA_MAMORI[9][6] == -KYOU && B[9][6] == -HU && B[9][4] == HU)
      S += 10;
    else if (x1 == 7 && s.search.UE_SEIRYOKU_MAE[8][4] > s.maps.UE_SEIRYOKU[8][4] &&
             s.maps.SITA_MAMORI[8][5] == -SYA && B[8][5] == -HU)
      S -= 10;
  }
  if (x1 < 0) {  // a bishop drop
    if (y2 > 6) {
      if (調査_移動可場所数(s.pos, s.maps, x2, y2, KAKU) <= 3) return S - 20;
    } else {
      if (y2 == 5 && (x2 == 1 || x2 == 9) && B[x2][7] == -HU) S -= 10;
      if (x2 == 4 && y2 == 5 && B[5][8] == -KIN) return S - 10;
    }
  }
  return S;
}

// On the bottom king's row or column, at most two squares away.
bool 王手筋(const 探索の場& s, int x2, int y2) {
  return (x2 == s.maps.SITA_OU_X || y2 == s.maps.SITA_OU_Y) && std::abs(x2 - s.maps.SITA_OU_X) < 3 &&
         std::abs(y2 - s.maps.SITA_OU_Y) < 3;
}

// Not attacked, or guarded against the bottom king as its only attacker.
bool 取られない(const 探索の場& s, int x2, int y2) {
  return (s.maps.UE_SEIRYOKU[x2][y2] > 0 && s.maps.SITA_TORI[x2][y2] == -OU) ||
         s.maps.SITA_SEIRYOKU[x2][y2] == 0;
}

double 飛(const 探索の場& s, int x1, int y1, int x2, int y2, double S) {
  const auto& B = s.pos.BAN;
  S += 調査_周辺状況(s.pos, x2, y2);

  if (x1 < 0) {  // a rook drop
    if (y2 == 9 && B[x2][8] == -GIN && 1 < x2 && x2 < 9 &&
        ((B[x2 - 1][8] == -KIN && B[x2 + 1][9] != KARA) || (B[x2 + 1][8] == -KIN && B[x2 - 1][9] != KARA)))
      return S - 1;
    return S;
  }

  // a rook move
  if (s.maps.SITA_SEIRYOKU[x2][y2] == 0 && x2 == 3 && y2 == 4 && B[3][7] == -KAKU && B[3][5] == KARA &&
      B[3][6] == -HU)
    S += 7;
  if (y2 < 8) {
    if (s.maps.SITA_SEIRYOKU[x2][y2 + 1] > 0) {
      S -= 1;
      if (y1 == y2 && B[x2][y2 + 2] == -HU) S -= 5;
    }
    if (y1 < 9 && s.maps.SITA_MAMORI[8][y1 + 1] == -SYA && B[8][y1 + 1] == -HU) {
      if (s.maps.UE_SEIRYOKU[8][y1] < s.search.UE_SEIRYOKU_MAE[8][y1]) S -= 11;
      if (y1 != y2 && B[7][y1] == HU) S -= 11;
    }
    if (s.maps.SITA_SEIRYOKU[x1][y1] == 0 && x1 == 2 && y1 == 2 && x2 == 2 && y2 == 3) S -= 1;
  }
  if (取られない(s, x2, y2)) {
    if (調査_移動可場所数(s.pos, s.maps, x2, y2, SYA) <= 1) return S - 35;
    if (王手筋(s, x2, y2)) return S + 100;
  }
  return S;
}

double 竜(const 探索の場& s, int x1, int y1, int x2, int y2, double S) {
  const auto& B = s.pos.BAN;
  S += 調査_周辺状況(s.pos, x2, y2);
  // Row y2 - 1 is row 0 (always empty) when the piece stands on row 1.
  if (B[x2][y2 - 1] == -GIN && 1 < x2 && x2 < 9 &&
      ((B[x2 - 1][y2 - 1] == -KIN && B[x2 + 1][y2] != KARA) ||
       (B[x2 + 1][y2 - 1] == -KIN && B[x2 - 1][y2] != KARA)))
    S -= 10;
  // A promoted rook always comes from a board square; x1 is tested so that a
  // stray drop source is never used as a column.
  if (y1 == 9 && 1 <= x1 && x1 <= 9 && B[x1][8] == -GIN) {
    if (x1 > 1 && B[x1 - 1][8] == -KIN) S += 2;
    if (x1 < 9 && B[x1 + 1][8] == -KIN) S += 2;
  }
  if (y2 == 9 && 下の駒(B[x2][8])) {
    if ((x2 == 3 && B[4][8] == -KIN && 下の駒(B[2][9])) || (x2 == 7 && B[6][8] == -KIN && 下の駒(B[8][9])))
      S -= 150;
  }
  if (取られない(s, x2, y2) && 王手筋(s, x2, y2)) return S + 100;
  return S;
}

double 王(const 探索の場& s, int x2, int y2, double S) {
  if (y2 > 3) S = S - 15 - y2;
  if (x2 != 5) S += 1;
  if (s.search.UE_UGOKENAI_ARI == YES) S += 10;
  if (s.maps.UE_SEIRYOKU[x2][y2] > s.search.UE_SEIRYOKU_MAE[x2][y2]) S += 1;
  if (調査_移動可場所数(s.pos, s.maps, x2, y2, OU) < 2) return S - 20;
  return S;
}

// --- the decisive rules ---

// A score that ends the evaluation at once: the bottom king taken, the own
// king left attacked, the bottom king mated (by a pawn: the move loses).
std::optional<double> 決着(const 探索の場& s, const 指し手& m, int cap) {
  if (cap == -OU) return 9999;
  if (s.maps.SITA_SEIRYOKU[s.maps.UE_OU_X][s.maps.UE_OU_Y] >= 1) return -9998;
  if (s.maps.UE_SEIRYOKU[s.maps.SITA_OU_X][s.maps.SITA_OU_Y] > 0 && 詰めかMAN(s.pos, s.maps) == YES)
    return m.placed == HU ? -9998 : 9998;
  return std::nullopt;
}

// The move checks the bottom king: a checker the king alone attacks, a
// promoted rook guarding the square beside the king, a checker nothing attacks.
double 王手(const 探索の場& s, int x2, int y2, double S) {
  const 勢力図& M = s.maps;
  const int ox = s.maps.SITA_OU_X, oy = s.maps.SITA_OU_Y;
  if (M.UE_SEIRYOKU[ox][oy] <= 0) return S;
  if (M.SITA_TORI[x2][y2] == -OU && M.UE_SEIRYOKU[x2][y2] > 0) S += 100;
  if (M.SITA_SEIRYOKU[x2][y2] <= 2 && M.UE_MAMORI[x2][y2] == SYA_NARI && x2 != ox && y2 != oy &&
      std::abs(x2 - ox) < 2 && std::abs(y2 - oy) < 2 &&
      (M.UE_MAMORI_X[x2][y2] == ox || M.UE_MAMORI_Y[x2][y2] == oy))
    S += 900;
  if (M.SITA_SEIRYOKU[x2][y2] == 0) S += 10;
  return S;
}

// --- the general rules ---

// Closer to the bottom king than the piece stood: along the longer distance.
double 王への接近(const 探索の場& s, int x2, int y2, double S) {
  const int dx = std::abs(x2 - s.maps.SITA_OU_X), dy = std::abs(y2 - s.maps.SITA_OU_Y);
  if (dx > dy) {
    if (s.search.OU_KYORI > dx) S += 1;
  } else if (s.search.OU_KYORI > dy) {
    S += 0.1;
  }
  return S;
}

// The cheapest attacker of the moved piece is pinned to its king, and the
// moved piece reaches it.
double 釘付けの取り手(const 探索の場& s, const 指し手& m, double S) {
  const auto& B = s.pos.BAN;
  const 勢力図& M = s.maps;
  const int x2 = m.x2, y2 = m.y2, ox = s.maps.SITA_OU_X, oy = s.maps.SITA_OU_Y;
  const int ax = M.SITA_TORI_X[x2][y2], ay = M.SITA_TORI_Y[x2][y2];
  const int sita = M.SITA_SEIRYOKU[x2][y2];
  const bool few = (M.UE_SEIRYOKU[x2][y2] > 0 && M.UE_SEIRYOKU[ox][oy] > 0 && sita == 2) || sita == 1;
  const bool king_on_line =
      ((oy == y2 || ox == x2) && oy != ay && ox != ax) || (oy != y2 && oy == ay) || (ox != x2 && ox == ax);
  if (M.SITA_SEIRYOKU[ax][ay] > 0 && s.search.SITA_UGOKENAI[ax][ay] == 1 && few && king_on_line &&
      移動チェック(s.pos, x2, y2, ax, ay, s.search.KOUHO_KOMA) == YES) {
    if (m.打ち() || B[s.search.UE_TORI_X_MAE[ax][ay]][s.search.UE_TORI_Y_MAE[ax][ay]] != KARA)
      S += 価値(B[ax][ay]);
  }
  return S;
}

// Where the piece now stands: unattacked (a bottom bishop line through it,
// the bottom king's escapes taken), attacked and defended (exchanges, a
// fork of king and rook by a gold or silver drop), attacked and undefended
// (a drop there is lost).
double 行き先の安全(const 探索の場& s, const 指し手& m, double S) {
  const auto& B = s.pos.BAN;
  const 勢力図& M = s.maps;
  const int x2 = m.x2, y2 = m.y2, piece = m.placed, ox = s.maps.SITA_OU_X, oy = s.maps.SITA_OU_Y;
  if (M.SITA_SEIRYOKU[x2][y2] == 0) {
    if (piece != HU && piece != OU && piece != KAKU && piece != KAKU_NARI)
      S -= 盤評価_自角注意_COM(s.pos, s.search, x2, y2, piece);
    if ((KAKU <= piece && piece <= SYA_NARI) || piece == KYOU ||
        (std::abs(y2 - oy) < 3 && std::abs(x2 - ox) < 3)) {
      const int n = 調査_自王逃道(s.pos, s.maps);
      if (s.search.OU_NIGEMITI_MAE > n) S += s.search.OU_NIGEMITI_MAE - n;
    }
  } else if (M.UE_SEIRYOKU[x2][y2] > 0) {
    if ((s.pos.SITA_MOTI[MOTI_GIN] > 0 || s.pos.SITA_MOTI[MOTI_KIN] > 0) && 1 < x2 && x2 < 9 &&
        ((B[x2 - 1][y2] == OU && 自飛(B[x2 + 1][y2])) || (B[x2 + 1][y2] == OU && 自飛(B[x2 - 1][y2]))))
      S -= piece;
    const int tori = 価値(M.SITA_TORI[x2][y2]);
    if (piece > tori) S = S - piece + tori;
    if (M.SITA_TORI[x2][y2] == -OU && M.UE_SEIRYOKU[ox][oy] > 0 && y2 < oy) S += piece;
  } else if (m.打ち()) {
    S = S - piece - 50;
  }
  return S;
}

// A capture, past the big-piece rule: what is taken counts unless the taker
// is lost for it.
double 駒取り(const 探索の場& s, const 指し手& m, int cap, double S) {
  const 勢力図& M = s.maps;
  const int x2 = m.x2, y2 = m.y2;
  if (M.SITA_SEIRYOKU[x2][y2] > 0) {
    if (M.UE_SEIRYOKU[x2][y2] > 0) {
      if (s.pos.BAN[x2][y2] < 価値(M.SITA_TORI[x2][y2])) S += 価値(cap);
    } else if (!m.打ち() && s.search.SITA_SEIRYOKU_MAE[m.x1][m.y1] > 0 &&
               調査_移動可場所数(s.pos, s.maps, m.x1, m.y1, m.placed) == 0) {
      S += 価値(cap);
    }
  } else {
    S += 価値(cap);
    if (cap == -TO || cap == -KYOU_NARI || cap == -KEI_NARI) S += 50;
  }
  return S;
}

// --- the rules by the kind of the moved piece ---

double 駒の種類(const 探索の場& s, const 指し手& m, int cap, double S) {
  const int x1 = m.x1, y1 = m.y1, x2 = m.x2, y2 = m.y2;
  switch (m.placed) {
    case HU: return 歩(s, cap, x1, y1, x2, y2, S);
    case TO: return s.maps.UE_SEIRYOKU[x2][y2] >= s.maps.SITA_SEIRYOKU[x2][y2] ? S + 1 : S;
    case KYOU: return 香(s, cap, x1, x2, y2, S);
    case KEI: return 桂(s, x2, y2, S);
    case GIN: return 銀(s, x1, y1, x2, y2, S);
    case KIN: return 金(s, x1, y1, x2, y2, S);
    case KAKU: return 角(s, x1, y1, x2, y2, S);
    case KAKU_NARI: return S + 調査_周辺状況(s.pos, x2, y2);
    case SYA: return 飛(s, x1, y1, x2, y2, S);
    case SYA_NARI: return 竜(s, x1, y1, x2, y2, S);
    case OU: return 王(s, x2, y2, S);
    default: return S;  // promoted lance, knight and silver have no rules of their own
  }
}

}  // namespace

double 盤評価(const 探索の場& s, const 指し手& m, int cap) {
  if (const auto decided = 決着(s, m, cap)) return *decided;
  const int x2 = m.x2, y2 = m.y2, piece = m.placed;
  double S = 王手(s, x2, y2, 0);

  if (m.打ち())
    S -= 5;
  else if (piece > s.search.KOUHO_KOMA)  // it promotes
    S += 10;
  S += 盤評価_COM危険座標(s, piece, x2, y2);
  S = 王への接近(s, x2, y2, S);
  S = 釘付けの取り手(s, m, S);
  S = 行き先の安全(s, m, S);
  // A lance of the bottom side in its corner: any other piece moving onto its file.
  if (s.pos.BAN[x2][9] == -KYOU && (x2 == 1 || x2 == 9) && piece != KYOU && piece != SYA &&
      piece != SYA_NARI && x2 != m.x1)
    S -= 0.1;

  if (cap != KARA) {
    if (大駒(cap) && piece <= KIN) S += 価値(cap);
    if (s.COM_LEVEL == 1) return S;
    S = 駒取り(s, m, cap, S);
  }
  if (s.COM_LEVEL == 2) return S;
  return 駒の種類(s, m, cap, S);
}

}  // namespace velmora
