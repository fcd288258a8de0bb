// The thinking-time clock: each side's total in seconds, and the move in
// progress measured from a start stamp, not by counting ticks.
#pragma once

namespace velmora {

struct 対局の場;

// The clock: the stamp the move in progress is measured from, its seconds so
// far, both sides' totals, the last whole second shown, and whether it ticks
// (the window's one-second timer runs only then).
struct 思考時計 {
  double KAISI_JIKOKU = 0;
  double KEIKA_BYOU = 0;
  double MAN_JIKAN = 0;  // the bottom side's total (the first player's between two humans)
  double COM_JIKAN = 0;  // the top side's total
  long KEIKA_HYOJI_BYOU = 0;
  bool 刻む = false;
};

// Seconds from `start` to `now`, both seconds since midnight; midnight may
// have passed between them.
double 調査_経過秒(double start, double now);

// One tick of the clock: the move in progress is measured again and, when
// another whole second has passed, the side to move's total is told (出来事::時計).
// A clock that does not tick, or a game that is over, does nothing.
void 時計_刻む(対局の場& g);

}  // namespace velmora
