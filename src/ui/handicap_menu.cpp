// Placeholder bodies; replaced as this room is built.
#include "ui/form.hpp"

#pragma GCC diagnostic ignored "-Wunused-parameter"

namespace velmora {

void LBEL_UP_Click(Form1& f) {}
void LEBEL_DOWN_Click(Form1& f) {}

}  // namespace velmora
