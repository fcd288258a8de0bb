// The board, the background around it, the two piece stands, and the four
// painting primitives everything else on the window is built on. Positions
// are cells in square units, real numbers allowed; the canvas works in twips.
#pragma once

#include <string_view>

#include "game/options.hpp"
#include "rules/move.hpp"

namespace velmora {

struct 盤の場;

// Window geometry in twips: the top-left corner of the board's cell (0, 0)
// and the size of one cell.
inline constexpr int BAN_LEFT = 1350;
inline constexpr int BAN_TOP = 100;
inline constexpr int MASU_W = 610;
inline constexpr int MASU_H = 690;

// A window point in twips → the cell it lies in, rounding towards minus
// infinity, so points just left of the board give column -1.
int 座標_列(double twips_x);
int 座標_行(double twips_y);

// Top-left corner of cell (x, y) in twips; x and y may be fractional.
double 座標_左(double x);
double 座標_上(double y);

// The top side's stand (column UE_DAI) shows hand slot k on row 8 - k, the
// rook at the top; a row there is slot 8 - row.
inline constexpr int 敵持盤の行(int slot) { return 8 - slot; }

// Display colours (QBColor indices) and picture identifiers.
inline constexpr int IRO_MOJI = 15;
inline constexpr int IRO_KEKKA = 15;
inline constexpr int IRO_KAGE = 0;
inline constexpr int IRO_SENTAKU = 12;
inline constexpr int IRO_BANGOU = 14;
inline constexpr int IRO_WAKU = 2;
inline constexpr int IRO_KESU = 2;
inline constexpr int E_TAITORU = 1;
// The tints of the last move's squares and of its mirror jump's.
inline constexpr int 最終手の色 = 14;
inline constexpr int 鏡の手の色 = 11;
// The colour move guidance outlines with: white when it is on, the outline
// colour (so nothing shows) when it is off.
inline constexpr int 移動指導の色(const 設定& o) { return o.SIDOU_FLAG ? 15 : 2; }
// A piece's picture in the international set: its code, 1000 further from zero.
inline constexpr int 国際駒の絵 = 1000;

void 描画_絵(盤の場& f, int id, double x, double y);
void 描画_桝輪郭(盤の場& f, int colour, double x, double y);
void 描画_数値(盤の場& f, double x, double y, double value, int colour, int mode, int size);
void 描画_数値(盤の場& f, double x, double y, std::string_view text, int colour, int mode, int size);
void 描画_移動駒種類(盤の場& f, double x, double y, std::string_view text, int colour);
void 描画_盤(盤の場& f);
void 描画_将棋盤桝(盤の場& f);
void 描画_背景(盤の場& f, int id);
void 描画_自持盤(盤の場& f);
void 描画_敵持盤(盤の場& f);
// The whole window painted again: background, labels, stands, board, clocks,
// the level and handicap labels, the title, the move list.
void 画面_再描画(盤の場& f);
// The squares a move and its mirror jump changed, and the stands when a
// piece was taken or dropped, painted as the position now has them.
void 描画_指した升(盤の場& f, const 指し手& m, bool 鏡, const 指し手& jump, bool stands);

}  // namespace velmora
