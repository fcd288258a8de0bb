// Everything on the window besides the board, the stands and the clocks: the
// coordinate labels, the move counter, the level and handicap labels, the
// last move of each side, the move guidance, the mirror-square outline, the
// blinking of the computer's piece.
#pragma once

#include <string_view>

namespace velmora {

struct 盤の場;

void 描画_文字列(盤の場& f, double x, double y, int code, int colour, int size);
void 描画_桝_数値(盤の場& f);
void 描画_手数(盤の場& f, int n, int colour);
void 描画_レベル(盤の場& f, int n);
void 描画_ハンデレベル(盤の場& f, int level);
void 描画_移動結果(盤の場& f, int side, int x, int y, int piece, int colour);
void 消去_移動結果(盤の場& f, int side);
void 消去_思考中(盤の場& f);
void 描画_移動可能桝色(盤の場& f, int x0, int y0, int colour, int piece);
void 描画_桝輪郭_相対駒(盤の場& f, int x, int y, int piece);
void 描画_駒点滅(盤の場& f, int piece, double x, double y, int n);

// The numbers above the board cleared, and the free row below it where a
// loaded record's title and bottom player stand.
void 描画_棋譜読込み部分消去(盤の場& f);
// Where a record's header starts, by its length in characters.
double 取得_棋譜のX座標(std::string_view text);

struct 棋譜の手;
// The last move marked on the board: its source and destination in one
// tint, the squares of its mirror jump in another; null marks nothing. The
// marks painted before are taken off first.
void 描画_最終手(盤の場& f, const 棋譜の手* m);

}  // namespace velmora
