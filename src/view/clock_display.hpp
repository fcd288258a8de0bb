// The thinking-time clocks beside the board, as hh:mm:ss, while the
// "経過時間" option is ticked.
#pragma once

#include <string>

namespace velmora {

struct 盤の場;

// Seconds as hh:mm:ss; from 100 hours on the hours are blank.
std::string 調査_時間秒追加結果(double seconds);
// Two digits: a leading zero under ten, nothing from three digits on.
std::string 変換_数字から文字(long n);
void 描画_所有時間(盤の場& f, int side, double seconds);
void 消去_所有時間(盤の場& f, int side);

}  // namespace velmora
