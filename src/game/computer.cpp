// The computer's turn: thinking, choosing its move with the search, and
// playing it through the one procedure that makes moves.
#include "game/computer.hpp"

#include "com/search.hpp"
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

std::optional<指し手> COM_探索(対局の場& f) {
  探索中の時計_場 clock(f);
  return 探索(f.探索対象(), clock);
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
  COM_着手(f, COM_探索(f));
}

void 待ち時間(対局の場& f, double seconds) { f.p.clock->wait(seconds); }

void レベル_設定(対局の場& f, int n) {
  // The menu's marks follow COM_LEVEL; a level outside 1..3 changes nothing.
  if (n >= 1 && n <= 3) f.game.COM_LEVEL = n;
}

}  // namespace velmora
