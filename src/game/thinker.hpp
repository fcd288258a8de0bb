// Thinking deeply (levels 4 and 5, and the hint): what there is to think
// about, the deep search that thinks about it, and the port through which the
// game asks for it. Whoever runs the game decides where and when the thinking
// happens: velmora-script and the tests think at once, by a node budget, so
// that the same game always gives the same moves; the window thinks on a
// thread of its own, by time, and hands the answer back to the game on its
// own thread (思考の答え, game/computer.hpp).
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "deep/search.hpp"
#include "rules/game.hpp"
#include "rules/move.hpp"
#include "rules/position.hpp"

namespace velmora {

// A request to think: a copy of the position, whose move it is, at which
// level, and what the search needs of the game around it. It holds no
// reference into the game, so that it may be thought about on any thread.
struct 思考の依頼 {
  局面 pos;
  int side = 1;   // -1 the bottom side, 1 the top side
  int level = 5;  // 4 or 5
  // The keys of the game's positions before this one, oldest first: a line
  // that comes back to one of them is a draw.
  std::vector<std::uint64_t> history;
  int 残り手数 = KIFU_T_MAX;  // the moves the record can still take
};

// What the game waits for while a thinker thinks elsewhere: the computer's
// move or a hint, and the position it was asked about.
enum class 思考の用 { なし, 着手, ヒント };
struct 思考待ち {
  思考の用 用 = 思考の用::なし;
  局面 pos;
};

// How long a request is thought about: by the level's time (0.3 s at level 4,
// 1 s at level 5), or by a node budget (0: the level's own, which is about
// what the level visits in its time), with the record's moves left.
深読み設定 思考の時間(const 思考の依頼& r);
深読み設定 思考の局面数(const 思考の依頼& r, std::int64_t nodes = 0);

// One deep search, kept from request to request: its table is allocated when
// it first thinks, not before, and is then reused. One request at a time.
class 思考の頭脳 {
 public:
  思考の頭脳();
  ~思考の頭脳();
  思考の頭脳(const 思考の頭脳&) = delete;
  思考の頭脳& operator=(const 思考の頭脳&) = delete;

  // The move for r.side in r.pos within `limits`, or nothing when that side
  // has no move (or the game is over). Another thread may set `stop`: the
  // search then ends within a few thousand positions.
  深読み結果 考える(const 思考の依頼& r, const 深読み設定& limits, const 停止フラグ* stop = nullptr);

 private:
  std::unique_ptr<深読み器> engine_;
};

// The port: the game asks it to think, and it answers at once or later.
struct Thinker {
  // Thinks about r. True when it has thought at once: the move (or nothing,
  // when there is none) is in `move`. False when the answer comes later: the
  // window hands it to the game through 思考の答え, on the game's thread.
  virtual bool think(const 思考の依頼& r, std::optional<指し手>& move) = 0;
  // Forgets the request it has not answered yet: a search under way is
  // stopped and its answer never comes. Nothing when there is none.
  virtual void cancel() = 0;

 protected:
  ~Thinker() = default;
};

// Thinks at once, by a node budget: the same game gives the same moves on any
// machine. `局面数` 0 is each level's own budget.
class その場の思考 final : public Thinker {
 public:
  explicit その場の思考(std::int64_t nodes = 0) : 局面数(nodes) {}
  bool think(const 思考の依頼& r, std::optional<指し手>& move) override;
  void cancel() override {}

  std::int64_t 局面数;
  int 回数 = 0;  // how many requests it has thought about

 private:
  思考の頭脳 brain_;
};

}  // namespace velmora
