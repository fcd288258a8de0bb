// The human's mouse: the first click picks a piece (on the board or on a
// stand), the second puts it. The right button puts with promotion. Also the
// guards around it — no game, a finished game, a loaded record, the
// computer's turn — and the Escape key.
#include "ui/mouse_input.hpp"

#include "options/sound.hpp"
#include "record/record.hpp"
#include "rules/legality.hpp"
#include "rules/mate.hpp"
#include "rules/survey.hpp"
#include "ui/com_turn.hpp"
#include "ui/drawing.hpp"
#include "ui/form.hpp"
#include "ui/labels.hpp"
#include "ui/startup.hpp"

namespace velmora {

namespace {

// Does code belong to the side to move, or to the other side?
bool 手番の駒(const Form1& f, int code) {
  return (f.TEBAN == f.MAN_TEBAN && code <= -HU) || (f.TEBAN == f.COM_TEBAN && code >= HU);
}
bool 相手の駒(const Form1& f, int code) {
  return (f.TEBAN == f.MAN_TEBAN && code >= HU) || (f.TEBAN == f.COM_TEBAN && code <= -HU);
}

// The turn notices of a game that was interrupted (or is the computer's to
// move). Returns false when the click must end here.
bool 手番の案内(Form1& f) {
  if (f.TAISEN_MODE == MODE_MAN_MAN) {
    if (f.SAIKAI_MSG == YES) {
      f.SAIKAI_MSG = NO;
      f.KAISI_JIKOKU = f.p.clock->now();
      if (f.menu.KEIKA) f.Timer1_Enabled = true;
      if (f.TEBAN == TEBAN_SENTE)
        f.p.dialogs->message("先手の番です", "対局");
      else if (f.TEBAN == TEBAN_GOTE)
        f.p.dialogs->message("後手の番です", "対局");
    }
    return true;
  }
  if (f.TEBAN == f.COM_TEBAN) {
    f.SAIKAI_MSG = NO;
    f.p.dialogs->message("OKですか？", "再開(COM)");
    com_ban(f);
    // The click goes on as a click on the position after the computer's move,
    // unless that move ended the game or the computer could not move.
    return f.SYOUSYA == 0 && f.TEBAN == f.MAN_TEBAN;
  }
  if (f.TEBAN == f.MAN_TEBAN && f.SAIKAI_MSG == YES) {
    f.SAIKAI_MSG = NO;
    f.KAISI_JIKOKU = f.p.clock->now();
    if (f.menu.KEIKA) f.Timer1_Enabled = true;
    f.p.dialogs->message("MANの番です", "対局");
  }
  return true;
}

void 選択(Form1& f, int x, int y) {
  f.MOTO_X = x;
  f.MOTO_Y = y;
  f.KOMA = f.BAN[x][y];
  描画_移動可能桝色(f, f.MOTO_X, f.MOTO_Y, f.SIDOU_IRO, f.KOMA);
  描画_桝輪郭(f, IRO_SENTAKU, x, y);
  描画_桝輪郭_相対駒(f, f.MOTO_X, f.MOTO_Y, f.KOMA);
}

// First click on the board.
void 駒を取る(Form1& f, int x, int y) {
  const int code = f.BAN[x][y];
  if (code == KARA) return;
  if (手番の駒(f, code)) {
    選択(f, x, y);
    f.SENTAKU = 1;
    return;
  }
  // An opposing piece can be looked at: its moves are shown, nothing is picked.
  f.MOTO_X = x;
  f.MOTO_Y = y;
  f.KOMA = code;
  描画_移動可能桝色(f, f.MOTO_X, f.MOTO_Y, f.SIDOU_IRO, f.KOMA);
  if (相手の駒(f, code)) 描画_桝輪郭(f, f.SIDOU_IRO, x, y);
}

void 指す(Form1& f, int Button);

// Second click on the board.
void 駒を置く(Form1& f, int x, int y, int Button) {
  f.SAKI_X = x;
  f.SAKI_Y = y;
  // A piece from the stand of the side not to move was only looked at.
  if ((f.TEBAN == f.MAN_TEBAN && f.MOTO_X == -1) || (f.TEBAN == f.COM_TEBAN && f.MOTO_X == 11)) {
    描画_移動可能桝色(f, f.MOTO_X, f.MOTO_Y, IRO_KESU, f.KOMA);
    描画_桝輪郭(f, IRO_KESU, f.MOTO_X, f.MOTO_Y);
    f.SENTAKU = 0;
    return;
  }
  if (手番の駒(f, f.BAN[x][y])) {
    描画_桝輪郭(f, IRO_KESU, f.MOTO_X, f.MOTO_Y);
    選択(f, x, y);
    return;
  }
  if (移動チェック(f, f.MOTO_X, f.MOTO_Y, f.SAKI_X, f.SAKI_Y, f.KOMA) == NO) {
    効果音(f, Sound::KINSHI);
    f.SENTAKU = 0;
    描画_将棋盤桝(f);
    return;
  }
  if (移動後チェック(f.SAKI_Y, f.KOMA) == NO && Button == HIDARI_BUTTON) {
    // The pick stays: a right click on the same square promotes.
    効果音(f, Sound::KINSHI);
    f.p.dialogs->message("マウスの右をクリックして下さい", "成り");
    return;
  }
  指す(f, Button);
}

void 指す(Form1& f, int Button) {
  // The record ends at snapshot 500: refuse before anything changes.
  if (f.TESUU >= KIFU_T_MAX) {
    効果音(f, Sound::KINSHI);
    f.p.dialogs->message("これ以上指すことはできません（500手）", "手数");
    f.SENTAKU = 0;
    描画_将棋盤桝(f);
    描画_桝輪郭(f, IRO_KESU, f.MOTO_X, f.MOTO_Y);
    return;
  }

  // The after-time goes to the total that this move's turn change adds to.
  const bool gote_moves = f.TAISEN_MODE == MODE_MAN_MAN && f.TEBAN == TEBAN_GOTE;
  const double man2 = gote_moves ? f.MAN_JIKAN : f.MAN_JIKAN + f.KEIKA_BYOU;
  const double com2 = gote_moves ? f.COM_JIKAN + f.KEIKA_BYOU : f.COM_JIKAN;
  手順保存(f, f.MOTO_X, f.MOTO_Y, f.SAKI_X, f.SAKI_Y, f.KOMA, f.KOMA, f.MAN_JIKAN, man2, f.COM_JIKAN, com2);
  f.TESUU_HYOJI += 1;
  描画_手数(f, f.TESUU_HYOJI, IRO_MOJI);

  if (Button == MIGI_BUTTON && 調査_駒成(f, f.MOTO_X, f.MOTO_Y, f.SAKI_X, f.SAKI_Y, f.KOMA) == YES)
    f.KOMA = f.NARI_KOMA;

  f.SENTAKU = 0;
  描画_桝輪郭(f, IRO_KESU, f.MOTO_X, f.MOTO_Y);
  描画_桝輪郭(f, IRO_KESU, f.SAKI_X, f.SAKI_Y);
  描画_移動可能桝色(f, f.MOTO_X, f.MOTO_Y, IRO_KESU, f.KOMA);

  // The move procedures take the top side's hand slot, not its stand row.
  if (f.MOTO_X < 0) f.MOTO_Y = 8 - f.MOTO_Y;

  const int captured = f.BAN[f.SAKI_X][f.SAKI_Y];
  駒移動(f, f.MOTO_X, f.MOTO_Y, f.SAKI_X, f.SAKI_Y, f.KOMA);
  駒移動_相対駒(f, f.MOTO_X, f.MOTO_Y, f.SAKI_X, f.SAKI_Y, f.KOMA);
  効果音(f, Sound::KOMAUCHI);
  f.TESUU += 1;
  描画_移動結果(f, f.KOMA >= HU ? f.COM_TEBAN : f.MAN_TEBAN, f.SAKI_X, f.SAKI_Y, f.KOMA, IRO_KEKKA);

  if (f.TAISEN_MODE != MODE_MAN_MAN) {
    f.Timer1_Enabled = false;
    f.MAN_JIKAN += f.KEIKA_BYOU;
    勢力調査(f);
    // The mate test always runs first, also after the top king was taken: its
    // tentative surveys leave maps behind that the computer's next search reads.
    // Without a top king on the board it looks at the last king square found,
    // which is a square of the board (or (0, 0), never attacked).
    if (詰めかCOM(f) == YES || captured == OU) {
      f.SYOUSYA = f.MAN_TEBAN;
      f.p.dialogs->message("あなたの勝ちです", "終了");
    } else {
      f.TEBAN = f.COM_TEBAN;
      com_ban(f);
    }
    return;
  }

  // Between two humans the turn simply passes; only a taken king ends the game.
  if (f.TEBAN == TEBAN_SENTE) {
    f.TEBAN = TEBAN_GOTE;
    f.MAN_JIKAN += f.KEIKA_BYOU;
  } else if (f.TEBAN == TEBAN_GOTE) {
    f.TEBAN = TEBAN_SENTE;
    f.COM_JIKAN += f.KEIKA_BYOU;
  }
  f.KAISI_JIKOKU = f.p.clock->now();
  if (f.SYOUSYA == f.MAN_TEBAN)
    f.p.dialogs->message("先手の勝ちです", "終了");
  else if (f.SYOUSYA == f.COM_TEBAN)
    f.p.dialogs->message("後手の勝ちです", "終了");
}

// A click off the board: a stand cell picks a piece in hand of either side.
void 持駒を取る(Form1& f, int x, int y) {
  if (f.KOMA >= HU || f.KOMA <= -HU) {
    描画_移動可能桝色(f, f.MOTO_X, f.MOTO_Y, IRO_KESU, f.KOMA);
    描画_桝輪郭(f, IRO_KESU, f.MOTO_X, f.MOTO_Y);
  }
  if (x == 11 && y >= 3 && y <= 9 && f.SITA_MOTI[y - 2] > 0) {
    f.SENTAKU = 1;
    f.MOTO_X = 11;
    f.MOTO_Y = y;
    f.KOMA = -持駒コード[y - 2];
    if (f.TEBAN == f.MAN_TEBAN)
      描画_桝輪郭(f, IRO_SENTAKU, x, y);
    else if (f.TEBAN == f.COM_TEBAN)
      描画_桝輪郭(f, f.SIDOU_IRO, x, y);
    描画_移動可能桝色(f, f.MOTO_X, f.MOTO_Y, f.SIDOU_IRO, f.KOMA);
  } else if (x == -1 && y >= 1 && y <= 7 && f.UE_MOTI[8 - y] > 0) {
    f.SENTAKU = 1;
    f.MOTO_X = -1;
    f.MOTO_Y = y;
    f.KOMA = 持駒コード[8 - y];
    if (f.TEBAN == f.COM_TEBAN)
      描画_桝輪郭(f, IRO_SENTAKU, x, y);
    else if (f.TEBAN == f.MAN_TEBAN)
      描画_桝輪郭(f, f.SIDOU_IRO, x, y);
    描画_移動可能桝色(f, f.MOTO_X, f.MOTO_Y, f.SIDOU_IRO, f.KOMA);
  }
}

}  // namespace

void Form_MouseDown(Form1& f, int Button, int /*Shift*/, double X, double Y) {
  描画_可視(f, false, false, false);
  描画_棋譜_IO(f, 1);

  if (f.KIFU_MODE == YES) {
    if (!f.p.dialogs->yes_no("棋譜を '進 'で進めて下さい", "棋譜")) {
      効果音(f, Sound::KINSHI);
      初期設定(f);
    }
    return;
  }
  if (f.SYOUSYA != 0) {
    f.p.dialogs->message("新規に対局してください", "終局");
    return;
  }
  const int x = 座標_列(X);
  const int y = 座標_行(Y);
  if (f.TEBAN == TEBAN_NASI) {
    効果音(f, Sound::KINSHI);
    f.p.dialogs->message("「対局」で始めて下さい", "開始");
    return;
  }
  if (!手番の案内(f)) return;

  if (x >= 1 && x <= BAN_MAX && y >= 1 && y <= BAN_MAX) {
    if (f.SENTAKU == 0)
      駒を取る(f, x, y);
    else
      駒を置く(f, x, y, Button);
  } else {
    持駒を取る(f, x, y);
  }
}

void Form_KeyPress(Form1& f, int KeyAscii) {
  if (KeyAscii != 27) return;
  終了処理(f);
  f.p.desktop->quit();
}

}  // namespace velmora
