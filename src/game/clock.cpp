// The thinking-time clock.
#include "game/clock.hpp"

#include <cmath>

#include "game/state.hpp"

namespace velmora {

double 調査_経過秒(double start, double now) {
  if (start <= now) return now - start;
  return (86400.0 - start) + now;  // midnight passed
}

void 時計_刻む(対局の場& g) {
  // The computer's search ticks the clock itself, so a clock that is stopped
  // must do nothing here.
  思考時計& c = g.clock;
  if (g.game.SYOUSYA != 0 || !c.刻む) return;
  c.KEIKA_BYOU = 調査_経過秒(c.KAISI_JIKOKU, g.p.clock->now());
  const long whole = static_cast<long>(std::floor(c.KEIKA_BYOU));
  if (whole == c.KEIKA_HYOJI_BYOU) return;
  c.KEIKA_HYOJI_BYOU = whole;
  対局の知らせ e;
  e.種類 = 出来事::時計;
  if (g.game.TEBAN == g.game.COM_TEBAN) {
    e.側 = g.game.COM_TEBAN;
    e.秒 = c.COM_JIKAN + c.KEIKA_BYOU;
  } else if (g.game.TEBAN == g.game.MAN_TEBAN) {
    e.側 = g.game.MAN_TEBAN;
    e.秒 = c.MAN_JIKAN + c.KEIKA_BYOU;
  } else {
    e.側 = 0;
  }
  知らせる(g, e);
}

}  // namespace velmora
