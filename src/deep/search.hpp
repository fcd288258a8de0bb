// The computer's deep search (levels 4 and 5): iterative deepening
// alpha-beta over the whole game tree of the mirror game, for either side.
//
//   深読み器 engine;                       // owns its table: make it once, reuse it
//   auto r = engine.探す(pos, 1, レベルの設定(5), &stop);
//   if (r.手) play(*r.手);
//
// It takes the game's position and returns the game's move (`指し手`, a drop
// from the side's stand as the move procedures expect it). A search object
// may run on any thread, one search at a time; other threads may set the
// stop flag, and the search then returns within a few thousand positions
// with the best move it has. Objects share nothing: two may search at once.
// The search allocates nothing; the table is allocated when the object is made.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>

#include "deep/values.hpp"
#include "rules/move.hpp"
#include "rules/position.hpp"

namespace velmora {

using 停止フラグ = std::atomic<bool>;

// How long to search. Each limit that is set applies; with none, the search
// runs to its greatest depth or until stopped.
struct 深読み設定 {
  double 秒 = 0;            // wall-clock time for the move (0: no limit); the search stops by it
  std::int64_t 局面数 = 0;  // positions to visit at most (0: no limit); the same budget and
                            // position give the same move on any machine
  int 深さ = 0;             // deepest iteration (0: no limit)
  int 残り手数 = 1 << 30;   // moves the game may still make; a line that reaches the limit is a draw
};

// Level 4: 0.3 s a move; level 5: 1 s.
深読み設定 レベルの設定(int level);
// The same by a node budget, for runs that must give the same moves everywhere
// (the scripted runs): about the positions each level visits in its time.
深読み設定 レベルの局面数(int level);

// Scores: a pawn is 100; a king taken `n` moves (plies) ahead scores ±(詰みの値 - n).
inline constexpr int 詰みの値 = 30000;
inline constexpr int 詰みの境 = 詰みの値 - 1000;

struct 深読み結果 {
  std::optional<指し手> 手;  // nothing when the game is over or the side has no move
  int 評価 = 0;              // from the moving side's view
  int 深さ = 0;              // the deepest iteration finished
  std::int64_t 局面数 = 0;
  double 秒 = 0;
  bool 止められた = false;  // the stop flag ended it
};

// The key the search knows a position by, with `side` to move: the history
// of a game is the keys of its positions before the one searched.
std::uint64_t 局面の鍵(const 局面& p, int side);

class 深読み器 {
 public:
  // table_megabytes: the size of the transposition table (a power of two is used).
  explicit 深読み器(int table_megabytes = 16, const deep::評価の重み& weights = {});
  ~深読み器();
  深読み器(const 深読み器&) = delete;
  深読み器& operator=(const 深読み器&) = delete;

  // The best move for `side` (-1 the bottom side, 1 the top side) in p.
  // `history` holds the keys of the game's earlier positions, oldest first:
  // a line that comes back to one of them, or to a position earlier in the
  // line, counts as a loss of `評価の重み::繰り返し` for the side searched
  // (the game has no rule that ends a circle: going round only puts it
  // off), so a side plays on unless every other move loses more. A search by node budget starts
  // from an empty table, so that its move depends on the position, the
  // history and the budget alone.
  深読み結果 探す(const 局面& p, int side, const 深読み設定& limits, const 停止フラグ* stop = nullptr,
                  std::span<const std::uint64_t> history = {});
  // Forget every position seen (a new game).
  void 表を空に();

 private:
  struct 中身;
  std::unique_ptr<中身> d_;
};

// One search with a search object of its own (allocated here, outside the search).
std::optional<指し手> 深読み(const 局面& p, int side, const 深読み設定& limits,
                             const 停止フラグ* stop = nullptr, std::span<const std::uint64_t> history = {});

}  // namespace velmora
