// The computer's turn: thinking, choosing its move with the search (levels 1
// to 3 here, levels 4 and 5 through the thinker), and playing it through the
// one procedure that makes moves; and the hint.
#include "game/computer.hpp"

#include <algorithm>

#include "com/search.hpp"
#include "game/record.hpp"
#include "game/sound.hpp"
#include "game/state.hpp"
#include "game/turn.hpp"

namespace velmora {

namespace {

// The search cannot yield to the event loop, so it moves the clock itself.
struct 探索中の時計_場 final : 探索中の時計 {
  対局の場& f;
  explicit 探索中の時計_場(対局の場& g) : f(g) {}
  void tick() override { 時計_刻む(f); }
};

// What the thinker is asked: the position for `side` at `level`, with the
// keys of the positions the record holds before it (moves alternate, so the
// snapshot before the last move had the other side to move).
思考の依頼 依頼(const 対局の場& f, int side, int level) {
  思考の依頼 r;
  r.pos = f.pos;
  r.side = side;
  r.level = level;
  const int n = std::clamp(f.game.TESUU, 0, KIFU_T_MAX);
  r.history.reserve(static_cast<std::size_t>(n));
  for (int t = 0; t < n; ++t) {
    局面 earlier;
    盤と持駒_復元(earlier, f.record[static_cast<std::size_t>(t)]);
    r.history.push_back(局面の鍵(earlier, (n - t) % 2 == 1 ? -side : side));
  }
  r.残り手数 = KIFU_T_MAX - f.game.TESUU;
  return r;
}

// Asks the thinker (without one, thinks at once by node budget). True with
// the answer in `move` when it came at once; otherwise the game waits for it.
bool 考えてもらう(対局の場& f, 思考の用 what, int side, int level, std::optional<指し手>& move) {
  その場の思考 here;
  Thinker& thinker = f.p.thinker ? *f.p.thinker : here;
  if (thinker.think(依頼(f, side, level), move)) return true;
  f.thinking = {what, f.pos};
  return false;
}

// The side whose move a hint is for: a human's, in a game that goes on, with
// room in the record for the move.
bool ヒントの番(const 対局の場& f) {
  const 対局& g = f.game;
  return g.TEBAN != TEBAN_NASI && g.SYOUSYA == TEBAN_NASI && !g.KIFU_MODE && !COMの手番(f) &&
         !思考を待つ(f) && g.TESUU < KIFU_T_MAX;
}

void ヒントを示す(対局の場& f, const std::optional<指し手>& m) {
  if (!m) {
    効果音(f, Sound::KINSHI);
    return;
  }
  対局の知らせ e;
  e.種類 = 出来事::ヒント;
  e.側 = f.game.TEBAN;
  e.手 = 手順_次の手(f.moves, f.game.TESUU, 記す_指し手(f.pos, *m, 下の駒(m->placed)));
  知らせる(f, e);
}

}  // namespace

bool COM_思考開始(対局の場& f) {
  if (f.game.SYOUSYA != TEBAN_NASI) return false;
  // The record holds snapshots 0..500: no move beyond the five hundredth.
  if (手数の上限(f)) {
    f.clock.刻む = false;
    return false;
  }
  f.clock.KAISI_JIKOKU = f.p.clock->now();
  if (f.options.KEIKA) f.clock.刻む = true;
  対局の知らせ e;
  e.種類 = 出来事::思考開始;
  e.側 = f.game.COM_TEBAN;
  知らせる(f, e);
  return true;
}

bool COM_探索(対局の場& f, std::optional<指し手>& best) {
  if (深読みのレベル(f.game.COM_LEVEL)) return 考えてもらう(f, 思考の用::着手, 1, f.game.COM_LEVEL, best);
  探索中の時計_場 clock(f);
  best = 探索(f.探索対象(), clock);
  return true;
}

void COM_着手(対局の場& f, const std::optional<指し手>& best) {
  if (!best) {
    // Nothing to play: the computer has lost.
    f.clock.刻む = false;
    f.game.SYOUSYA = f.game.MAN_TEBAN;
    対局の知らせ e;
    e.種類 = 出来事::終局;
    e.側 = f.game.SYOUSYA;
    e.理由 = 終局の理由::指す手なし;
    知らせる(f, e);
    f.p.dialogs->message(tr(f.lang, "あなたの勝ちです"), tr(f.lang, "終了"));
    f.game.TEBAN = f.game.MAN_TEBAN;
    return;
  }
  一手を指す(f, *best);
}

void com_ban(対局の場& f) {
  if (!COM_思考開始(f)) return;
  std::optional<指し手> best;
  if (COM_探索(f, best)) COM_着手(f, best);
}

bool 思考を待つ(const 対局の場& f) { return f.thinking.用 != 思考の用::なし; }

bool 思考中の断り(対局の場& f) {
  if (!思考を待つ(f)) return false;
  効果音(f, Sound::KINSHI);
  return true;
}

void 思考の答え(対局の場& f, const std::optional<指し手>& move) {
  const 思考待ち awaited = f.thinking;
  f.thinking = {};
  if (!(awaited.pos == f.pos)) return;
  if (awaited.用 == 思考の用::着手 && COMの手番(f) && f.game.SYOUSYA == TEBAN_NASI)
    COM_着手(f, move);
  else if (awaited.用 == 思考の用::ヒント)
    ヒントを示す(f, move);
}

void 思考_取消(対局の場& f) {
  if (f.p.thinker) f.p.thinker->cancel();
  f.thinking = {};
}

void ヒント(対局の場& f) {
  if (!ヒントの番(f)) {
    効果音(f, Sound::KINSHI);
    return;
  }
  const int side = f.game.TEBAN == f.game.MAN_TEBAN ? -1 : 1;
  std::optional<指し手> m;
  if (考えてもらう(f, 思考の用::ヒント, side, 最高レベル, m)) ヒントを示す(f, m);
}

void 待ち時間(対局の場& f, double seconds) { f.p.clock->wait(seconds); }

void レベル_設定(対局の場& f, int n) {
  // The menu's marks follow COM_LEVEL; a level outside 1..5 changes nothing.
  if (n >= 1 && n <= 最高レベル) f.game.COM_LEVEL = n;
}

}  // namespace velmora
