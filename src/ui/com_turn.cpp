// The computer's turn on the window: the thinking label, the search, playing
// the chosen move with its mirror move, and the notices that follow it.
#include "ui/com_turn.hpp"

#include <optional>

#include "com/search.hpp"
#include "options/sound.hpp"
#include "record/moves.hpp"
#include "record/record.hpp"
#include "rules/mate.hpp"
#include "rules/survey.hpp"
#include "ui/clock.hpp"
#include "ui/drawing.hpp"
#include "ui/form.hpp"
#include "ui/labels.hpp"

namespace velmora {

namespace {

// The search cannot yield to the event loop, so it moves the clock display itself.
struct 画面の時計 final : 探索中の時計 {
  Form1& f;
  explicit 画面の時計(Form1& form) : f(form) {}
  void tick() override { Timer1_Timer(f); }
};

void 思考中を表示(Form1& f) {
  消去_思考中(f);
  const std::string_view label = tr(f.lang, "思考中");
  描画_数値(f, -1.5, 8.5, label, IRO_KAGE, 0, 12);
  描画_数値(f, -1.6, 8.4, label, IRO_KEKKA, 0, 12);
  描画_桝輪郭(f, IRO_WAKU, 1, 8);
}

}  // namespace

void com_ban(Form1& f) {
  if (f.game.SYOUSYA != TEBAN_NASI) return;
  // The record holds snapshots 0..500: no move beyond the five hundredth.
  if (f.game.TESUU >= KIFU_T_MAX) {
    f.clock.Timer1_Enabled = false;
    f.p.dialogs->message(tr(f.lang, "これ以上指すことはできません（500手）"), tr(f.lang, "手数"));
    return;
  }

  f.clock.KAISI_JIKOKU = f.p.clock->now();
  if (f.options.KEIKA) f.clock.Timer1_Enabled = true;
  思考中を表示(f);
  f.p.canvas->repaint_now();

  画面の時計 clock(f);
  const std::optional<指し手> best = 探索(f.探索対象(), clock);
  if (!best) {
    // Nothing to play: the computer has lost.
    f.clock.Timer1_Enabled = false;
    f.game.SYOUSYA = f.game.MAN_TEBAN;
    f.p.dialogs->message(tr(f.lang, "あなたの勝ちです"), tr(f.lang, "終了"));
    f.game.TEBAN = f.game.MAN_TEBAN;
    return;
  }

  const 指し手& m = *best;
  手順保存(f.record, f.game, f.pos, f.clock.MAN_JIKAN, f.clock.MAN_JIKAN, f.clock.COM_JIKAN,
           f.clock.COM_JIKAN + f.clock.KEIKA_BYOU);
  ++f.game.TESUU_HYOJI;
  描画_手数(f, f.game.TESUU_HYOJI, IRO_MOJI);
  描画_桝輪郭_相対駒(f, m.x1, m.y1, m.moving);
  if (m.打ち())
    描画_駒点滅(f, m.placed, UE_DAI, 敵持盤の行(m.y1), 2);  // its place on the top side's stand
  else
    描画_駒点滅(f, m.moving, m.x1, m.y1, 2);
  盤上で指す(f, m);
  待ち時間(f, 0.5);
  効果音(f, Sound::KOMAUCHI);
  ++f.game.TESUU;
  f.clock.Timer1_Enabled = false;
  表示_棋譜(f);

  勢力調査(f.pos, f.maps);
  // A captured king is looked at first: the stale king square could make the
  // mate test answer for a king that is no longer on the board.
  if (f.game.SYOUSYA == f.game.COM_TEBAN) {
    消去_移動結果(f, f.game.COM_TEBAN);
    f.p.dialogs->message(tr(f.lang, "ｺﾝﾋﾟｭｰﾀの勝ちです"), tr(f.lang, "終了"));
    f.game.TEBAN = f.game.MAN_TEBAN;
    return;
  }
  if (詰めかMAN(f.pos, f.maps) == YES)
    f.p.dialogs->message(tr(f.lang, "よし！!"), tr(f.lang, "詰め ?"));
  else if (f.maps.UE_SEIRYOKU[f.pos.SITA_OU_X][f.pos.SITA_OU_Y] > 0)
    f.p.dialogs->message(tr(f.lang, "   ** 王手 **"), "");

  消去_思考中(f);
  描画_移動結果(f, f.game.COM_TEBAN, m.x2, m.y2, m.placed, IRO_MOJI);
  描画_桝輪郭(f, IRO_MOJI, m.x2, m.y2);

  f.clock.COM_JIKAN += f.clock.KEIKA_BYOU;
  f.clock.KAISI_JIKOKU = f.p.clock->now();
  f.game.TEBAN = f.game.MAN_TEBAN;
  if (f.options.KEIKA) f.clock.Timer1_Enabled = true;
}

void 待ち時間(Form1& f, double seconds) { f.p.clock->wait(seconds); }

void レベル_設定(Form1& f, int n) {
  // The menu's marks follow COM_LEVEL; a level outside 1..3 changes nothing.
  if (n >= 1 && n <= 3) f.game.COM_LEVEL = n;
  if (f.game.TAISEN_MODE == MODE_MAN_COM) 描画_レベル(f, f.game.COM_LEVEL);
}

namespace {
void レベル_選択(Form1& f, int n) {
  // Repaint the strip left of the board where the level is shown.
  for (int c = -2; c <= 0; ++c) 描画_絵(f, f.view.HAIKEI, c, 0);
  レベル_設定(f, n);
}
}  // namespace

void LEVEL1_Click(Form1& f) { レベル_選択(f, 1); }
void LEVEL2_Click(Form1& f) { レベル_選択(f, 2); }
void LEVEL3_Click(Form1& f) { レベル_選択(f, 3); }

}  // namespace velmora
