// Placeholder bodies; replaced as this room is built.
#include "ui/form.hpp"

#pragma GCC diagnostic ignored "-Wunused-parameter"

namespace velmora {

void 手順保存(Form1& f, int x1, int y1, int x2, int y2, int moving, int placed, double t1, double t2,
              double t3, double t4) {}
void 描画_棋譜_IO(Form1& f, int mode) {}
void 描画_棋譜読込み部分消去(Form1& f) {}
double 取得_棋譜のX座標(std::string_view text) { return 0; }
std::string 文字列変換(int v) { return {}; }
void KIFU_READ_Click(Form1& f) {}
void KIFU_WRITE_Click(Form1& f) {}
void Command1_Click(Form1& f) {}
void File1_Click(Form1& f, std::string_view name) {}
void Dir1_Change(Form1& f, std::string_view path) {}
void Drive1_Change(Form1& f, std::string_view drive) {}

}  // namespace velmora
