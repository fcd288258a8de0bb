#include "deep/search.hpp"

#include <algorithm>
#include <chrono>
#include <cstring>

#include "deep/board.hpp"
#include "deep/evaluate.hpp"
#include "deep/movegen.hpp"

namespace velmora {

using namespace deep;

namespace {

constexpr int 最大深さ = 96;  // plies from the root, the quiescence search's included
constexpr int 無限 = 32000;
constexpr int 移動の余裕_ミリ秒 = 10;  // returned this long before the time is up
constexpr int 履歴の上限 = 1024;       // the game's positions the search looks back on

// The transposition table: buckets of four entries, one cache line each.
enum : std::uint8_t { 境界なし = 0, 上限 = 1, 下限 = 2, 正確 = 3 };
struct 表の項目 {
  std::uint32_t check;
  手 move;
  std::int16_t score;
  std::uint8_t depth;
  std::uint8_t bound;
  std::uint8_t age;
  std::uint8_t pad[3];
};
static_assert(sizeof(表の項目) == 16);
struct alignas(64) 表の組 {
  表の項目 e[4];
};

// Mate scores count from the root in the search and from the position in the table.
int 表へ(int s, int ply) { return s >= 詰みの境 ? s + ply : s <= -詰みの境 ? s - ply : s; }
int 表から(int s, int ply) { return s >= 詰みの境 ? s - ply : s <= -詰みの境 ? s + ply : s; }

using 時計 = std::chrono::steady_clock;

}  // namespace

struct 深読み器::中身 {
  評価の重み w;
  駒の価値 values;
  std::unique_ptr<表の組[]> table;
  std::size_t mask = 0;
  std::uint8_t age = 0;

  // --- one search ---
  盤 b;
  std::int64_t nodes = 0;
  std::int64_t node_limit = 0;
  時計::time_point start;
  double hard = 0, soft = 0;
  bool timed = false;
  const 停止フラグ* stop = nullptr;
  bool stopped = false, stopped_by_flag = false;
  int remaining = 1 << 30;
  int root_depth = 0;

  手 moves[最大深さ][最大手数];
  // The moves in the order to try them: the score in the high half, the move in the low.
  std::uint64_t ordered[最大深さ][最大手数];
  戻す情報 undo[最大深さ];
  手 killers[最大深さ][2];
  int history[2][32][桝数];
  手 root_moves[最大手数];
  int root_scores[最大手数];
  std::uint64_t path[最大深さ + 1];  // the key at each ply of the line searched
  std::uint64_t game[履歴の上限];    // the game's earlier positions, the latest last
  int game_count = 0;
  std::uint64_t game_filter[64];  // a bit for each of 4096 slices of the keys in `game`

  中身(int megabytes, const 評価の重み& weights) : w(weights), values(駒の価値を作る(weights)), b(&values) {
    std::size_t buckets = 1;
    const std::size_t want = static_cast<std::size_t>(std::max(megabytes, 1)) * 1024 * 1024 / sizeof(表の組);
    while (buckets * 2 <= want) buckets *= 2;
    table = std::make_unique<表の組[]>(buckets);
    mask = buckets - 1;
  }

  void 空に() {
    std::memset(static_cast<void*>(table.get()), 0, (mask + 1) * sizeof(表の組));
    age = 0;
  }

  double 経過() const { return std::chrono::duration<double>(時計::now() - start).count(); }

  bool 止める() {
    if (stopped) return true;
    if (node_limit && nodes >= node_limit) return stopped = true;
    if ((nodes & 1023) == 0) {
      if (stop && stop->load(std::memory_order_relaxed)) {
        stopped = stopped_by_flag = true;
      } else if (timed && 経過() >= hard) {
        stopped = true;
      }
    }
    return stopped;
  }

  表の項目* 表を引く(std::uint64_t key) {
    表の組& g = table[key & mask];
    const auto check = static_cast<std::uint32_t>(key >> 32);
    for (auto& e : g.e)
      if (e.check == check && e.bound != 境界なし) return &e;
    return nullptr;
  }

  void 表に書く(std::uint64_t key, 手 m, int score, int depth, std::uint8_t bound, int ply) {
    表の組& g = table[key & mask];
    const auto check = static_cast<std::uint32_t>(key >> 32);
    表の項目* slot = &g.e[0];
    int worst = 1 << 20;
    for (auto& e : g.e) {
      if (e.check == check || e.bound == 境界なし) {
        slot = &e;
        break;
      }
      // Replace the shallowest entry, entries of earlier searches first.
      const int v = e.depth - (e.age != age ? 64 : 0);
      if (v < worst) worst = v, slot = &e;
    }
    if (slot->check == check && m == 手なし) m = slot->move;
    slot->check = check;
    slot->move = m;
    slot->score = static_cast<std::int16_t>(表へ(score, ply));
    slot->depth = static_cast<std::uint8_t>(std::clamp(depth, 0, 255));
    slot->bound = bound;
    slot->age = age;
  }

  int 価値(駒 p) const { return values.盤上[駒の種類(p)]; }

  // A draw at the move limit is worth a little less than nothing to the side
  // the search is for.
  int 引き分け(int ply) const { return ply & 1 ? w.引き分け : -w.引き分け; }
  // A line that comes back to a position met before, much less: the game has
  // no rule that ends a circle, so going round only puts the game off, and
  // the side plays on unless every other move loses more than that.
  int 回った(int ply) const { return ply & 1 ? w.繰り返し : -w.繰り返し; }

  // No move, or every move leaves the king to be taken: the king is taken
  // at the next ply, unless the game's move limit comes first.
  int 負け(int ply) const { return ply + 2 <= remaining ? -詰みの値 + ply + 1 : 引き分け(ply); }

  static int 絞り(std::uint64_t key) { return static_cast<int>((key >> 20) & 4095); }

  // Has the position at `ply` been met before, in this line or in the game,
  // with the same side to move?
  bool 繰り返し(int ply) const {
    const std::uint64_t key = path[ply];
    for (int i = ply - 2; i >= 0; i -= 2)
      if (path[i] == key) return true;
    const int f = 絞り(key);
    if (!(game_filter[f >> 6] >> (f & 63) & 1)) return false;
    // game[game_count - 1] is one ply before the root.
    for (int i = game_count - 2 + (ply & 1); i >= 0; i -= 2)
      if (game[i] == key) return true;
    return false;
  }

  // Move ordering: the table's move, captures by victim and then attacker,
  // promotions, the killers, then the history of quiet moves and drops.
  void 順位を付ける(int ply, int n, 手 tt_move) {
    const int side = b.手番();
    const 手* list = moves[ply];
    std::uint64_t* out = ordered[ply];
    for (int i = 0; i < n; ++i) {
      const 手 m = list[i];
      int s;
      const int to = 手の先(m);
      if (m == tt_move) {
        s = 1 << 30;
      } else if (手の打(m)) {
        s = history[side][16 + 打つ種類(m)][to];
      } else {
        const 駒 mover = b.at(手の元(m));
        const 駒 victim = b.at(to);
        const int promo = 手の成(m) ? values.盤上[成った種類(駒の種類(mover))] - 価値(mover) : 0;
        if (victim != 空)
          s = (1 << 28) + 64 * 価値(victim) - 価値(mover) / 8 + promo;
        else if (promo > 0)
          s = (1 << 27) + promo;
        else if (m == killers[ply][0])
          s = (1 << 26) + 1;
        else if (m == killers[ply][1])
          s = 1 << 26;
        else
          s = history[side][駒の種類(mover)][to];
      }
      out[i] = static_cast<std::uint64_t>(std::max(s, 0)) << 32 | m;
    }
  }

  // The move to try i-th: the best of the rest picked one by one for the
  // first few (a cut usually comes early), then the rest sorted at once.
  手 次の手(int ply, int i, int n) {
    std::uint64_t* list = ordered[ply];
    constexpr int 選ぶ数 = 6;
    if (i < 選ぶ数) {
      int best = i;
      for (int j = i + 1; j < n; ++j)
        if (list[j] > list[best]) best = j;
      std::swap(list[i], list[best]);
    } else if (i == 選ぶ数) {
      std::sort(list + i, list + n, [](std::uint64_t a, std::uint64_t b) { return a > b; });
    }
    return static_cast<手>(list[i]);
  }

  void 良い手(int ply, 手 m, int depth) {
    if (killers[ply][0] != m) killers[ply][1] = killers[ply][0], killers[ply][0] = m;
    const int side = b.手番();
    int& h = 手の打(m) ? history[side][16 + 打つ種類(m)][手の先(m)]
                       : history[side][駒の種類(b.at(手の元(m)))][手の先(m)];
    h += depth * depth;
    if (h > (1 << 24))
      for (auto& side_table : history)
        for (auto& row : side_table)
          for (int& v : row) v /= 2;
  }

  // After the side to move made m: did it leave its own king to be taken?
  bool 玉を残した(int mover) const {
    const int k = b.玉の桝(mover);
    return k != 0 && 利いている(b, k, mover ^ 1);
  }

  // The quiescence search: captures and big promotions until the position is
  // quiet, and the answers to a check. Drops that block a check give the
  // pieces back that captures took, so captures and checks need not run
  // out: a line that has gone on for 静止の上限 plies, or that meets a check
  // after 王手の上限, stops at the evaluation.
  static constexpr int 静止の上限 = 12;
  static constexpr int 王手の上限 = 4;

  int 静止(int alpha, int beta, int ply, int qply = 0) {
    if (ply >= remaining) return 引き分け(ply);  // the game's move limit
    path[ply] = b.key();
    if (qply > 0 && 繰り返し(ply)) return 回った(ply);
    ++nodes;
    if (止める()) return 0;
    if (ply >= 最大深さ - 1 || qply >= 静止の上限) return 評価(b, w);
    const bool in_check = 王手されている(b);
    if (in_check && qply >= 王手の上限) return 評価(b, w);
    int best = -無限;
    int stand = 0;
    if (!in_check) {
      stand = 評価(b, w);
      if (stand >= beta) return stand;
      if (stand > alpha) alpha = stand;
      best = stand;
    }
    const int n = in_check ? 王手を避ける手を生成(b, moves[ply]) : 手を生成(b, 生成::取る手, moves[ply]);
    順位を付ける(ply, n, 手なし);
    const int me = b.手番();
    int legal = 0;
    for (int i = 0; i < n; ++i) {
      const 手 m = 次の手(ply, i, n);
      if (!in_check) {
        // Too little to gain to reach alpha.
        const 駒 victim = b.at(手の先(m));
        int gain = victim != 空 ? 価値(victim) : 0;
        if (手の成(m)) gain += values.盤上[成った種類(駒の種類(b.at(手の元(m))))] - 価値(b.at(手の元(m)));
        if (stand + gain + 200 <= alpha) continue;
        // A capture by a dearer piece of one the other side guards loses
        // more than it wins (the mirror jump aside), unless it promotes.
        const 駒 mover = b.at(手の元(m));
        if (!手の成(m) && victim != 空 && 価値(mover) > 価値(victim) + 50 && 利いている(b, 手の先(m), me ^ 1))
          continue;
      }
      b.指す(m, undo[ply]);
      if (玉を残した(me)) {
        b.戻す(m, undo[ply]);
        continue;
      }
      ++legal;
      const int s = -静止(-beta, -alpha, ply + 1, qply + 1);
      b.戻す(m, undo[ply]);
      if (stopped) return 0;
      if (s > best) {
        best = s;
        if (s > alpha) {
          alpha = s;
          if (s >= beta) break;
        }
      }
    }
    if (in_check && legal == 0) return 負け(ply);
    return best;
  }

  int 探索(int depth, int alpha, int beta, int ply, bool pv_node, bool null_ok) {
    if (ply >= remaining) return 引き分け(ply);
    path[ply] = b.key();
    if (繰り返し(ply)) return 回った(ply);
    if (depth <= 0) return 静止(alpha, beta, ply);
    ++nodes;
    if (止める()) return 0;
    if (ply >= 最大深さ - 1) return 評価(b, w);

    // No line from here ends sooner than a king taken at the next ply but one,
    // nor later than having no move here.
    alpha = std::max(alpha, -詰みの値 + ply + 1);
    beta = std::min(beta, 詰みの値 - ply - 2);
    if (alpha >= beta) return alpha;

    const std::uint64_t key = b.key();
    手 tt_move = 手なし;
    if (const 表の項目* e = 表を引く(key)) {
      tt_move = e->move;
      if (!pv_node && e->depth >= depth) {
        const int s = 表から(e->score, ply);
        if (e->bound == 正確 || (e->bound == 下限 && s >= beta) || (e->bound == 上限 && s <= alpha)) return s;
      }
    }

    const bool in_check = 王手されている(b);
    if (in_check && ply < 2 * root_depth) ++depth;
    const int static_eval = in_check ? -無限 : 評価(b, w);

    if (!pv_node && !in_check && beta < 詰みの境 && beta > -詰みの境) {
      // Far enough above beta that a shallow search would not bring it back.
      if (depth <= 3 && static_eval - 150 * depth >= beta) return static_eval;
      // Passing still holds beta: a real move would too. Passing is safe here
      // (the king is not in check, and positions where any move hurts are rare
      // in a game with drops); the null move makes no mirror jump.
      if (null_ok && depth >= 3 && static_eval >= beta) {
        const int r = 3 + depth / 6;
        b.パス();
        const int s = -探索(depth - r, -beta, -beta + 1, ply + 1, false, false);
        b.パス();
        if (stopped) return 0;
        if (s >= beta) return s >= 詰みの境 ? beta : s;
      }
    }

    const int n = in_check ? 王手を避ける手を生成(b, moves[ply]) : 手を生成(b, 生成::探索, moves[ply]);
    順位を付ける(ply, n, tt_move);
    const int me = b.手番();
    const int alpha0 = alpha;
    int best = -無限;
    手 best_move = 手なし;
    int legal = 0;
    for (int i = 0; i < n; ++i) {
      const 手 m = 次の手(ply, i, n);
      const bool capture = !手の打(m) && b.at(手の先(m)) != 空;
      const bool quiet = !capture && !手の成(m);
      const bool killer = m == killers[ply][0] || m == killers[ply][1];
      if (!pv_node && !in_check && quiet && legal > 0 && best > -詰みの境) {
        // Late quiet moves near the leaves are rarely worth a look.
        if (depth <= 3 && legal >= 6 + 4 * depth * depth) continue;
        if (depth <= 2 && !killer && static_eval + 120 + 120 * depth <= alpha) continue;
      }
      b.指す(m, undo[ply]);
      if (玉を残した(me)) {
        b.戻す(m, undo[ply]);
        continue;
      }
      ++legal;
      int s;
      if (legal == 1) {
        s = -探索(depth - 1, -beta, -alpha, ply + 1, pv_node, true);
      } else {
        int r = 0;
        if (depth >= 3 && quiet && !in_check && !killer && legal > 3) {
          r = 1 + (legal > 10) + (depth >= 6 && legal > 20);
          if (pv_node) --r;
          r = std::min(r, depth - 2);
        }
        s = -探索(depth - 1 - r, -alpha - 1, -alpha, ply + 1, false, true);
        if (s > alpha && r > 0) s = -探索(depth - 1, -alpha - 1, -alpha, ply + 1, false, true);
        if (s > alpha && s < beta && pv_node) s = -探索(depth - 1, -beta, -alpha, ply + 1, true, true);
      }
      b.戻す(m, undo[ply]);
      if (stopped) return 0;
      if (s > best) {
        best = s;
        best_move = m;
        if (s > alpha) {
          alpha = s;
          if (s >= beta) {
            if (quiet) 良い手(ply, m, depth);
            break;
          }
        }
      }
    }
    if (legal == 0) return 負け(ply);
    const std::uint8_t bound = best >= beta ? 下限 : best > alpha0 ? 正確 : 上限;
    表に書く(key, best_move, best, depth, bound, ply);
    return best;
  }

  深読み結果 根(const 局面& p, int side, const 深読み設定& limits, const 停止フラグ* stop_flag,
                std::span<const std::uint64_t> earlier) {
    start = 時計::now();
    深読み結果 r;
    nodes = 0;
    node_limit = limits.局面数;
    timed = limits.秒 > 0;
    hard = std::max(limits.秒 - 移動の余裕_ミリ秒 / 1000.0, limits.秒 / 2);
    soft = limits.秒 * 0.45;
    stop = stop_flag;
    stopped = stopped_by_flag = false;
    remaining = std::max(limits.残り手数, 1);
    std::memset(killers, 0, sizeof killers);
    std::memset(history, 0, sizeof history);
    if (node_limit) 空に();
    ++age;

    if (side != -1 && side != 1) return r;
    b = 盤::局面から(p, side, &values);
    path[0] = b.key();
    if (earlier.size() > 履歴の上限) earlier = earlier.last(履歴の上限);
    game_count = static_cast<int>(earlier.size());
    std::memset(game_filter, 0, sizeof game_filter);
    for (int i = 0; i < game_count; ++i) {
      game[i] = earlier[static_cast<std::size_t>(i)];
      const int f = 絞り(game[i]);
      game_filter[f >> 6] |= 1ull << (f & 63);
    }
    if (b.終局()) return r;

    const int me = b.手番();
    int n = 手を生成(b, 生成::探索, moves[0]);
    if (n == 0) return r;
    // A king left to be taken is taken.
    for (int i = 0; i < n; ++i) {
      const 手 m = moves[0][i];
      if (!手の打(m) && b.at(手の先(m)) == 駒を作る(me ^ 1, 玉)) {
        r.手 = ゲームの手(b, m);
        r.評価 = 詰みの値 - 1;
        return 完了(r);
      }
    }
    順位を付ける(0, n, 手なし);
    int count = 0;
    for (int i = 0; i < n; ++i) {
      const 手 m = 次の手(0, i, n);
      b.指す(m, undo[0]);
      const bool lost = 玉を残した(me);
      b.戻す(m, undo[0]);
      if (!lost) root_moves[count++] = m;
    }
    if (count == 0) {
      // Every move loses the king: play one anyway.
      r.手 = ゲームの手(b, static_cast<手>(ordered[0][0]));
      r.評価 = -詰みの値 + 2;
      return 完了(r);
    }
    r.手 = ゲームの手(b, root_moves[0]);
    if (count == 1) return 完了(r);

    const int max_depth = limits.深さ > 0 ? std::min(limits.深さ, 最大深さ - 8) : 最大深さ - 8;
    int last = 0;  // the score of the last depth finished
    for (int depth = 1; depth <= max_depth; ++depth) {
      root_depth = depth;
      // A window around the last score, widened on the side it fails on.
      int lo = depth >= 4 ? last - 60 : -無限;
      int hi = depth >= 4 ? last + 60 : 無限;
      一巡の結果 it;
      for (;;) {
        it = 根の一巡(depth, lo, hi, count);
        if (stopped) break;
        if (it.best <= lo && lo > -無限) {
          lo = -無限;
        } else if (it.best >= hi && hi < 無限) {
          hi = 無限;
        } else {
          break;
        }
      }
      if (it.done > 0 && it.best > lo && it.best_move != 手なし) {
        // A move searched in full at this depth that beat the moves before it
        // (the first of which was the best of the last depth) is kept even
        // when the depth was cut short.
        r.手 = ゲームの手(b, it.best_move);
        r.評価 = it.best;
      }
      if (stopped) break;
      r.深さ = depth;
      last = it.best;
      // The best first next time, the rest by their scores.
      for (int i = 0; i < count; ++i)
        if (root_moves[i] == it.best_move) root_scores[i] = 無限;
      for (int i = 1; i < count; ++i)
        for (int j = i; j > 0 && root_scores[j] > root_scores[j - 1]; --j) {
          std::swap(root_scores[j], root_scores[j - 1]);
          std::swap(root_moves[j], root_moves[j - 1]);
        }
      if (it.best >= 詰みの境) break;  // a king taken in the end, whatever the other side does
      if (timed && 経過() >= soft) break;
    }
    return 完了(r);
  }

  struct 一巡の結果 {
    int best = -無限;
    手 best_move = 手なし;
    int done = 0;  // root moves searched in full
  };

  // The root's moves at one depth within the window (lo, hi), the first one
  // fully, the rest by a null window first.
  一巡の結果 根の一巡(int depth, int lo, int hi, int count) {
    一巡の結果 it;
    int alpha = lo;
    for (int i = 0; i < count; ++i) {
      const 手 m = root_moves[i];
      b.指す(m, undo[0]);
      int s;
      if (i == 0) {
        s = -探索(depth - 1, -hi, -alpha, 1, true, true);
      } else {
        s = -探索(depth - 1, -alpha - 1, -alpha, 1, false, true);
        if (s > alpha && s < hi && !stopped) s = -探索(depth - 1, -hi, -alpha, 1, true, true);
      }
      b.戻す(m, undo[0]);
      if (stopped) break;
      ++it.done;
      root_scores[i] = s;
      if (s > it.best) {
        it.best = s;
        it.best_move = m;
        alpha = std::max(alpha, s);
        if (s >= hi) break;
      }
    }
    return it;
  }

  深読み結果& 完了(深読み結果& r) {
    r.局面数 = nodes;
    r.秒 = 経過();
    r.止められた = stopped_by_flag;
    return r;
  }
};

深読み設定 レベルの設定(int level) {
  深読み設定 s;
  s.秒 = level >= 5 ? 1.0 : 0.3;
  return s;
}

深読み設定 レベルの局面数(int level) {
  深読み設定 s;
  s.局面数 = level >= 5 ? 1'000'000 : 300'000;
  return s;
}

深読み器::深読み器(int table_megabytes, const 評価の重み& weights)
    : d_(std::make_unique<中身>(table_megabytes, weights)) {
  d_->空に();
}

深読み器::~深読み器() = default;

深読み結果 深読み器::探す(const 局面& p, int side, const 深読み設定& limits, const 停止フラグ* stop,
                          std::span<const std::uint64_t> history) {
  return d_->根(p, side, limits, stop, history);
}

std::uint64_t 局面の鍵(const 局面& p, int side) { return 盤::局面から(p, side).key(); }

void 深読み器::表を空に() { d_->空に(); }

std::optional<指し手> 深読み(const 局面& p, int side, const 深読み設定& limits, const 停止フラグ* stop,
                             std::span<const std::uint64_t> history) {
  深読み器 engine;
  return engine.探す(p, side, limits, stop, history).手;
}

}  // namespace velmora
