// Stepping through the stored snapshots ("戻", "進"), starting again ("最初")
// and turning the board round ("反転").
#pragma once

namespace velmora {

struct Form1;

void REPLAY_Click(Form1& f);
void AFTER_Click(Form1& f);
void CANCEL_Click(Form1& f);
void REVERSE_Click(Form1& f);

}  // namespace velmora
