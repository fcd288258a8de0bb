// Start-up, starting and resuming games, the full redraw and shutdown.
#pragma once

namespace velmora {

struct Form1;

// The part of a new game that the window adds to the position's.
void 初期設定(Form1& f);

void Form_Load(Form1& f);
// Form_Load in two steps, for a window that shows itself before its sound is
// there: everything but the sound, then, once the window has been painted,
// the sound (its warning when there is no device) and the music if it is on.
void 起動_画面(Form1& f);
void 起動_サウンド(Form1& f);
void TAIKYOKU_Click(Form1& f);
void STOP_Click(Form1& f);
void MATCH_MAN_Click(Form1& f);
void START_Click(Form1& f);
void SENTE_Click(Form1& f);
void GOTE_Click(Form1& f);
void OWARI_Click(Form1& f);
void Form_Unload(Form1& f);
void 終了処理(Form1& f);
void 画面_再描画(Form1& f);

}  // namespace velmora
