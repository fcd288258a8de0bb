// The influence survey: both sides' reach, defenders, cheapest attackers and
// check marks on every square, recomputed from the board alone.
#pragma once

#include "rules/position.hpp"

namespace velmora {

// Every map is indexed like BAN. A survey resets them (all but the places of
// the top defenders and top capturers) and recomputes them from the board
// alone; they are never updated move by move.
struct 勢力図 {
  盤面 SITA_SEIRYOKU{};  // how many bottom pieces reach each square
  盤面 UE_SEIRYOKU{};    // how many top pieces reach each square
  盤面 SITA_MAMORI{};    // the most valuable bottom defender of a bottom piece; 999 none
  盤面 UE_MAMORI{};      // the cheapest top defender of a top piece; 999 none
  盤面 UE_MAMORI_X{};    // its place, written only by the kinds that record it
  盤面 UE_MAMORI_Y{};
  盤面 SITA_TORI{};  // the cheapest bottom attacker of a top piece; -999 none
  盤面 SITA_TORI_X{};
  盤面 SITA_TORI_Y{};
  盤面 UE_TORI{};    // the cheapest top capturer of a bottom piece; 999 none
  盤面 UE_TORI_X{};  // its place, written only by the kinds that record it
  盤面 UE_TORI_Y{};
  盤面 SITA_OUTE{};  // check marks of the bottom side: 9 on a checker, 1 on its line
  盤面 UE_OUTE{};    // check marks of the top side
  // The bottom king's escape squares, marked by 調査_自王逃道 (not by the survey).
  盤面 OU_NIGEMITI{};
  // Where the survey last found each king: a king not on the board keeps its
  // old square. The game's real moves also move the bottom king's square with
  // the king, and a reversal finds both again. The computer reads these as
  // they stand, found on another board at times: that is part of its play.
  int SITA_OU_X = 0, SITA_OU_Y = 0;
  int UE_OU_X = 0, UE_OU_Y = 0;
};

// Resets the maps (but not UE_MAMORI_X/Y and UE_TORI_X/Y) and surveys every
// piece on the board; sets the king squares it finds (a king not on the board
// keeps its old square).
void 勢力調査(const 局面& p, 勢力図& m);

// Per-piece influence of the long movers and gold-movers, used by the survey.
void 勢力確定上直進(const 局面& p, 勢力図& m, int code, int x, int y);
void 勢力確定下直進(const 局面& p, 勢力図& m, int code, int x, int y);
void 勢力確定右直進(const 局面& p, 勢力図& m, int code, int x, int y);
void 勢力確定左直進(const 局面& p, 勢力図& m, int code, int x, int y);
void 勢力確定自金(const 局面& p, 勢力図& m, int code, int x, int y);
void 勢力確定敵金(const 局面& p, 勢力図& m, int x, int y);
void 勢力確定自角(const 局面& p, 勢力図& m, int x, int y);
void 勢力確定敵角(const 局面& p, 勢力図& m, int code, int x, int y);

}  // namespace velmora
