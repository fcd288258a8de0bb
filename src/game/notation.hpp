// How the moves of the record are written in the move list. This is the one
// place for a notation: the standard Japanese one ("▲７六歩", "△同　角",
// "▲５八金右", "▲５五角打", "▲２三歩成", "▲２三歩不成", and "　鏡 △３三歩→３四"
// for a mirror jump), and beside it the Western one of English shogi books
// for every translation ("▲P-7f", "△Sx2b", "▲G6i-5h", "▲B*5e", "▲Bx2b+",
// "▲S-7c=", and "△P3c-3d" for a mirror jump), both reading the same 棋譜の手.
#pragma once

#include <string>

#include "game/language.hpp"
#include "game/moves.hpp"

namespace velmora {

// A column (1..9, counted from the right), a row (1001..1009, from the top)
// or a piece code of either side as the last-move text beside the board
// names it, before translation ("７", "六", "歩", "飛成"); empty for anything else.
std::string 文字列変換(int v);

// The move, marked ▲ when its side moved first in the game (先手) and △
// otherwise.
std::string 表記_日本式(const 棋譜の手& m, bool 先手);
// The mirror jump that followed it, marked for the other side; empty when none.
std::string 表記_日本式_鏡(const 棋譜の手& m, bool 先手);

// The same in the Western notation: the piece's letter ("+" before a promoted
// one), the square it left only when another of its kind could have gone
// there too, "-" for a move, "x" for a capture, "*" for a drop, the square
// (the column from the right, the row as a letter from the top), then "+"
// when it promoted or "=" when it could have and did not.
std::string 表記_西洋式(const 棋譜の手& m, bool 先手);
// The mirror jump that followed it, both its squares; empty when none.
std::string 表記_西洋式_鏡(const 棋譜の手& m, bool 先手);

// The move and its mirror jump as the move list writes them in language l:
// in Japanese the Japanese notation, in any other the Western one with the
// jump introduced by the translation of "　鏡 {手}". The jump is empty when
// none followed.
struct 手の表記 {
  std::string 手, 鏡;
};
手の表記 表記_言語(const 言語& l, const 棋譜の手& m, bool 先手);

}  // namespace velmora
