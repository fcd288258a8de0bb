// The thinking-time clocks beside the board.
#include "view/clock_display.hpp"

#include <cmath>

#include "view/drawing.hpp"
#include "view/state.hpp"

namespace velmora {

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

void 描画_所有時間(盤の場& f, int side, double seconds) {
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

void 消去_所有時間(盤の場& f, int side) {
  if (side == f.game.MAN_TEBAN) {
    for (int c = 13; c <= 15; ++c) 描画_絵(f, f.options.HAIKEI, c, 9);
  } else if (side == f.game.COM_TEBAN) {
    for (int c = -2; c <= 0; ++c) 描画_絵(f, f.options.HAIKEI, c, 9);
  }
}

}  // namespace velmora
