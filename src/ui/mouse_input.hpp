// The human's mouse and the Escape key.
#pragma once

namespace velmora {

struct Form1;

void Form_MouseDown(Form1& f, int Button, int Shift, double X, double Y);
void Form_KeyPress(Form1& f, int KeyAscii);

}  // namespace velmora
