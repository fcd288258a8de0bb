// The thinking-time clocks: each side's total in seconds, shown as hh:mm:ss
// beside the board while the "経過時間" option is ticked.
#pragma once

#include <string>

namespace velmora {

struct Form1;

// The thinking-time clock: the stamp the move in progress is measured from,
// its seconds so far, both sides' totals, the last whole second shown, and
// whether Timer1 ticks.
struct 思考時計 {
  double KAISI_JIKOKU = 0;
  double KEIKA_BYOU = 0;
  double MAN_JIKAN = 0;  // the bottom side's total (the first player's between two humans)
  double COM_JIKAN = 0;  // the top side's total
  long KEIKA_HYOJI_BYOU = 0;
  bool Timer1_Enabled = false;
};

void Timer1_Timer(Form1& f);
double 調査_経過秒(double start, double now);
std::string 調査_時間秒追加結果(double seconds);
std::string 変換_数字から文字(long n);
void 描画_所有時間(Form1& f, int side, double seconds);
void 消去_所有時間(Form1& f, int side);
void KEIKA_Click(Form1& f);

}  // namespace velmora
