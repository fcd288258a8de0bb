// Placeholder bodies; replaced as this room is built.
#include "ui/form.hpp"

#pragma GCC diagnostic ignored "-Wunused-parameter"

namespace velmora {

void KAISETU_Click(Form1& f) {}
void VER_Click(Form1& f) {}
void Form2_Command1_Click(Form1& f) {}
void Form2_Command2_Click(Form1& f) {}

}  // namespace velmora
