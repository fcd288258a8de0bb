// A move in the game: the one procedure that makes one, whoever makes it —
// the human's mouse, the computer, and anything that plays for either — and
// hands the turn on.
#pragma once

#include "rules/move.hpp"

namespace velmora {

struct 対局の場;

// Whether the computer is to move: against the computer, the top side's turn.
bool COMの手番(const 対局の場& f);

// The record ends at snapshot 500: no move is made beyond it. Says so (the
// human also hears the refusal) and returns true when the end is reached.
bool 手数の上限(対局の場& f);

// Makes move m (legal, its promotion chosen) for the side to move: the
// position before it is stored in the record with both clocks, the move
// number shown rises, the move is written down, played with its capture and
// its mirror jump, and sounded; then, against the computer, the human's
// move is followed by the mate test and the computer's reply, and the
// computer's by its check and mate notices; between two humans the turn
// passes. Everyone listening is told each step. A top drop comes from
// (UE_DAI, slot), a bottom drop from (SITA_DAI, slot + 2). False when the
// record is full and nothing was played.
bool 一手を指す(対局の場& f, const 指し手& m);

}  // namespace velmora
