// Placeholder bodies; replaced as this room is built.
#include "ui/form.hpp"

#pragma GCC diagnostic ignored "-Wunused-parameter"

namespace velmora {

void Form_MouseDown(Form1& f, int Button, int Shift, double X, double Y) {}
void Form_KeyPress(Form1& f, int KeyAscii) {}

}  // namespace velmora
