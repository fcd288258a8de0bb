#include "rules/move.hpp"

namespace velmora {

namespace {

int 移動(局面& p, int x1, int y1, int x2, int y2, int koma) {
  const int target = p.BAN[x2][y2];
  if (target != KARA) 駒取得(p, target);  // into the other side's hand; a king into none
  p.BAN[x2][y2] = koma;
  if (x1 == UE_DAI)
    --p.UE_MOTI[y1];
  else if (x1 == SITA_DAI)
    --p.SITA_MOTI[y1 - 2];
  else
    p.BAN[x1][y1] = KARA;
  return target;
}

}  // namespace

void 駒移動_相対駒(局面& p, const 指し手& m) {
  if (!盤内(m.x1)) return;  // drops have no mirror move
  const int mx1 = 相対位置(m.x1), my1 = 相対位置(m.y1), mx2 = 相対位置(m.x2), my2 = 相対位置(m.y2);
  const int c = p.BAN[mx1][my1];
  if (c == KARA || p.BAN[mx2][my2] != KARA) return;
  if (!敵同士(m.placed, c)) return;
  移動(p, mx1, my1, mx2, my2, c);
}

void 駒取得(局面& p, int captured) {
  const int slot = 持駒番号(captured);
  if (slot == 0) return;  // a king, or no piece
  if (captured > 0)
    ++p.SITA_MOTI[slot];
  else
    ++p.UE_MOTI[slot];
}

int 駒移動(局面& p, const 指し手& m) { return 移動(p, m.x1, m.y1, m.x2, m.y2, m.placed); }

}  // namespace velmora
