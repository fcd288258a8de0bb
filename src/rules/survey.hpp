// The influence survey: both sides' reach, defenders, cheapest attackers and
// check marks on every square, recomputed from the board alone.
#pragma once

#include "rules/position.hpp"

namespace velmora {

// Resets the maps (but not UE_MAMORI_X/Y and UE_TORI_X/Y) and surveys every
// piece on the board; sets the king squares it finds. Never changes BAN.
void 勢力調査(EngineState& s);

// Per-piece influence of the long movers and gold-movers, used by the survey.
void 勢力確定上直進(EngineState& s, int code, int x, int y);
void 勢力確定下直進(EngineState& s, int code, int x, int y);
void 勢力確定右直進(EngineState& s, int code, int x, int y);
void 勢力確定左直進(EngineState& s, int code, int x, int y);
void 勢力確定自金(EngineState& s, int code, int x, int y);
void 勢力確定敵金(EngineState& s, int x, int y);
void 勢力確定自角(EngineState& s, int x, int y);
void 勢力確定敵角(EngineState& s, int code, int x, int y);

}  // namespace velmora
