// Start-up and shutdown of the window.
#pragma once

namespace velmora {

struct Form1;

void Form_Load(Form1& f);
// Form_Load in two steps, for a window that shows itself before its sound is
// there: everything but the sound, then, once the window has been painted,
// the sound (its warning when there is no device) and the music if it is on.
void 起動_画面(Form1& f);
void 起動_サウンド(Form1& f);
void OWARI_Click(Form1& f);
void Form_Unload(Form1& f);

}  // namespace velmora
