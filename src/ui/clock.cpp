// Placeholder bodies; replaced as this room is built.
#include "ui/form.hpp"

#pragma GCC diagnostic ignored "-Wunused-parameter"

namespace velmora {

void Timer1_Timer(Form1& f) {}
double 調査_経過秒(double start, double now) { return 0; }
std::string 調査_時間秒追加結果(double seconds) { return {}; }
std::string 変換_数字から文字(long n) { return {}; }
void 描画_所有時間(Form1& f, int side, double seconds) {}
void 消去_所有時間(Form1& f, int side) {}
void KEIKA_Click(Form1& f) {}

}  // namespace velmora
