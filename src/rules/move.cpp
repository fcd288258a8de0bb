#include "rules/move.hpp"

namespace velmora {

namespace {

// One body for the real and the tentative move: `painter` is null for a
// tentative move, which also leaves the hand totals alone.
void 移動(EngineState& s, 駒移動描画* painter, int x1, int y1, int x2, int y2, int koma) {
  const int target = s.BAN[x2][y2];
  if (target <= -HU) {
    if (painter) ++s.UE_MOTI_SU;
    駒取得(s, target);
    if (painter) painter->敵持盤();
  } else if (target >= HU) {
    if (painter) ++s.SITA_MOTI_SU;
    駒取得(s, target);
    if (painter) painter->自持盤();
  }

  if (painter) {
    painter->絵(KARA, x1, y1);
    painter->枠(x1, y1);
  }

  s.BAN[x2][y2] = koma;
  if (koma == -OU) {
    s.SITA_OU_X = x2;
    s.SITA_OU_Y = y2;
  }

  if (x1 == -1) {
    if (painter) --s.UE_MOTI_SU;
    --s.UE_MOTI[y1];
    if (painter) painter->敵持盤();
  } else if (x1 == 11) {
    if (painter) --s.SITA_MOTI_SU;
    --s.SITA_MOTI[y1 - 2];
    if (painter) painter->自持盤();
  } else {
    s.BAN[x1][y1] = KARA;
  }

  if (painter) {
    painter->絵(koma, x2, y2);
    painter->枠(x2, y2);
    painter->枠(x2, y2);
  }
}

// The mirror move: the opponent's piece on the point-symmetric square of the
// source jumps to the point-symmetric square of the destination, keeping its
// code, only when that square is empty. It never captures and never chains.
void 相対駒(EngineState& s, 駒移動描画* painter, int x1, int y1, int x2, int y2, int koma) {
  if (x1 < 1 || x1 > BAN_MAX) return;  // drops have no mirror move
  const int mx1 = 10 - x1, my1 = 10 - y1, mx2 = 10 - x2, my2 = 10 - y2;
  const int m = s.BAN[mx1][my1];
  if (m == KARA || s.BAN[mx2][my2] != KARA) return;
  const bool opponent = (koma >= HU && m <= -HU) || (koma <= -HU && m >= HU);
  if (!opponent) return;
  移動(s, painter, mx1, my1, mx2, my2, m);
}

}  // namespace

void 駒取得(EngineState& s, int captured) {
  if (captured == OU) {
    s.SYOUSYA = s.MAN_TEBAN;
    return;
  }
  if (captured == -OU) {
    s.SYOUSYA = s.COM_TEBAN;
    return;
  }
  const int slot = 持駒番号(captured);
  if (slot == 0) return;
  if (captured > 0)
    ++s.SITA_MOTI[slot];
  else
    ++s.UE_MOTI[slot];
}

void 駒移動(EngineState& s, 駒移動描画& painter, int x1, int y1, int x2, int y2, int koma) {
  移動(s, &painter, x1, y1, x2, y2, koma);
}

void 駒移動_相対駒(EngineState& s, 駒移動描画& painter, int x1, int y1, int x2, int y2, int koma) {
  相対駒(s, &painter, x1, y1, x2, y2, koma);
}

void 駒移動_仮(EngineState& s, int x1, int y1, int x2, int y2, int koma) {
  移動(s, nullptr, x1, y1, x2, y2, koma);
}

void 駒移動_相対駒_仮(EngineState& s, int x1, int y1, int x2, int y2, int koma) {
  相対駒(s, nullptr, x1, y1, x2, y2, koma);
}

}  // namespace velmora
