// How the moves of the record are written in the move list. This is the one
// place for a notation: the standard Japanese one is here ("▲７六歩",
// "△同　角", "▲５八金右", "▲５五角打", "▲２三歩成", "▲２三歩不成", and
// "　鏡 △３三歩→３四" for a mirror jump), and another notation (the Western
// one) sits beside it, reading the same 棋譜の手.
#pragma once

#include <string>

#include "record/moves.hpp"

namespace velmora {

// The move, marked ▲ when its side moved first in the game (先手) and △
// otherwise.
std::string 表記_日本式(const 棋譜の手& m, bool 先手);
// The mirror jump that followed it, marked for the other side; empty when none.
std::string 表記_日本式_鏡(const 棋譜の手& m, bool 先手);

}  // namespace velmora
