// The game's flags and counters: whose turn it is and which side each player
// has, the mode, the winner, the move numbers, the record mode, the reversal,
// the handicap and the computer's level.
#pragma once

#include "rules/position.hpp"

namespace velmora {

inline constexpr int TEBAN_SENTE = 1;
inline constexpr int TEBAN_GOTE = -1;
inline constexpr int TEBAN_NASI = 0;

inline constexpr int MODE_MAN_MAN = 0;
inline constexpr int MODE_MAN_COM = 1;

// The record holds snapshots 0..KIFU_T_MAX; the move index never passes it.
inline constexpr int KIFU_T_MAX = 500;

struct 対局 {
  int TEBAN = TEBAN_NASI;  // the side to move, TEBAN_NASI while no game runs
  int MAN_TEBAN = -1;      // the turn value of the bottom side
  int COM_TEBAN = 1;       // the turn value of the top side
  int TAISEN_MODE = MODE_MAN_MAN;
  int SYOUSYA = 0;            // the winner's turn value, 0 while the game runs
  int TESUU = 0;              // the move index, 0..KIFU_T_MAX
  int TESUU_HYOJI = 0;        // the move number shown
  int TESUU_MAX = 0;          // the last stored snapshot
  bool KIFU_MODE = false;     // a record file is being stepped through
  bool SAIKAI_MSG = false;    // the next click tells whose turn it is
  bool HANTEN = false;        // the board has been turned round
  bool HANDE_SETTEI = false;  // a handicap was set: its rank is shown
  int HANDE_LEVEL = 0;
  int COM_LEVEL = 3;
};

// The state part of a new game: the standard setup and its hand totals, and
// the game's flags reset. The sides of the last game (MAN_TEBAN, COM_TEBAN),
// the stored record length and the level stay.
void 局面_初期化(局面& p, 対局& g);

// A move that has just taken a king decides the game: the king's opponent
// wins (the top king taken: the bottom side, MAN_TEBAN).
void 王取り(対局& g, int captured);

}  // namespace velmora
