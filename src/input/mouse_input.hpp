// The human's mouse and the Escape key.
#pragma once

#include "rules/move.hpp"

namespace velmora {

struct 入力の場;

// Mouse buttons as the window reports them.
inline constexpr int HIDARI_BUTTON = 1;
inline constexpr int MIGI_BUTTON = 2;

void Form_MouseDown(入力の場& f, int Button, int Shift, double X, double Y);
void Form_KeyPress(入力の場& f, int KeyAscii);

// The human's move once its piece, its square and its promotion are chosen
// and it is legal: made by the game (which hands the turn on, against the
// computer to its reply), and the pick left on it. A top drop comes from
// (UE_DAI, slot).
void 指す(入力の場& f, const 指し手& m);

}  // namespace velmora
