// The handicap ladder as the game climbs it: one step up ("△") or down
// ("▽"), only before the first move of a game.
#pragma once

namespace velmora {

struct 対局の場;

// One step of the ladder (+1 up, -1 down): a piece of one side leaves the
// board or comes back. Refused with the reason in a loaded record, once a
// move was made, and after a reversal. True when the step was taken (also at
// either end of the ladder, where nothing changes but the rank is shown).
bool ハンデ_押下(対局の場& f, int step);

}  // namespace velmora
