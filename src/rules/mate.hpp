// Check and mate tests of both kings, and the bottom king's escape squares.
// The caller runs the influence survey for the current position first.
#pragma once

#include "rules/position.hpp"
#include "rules/survey.hpp"

namespace velmora {

// Could some top piece move onto the bottom king's square (as the survey last found it)?
int 詰めかMAN_COM移動(const 局面& p, const 勢力図& m);
// Is the bottom king mated? Tries pieces on the board and puts them back.
int 詰めかMAN(局面& p, const 勢力図& m);
// Is the top king mated? Reruns the survey on trial positions and leaves
// the maps of the last one it tried: the computer's next search reads them.
int 詰めかCOM(局面& p, 勢力図& m);
// Empty, unattacked squares next to the bottom king; marks them in OU_NIGEMITI.
int 調査_自王逃道(const 局面& p, 勢力図& m);

// Does the king of the side with the codes of sign `sign` (-1 the bottom
// side, 1 the top side) stand where an opposing piece could take it? Reads
// the board alone, neither the maps nor the king squares the survey found;
// false when that king is not on the board.
bool 王手されている(const 局面& p, int sign);

}  // namespace velmora
