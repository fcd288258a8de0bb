// Everything on the window besides the board, the stands and the clocks: the
// coordinate labels, the move counter, the level and handicap labels, the
// last move of each side, the move guidance, the mirror-square outline, the
// blinking of the computer's piece. Every text is
// shadowed: black first, a tenth of a square right and down, then in colour.
#include "view/labels.hpp"

#include <string>

#include "game/computer.hpp"
#include "game/notation.hpp"
#include "rules/legality.hpp"
#include "view/drawing.hpp"
#include "view/state.hpp"

namespace velmora {

namespace {

const char* 文字列の表(int code) {
  switch (code) {
    case -10: return gettext_noop("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人");
    case -9: return gettext_noop("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８段");
    case -8: return gettext_noop("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７段");
    case -7: return gettext_noop("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６段");
    case -6: return gettext_noop("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５段");
    case -5: return gettext_noop("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４段");
    case -4: return gettext_noop("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３段");
    case -3: return gettext_noop("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２段");
    case -2: return gettext_noop("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:初段");
    case -1: return gettext_noop("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:１級");
    case 0: return gettext_noop("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級");
    case 1: return gettext_noop("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３級");
    case 2: return gettext_noop("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４級");
    case 3: return gettext_noop("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５級");
    case 4: return gettext_noop("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６級");
    case 5: return gettext_noop("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７級");
    case 6: return gettext_noop("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８級");
    case 7: return gettext_noop("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:９級");
    case 8: return gettext_noop("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:10級");
    case 9: return gettext_noop("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:11級");
    case 10: return gettext_noop("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:12級");
    // Drawn only with the source texts; a translation draws "{手数}手目" whole.
    case 99: return "手目";
    default: return nullptr;
  }
}

// Columns are numbered the shogi way, from the right: the leftmost is 9.
int 筋の番号(int x) { return 10 - x; }

// One part of a move text: shadow, then the text in its colour.
void 移動の文字(盤の場& f, double x, double y, std::string_view text, int colour) {
  描画_移動駒種類(f, x + 0.1, y + 0.1, text, IRO_KAGE);
  描画_移動駒種類(f, x, y, text, colour);
}

// The last move on row y0 as the source texts show it, column, row and piece
// each at its own place xs, or as a translation lays the whole text out from
// the first place on.
void 移動の文字列(盤の場& f, const double (&xs)[3], double y0, int x, int y, int piece, int colour) {
  const std::string parts[3] = {文字列変換(筋の番号(x)), 文字列変換(y + 1000), 文字列変換(piece)};
  if (原文(f.lang)) {
    for (int i = 0; i < 3; ++i) 移動の文字(f, xs[i], y0, parts[i], colour);
    return;
  }
  // TRANSLATORS: the last move beside the board: the column (１..９), the row
  // (一..九) and the piece moved, each as translated on its own.
  const std::string_view layout = tr(f.lang, "{筋}{段}{駒}");
  const std::string text = 差込(
      layout, {{"筋", tr(f.lang, parts[0])}, {"段", tr(f.lang, parts[1])}, {"駒", tr(f.lang, parts[2])}});
  移動の文字(f, xs[0], y0, text, colour);
}

std::size_t 文字数(std::string_view utf8) {
  std::size_t n = 0;
  for (char c : utf8)
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
  return n;
}

}  // namespace

void 描画_棋譜読込み部分消去(盤の場& f) {
  描画_桝_数値(f);
  // The whole row, where a record's title may start left of column -1.
  for (int x = -3; x <= 15; ++x) 描画_絵(f, f.options.HAIKEI, x, 10);
  for (int x = 1; x <= 9; ++x) 描画_桝輪郭(f, IRO_WAKU, x, 9);
}

double 取得_棋譜のX座標(std::string_view text) {
  const double L = static_cast<double>(文字数(text));
  return BAN_LEFT + MASU_W * (3 + (13 - L) / 5);
}

void 描画_文字列(盤の場& f, double x, double y, int code, int colour, int size) {
  const char* text = 文字列の表(code);
  if (!text) return;
  f.p.canvas->text(座標_左(x) + 120, 座標_上(y) + 160, tr(f.lang, text), colour, size, f.view.FontBold);
}

void 描画_桝_数値(盤の場& f) {
  // Nothing sets the font back: every later text is bold as well.
  f.view.FontBold = true;
  for (int i = 1; i <= BAN_MAX; ++i) {
    描画_絵(f, f.options.HAIKEI, i, 0);
    描画_数値(f, i + 0.2, 0.5, 筋の番号(i), IRO_KAGE, 0, 16);
    描画_数値(f, i + 0.1, 0.4, 筋の番号(i), IRO_BANGOU, 0, 16);
    // Rows in kanji numerals, "一" at the top.
    描画_絵(f, f.options.HAIKEI, 10, i);
    描画_数値(f, 10.2, i + 0.4, i, IRO_KAGE, 1, 12);
    描画_数値(f, 10.1, i + 0.3, i, IRO_BANGOU, 1, 12);
    // The tile at column 10 overlaps the outline of column 9.
    描画_桝輪郭(f, IRO_WAKU, 9, i);
  }
}

void 描画_手数(盤の場& f, int n, int /*colour: the counter is always IRO_MOJI*/) {
  描画_絵(f, f.options.HAIKEI, 13, 3);
  描画_絵(f, f.options.HAIKEI, 14, 3);
  描画_桝輪郭(f, IRO_WAKU, 11, 3);
  if (!原文(f.lang)) {
    // TRANSLATORS: the move counter beside the board ("5手目": the fifth move).
    const std::string text = 差込(tr(f.lang, "{手数}手目"), {{"手数", std::to_string(n)}});
    描画_数値(f, 13.1, 3.4, text, IRO_KAGE, 0, 12);
    描画_数値(f, 13.0, 3.3, text, IRO_MOJI, 0, 12);
    return;
  }
  // Right-aligned by the number of digits.
  const double x = n < 10 ? 13.2 : n < 100 ? 13.1 : 13.0;
  描画_数値(f, x + 0.1, 3.4, n, IRO_KAGE, 0, 12);
  描画_数値(f, x, 3.3, n, IRO_MOJI, 0, 12);
  描画_文字列(f, 13.9, 3.2, 99, IRO_KAGE, 10);
  描画_文字列(f, 13.8, 3.1, 99, IRO_MOJI, 10);
}

void 描画_レベル(盤の場& f, int n) {
  const std::string_view label = tr(f.lang, "LEVEL");
  描画_数値(f, -1.4, 0.2, label, IRO_KAGE, 0, 10);
  描画_数値(f, -1.5, 0.1, label, IRO_MOJI, 0, 10);
  描画_数値(f, 0.1, 0.1, n, IRO_KAGE, 0, 12);
  描画_数値(f, 0, 0, n, IRO_MOJI, 0, 12);
}

void 描画_ハンデレベル(盤の場& f, int level) {
  for (int c = 11; c <= 14; ++c) 描画_絵(f, f.options.HAIKEI, c, 1);
  描画_文字列(f, 11.1, 1.1, level, IRO_KAGE, 10);
  描画_文字列(f, 11, 1, level, IRO_MOJI, 10);
}

void 描画_移動結果(盤の場& f, int side, int x, int y, int piece, int colour) {
  消去_移動結果(f, side);
  // The column as the board's own labels number it.
  if (side == f.game.COM_TEBAN) {
    移動の文字列(f, {-1.6, -1.2, -0.6}, 8.4, x, y, piece, colour);
    描画_桝輪郭(f, IRO_WAKU, 1, 8);
  } else if (side == f.game.MAN_TEBAN) {
    移動の文字列(f, {12.4, 12.8, 13.4}, 2.4, x, y, piece, colour);
  }
}

void 消去_移動結果(盤の場& f, int side) {
  if (side == f.game.COM_TEBAN) {
    // The text starts at column -1.6, so column -2 holds its first character.
    描画_絵(f, f.options.HAIKEI, -2, 8);
    描画_絵(f, f.options.HAIKEI, -1, 8);
    描画_絵(f, f.options.HAIKEI, 0, 8);
    描画_桝輪郭(f, IRO_WAKU, -1, 7);
    描画_桝輪郭(f, IRO_WAKU, 1, 8);
  } else if (side == f.game.MAN_TEBAN) {
    for (int c = 12; c <= 14; ++c) 描画_絵(f, f.options.HAIKEI, c, 2);
  }
}

void 消去_思考中(盤の場& f) {
  for (int c = -2; c <= 0; ++c) 描画_絵(f, f.options.HAIKEI, c, 8);
  描画_桝輪郭(f, IRO_WAKU, -1, 7);
}

void 描画_移動可能桝色(盤の場& f, int x0, int y0, int colour, int piece) {
  // Old outlines go even when guidance is off.
  描画_将棋盤桝(f);
  if (!f.options.SIDOU_FLAG) return;
  for (int x = 1; x <= BAN_MAX; ++x)
    for (int y = 1; y <= BAN_MAX; ++y)
      if (移動チェック(f.pos, x0, y0, x, y, piece) == YES) 描画_桝輪郭(f, colour, x, y);
}

void 描画_桝輪郭_相対駒(盤の場& f, int x, int y, int piece) {
  if (!盤内(x)) return;  // a piece in hand has no mirror move
  const int mx = 相対位置(x), my = 相対位置(y);
  // In the tint the last-move marks give a mirror jump, apart from the white
  // of the squares the piece may go to.
  if (敵同士(piece, f.pos.BAN[mx][my])) 描画_桝輪郭(f, 鏡の手の色, mx, my);
}

void 描画_駒点滅(盤の場& f, int piece, double x, double y, int n) {
  for (int i = 0; i < n; ++i) {
    描画_絵(f, KARA, x, y);
    描画_桝輪郭(f, IRO_WAKU, x, y);
    f.p.canvas->repaint_now();
    待ち時間(f, 0.2);
    描画_絵(f, piece, x, y);
    描画_桝輪郭(f, IRO_WAKU, x, y);
    f.p.canvas->repaint_now();
    待ち時間(f, 0.2);
  }
}

void 描画_最終手(盤の場& f, const 棋譜の手* m) {
  画面& v = f.view;
  for (int i = 0; i < v.印数; ++i) {
    const int x = v.印[i][0], y = v.印[i][1];
    描画_絵(f, f.pos.BAN[x][y], x, y);
    描画_桝輪郭(f, IRO_WAKU, x, y);
  }
  v.印数 = 0;
  if (!m || !m->分かる) return;
  // Inside the outline, which stays as it is.
  auto mark = [&](int colour, int x, int y) {
    if (!盤内(x, y)) return;
    f.p.canvas->tint(colour, 座標_左(x) + 15, 座標_上(y) + 15, 座標_左(x + 1) - 15, 座標_上(y + 1) - 15);
    v.印[v.印数][0] = x;
    v.印[v.印数][1] = y;
    ++v.印数;
  };
  mark(最終手の色, m->手.x1, m->手.y1);
  mark(最終手の色, m->手.x2, m->手.y2);
  if (m->鏡) {
    mark(鏡の手の色, m->鏡の手.x1, m->鏡の手.y1);
    mark(鏡の手の色, m->鏡の手.x2, m->鏡の手.y2);
  }
}

}  // namespace velmora
