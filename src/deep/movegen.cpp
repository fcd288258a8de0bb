#include "deep/movegen.hpp"

namespace velmora::deep {

namespace {

// The eight neighbouring directions, as the bottom side sees them: forward
// (up the board) first. The top side's are the same negated.
constexpr int 方向[8] = {-幅 - 1, -幅, -幅 + 1, -1, 1, 幅 - 1, 幅, 幅 + 1};
enum : unsigned { 左前 = 1, 前 = 2, 右前 = 4, 左 = 8, 右 = 16, 左後 = 32, 後 = 64, 右後 = 128 };
constexpr unsigned 斜め = 左前 | 右前 | 左後 | 右後;
constexpr unsigned 縦横 = 前 | 左 | 右 | 後;
constexpr unsigned 金の足 = 左前 | 前 | 右前 | 左 | 右 | 後;

// For each kind, the directions it steps one square and those it slides along (bottom side's view).
struct 動き {
  unsigned step, slide;
};
constexpr 動き 動き表[種類数] = {
    {0, 0},                               // 空
    {前, 0},                              // 歩
    {0, 前},                              // 香
    {0, 0},                               // 桂 (jumps, below)
    {左前 | 前 | 右前 | 左後 | 右後, 0},  // 銀
    {0, 斜め},                            // 角
    {0, 縦横},                            // 飛
    {金の足, 0},                          // 金
    {斜め | 縦横, 0},                     // 玉
    {金の足, 0},                          // と
    {金の足, 0},                          // 成香
    {金の足, 0},                          // 成桂
    {金の足, 0},                          // 成銀
    {縦横, 斜め},                         // 馬
    {斜め, 縦横},                         // 竜
};

// A direction of the bottom side's view, seen by `side`: the top side's
// forward is the bottom side's backward.
constexpr int 向き(int side, int i) { return side == 下側 ? 方向[i] : -方向[i]; }
constexpr int 桂の跳び(int side, int i) { return (side == 下側 ? -2 * 幅 : 2 * 幅) + (i ? 1 : -1); }

// Rows counted from the side's far end: 1 is the row its pawns can never leave.
constexpr int 奥からの行(int side, int s) { return side == 下側 ? 桝の行(s) : 10 - 桝の行(s); }

// The 81 squares of the board, in the game's order (column by column).
struct 盤の桝 {
  int s[81];
};
constexpr 盤の桝 全ての桝 = [] {
  盤の桝 t{};
  int n = 0;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) t.s[n++] = 桝(x, y);
  return t;
}();

struct 書き手 {
  手* out;
  int n = 0;
  生成 mode;
  int side;

  // A board move of a piece of `kind`, with the promotions the rules allow.
  void 盤上(int from, int to, int kind, bool capture) {
    const int far_to = 奥からの行(side, to);
    if (成れる種類(kind)) {
      const bool short_range = kind == 歩 || kind == 香 || kind == 桂;
      const bool may = far_to <= 3 || (!short_range && 奥からの行(side, from) <= 3);
      if (may) {
        if (mode != 生成::取る手 || capture || kind == 歩 || kind == 角 || kind == 飛)
          out[n++] = 盤上の手(from, to, true);
        const bool must = ((kind == 歩 || kind == 香) && far_to == 1) || (kind == 桂 && far_to <= 2);
        if (must) return;
        if (mode != 生成::全部 && (kind == 歩 || kind == 角 || kind == 飛)) return;
      }
    }
    if (mode != 生成::取る手 || capture) out[n++] = 盤上の手(from, to, false);
  }
};

}  // namespace

namespace {

void 盤上の手を書く(const 盤& b, 書き手& w) {
  const int side = w.side;

  for (const int from : 全ての桝.s) {
    const 駒 p = b.at(from);
    if (p == 空 || 駒の側(p) != side) continue;
    const int kind = 駒の種類(p);
    const auto try_to = [&](int to) {
      const 駒 q = b.at(to);
      if (q == 壁 || (q != 空 && 駒の側(q) == side)) return false;
      w.盤上(from, to, kind, q != 空);
      return q == 空;
    };
    if (kind == 桂) {
      try_to(from + 桂の跳び(side, 0));
      try_to(from + 桂の跳び(side, 1));
      continue;
    }
    const 動き& d = 動き表[kind];
    for (int i = 0; i < 8; ++i) {
      const unsigned bit = 1u << i;
      if (d.step & bit) try_to(from + 向き(side, i));
      if (d.slide & bit) {
        const int o = 向き(side, i);
        for (int to = from + o; try_to(to); to += o) {
        }
      }
    }
  }
}

// Drops of every kind in hand on the empty squares of `squares`.
template <class Squares>
void 打つ手を書く(const 盤& b, 書き手& w, const Squares& squares) {
  const int side = w.side;
  int kinds[7], nk = 0;
  for (int k = 歩; k <= 金; ++k)
    if (b.持駒(side, k) > 0) kinds[nk++] = k;
  if (nk == 0) return;
  for (const int to : squares) {
    if (b.at(to) != 空) continue;
    const int far = 奥からの行(side, to);
    for (int i = 0; i < nk; ++i) {
      const int k = kinds[i];
      if ((k == 歩 || k == 香) && far == 1) continue;
      if (k == 桂 && far <= 2) continue;
      w.out[w.n++] = 打つ手(k, to);
    }
  }
}

}  // namespace

int 手を生成(const 盤& b, 生成 mode, 手* out) {
  if (b.終局()) return 0;
  書き手 w{out, 0, mode, b.手番()};
  盤上の手を書く(b, w);
  if (mode != 生成::取る手) 打つ手を書く(b, w, 全ての桝.s);
  return w.n;
}

int 王手を避ける手を生成(const 盤& b, 手* out) {
  if (b.終局()) return 0;
  const int side = b.手番();
  書き手 w{out, 0, 生成::探索, side};
  盤上の手を書く(b, w);
  // A drop helps only between the king and one checking slider that stands off.
  const int k = b.玉の桝(side);
  const int enemy = side ^ 1;
  if (k == 0) return w.n;
  int between[64], nb = 0, checkers = 0;
  for (int i = 0; i < 8; ++i) {
    const int o = 向き(enemy, i);
    const unsigned bit = 1u << i;
    int t = k - o, n = 0;
    while (b.at(t) == 空) t -= o, ++n;
    const 駒 q = b.at(t);
    if (q == 壁 || 駒の側(q) != enemy) continue;
    const 動き& d = 動き表[駒の種類(q)];
    if (n == 0 ? ((d.step | d.slide) & bit) : (d.slide & bit)) {
      ++checkers;
      for (int j = 1; j <= n; ++j) between[nb++] = k - j * o;
    }
  }
  const 駒 knight = 駒を作る(enemy, 桂);
  checkers += (b.at(k - 桂の跳び(enemy, 0)) == knight) + (b.at(k - 桂の跳び(enemy, 1)) == knight);
  if (checkers == 1 && nb > 0) {
    struct 桝列 {
      const int* p;
      int n;
      const int* begin() const { return p; }
      const int* end() const { return p + n; }
    };
    打つ手を書く(b, w, 桝列{between, nb});
  }
  return w.n;
}

bool 利いている(const 盤& b, int s, int side) {
  // Whatever stands next to s, in each direction, or first along it.
  for (int i = 0; i < 8; ++i) {
    const int o = 向き(side, i);  // a piece of `side` moving by o reaches s from s - o
    const unsigned bit = 1u << i;
    int t = s - o;
    駒 q = b.at(t);
    if (q != 空) {
      if (q != 壁 && 駒の側(q) == side) {
        const 動き& d = 動き表[駒の種類(q)];
        if ((d.step | d.slide) & bit) return true;
      }
      continue;
    }
    do {
      t -= o;
      q = b.at(t);
    } while (q == 空);
    if (q != 壁 && 駒の側(q) == side && (動き表[駒の種類(q)].slide & bit)) return true;
  }
  const 駒 knight = 駒を作る(side, 桂);
  return b.at(s - 桂の跳び(side, 0)) == knight || b.at(s - 桂の跳び(side, 1)) == knight;
}

bool 合法か(const 盤& b, 手 m) {
  手 moves[最大手数];
  const int n = 手を生成(b, 生成::全部, moves);
  for (int i = 0; i < n; ++i)
    if (moves[i] == m) return true;
  return false;
}

std::uint64_t perft(盤& b, int depth) {
  if (depth == 0) return 1;
  手 moves[最大手数];
  const int n = 手を生成(b, 生成::全部, moves);
  if (depth == 1) return static_cast<std::uint64_t>(n);
  std::uint64_t total = 0;
  for (int i = 0; i < n; ++i) {
    戻す情報 u;
    b.指す(moves[i], u);
    total += perft(b, depth - 1);
    b.戻す(moves[i], u);
  }
  return total;
}

}  // namespace velmora::deep
