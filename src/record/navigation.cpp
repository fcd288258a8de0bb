// Placeholder bodies; replaced as this room is built.
#include "ui/form.hpp"

#pragma GCC diagnostic ignored "-Wunused-parameter"

namespace velmora {

void REPLAY_Click(Form1& f) {}
void AFTER_Click(Form1& f) {}
void CANCEL_Click(Form1& f) {}
void REVERSE_Click(Form1& f) {}

}  // namespace velmora
