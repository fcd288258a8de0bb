// The computer's turn and its level.
#pragma once

#include <optional>

#include "rules/move.hpp"

namespace velmora {

struct 対局の場;

// The computer's whole turn: it starts to think, chooses its move and makes
// it (through the one procedure that makes moves). Nothing happens when the
// game is over; at the record's end it says so and does not move.
void com_ban(対局の場& f);

// The computer's turn in its three steps, for a caller that lets it think
// elsewhere: whether it may move at all (its clock then runs and everyone is
// told it thinks), its choice, and playing the choice — or, when it found
// nothing to play, losing.
bool COM_思考開始(対局の場& f);
std::optional<指し手> COM_探索(対局の場& f);
void COM_着手(対局の場& f, const std::optional<指し手>& best);

// A wait that keeps the window painting but takes no input.
void 待ち時間(対局の場& f, double seconds);

// The computer's level, 1 to 3; any other number changes nothing.
void レベル_設定(対局の場& f, int n);

}  // namespace velmora
