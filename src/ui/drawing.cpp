// Placeholder bodies; replaced as this room is built.
#include "ui/form.hpp"

#pragma GCC diagnostic ignored "-Wunused-parameter"

namespace velmora {

void 描画_絵(Form1& f, int id, double x, double y) {}
void 描画_桝輪郭(Form1& f, int colour, double x, double y) {}
void 描画_数値(Form1& f, double x, double y, double value, int colour, int mode, int size) {}
void 描画_数値(Form1& f, double x, double y, std::string_view text, int colour, int mode, int size) {}
void 描画_移動駒種類(Form1& f, double x, double y, std::string_view text, int colour) {}
void 描画_盤(Form1& f) {}
void 描画_将棋盤桝(Form1& f) {}
void 描画_背景(Form1& f, int id) {}
void 描画_自持盤(Form1& f) {}
void 描画_敵持盤(Form1& f) {}
void 描画_可視(Form1& f, bool drive, bool dir, bool file) {}
void 駒移動(Form1& f, int x1, int y1, int x2, int y2, int koma) {}
void 駒移動_相対駒(Form1& f, int x1, int y1, int x2, int y2, int koma) {}

}  // namespace velmora
