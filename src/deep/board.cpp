#include "deep/board.hpp"

#include <cstdlib>

#include "deep/values.hpp"

namespace velmora::deep {

namespace {

// The Zobrist keys, made once at compile time: a key for each piece on each
// square, one for each count of each kind in each hand, one for the side to move.
inline constexpr int 持駒の最大 = 18;

struct 鍵表 {
  std::uint64_t piece[駒数][桝数]{};
  std::uint64_t hand[2][持駒種類数][持駒の最大 + 1]{};
  std::uint64_t side = 0;
};

constexpr std::uint64_t splitmix(std::uint64_t& state) {
  std::uint64_t z = (state += 0x9e3779b97f4a7c15ull);
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
  z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
  return z ^ (z >> 31);
}

constexpr 鍵表 鍵を作る() {
  鍵表 t;
  std::uint64_t state = 0x5ee1d0a11ce5eedull;
  for (auto& row : t.piece)
    for (auto& k : row) k = splitmix(state);
  for (auto& side : t.hand)
    for (auto& kind : side) {
      kind[0] = 0;  // an empty hand adds nothing
      for (int n = 1; n <= 持駒の最大; ++n) kind[n] = splitmix(state);
    }
  t.side = splitmix(state);
  return t;
}

constexpr 鍵表 鍵 = 鍵を作る();

constexpr int コード表[種類数] = {KARA, HU, KYOU,      KEI,      GIN,      KAKU,      SYA,     KIN,
                                  OU,   TO, KYOU_NARI, KEI_NARI, GIN_NARI, KAKU_NARI, SYA_NARI};
constexpr int 枠表[持駒種類数] = {0, MOTI_HU, MOTI_KYOU, MOTI_KEI, MOTI_GIN, MOTI_KAKU, MOTI_SYA, MOTI_KIN};

// The square a piece's piece-square term is read at: its own side's view.
constexpr int 見る桝(int side, int s) { return side == 下側 ? s : 鏡の桝(s); }

}  // namespace

int 駒のコード(駒 p) {
  if (!駒か(p)) return KARA;
  const int c = コード表[駒の種類(p)];
  return 駒の側(p) == 上側 ? c : -c;
}

駒 コードの駒(int code) {
  const int a = std::abs(code);
  for (int k = 1; k < 種類数; ++k)
    if (コード表[k] == a) return 駒を作る(code > 0 ? 上側 : 下側, k);
  return 空;
}

int 持駒の枠(int kind) { return 枠表[kind]; }

int 枠の種類(int slot) {
  for (int k = 1; k < 持駒種類数; ++k)
    if (枠表[k] == slot) return k;
  return 0;
}

std::uint64_t 盤::手番の鍵() { return 鍵.side; }

盤::盤(const 駒の価値* values) : values_(values ? values : &標準の駒の価値()) {
  sq_.fill(壁);
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) sq_[桝(x, y)] = 空;
}

盤 盤::局面から(const 局面& p, int side, const 駒の価値* values) {
  盤 b(values);
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y)
      if (const 駒 c = コードの駒(p.BAN[x][y])) b.置く(桝(x, y), c);
  for (int k = 1; k < 持駒種類数; ++k) {
    const int slot = 枠表[k];
    for (int n = 0; n < p.SITA_MOTI[slot] && n < 持駒の最大; ++n) b.持駒を増やす(下側, k);
    for (int n = 0; n < p.UE_MOTI[slot] && n < 持駒の最大; ++n) b.持駒を増やす(上側, k);
  }
  if (side > 0) b.パス();
  return b;
}

局面 盤::局面へ() const {
  局面 p;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) {
      const int c = 駒のコード(sq_[桝(x, y)]);
      p.BAN[x][y] = c;
    }
  for (int k = 1; k < 持駒種類数; ++k) {
    p.SITA_MOTI[枠表[k]] = hand_[下側][k];
    p.UE_MOTI[枠表[k]] = hand_[上側][k];
  }
  return p;
}

void 盤::置く(int s, 駒 p) {
  sq_[s] = p;
  key_ ^= 鍵.piece[p][s];
  const int side = 駒の側(p), kind = 駒の種類(p);
  const int v = values_->盤上[kind] + values_->位置[kind][見る桝(side, s)];
  material_ += side == 下側 ? v : -v;
  if (kind == 玉) king_[side] = static_cast<std::uint8_t>(s);
}

void 盤::取る(int s) {
  const 駒 p = sq_[s];
  sq_[s] = 空;
  key_ ^= 鍵.piece[p][s];
  const int side = 駒の側(p), kind = 駒の種類(p);
  const int v = values_->盤上[kind] + values_->位置[kind][見る桝(side, s)];
  material_ -= side == 下側 ? v : -v;
  if (kind == 玉 && king_[side] == s) king_[side] = 0;
}

void 盤::持駒を増やす(int side, int kind) {
  std::uint8_t& n = hand_[side][kind];
  key_ ^= 鍵.hand[side][kind][n] ^ 鍵.hand[side][kind][n + 1];
  ++n;
  material_ += side == 下側 ? values_->持駒[kind] : -values_->持駒[kind];
}

void 盤::持駒を減らす(int side, int kind) {
  std::uint8_t& n = hand_[side][kind];
  key_ ^= 鍵.hand[side][kind][n] ^ 鍵.hand[side][kind][n - 1];
  --n;
  material_ -= side == 下側 ? values_->持駒[kind] : -values_->持駒[kind];
}

void 盤::指す(手 m, 戻す情報& u) {
  u.key = key_;
  u.material = material_;
  u.captured = 空;
  u.jumped = false;
  const int to = 手の先(m);
  if (手の打(m)) {
    持駒を減らす(side_, 打つ種類(m));
    置く(to, 駒を作る(side_, 打つ種類(m)));
  } else {
    const int from = 手の元(m);
    駒 p = sq_[from];
    if (const 駒 c = sq_[to]) {
      u.captured = c;
      取る(to);
      if (const int k = 持駒の種類(駒の種類(c))) 持駒を増やす(side_, k);
    }
    取る(from);
    if (手の成(m)) p = 駒を作る(side_, 成った種類(駒の種類(p)));
    置く(to, p);
    // The mirror move, seen after the move: the opponent's piece on the
    // point-symmetric square of the source jumps to that of the
    // destination when it is empty. It never captures and never promotes.
    const int mf = 鏡の桝(from), mt = 鏡の桝(to);
    const 駒 q = sq_[mf];
    if (駒か(q) && 駒の側(q) != side_ && sq_[mt] == 空) {
      取る(mf);
      置く(mt, q);
      u.jumped = true;
    }
  }
  パス();
}

void 盤::戻す(手 m, const 戻す情報& u) {
  side_ ^= 1;
  const int to = 手の先(m);
  if (手の打(m)) {
    sq_[to] = 空;
    ++hand_[side_][打つ種類(m)];
  } else {
    const int from = 手の元(m);
    if (u.jumped) {
      const int mf = 鏡の桝(from), mt = 鏡の桝(to);
      sq_[mf] = sq_[mt];
      sq_[mt] = 空;
      if (駒の種類(sq_[mf]) == 玉) king_[駒の側(sq_[mf])] = static_cast<std::uint8_t>(mf);
    }
    駒 p = sq_[to];
    if (手の成(m)) p = 駒を作る(side_, 駒の種類(p) & 7);
    sq_[from] = p;
    if (駒の種類(p) == 玉) king_[side_] = static_cast<std::uint8_t>(from);
    sq_[to] = u.captured;
    if (u.captured) {
      if (const int k = 持駒の種類(駒の種類(u.captured))) --hand_[side_][k];
      if (駒の種類(u.captured) == 玉) king_[駒の側(u.captured)] = static_cast<std::uint8_t>(to);
    }
  }
  key_ = u.key;
  material_ = u.material;
}

std::uint64_t 盤::鍵を数え直す() const {
  std::uint64_t k = side_ == 上側 ? 鍵.side : 0;
  for (int s = 0; s < 桝数; ++s)
    if (駒か(sq_[s])) k ^= 鍵.piece[sq_[s]][s];
  for (int side = 0; side < 2; ++side)
    for (int kind = 1; kind < 持駒種類数; ++kind) k ^= 鍵.hand[side][kind][hand_[side][kind]];
  return k;
}

int 盤::評価を数え直す() const {
  int v = 0;
  for (int s = 0; s < 桝数; ++s) {
    const 駒 p = sq_[s];
    if (!駒か(p)) continue;
    const int side = 駒の側(p), kind = 駒の種類(p);
    const int w = values_->盤上[kind] + values_->位置[kind][見る桝(side, s)];
    v += side == 下側 ? w : -w;
  }
  for (int kind = 1; kind < 持駒種類数; ++kind)
    v += (hand_[下側][kind] - hand_[上側][kind]) * values_->持駒[kind];
  return v;
}

bool 盤::operator==(const 盤& o) const {
  if (sq_ != o.sq_ || side_ != o.side_ || key_ != o.key_ || material_ != o.material_) return false;
  for (int side = 0; side < 2; ++side) {
    if (king_[side] != o.king_[side]) return false;
    for (int kind = 0; kind < 持駒種類数; ++kind)
      if (hand_[side][kind] != o.hand_[side][kind]) return false;
  }
  return true;
}

指し手 ゲームの手(const 盤& b, 手 m) {
  指し手 g;
  const int to = 手の先(m);
  g.x2 = 桝の列(to);
  g.y2 = 桝の行(to);
  const int side = b.手番();
  if (手の打(m)) {
    const int slot = 持駒の枠(打つ種類(m));
    g.x1 = side == 上側 ? UE_DAI : SITA_DAI;
    g.y1 = side == 上側 ? slot : slot + 2;
    g.moving = g.placed = 駒のコード(駒を作る(side, 打つ種類(m)));
  } else {
    const int from = 手の元(m);
    g.x1 = 桝の列(from);
    g.y1 = 桝の行(from);
    const 駒 p = b.at(from);
    g.moving = 駒のコード(p);
    g.placed = 手の成(m) ? 駒のコード(駒を作る(side, 成った種類(駒の種類(p)))) : g.moving;
  }
  return g;
}

}  // namespace velmora::deep
