// The computer's turn on the window, and its level.
#pragma once

namespace velmora {

struct Form1;

void com_ban(Form1& f);
void 待ち時間(Form1& f, double seconds);
void レベル_設定(Form1& f, int n);
void LEVEL1_Click(Form1& f);
void LEVEL2_Click(Form1& f);
void LEVEL3_Click(Form1& f);

}  // namespace velmora
