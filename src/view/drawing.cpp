// The board, the background around it, the two piece stands and the four
// painting primitives everything else on the window is built on. Positions
// are cells in square units, real numbers allowed; the canvas works in twips.
#include "view/drawing.hpp"

#include <cassert>
#include <charconv>
#include <cmath>
#include <string>

#include "rules/game.hpp"
#include "rules/move.hpp"
#include "view/clock_display.hpp"
#include "view/labels.hpp"
#include "view/move_list.hpp"
#include "view/state.hpp"

namespace velmora {

namespace {

// Does `id` name a picture? The pieces of both sides (promoted ones included),
// the empty square, the title and the five backgrounds; nothing else.
bool 絵がある(int id) {
  switch (id) {
    case KARA:
    case E_TAITORU:
    case HAIKEI_MIDORI:
    case HAIKEI_TATAMI:
    case HAIKEI_TAKE:
    case HAIKEI_UCHU:
    case HAIKEI_RENGA: return true;
    default: return 駒コード(id);
  }
}

void 文字(盤の場& f, double x, double y, std::string_view text, int colour, int size) {
  f.p.canvas->text(座標_左(x), 座標_上(y), text, colour, size, f.view.FontBold);
}

// A number the way the window prints it: shortest decimal form, with the blank
// that stands for the sign of a non-negative number (" 5", "-3", " 1.5").
std::string 数値の文字(double value) {
  char buf[64];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value);
  std::string digits = ec == std::errc() ? std::string(buf, end) : std::string("0");
  if (digits == "-0") digits = "0";
  return digits.front() == '-' ? digits : " " + digits;
}

// The board's row labels, translated like the rows of move texts.
const char* const 漢数字[10] = {"",
                                gettext_noop("一"),
                                gettext_noop("二"),
                                gettext_noop("三"),
                                gettext_noop("四"),
                                gettext_noop("五"),
                                gettext_noop("六"),
                                gettext_noop("七"),
                                gettext_noop("八"),
                                gettext_noop("九")};

}  // namespace

void 描画_絵(盤の場& f, int id, double x, double y) {
  if (!絵がある(id)) return;
  // The pieces as the option chose them; the empty square is the same in both sets.
  if (f.options.KOKUSAI && 駒コード(id)) id += id > 0 ? 国際駒の絵 : -国際駒の絵;
  f.p.canvas->picture(id, 座標_左(x), 座標_上(y));
}

void 描画_桝輪郭(盤の場& f, int colour, double x, double y) {
  f.p.canvas->rectangle(colour, 座標_左(x), 座標_上(y), 座標_左(x + 1), 座標_上(y + 1));
}

void 描画_数値(盤の場& f, double x, double y, double value, int colour, int mode, int size) {
  if (mode == 0) {
    文字(f, x, y, 数値の文字(value), colour, size);
    return;
  }
  for (int n = 1; n <= 9; ++n)
    if (value == n) 文字(f, x, y, tr(f.lang, 漢数字[n]), colour, size);
}

void 描画_数値(盤の場& f, double x, double y, std::string_view text, int colour, int mode, int size) {
  if (mode == 0) {
    文字(f, x, y, text, colour, size);
    return;
  }
  // Kanji mode knows only the numbers 1 to 9.
  int n = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
  if (ec == std::errc() && end == text.data() + text.size() && n >= 1 && n <= 9)
    文字(f, x, y, tr(f.lang, 漢数字[n]), colour, size);
}

void 描画_移動駒種類(盤の場& f, double x, double y, std::string_view text, int colour) {
  文字(f, x, y, text, colour, 12);
}

void 描画_盤(盤の場& f) {
  for (int x = 1; x <= BAN_MAX; ++x)
    for (int y = 1; y <= BAN_MAX; ++y) {
      描画_絵(f, f.pos.BAN[x][y], x, y);
      描画_桝輪郭(f, IRO_WAKU, x, y);
    }
}

void 描画_将棋盤桝(盤の場& f) {
  for (int x = 1; x <= BAN_MAX; ++x)
    for (int y = 1; y <= BAN_MAX; ++y) 描画_桝輪郭(f, IRO_KESU, x, y);
}

void 描画_背景(盤の場& f, int id) {
  if (絵がある(id)) f.p.canvas->background(id);
  // Wider than the window on every side, so a larger window is covered too.
  for (int x = -3; x <= 28; ++x)
    for (int y = -2; y <= 17; ++y)
      if (!盤内(x, y)) 描画_絵(f, id, x, y);
}

void 描画_自持盤(盤の場& f) {
  for (int i = MOTI_HU; i <= MOTI_SYA; ++i) {
    const int y = i + 2;
    描画_絵(f, KARA, SITA_DAI, y);
    描画_絵(f, f.options.HAIKEI, 12, y);  // clears the old count
    描画_桝輪郭(f, IRO_WAKU, SITA_DAI, y);
    if (f.pos.SITA_MOTI[i] > 0) {
      描画_絵(f, -持駒コード[i], SITA_DAI, y);
      描画_桝輪郭(f, IRO_WAKU, SITA_DAI, y);
      描画_数値(f, 12.1, y + 0.3, f.pos.SITA_MOTI[i], IRO_KAGE, 0, 14);
      描画_数値(f, 12, y + 0.2, f.pos.SITA_MOTI[i], IRO_SENTAKU, 0, 14);
    }
  }
}

void 描画_敵持盤(盤の場& f) {
  // The rook at the top (row 1), the pawn at row 7.
  for (int i = 1; i <= 7; ++i) {
    const int k = 敵持盤の行(i);  // the slot shown on row i
    描画_絵(f, KARA, UE_DAI, i);
    描画_絵(f, f.options.HAIKEI, 0, i);
    描画_桝輪郭(f, IRO_WAKU, UE_DAI, i);
    if (f.pos.UE_MOTI[k] > 0) {
      描画_絵(f, 持駒コード[k], UE_DAI, i);
      描画_桝輪郭(f, IRO_WAKU, UE_DAI, i);
      描画_数値(f, 0.1, i + 0.3, f.pos.UE_MOTI[k], IRO_KAGE, 0, 14);
      描画_数値(f, 0, i + 0.2, f.pos.UE_MOTI[k], IRO_SENTAKU, 0, 14);
    }
    // The tile at column 0 overlaps the outline of board column 1.
    描画_桝輪郭(f, IRO_WAKU, 1, i);
  }
}

void 画面_再描画(盤の場& f) {
  描画_背景(f, f.options.HAIKEI);
  描画_桝_数値(f);
  描画_自持盤(f);
  描画_敵持盤(f);
  描画_盤(f);
  描画_所有時間(f, f.game.COM_TEBAN, f.clock.COM_JIKAN);
  描画_所有時間(f, f.game.MAN_TEBAN, f.clock.MAN_JIKAN);
  if (f.game.TAISEN_MODE == MODE_MAN_COM) 描画_レベル(f, f.game.COM_LEVEL);
  if (f.game.HANDE_SETTEI) 描画_ハンデレベル(f, f.game.HANDE_LEVEL);
  描画_絵(f, E_TAITORU, 10.8, 0);
  表示_棋譜(f);
}

void 描画_指した升(盤の場& f, const 指し手& m, bool 鏡, const 指し手& jump, bool stands) {
  auto square = [&](int x, int y) {
    if (!盤内(x, y)) return;
    描画_絵(f, f.pos.BAN[x][y], x, y);
    描画_桝輪郭(f, IRO_WAKU, x, y);
  };
  if (stands) {
    描画_自持盤(f);
    描画_敵持盤(f);
  }
  square(m.x1, m.y1);
  square(m.x2, m.y2);
  if (鏡) {
    square(jump.x1, jump.y1);
    square(jump.x2, jump.y2);
  }
}

int 座標_列(double twips_x) { return static_cast<int>(std::floor((twips_x - BAN_LEFT) / MASU_W)); }
int 座標_行(double twips_y) { return static_cast<int>(std::floor((twips_y - BAN_TOP) / MASU_H)); }

double 座標_左(double x) { return BAN_LEFT + MASU_W * x; }
double 座標_上(double y) { return BAN_TOP + MASU_H * y; }

}  // namespace velmora
