// The computer's turn and its level, and the hint.
#pragma once

#include <optional>

#include "rules/move.hpp"

namespace velmora {

struct 対局の場;

// Levels 1 to 3 look one move ahead; levels 4 and 5 search deeply, through
// the thinker (game/thinker.hpp).
inline constexpr int 最高レベル = 5;
inline constexpr bool 深読みのレベル(int level) { return level >= 4; }

// The computer's whole turn: it starts to think, chooses its move and makes
// it (through the one procedure that makes moves). Nothing happens when the
// game is over; at the record's end it says so and does not move. At levels
// 4 and 5 a thinker that thinks elsewhere leaves the turn waiting for its
// answer (思考の答え).
void com_ban(対局の場& f);

// The computer's turn in its three steps, for a caller that lets it think
// elsewhere: whether it may move at all (its clock then runs and everyone is
// told it thinks), its choice, and playing the choice — or, when it found
// nothing to play, losing. The choice is made here and now at levels 1 to 3
// (true, the move in `best`); at levels 4 and 5 the thinker is asked, and
// when it answers later the choice is false and the game waits for it.
bool COM_思考開始(対局の場& f);
bool COM_探索(対局の場& f, std::optional<指し手>& best);
void COM_着手(対局の場& f, const std::optional<指し手>& best);

// Whether the game waits for a thinker's answer: no click or menu may change
// the game meanwhile.
bool 思考を待つ(const 対局の場& f);
// While the game waits for a thinker, whatever would change the game is
// refused with the refusal sound: true then.
bool 思考中の断り(対局の場& f);
// The answer of a thinker that thought elsewhere, handed back on the game's
// thread: the computer's move is made (COM_着手) or the hint shown. An answer
// nobody waits for, or that was asked for another position, is dropped.
void 思考の答え(対局の場& f, const std::optional<指し手>& move);
// The awaited answer forgotten and the thinker stopped (the program quits).
void 思考_取消(対局の場& f);

// ヒント: the move level 5 would play for the human to move, told to the
// listeners (出来事::ヒント) and not played. Refused with the refusal sound
// when no human is to move: no game, a game over, a record looked at, the
// computer to move or thinking, the record full.
void ヒント(対局の場& f);

// A wait that keeps the window painting but takes no input.
void 待ち時間(対局の場& f, double seconds);

// The computer's level, 1 to 5; any other number changes nothing.
void レベル_設定(対局の場& f, int n);

}  // namespace velmora
