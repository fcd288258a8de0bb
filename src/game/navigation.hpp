// Stepping through the stored snapshots ("戻", "進") and turning the board
// round ("反転"). Each says why when it cannot, and returns whether it did.
#pragma once

namespace velmora {

struct 対局の場;

// One move back: the snapshot before the move the board shows. At the live
// end of a game the position on the board is stored first, with both clocks
// as they stand, so that 進 can come back to it.
bool 戻る(対局の場& f);
// One move forward through the stored snapshots.
bool 進む(対局の場& f);
// The board turned by 180 degrees: every piece changes sides, the hands are
// swapped, the side to move changes and the record starts again.
bool 反転する(対局の場& f);

}  // namespace velmora
