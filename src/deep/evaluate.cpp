#include "deep/evaluate.hpp"

#include <algorithm>
#include <cstdlib>

namespace velmora::deep {

namespace {

// How much a piece near a king threatens it, and how much one of the king's
// own pieces beside it guards it (twice as much next to it as two squares off).
constexpr int 攻め駒[種類数] = {0, 1, 1, 2, 3, 3, 4, 3, 0, 3, 3, 3, 3, 5, 6};
constexpr int 守り駒[種類数] = {0, 0, 0, 1, 2, 1, 1, 3, 0, 3, 3, 3, 3, 2, 1};
// Pieces in the other side's hand: a drop can land next to the king at once.
constexpr int 持駒の攻め[持駒種類数] = {0, 1, 1, 2, 2, 3, 4, 2};
constexpr int 危険の上限 = 40;

struct 玉の様子 {
  int danger = 0;       // as 玉の危険
  int guards = 0;       // golds, silvers and promoted minor pieces next to the king
  bool pulled = false;  // an opposing piece stands on the king's point-symmetric square
};

玉の様子 調べる(const 盤& b, int side) {
  玉の様子 r;
  const int k = b.玉の桝(side);
  if (k == 0) return r;
  int attack = 0, defense = 0, open = 0;
  const int kx = 桝の列(k), ky = 桝の行(k);
  for (int y = std::max(ky - 2, 1); y <= std::min(ky + 2, 9); ++y)
    for (int x = std::max(kx - 2, 1); x <= std::min(kx + 2, 9); ++x) {
      if (x == kx && y == ky) continue;
      const 駒 q = b.at(桝(x, y));
      const int near = (std::abs(x - kx) <= 1 && std::abs(y - ky) <= 1) ? 2 : 1;
      if (q == 空) {
        open += near == 2;
        continue;
      }
      const int kind = 駒の種類(q);
      if (駒の側(q) == side) {
        defense += 守り駒[kind] * near;
        if (near == 2 && (kind == 金 || kind == 銀 || (kind >= と && kind <= 成銀))) ++r.guards;
      } else {
        attack += 攻め駒[kind] * near;
      }
    }
  int hand = 0;
  for (int kind = 歩; kind <= 金; ++kind) hand += 持駒の攻め[kind] * std::min(b.持駒(side ^ 1, kind), 2);
  attack += hand * (open + 2) / 4;
  r.danger = std::clamp(attack - defense / 2, 0, 危険の上限);
  const 駒 m = b.at(鏡の桝(k));
  r.pulled = 駒か(m) && 駒の側(m) != side && 駒の種類(m) != 玉;
  return r;
}

// What the king's surroundings are worth to its side.
int 玉の安全(const 盤& b, int side, const 評価の重み& w) {
  const 玉の様子 r = 調べる(b, side);
  return w.守り * r.guards - w.攻め * r.danger * r.danger / 200 - (r.pulled ? w.鏡 : 0);
}

}  // namespace

int 玉の危険(const 盤& b, int side, const 評価の重み&) { return 調べる(b, side).danger; }

int 評価(const 盤& b, const 評価の重み& w) {
  const int v = b.material() + 玉の安全(b, 下側, w) - 玉の安全(b, 上側, w);
  return (b.手番() == 下側 ? v : -v) + w.手番;
}

}  // namespace velmora::deep
