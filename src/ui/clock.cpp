// The thinking-time clocks: each side's total in seconds, shown as
// hh:mm:ss beside the board while the "経過時間" option is ticked. The move in
// progress is measured from a start stamp, not by counting ticks.
#include "ui/clock.hpp"

#include <cmath>
#include <string>

#include "options/settings.hpp"
#include "ui/drawing.hpp"
#include "ui/form.hpp"

namespace velmora {

void Timer1_Timer(Form1& f) {
  // com_ban calls this directly, so a disabled timer must do nothing here.
  if (f.game.SYOUSYA != 0 || !f.clock.Timer1_Enabled) return;
  f.clock.KEIKA_BYOU = 調査_経過秒(f.clock.KAISI_JIKOKU, f.p.clock->now());
  const long whole = static_cast<long>(std::floor(f.clock.KEIKA_BYOU));
  if (whole == f.clock.KEIKA_HYOJI_BYOU) return;
  f.clock.KEIKA_HYOJI_BYOU = whole;
  if (f.game.TEBAN == f.game.COM_TEBAN)
    描画_所有時間(f, f.game.COM_TEBAN, f.clock.COM_JIKAN + f.clock.KEIKA_BYOU);
  else if (f.game.TEBAN == f.game.MAN_TEBAN)
    描画_所有時間(f, f.game.MAN_TEBAN, f.clock.MAN_JIKAN + f.clock.KEIKA_BYOU);
  f.p.canvas->repaint_now();
}

double 調査_経過秒(double start, double now) {
  if (start <= now) return now - start;
  return (86400.0 - start) + now;  // midnight passed
}

std::string 調査_時間秒追加結果(double seconds) {
  double h = 0;
  double r = seconds;
  if (seconds >= 3600) {
    h = std::floor(seconds / 3600);
    r = seconds - 3600 * h;
  }
  const double m = std::floor(r / 60);
  const double sec = r - 60 * m;
  return 変換_数字から文字(static_cast<long>(h)) + ":" + 変換_数字から文字(static_cast<long>(m)) + ":" +
         変換_数字から文字(static_cast<long>(std::floor(sec)));
}

std::string 変換_数字から文字(long n) {
  std::string text = std::to_string(n);
  if (text.size() == 1) return "0" + text;
  if (text.size() == 2) return text;
  return {};  // three digits or more do not fit: from 100 hours on the hours are blank
}

void 描画_所有時間(Form1& f, int side, double seconds) {
  if (!f.options.KEIKA) return;
  const std::string text = 調査_時間秒追加結果(seconds);
  消去_所有時間(f, side);
  if (side == f.game.MAN_TEBAN) {
    描画_数値(f, 13.1, 9.3, text, IRO_KAGE, 0, 12);
    描画_数値(f, 13, 9.2, text, IRO_MOJI, 0, 12);
  } else if (side == f.game.COM_TEBAN) {
    描画_数値(f, -1.5, 9.3, text, IRO_KAGE, 0, 12);
    描画_数値(f, -1.6, 9.2, text, IRO_MOJI, 0, 12);
    // The top clock's tiles overlap the outline of the corner square.
    描画_桝輪郭(f, IRO_WAKU, 1, 9);
  }
}

void 消去_所有時間(Form1& f, int side) {
  if (side == f.game.MAN_TEBAN) {
    for (int c = 13; c <= 15; ++c) 描画_絵(f, f.view.HAIKEI, c, 9);
  } else if (side == f.game.COM_TEBAN) {
    for (int c = -2; c <= 0; ++c) 描画_絵(f, f.view.HAIKEI, c, 9);
  }
}

void KEIKA_Click(Form1& f) {
  if (f.options.KEIKA) {
    f.options.KEIKA = false;
    f.clock.Timer1_Enabled = false;
    消去_所有時間(f, f.game.MAN_TEBAN);
    消去_所有時間(f, f.game.COM_TEBAN);
  } else {
    f.options.KEIKA = true;
    f.clock.Timer1_Enabled = true;
    描画_所有時間(f, f.game.COM_TEBAN, f.clock.COM_JIKAN);
    描画_所有時間(f, f.game.MAN_TEBAN, f.clock.MAN_JIKAN);
  }
  書込_環境設定ファイル(f);
}

}  // namespace velmora
