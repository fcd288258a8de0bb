// The menus of the game: starting games ("対局"), a new game, resigning, the computer's level, the hint,
// stepping and turning the board ("局面", "戻", "進"), the handicap buttons
// ("△", "▽"), and the window's one-second timer.
#pragma once

namespace velmora {

struct 入力の場;

void MATCH_MAN_Click(入力の場& f);
void START_Click(入力の場& f);
void SENTE_Click(入力の場& f);
void GOTE_Click(入力の場& f);
void LEVEL1_Click(入力の場& f);
void LEVEL2_Click(入力の場& f);
void LEVEL3_Click(入力の場& f);
void LEVEL4_Click(入力の場& f);
void LEVEL5_Click(入力の場& f);
// ヒント: the move level 5 would play for the human to move, marked on the board.
void HINT_Click(入力の場& f);
void REPLAY_Click(入力の場& f);
void AFTER_Click(入力の場& f);
void CANCEL_Click(入力の場& f);
void REVERSE_Click(入力の場& f);
void LBEL_UP_Click(入力の場& f);
void LEBEL_DOWN_Click(入力の場& f);
// 投了 (Resign): the game ends as a win of the other side, once confirmed.
void TOURYOU_Click(入力の場& f);
// 新規対局 (New game): asked first when a game with moves has not ended;
// then the board set up as 最初 sets it up and the same kind of game started
// again: between two humans, or against the computer with the human first or
// second, at the same level.
void SHINKI_Click(入力の場& f);

// The window's one-second timer (the form's Timer1): the clock ticks.
void 時計の刻み(入力の場& f);

}  // namespace velmora
