// The board, the background around it, the two piece stands, and the four
// painting primitives everything else on the window is built on. Positions
// are cells in square units, real numbers allowed; the canvas works in twips.
#pragma once

#include <string_view>

#include "rules/move.hpp"

namespace velmora {

struct Form1;

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
inline constexpr int HAIKEI_MIDORI = 2;
inline constexpr int HAIKEI_TATAMI = 3;
inline constexpr int HAIKEI_TAKE = 4;
inline constexpr int HAIKEI_UCHU = 5;
inline constexpr int HAIKEI_RENGA = 6;
// A piece's picture in the international set: its code, 1000 further from zero.
inline constexpr int 国際駒の絵 = 1000;

// What the window shows besides the position: the background it paints
// with, whether texts are bold (from the first coordinate labels on), and
// the squares the last move is marked on.
struct 画面 {
  int HAIKEI = HAIKEI_MIDORI;
  bool FontBold = false;
  int 印数 = 0;
  int 印[4][2]{};
};

void 描画_絵(Form1& f, int id, double x, double y);
void 描画_桝輪郭(Form1& f, int colour, double x, double y);
void 描画_数値(Form1& f, double x, double y, double value, int colour, int mode, int size);
void 描画_数値(Form1& f, double x, double y, std::string_view text, int colour, int mode, int size);
void 描画_移動駒種類(Form1& f, double x, double y, std::string_view text, int colour);
void 描画_盤(Form1& f);
void 描画_将棋盤桝(Form1& f);
void 描画_背景(Form1& f, int id);
void 描画_自持盤(Form1& f);
void 描画_敵持盤(Form1& f);
void 描画_可視(Form1& f, bool drive, bool dir, bool file);
// A real move on the window: the move with its capture, then its mirror
// move, both painted; a king taken decides the game. Returns the captured
// code. No piece is made or lost (checked in builds with assertions).
int 盤上で指す(Form1& f, const 指し手& m);

}  // namespace velmora
