// The two handicap buttons "△" and "▽".
#pragma once

namespace velmora {

struct Form1;

void LBEL_UP_Click(Form1& f);
void LEBEL_DOWN_Click(Form1& f);

}  // namespace velmora
