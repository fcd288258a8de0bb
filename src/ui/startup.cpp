// Start-up, starting and resuming games, the full redraw and shutdown.
#include "ui/startup.hpp"

#include <filesystem>
#include <system_error>

#include "options/settings.hpp"
#include "options/sound.hpp"
#include "record/moves.hpp"
#include "record/record.hpp"
#include "ui/clock.hpp"
#include "ui/com_turn.hpp"
#include "ui/drawing.hpp"
#include "ui/form.hpp"
#include "ui/labels.hpp"

namespace velmora {

void 初期設定(Form1& f) {
  局面_初期化(f.pos, f.game);
  f.pick.SENTAKU = 0;
  // The clock stops and both totals start again.
  f.clock.Timer1_Enabled = false;
  f.clock.MAN_JIKAN = 0;
  f.clock.COM_JIKAN = 0;
  f.clock.KEIKA_HYOJI_BYOU = 0;
  画面_再描画(f);
}

void Form_Load(Form1& f) {
  サウンド_起動(f);
  起動_画面(f);
}

void 起動_画面(Form1& f) {
  f.game.KIFU_MODE = NO;
  f.options.SIDOU_FLAG = NO;
  f.game.TESUU_MAX = 0;
  f.game.COM_LEVEL = 3;

  std::error_code ec;
  f.options.START_DIR = std::filesystem::current_path(ec).string();

  f.game.COM_TEBAN = 1;
  f.game.MAN_TEBAN = -1;

  読込_環境設定ファイル(f);
  初期設定(f);

  if (f.p.desktop && f.p.desktop->window_top() != -60) f.p.desktop->place_window(0, 0, 10900, 8600);
}

void 起動_サウンド(Form1& f) {
  サウンド_起動(f);
  // The settings asked for the music before its wave was there.
  if (f.options.BGM) BGM_開始(f);
}

void TAIKYOKU_Click(Form1& f) {
  描画_可視(f, false, false, false);
  描画_棋譜_IO(f, 1);
}

void STOP_Click(Form1& f) {
  描画_可視(f, false, false, false);
  描画_棋譜_IO(f, 1);
}

void MATCH_MAN_Click(Form1&) {}

void START_Click(Form1& f) {
  if (f.game.SYOUSYA != 0) {
    初期設定(f);
    f.p.canvas->repaint_now();
  }
  描画_棋譜読込み部分消去(f);
  // The level label means nothing between two humans.
  for (int c = -2; c <= 0; ++c) 描画_絵(f, f.view.HAIKEI, c, 0);
  描画_将棋盤桝(f);
  f.clock.KAISI_JIKOKU = f.p.clock->now();
  if (f.options.KEIKA) f.clock.Timer1_Enabled = true;
  f.game.TAISEN_MODE = MODE_MAN_MAN;
  if (f.game.TEBAN == TEBAN_NASI || f.game.TESUU_HYOJI == 0) {
    f.game.MAN_TEBAN = 1;
    f.game.COM_TEBAN = -1;
    f.game.TEBAN = 1;
    f.p.dialogs->message(tr(f.lang, "先手の番です"), " ");
  } else if (f.game.TEBAN == 1) {
    f.p.dialogs->message(tr(f.lang, "先手の番です"), " ");
  } else if (f.game.TEBAN == -1) {
    f.p.dialogs->message(tr(f.lang, "後手の番です"), " ");
  }
  f.game.SAIKAI_MSG = NO;
  表示_棋譜(f);
}

void SENTE_Click(Form1& f) {
  if (f.game.SYOUSYA != 0) 初期設定(f);
  描画_棋譜読込み部分消去(f);
  描画_レベル(f, f.game.COM_LEVEL);
  描画_将棋盤桝(f);
  f.pick.SENTAKU = 0;
  f.game.TAISEN_MODE = MODE_MAN_COM;
  f.game.KIFU_MODE = NO;
  // After a reversal TESUU_HYOJI keeps counting while the record starts again
  // at 0; the record must end where the game goes on, which is TESUU.
  f.game.TESUU_MAX = f.game.TESUU;
  f.clock.KAISI_JIKOKU = f.p.clock->now();
  f.clock.Timer1_Enabled = true;
  if (f.game.TEBAN == TEBAN_NASI || f.game.TESUU_HYOJI == 0) {
    f.game.MAN_TEBAN = 1;
    f.game.COM_TEBAN = -1;
    f.game.TEBAN = 1;
    f.p.dialogs->message(tr(f.lang, "MANの番です"), " ");
    f.game.SAIKAI_MSG = NO;
  } else if (f.game.TEBAN == f.game.MAN_TEBAN) {
    f.game.MAN_TEBAN = 1;
    f.game.COM_TEBAN = -1;
    f.game.TEBAN = 1;
    f.p.dialogs->message(tr(f.lang, "MANの番です"), tr(f.lang, "対局"));
    f.game.SAIKAI_MSG = NO;
  } else if (f.game.TEBAN == f.game.COM_TEBAN) {
    com_ban(f);
  }
  表示_棋譜(f);
}

void GOTE_Click(Form1& f) {
  if (f.game.SYOUSYA != 0) 初期設定(f);
  描画_棋譜読込み部分消去(f);
  描画_レベル(f, f.game.COM_LEVEL);
  描画_将棋盤桝(f);
  f.clock.Timer1_Enabled = true;
  f.pick.SENTAKU = 0;
  f.game.TAISEN_MODE = MODE_MAN_COM;
  f.game.KIFU_MODE = NO;
  f.game.TESUU_MAX = f.game.TESUU;  // see SENTE_Click
  if (f.game.TEBAN == TEBAN_NASI || f.game.TESUU_HYOJI == 0) {
    f.game.MAN_TEBAN = -1;
    f.game.COM_TEBAN = 1;
    f.game.TEBAN = 1;
    com_ban(f);
  } else if (f.game.TEBAN == f.game.MAN_TEBAN) {
    f.p.dialogs->message(tr(f.lang, "MANの番です"), tr(f.lang, "対局"));
    f.game.SAIKAI_MSG = NO;
  } else if (f.game.TEBAN == f.game.COM_TEBAN) {
    com_ban(f);
  }
  表示_棋譜(f);
}

void 終了処理(Form1& f) { サウンド_解放(f); }

void OWARI_Click(Form1& f) {
  終了処理(f);
  f.p.desktop->quit();
}

void Form_Unload(Form1& f) {
  終了処理(f);
  f.p.desktop->quit();
}

void 画面_再描画(Form1& f) {
  描画_背景(f, f.view.HAIKEI);
  描画_桝_数値(f);
  描画_自持盤(f);
  描画_敵持盤(f);
  描画_盤(f);
  描画_所有時間(f, f.game.COM_TEBAN, f.clock.COM_JIKAN);
  描画_所有時間(f, f.game.MAN_TEBAN, f.clock.MAN_JIKAN);
  if (f.game.TAISEN_MODE == MODE_MAN_COM) 描画_レベル(f, f.game.COM_LEVEL);
  if (f.game.HANDE_SETTEI == YES) 描画_ハンデレベル(f, f.game.HANDE_LEVEL);
  描画_絵(f, E_TAITORU, 10.8, 0);
  表示_棋譜(f);
}

}  // namespace velmora
