// The help page in the desktop's browser and the about box.
#pragma once

namespace velmora {

struct Form1;

void KAISETU_Click(Form1& f);
void VER_Click(Form1& f);
void Form2_Command1_Click(Form1& f);  // "ホームページ"
void Form2_Command2_Click(Form1& f);  // "O K"

}  // namespace velmora
