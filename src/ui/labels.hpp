// Everything on the window besides the board, the stands and the clocks: the
// coordinate labels, the move counter, the level and handicap labels, the
// last move of each side, the move guidance, the mirror-square outline, the
// blinking of the computer's piece and the handicap refusal box.
#pragma once

namespace velmora {

struct Form1;

void 描画_文字列(Form1& f, double x, double y, int code, int colour, int size);
void 描画_桝_数値(Form1& f);
void 描画_手数(Form1& f, int n, int colour);
void 描画_レベル(Form1& f, int n);
void 描画_ハンデレベル(Form1& f, int level);
void 描画_移動結果(Form1& f, int side, int x, int y, int piece, int colour);
void 消去_移動結果(Form1& f, int side);
void 消去_思考中(Form1& f);
void 描画_移動可能桝色(Form1& f, int x0, int y0, int colour, int piece);
void 描画_桝輪郭_相対駒(Form1& f, int x, int y, int piece);
void 描画_駒点滅(Form1& f, int piece, double x, double y, int n);
void 描画_メッセージ(Form1& f, int reason);

struct 棋譜の手;
// The last move marked on the board: its source and destination in one
// tint, the squares of its mirror jump in another; null marks nothing. The
// marks painted before are taken off first.
void 描画_最終手(Form1& f, const 棋譜の手* m);

}  // namespace velmora
