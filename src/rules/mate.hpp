// Check and mate tests of both kings, and the bottom king's escape squares.
// The caller runs the influence survey for the current position first.
#pragma once

#include "rules/position.hpp"

namespace velmora {

// Could some top piece move onto the bottom king's square?
int 詰めかMAN_COM移動(const EngineState& s);
// Is the bottom king mated?
int 詰めかMAN(EngineState& s);
// Is the top king mated? Reruns the survey on tentative positions and leaves
// the maps of the last one it tried.
int 詰めかCOM(EngineState& s);
// Empty, unattacked squares next to the bottom king; marks them in OU_NIGEMITI.
int 調査_自王逃道(EngineState& s);

}  // namespace velmora
