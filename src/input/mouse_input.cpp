// The human's mouse: the first click picks a piece (on the board or on a
// stand), the second puts it. The right button puts with promotion. Also the
// guards around it — no game, a finished game, a loaded record, the
// computer's turn — and the Escape key.
#include "input/mouse_input.hpp"

#include "game/computer.hpp"
#include "game/flow.hpp"
#include "game/turn.hpp"
#include "input/record_panel.hpp"
#include "input/state.hpp"
#include "rules/legality.hpp"
#include "view/drawing.hpp"
#include "view/labels.hpp"

namespace velmora {

namespace {

// Does code belong to the side to move, or to the other side?
bool 手番の駒(const 入力の場& f, int code) {
  return (f.game.TEBAN == f.game.MAN_TEBAN && 下の駒(code)) ||
         (f.game.TEBAN == f.game.COM_TEBAN && 上の駒(code));
}
bool 相手の駒(const 入力の場& f, int code) {
  return (f.game.TEBAN == f.game.MAN_TEBAN && 上の駒(code)) ||
         (f.game.TEBAN == f.game.COM_TEBAN && 下の駒(code));
}

// The turn notices of a game that was interrupted (or is the computer's to
// move). Returns false when the click must end here.
bool 手番の案内(入力の場& f) {
  if (f.game.TAISEN_MODE == MODE_MAN_MAN) {
    if (f.game.SAIKAI_MSG) {
      f.game.SAIKAI_MSG = false;
      f.clock.KAISI_JIKOKU = f.p.clock->now();
      if (f.options.KEIKA) f.clock.刻む = true;
      if (f.game.TEBAN == TEBAN_SENTE)
        f.p.dialogs->message(tr(f.lang, "先手の番です"), tr(f.lang, "対局"));
      else if (f.game.TEBAN == TEBAN_GOTE)
        f.p.dialogs->message(tr(f.lang, "後手の番です"), tr(f.lang, "対局"));
    }
    return true;
  }
  if (f.game.TEBAN == f.game.COM_TEBAN) {
    f.game.SAIKAI_MSG = false;
    f.p.dialogs->message(tr(f.lang, "OKですか？"), tr(f.lang, "再開(COM)"));
    com_ban(f);
    // The click goes on as a click on the position after the computer's move,
    // unless that move ended the game or the computer could not move.
    return f.game.SYOUSYA == 0 && f.game.TEBAN == f.game.MAN_TEBAN;
  }
  if (f.game.TEBAN == f.game.MAN_TEBAN && f.game.SAIKAI_MSG) {
    f.game.SAIKAI_MSG = false;
    f.clock.KAISI_JIKOKU = f.p.clock->now();
    if (f.options.KEIKA) f.clock.刻む = true;
    f.p.dialogs->message(tr(f.lang, "MANの番です"), tr(f.lang, "対局"));
  }
  return true;
}

void 駒を選ぶ(入力の場& f, int x, int y) {
  f.pick.MOTO_X = x;
  f.pick.MOTO_Y = y;
  f.pick.KOMA = f.pos.BAN[x][y];
  描画_移動可能桝色(f, f.pick.MOTO_X, f.pick.MOTO_Y, 移動指導の色(f.options), f.pick.KOMA);
  描画_桝輪郭(f, IRO_SENTAKU, x, y);
  描画_桝輪郭_相対駒(f, f.pick.MOTO_X, f.pick.MOTO_Y, f.pick.KOMA);
}

// First click on the board.
void 駒を取る(入力の場& f, int x, int y) {
  const int code = f.pos.BAN[x][y];
  if (code == KARA) return;
  if (手番の駒(f, code)) {
    駒を選ぶ(f, x, y);
    f.pick.SENTAKU = true;
    return;
  }
  // An opposing piece can be looked at: its moves are shown, nothing is picked.
  f.pick.MOTO_X = x;
  f.pick.MOTO_Y = y;
  f.pick.KOMA = code;
  描画_移動可能桝色(f, f.pick.MOTO_X, f.pick.MOTO_Y, 移動指導の色(f.options), f.pick.KOMA);
  if (相手の駒(f, code)) 描画_桝輪郭(f, 移動指導の色(f.options), x, y);
}

// Second click on the board.
void 駒を置く(入力の場& f, int x, int y, int Button) {
  選択& pick = f.pick;
  pick.SAKI_X = x;
  pick.SAKI_Y = y;
  // A piece from the stand of the side not to move was only looked at.
  if ((f.game.TEBAN == f.game.MAN_TEBAN && pick.MOTO_X == UE_DAI) ||
      (f.game.TEBAN == f.game.COM_TEBAN && pick.MOTO_X == SITA_DAI)) {
    描画_移動可能桝色(f, pick.MOTO_X, pick.MOTO_Y, IRO_KESU, pick.KOMA);
    描画_桝輪郭(f, IRO_KESU, pick.MOTO_X, pick.MOTO_Y);
    pick.SENTAKU = false;
    return;
  }
  if (手番の駒(f, f.pos.BAN[x][y])) {
    描画_桝輪郭(f, IRO_KESU, pick.MOTO_X, pick.MOTO_Y);
    駒を選ぶ(f, x, y);
    return;
  }
  if (移動チェック(f.pos, pick.MOTO_X, pick.MOTO_Y, pick.SAKI_X, pick.SAKI_Y, pick.KOMA) == NO) {
    効果音(f, Sound::KINSHI);
    pick.SENTAKU = false;
    描画_将棋盤桝(f);
    return;
  }
  if (移動後チェック(pick.SAKI_Y, pick.KOMA) == NO && Button == HIDARI_BUTTON) {
    // The pick stays: a right click on the same square promotes.
    効果音(f, Sound::KINSHI);
    f.p.dialogs->message(tr(f.lang, "マウスの右をクリックして下さい"), tr(f.lang, "成り"));
    return;
  }

  // The move, in the move procedures' terms: a top drop comes from its hand
  // slot, not its stand row; the right button promotes where it may.
  指し手 m{pick.MOTO_X, pick.MOTO_Y, pick.SAKI_X, pick.SAKI_Y, pick.KOMA, pick.KOMA};
  if (m.x1 == UE_DAI) m.y1 = 敵持盤の行(pick.MOTO_Y);
  int promoted = 0;
  if (Button == MIGI_BUTTON && 調査_駒成(m.x1, m.y1, m.x2, m.y2, m.moving, promoted) == YES)
    m.placed = promoted;
  指す(f, m);
}

// A click off the board: a stand cell picks a piece in hand of either side.
void 持駒を取る(入力の場& f, int x, int y) {
  選択& pick = f.pick;
  const int guidance = 移動指導の色(f.options);
  if (上の駒(pick.KOMA) || 下の駒(pick.KOMA)) {
    描画_移動可能桝色(f, pick.MOTO_X, pick.MOTO_Y, IRO_KESU, pick.KOMA);
    描画_桝輪郭(f, IRO_KESU, pick.MOTO_X, pick.MOTO_Y);
  }
  if (x == SITA_DAI && y >= MOTI_HU + 2 && y <= MOTI_SYA + 2 && f.pos.SITA_MOTI[y - 2] > 0) {
    pick.SENTAKU = true;
    pick.MOTO_X = SITA_DAI;
    pick.MOTO_Y = y;
    pick.KOMA = -持駒コード[y - 2];
    if (f.game.TEBAN == f.game.MAN_TEBAN)
      描画_桝輪郭(f, IRO_SENTAKU, x, y);
    else if (f.game.TEBAN == f.game.COM_TEBAN)
      描画_桝輪郭(f, guidance, x, y);
    描画_移動可能桝色(f, pick.MOTO_X, pick.MOTO_Y, guidance, pick.KOMA);
  } else if (x == UE_DAI && y >= 1 && y <= 7 && f.pos.UE_MOTI[敵持盤の行(y)] > 0) {
    pick.SENTAKU = true;
    pick.MOTO_X = UE_DAI;
    pick.MOTO_Y = y;
    pick.KOMA = 持駒コード[敵持盤の行(y)];
    if (f.game.TEBAN == f.game.COM_TEBAN)
      描画_桝輪郭(f, IRO_SENTAKU, x, y);
    else if (f.game.TEBAN == f.game.MAN_TEBAN)
      描画_桝輪郭(f, guidance, x, y);
    描画_移動可能桝色(f, pick.MOTO_X, pick.MOTO_Y, guidance, pick.KOMA);
  }
}

}  // namespace

void 指す(入力の場& f, const 指し手& m) {
  選択& pick = f.pick;
  if (!一手を指す(f, m)) {
    // Refused at the record's end: the pick goes, the move stays unmade.
    pick.SENTAKU = false;
    描画_将棋盤桝(f);
    描画_桝輪郭(f, IRO_KESU, m.x1, m.x1 == UE_DAI ? 敵持盤の行(m.y1) : m.y1);
    return;
  }
  // The pick keeps the move's own source (a top drop's slot).
  pick.KOMA = m.placed;
  pick.SENTAKU = false;
  pick.MOTO_X = m.x1;
  pick.MOTO_Y = m.y1;
  pick.SAKI_X = m.x2;
  pick.SAKI_Y = m.y2;
}

void Form_MouseDown(入力の場& f, int Button, int /*Shift*/, double X, double Y) {
  // The computer thinks elsewhere: the board is not the player's yet.
  if (思考中の断り(f)) return;
  描画_可視(f, false, false, false);
  描画_棋譜_IO(f, 1);

  if (f.game.KIFU_MODE) {
    // TRANSLATORS: a click on the board of a loaded record; "No" clears the
    // record and sets up a new game.
    if (!f.p.dialogs->yes_no(tr(f.lang, "はい・いいえ", "棋譜を '進 'で進めて下さい"), tr(f.lang, "棋譜"))) {
      効果音(f, Sound::KINSHI);
      初期設定(f);
    }
    return;
  }
  if (f.game.SYOUSYA != 0) {
    f.p.dialogs->message(tr(f.lang, "新規に対局してください"), tr(f.lang, "終局"));
    return;
  }
  const int x = 座標_列(X);
  const int y = 座標_行(Y);
  if (f.game.TEBAN == TEBAN_NASI) {
    効果音(f, Sound::KINSHI);
    f.p.dialogs->message(tr(f.lang, "「対局」で始めて下さい"), tr(f.lang, "開始"));
    return;
  }
  if (!手番の案内(f)) return;

  if (盤内(x, y)) {
    if (!f.pick.SENTAKU)
      駒を取る(f, x, y);
    else
      駒を置く(f, x, y, Button);
  } else {
    持駒を取る(f, x, y);
  }
}

void Form_KeyPress(入力の場& f, int KeyAscii) {
  if (KeyAscii != 27) return;
  終了処理(f);
  f.p.desktop->quit();
}

}  // namespace velmora
