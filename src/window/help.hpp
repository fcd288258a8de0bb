// The help page in the desktop's browser and the about box.
#pragma once

namespace velmora {

struct Form1;

void KAISETU_Click(Form1& f);
void VER_Click(Form1& f);
// The about box's buttons (the form Form2's Command1 and Command2).
void ホームページ_Click(Form1& f);  // "ホームページ": the help page
void 了解_Click(Form1& f);          // "O K": the box closes itself

}  // namespace velmora
