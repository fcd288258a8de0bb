// The computer's search: every legal board move and drop of the top side is
// made on the live board, surveyed, scored and taken back. The best score
// wins; among equal scores the first in search order.
#include "com/search.hpp"

#include <algorithm>
#include <cassert>
#include <cstdlib>

#include "com/probes.hpp"
#include "rules/legality.hpp"
#include "rules/mate.hpp"
#include "rules/survey.hpp"

namespace velmora {

試行局面::試行局面(const 探索の場& s, int x, int y, int x2, int y2, int placed)
    : 試行局面(s, 指し手{x, y, x2, y2, s.pos.BAN[x][y], placed}) {}

試行局面 試行局面::打ち(const 探索の場& s, int slot, int x2, int y2) {
  const int piece = 持駒コード[slot];
  s.search.KOUHO_KOMA = piece;
  return 試行局面(s, 指し手{UE_DAI, slot, x2, y2, piece, piece});
}

試行局面::試行局面(const 探索の場& s, const 指し手& m)
    : s_(s), m_(m), cap_(KARA), full_(false), found_(s.pos) {
  局面& p = s.pos;
  if (m.打ち()) {
    p.BAN[m.x2][m.y2] = m.placed;
  } else {
    cap_ = p.BAN[m.x2][m.y2];
    int promoted = 0;
    full_ = 調査_駒成(m.x1, m.y1, m.x2, m.y2, m.moving, promoted) == NO;
    if (full_) {
      m_.placed = m.moving;
      駒移動(p, m_);
      駒移動_相対駒(p, m_);
    } else {
      p.BAN[m.x1][m.y1] = KARA;
      p.BAN[m.x2][m.y2] = m.placed;
    }
  }
  勢力調査(p, s.maps);
}

試行局面::~試行局面() {
  局面& p = s_.pos;
  if (full_) {
    // The board and both hands as the search found them; no winner is kept
    // (the tentative move decides nothing).
    const 探索表& t = s_.search;
    p.BAN = t.BAN_MAE;  // outside the board both are empty
    for (int k = MOTI_HU; k <= MOTI_SYA; ++k) {
      p.SITA_MOTI[k] = t.SITA_MOTI_MAE[k];
      p.UE_MOTI[k] = t.UE_MOTI_MAE[k];
    }
  } else if (m_.打ち()) {
    p.BAN[m_.x2][m_.y2] = KARA;
  } else {
    p.BAN[m_.x2][m_.y2] = cap_;
    p.BAN[m_.x1][m_.y1] = m_.moving;
  }
  assert(found_.同じ(p) && "a trial of the search left the position changed");
}

void 探索前の記録(const 探索の場& s) {
  局面& p = s.pos;
  探索表& t = s.search;
  for (int x = 1; x <= BAN_MAX; ++x)
    for (int y = 1; y <= BAN_MAX; ++y) {
      t.BAN_MAE[x][y] = p.BAN[x][y];
      s.maps.OU_NIGEMITI[x][y] = KARA;
    }
  for (int k = MOTI_HU; k <= MOTI_SYA; ++k) {
    t.SITA_MOTI_MAE[k] = p.SITA_MOTI[k];
    t.UE_MOTI_MAE[k] = p.UE_MOTI[k];
  }
  // The escape count is taken from the maps of the last survey, before this
  // search runs its own.
  t.OU_NIGEMITI_MAE = 調査_自王逃道(p, s.maps);
  勢力調査(p, s.maps);
  調査_持角狙座標(p, s.maps, t);
  調査_移動不可駒(p, s.maps, t);
  t.UE_MOTI_SU_MAE = p.UE_MOTI_SU();
  for (int x = 1; x <= BAN_MAX; ++x)
    for (int y = 1; y <= BAN_MAX; ++y) {
      t.SITA_SEIRYOKU_MAE[x][y] = s.maps.SITA_SEIRYOKU[x][y];
      t.UE_SEIRYOKU_MAE[x][y] = s.maps.UE_SEIRYOKU[x][y];
      t.UE_TORI_X_MAE[x][y] = s.maps.UE_TORI_X[x][y];
      t.UE_TORI_Y_MAE[x][y] = s.maps.UE_TORI_Y[x][y];
    }
}

void 候補の記録(const 探索の場& s, int x, int y) {
  s.search.KOUHO_KOMA = s.pos.BAN[x][y];
  // Measured from the king square the last trial survey left.
  s.search.OU_KYORI = std::max(std::abs(x - s.maps.SITA_OU_X), std::abs(y - s.maps.SITA_OU_Y));
}

namespace {

// One board candidate: its score, and the code the piece ends with.
double 盤上の手を評価(const 探索の場& s, 評価関数 evaluate, int x, int y, int x2, int y2, int& placed) {
  const int moving = s.pos.BAN[x][y];
  int promoted = 0;
  if (調査_駒成(x, y, x2, y2, moving, promoted) == NO) {
    placed = moving;
    return 試行局面(s, x, y, x2, y2, moving).評価(evaluate);
  }
  if (移動後チェック(y2, moving) == NO) {
    // It must promote: tried promoted only.
    placed = promoted;
    return 試行局面(s, x, y, x2, y2, promoted).評価(evaluate);
  }
  double score = 試行局面(s, x, y, x2, y2, moving).評価(evaluate);
  placed = moving;
  const double promoted_score = 試行局面(s, x, y, x2, y2, promoted).評価(evaluate);
  if (promoted_score > score) {
    score = promoted_score;
    placed = promoted;
  }
  // Pawn, bishop and rook lose nothing by promoting.
  if (moving == HU || moving == KAKU || moving == SYA) placed = promoted;
  return score;
}

}  // namespace

std::optional<指し手> 探索(const 探索の場& s, 探索中の時計& clock, 評価関数 evaluate) {
  const 局面& p = s.pos;
  探索表& t = s.search;
  bool found = false;
  指し手 best;
  t.HYOUKA_MAX = -99999;
  探索前の記録(s);

  for (int x = 1; x <= BAN_MAX; ++x) {
    clock.tick();
    for (int y = 1; y <= BAN_MAX; ++y) {
      if (!上の駒(p.BAN[x][y])) continue;
      for (int x2 = 1; x2 <= BAN_MAX; ++x2) {
        for (int y2 = 1; y2 <= BAN_MAX; ++y2) {
          const int moving = p.BAN[x][y];
          if (移動チェック(p, x, y, x2, y2, moving) != YES) continue;
          候補の記録(s, x, y);
          const int cap = p.BAN[x2][y2];
          int placed = moving;
          const double score = 盤上の手を評価(s, evaluate, x, y, x2, y2, placed);
          if (score > t.HYOUKA_MAX) {
            t.HYOUKA_MAX = score;
            found = true;
            best = {x, y, x2, y2, moving, placed};
            if (cap == -OU) return best;
          }
        }
      }
    }
  }

  if (t.UE_MOTI_SU_MAE <= 0) return found ? std::optional(best) : std::nullopt;
  for (int k = MOTI_HU; k <= MOTI_SYA; ++k) {
    clock.tick();
    if (p.UE_MOTI[k] <= 0) continue;
    const int piece = 持駒コード[k];
    for (int x2 = 1; x2 <= BAN_MAX; ++x2) {
      for (int y2 = 1; y2 <= BAN_MAX; ++y2) {
        if (移動チェック(p, UE_DAI, k, x2, y2, piece) != YES) continue;
        const double score = 試行局面::打ち(s, k, x2, y2).評価(evaluate);
        if (score > t.HYOUKA_MAX) {
          t.HYOUKA_MAX = score;
          found = true;
          // The moving code stays that of the last board move chosen.
          best = {UE_DAI, k, x2, y2, best.moving, piece};
        }
        // Tested after every drop, whether or not it beat the best so far.
        if (t.HYOUKA_MAX >= 9998) return found ? std::optional(best) : std::nullopt;
      }
    }
  }
  return found ? std::optional(best) : std::nullopt;
}

}  // namespace velmora
