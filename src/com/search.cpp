// The computer's search: every legal board move and drop of the top side is
// made on the live board, surveyed, scored and taken back. The best score
// wins; among equal scores the first in search order.
#include "com/search.hpp"

#include <algorithm>
#include <cstdlib>

#include "com/probes.hpp"
#include "rules/legality.hpp"
#include "rules/mate.hpp"
#include "rules/move.hpp"
#include "rules/survey.hpp"

namespace velmora {

namespace {

// What the evaluation compares the trial positions with, taken once.
// After a full trial move: the board and both hands as they were, and no winner.
void 試行を戻す(EngineState& s) {
  for (int x = 1; x <= BAN_MAX; ++x)
    for (int y = 1; y <= BAN_MAX; ++y) s.BAN[x][y] = s.BAN_MAE[x][y];
  for (int k = 1; k <= 7; ++k) {
    s.SITA_MOTI[k] = s.SITA_MOTI_MAE[k];
    s.UE_MOTI[k] = s.UE_MOTI_MAE[k];
  }
  s.SYOUSYA = TEBAN_NASI;
}

// One board move: its score, and the code the piece ends with.
double 盤上の手を評価(EngineState& s, 評価関数 evaluate, int x, int y, int x2, int y2, int moving, int cap,
                      int& placed) {
  s.BAN[x][y] = KARA;
  s.BAN[x2][y2] = moving;
  double score;
  if (調査_駒成(s, x, y, x2, y2, moving) == NO) {
    // The full move: the capture goes into the hand and the mirror move is made.
    s.BAN[x][y] = moving;
    s.BAN[x2][y2] = cap;
    駒移動_仮(s, x, y, x2, y2, moving);
    駒移動_相対駒_仮(s, x, y, x2, y2, moving);
    勢力調査(s);
    score = evaluate(s, cap, moving, x, y, x2, y2);
    試行を戻す(s);
    placed = moving;
  } else if (移動後チェック(y2, moving) == NO) {
    // A move that may promote is tried as it stands: no capture into the
    // hand and no mirror move.
    s.BAN[x2][y2] = s.NARI_KOMA;
    勢力調査(s);
    score = evaluate(s, cap, s.NARI_KOMA, x, y, x2, y2);
    placed = s.NARI_KOMA;
  } else {
    勢力調査(s);
    score = evaluate(s, cap, moving, x, y, x2, y2);
    placed = moving;
    s.BAN[x2][y2] = s.NARI_KOMA;
    勢力調査(s);
    const double promoted = evaluate(s, cap, s.NARI_KOMA, x, y, x2, y2);
    if (promoted > score) {
      score = promoted;
      placed = s.NARI_KOMA;
    }
    // Pawn, bishop and rook lose nothing by promoting.
    if (moving == HU || moving == KAKU || moving == SYA) placed = s.NARI_KOMA;
  }
  s.BAN[x2][y2] = cap;
  s.BAN[x][y] = moving;
  return score;
}

}  // namespace

void 探索前の記録(EngineState& s) {
  for (int x = 1; x <= BAN_MAX; ++x)
    for (int y = 1; y <= BAN_MAX; ++y) {
      s.BAN_MAE[x][y] = s.BAN[x][y];
      s.OU_NIGEMITI[x][y] = KARA;
    }
  for (int k = 1; k <= 7; ++k) {
    s.SITA_MOTI_MAE[k] = s.SITA_MOTI[k];
    s.UE_MOTI_MAE[k] = s.UE_MOTI[k];
  }
  // The escape count is taken from the maps of the last survey, before this
  // search runs its own.
  s.OU_NIGEMITI_MAE = 調査_自王逃道(s);
  勢力調査(s);
  調査_持角狙座標(s);
  調査_移動不可駒(s);
  s.UE_MOTI_SU_MAE = s.UE_MOTI_SU;
  for (int x = 1; x <= BAN_MAX; ++x)
    for (int y = 1; y <= BAN_MAX; ++y) {
      s.SITA_SEIRYOKU_MAE[x][y] = s.SITA_SEIRYOKU[x][y];
      s.UE_SEIRYOKU_MAE[x][y] = s.UE_SEIRYOKU[x][y];
      s.UE_TORI_X_MAE[x][y] = s.UE_TORI_X[x][y];
      s.UE_TORI_Y_MAE[x][y] = s.UE_TORI_Y[x][y];
    }
}

候補手 探索(EngineState& s, 探索中の時計& clock, 評価関数 evaluate) {
  候補手 best;
  s.HYOUKA_MAX = -99999;
  探索前の記録(s);

  for (int x = 1; x <= BAN_MAX; ++x) {
    clock.tick();
    for (int y = 1; y <= BAN_MAX; ++y) {
      if (s.BAN[x][y] < HU) continue;
      for (int x2 = 1; x2 <= BAN_MAX; ++x2) {
        for (int y2 = 1; y2 <= BAN_MAX; ++y2) {
          const int moving = s.BAN[x][y];
          if (移動チェック(s, x, y, x2, y2, moving) != YES) continue;
          s.KOUHO_KOMA = moving;
          // Measured from the king square the last trial survey left.
          s.OU_KYORI = std::max(std::abs(x - s.SITA_OU_X), std::abs(y - s.SITA_OU_Y));
          const int cap = s.BAN[x2][y2];
          int placed = moving;
          const double score = 盤上の手を評価(s, evaluate, x, y, x2, y2, moving, cap, placed);
          if (score > s.HYOUKA_MAX) {
            s.HYOUKA_MAX = score;
            best = {true, x, y, x2, y2, placed, moving};
            if (cap == -OU) return best;
          }
        }
      }
    }
  }

  if (s.UE_MOTI_SU_MAE <= 0) return best;
  for (int k = 1; k <= 7; ++k) {
    clock.tick();
    if (s.UE_MOTI[k] <= 0) continue;
    const int piece = 持駒コード[k];
    for (int x2 = 1; x2 <= BAN_MAX; ++x2) {
      for (int y2 = 1; y2 <= BAN_MAX; ++y2) {
        if (移動チェック(s, -1, k, x2, y2, piece) != YES) continue;
        s.KOUHO_KOMA = piece;
        s.BAN[x2][y2] = piece;
        勢力調査(s);
        const double score = evaluate(s, KARA, piece, -1, k, x2, y2);
        s.BAN[x2][y2] = KARA;
        if (score > s.HYOUKA_MAX) {
          s.HYOUKA_MAX = score;
          best.found = true;
          best.x = -1;
          best.y = k;
          best.x2 = x2;
          best.y2 = y2;
          best.placed = piece;  // the moving code stays that of the last board move chosen
        }
        // Tested after every drop, whether or not it beat the best so far.
        if (s.HYOUKA_MAX >= 9998) return best;
      }
    }
  }
  return best;
}

}  // namespace velmora
