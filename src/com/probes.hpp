// Small read-only questions about the position asked by the evaluation, and
// the hand count the record navigation asks for.
#pragma once

#include "rules/position.hpp"

namespace velmora {

int 調査_移動可場所数(EngineState& s, int x, int y, int piece);
int 調査_周辺状況(const EngineState& s, int x, int y);
int 調査_桂狙い(const EngineState& s, int x, int y);
int 調査_香狙い(const EngineState& s, int x, int y);
int 調査_自守駒MAN_直進駒(EngineState& s, int x, int y);
void 調査_持角狙座標(EngineState& s);
void 調査_移動不可駒(EngineState& s);
int 調査_持駒数(const EngineState& s, int side);

}  // namespace velmora
