// The human's mouse and the Escape key.
#pragma once

#include "rules/move.hpp"

namespace velmora {

struct Form1;

// Mouse buttons as the window reports them.
inline constexpr int HIDARI_BUTTON = 1;
inline constexpr int MIGI_BUTTON = 2;

// The pick: the square (or stand cell) clicked first and its code, the
// square clicked second, and whether a piece is picked.
struct 選択 {
  int MOTO_X = 0, MOTO_Y = 0;
  int SAKI_X = 0, SAKI_Y = 0;
  int KOMA = 0;
  int SENTAKU = 0;
};

void Form_MouseDown(Form1& f, int Button, int Shift, double X, double Y);
void Form_KeyPress(Form1& f, int KeyAscii);

// The human's move once its piece, its square and its promotion are chosen
// and it is legal: stored, counted, painted, played with its mirror move,
// and the turn handed on (against the computer: its reply). A top drop
// comes from (UE_DAI, slot).
void 指す(Form1& f, const 指し手& m);

}  // namespace velmora
