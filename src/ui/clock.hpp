// The thinking-time clocks: each side's total in seconds, shown as hh:mm:ss
// beside the board while the "経過時間" option is ticked.
#pragma once

#include <string>

namespace velmora {

struct Form1;

void Timer1_Timer(Form1& f);
double 調査_経過秒(double start, double now);
std::string 調査_時間秒追加結果(double seconds);
std::string 変換_数字から文字(long n);
void 描画_所有時間(Form1& f, int side, double seconds);
void 消去_所有時間(Form1& f, int side);
void KEIKA_Click(Form1& f);

}  // namespace velmora
