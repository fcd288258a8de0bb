// The board, the background around it, the two piece stands, and the four
// painting primitives everything else on the window is built on. Positions
// are cells in square units, real numbers allowed; the canvas works in twips.
#pragma once

#include <string_view>

namespace velmora {

struct Form1;

// Display colours (QBColor indices) and picture identifiers.
inline constexpr int IRO_MOJI = 15;
inline constexpr int IRO_KEKKA = 15;
inline constexpr int IRO_KAGE = 0;
inline constexpr int IRO_SENTAKU = 12;
inline constexpr int IRO_BANGOU = 14;
inline constexpr int IRO_WAKU = 2;
inline constexpr int IRO_KESU = 2;
inline constexpr int E_TAITORU = 1;
inline constexpr int HAIKEI_MIDORI = 2;
inline constexpr int HAIKEI_TATAMI = 3;
inline constexpr int HAIKEI_TAKE = 4;
inline constexpr int HAIKEI_UCHU = 5;
inline constexpr int HAIKEI_RENGA = 6;

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
// A real move and its mirror move, painted on the window.
void 駒移動(Form1& f, int x1, int y1, int x2, int y2, int koma);
void 駒移動_相対駒(Form1& f, int x1, int y1, int x2, int y2, int koma);

}  // namespace velmora
