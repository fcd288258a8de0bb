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
// The game kept when the program last ran, offered again once the window has
// started: when it has moves and has not ended, "前回の対局を続けますか？";
// Yes takes it up exactly as it was, No sets it aside under its name with a
// time stamp (the newest three set aside are kept). A file that is damaged,
// cut short or of an unknown version is set aside too, with a one-line
// message. From then on the game is kept as it goes. With `尋ねる` false (a
// record named on the command line is about to be read) a kept game is set
// aside without a question. Nothing is kept where the window keeps no files.
void 前回の対局_確認(Form1& f, bool 尋ねる = true);
void OWARI_Click(Form1& f);
void Form_Unload(Form1& f);

}  // namespace velmora
