// A position written as text, for the move counter and the tests: nine lines
// for rows 1..9 from the top, each nine integers for the columns from the
// left (files 9..1) in the record's piece codes (positive the top side's,
// negative the bottom side's, 0 empty); a line of seven counts for the bottom
// side's hand (pawn, lance, knight, silver, gold, bishop, rook); the same for
// the top side's; a line with the side to move (-1 bottom, 1 top). Lines
// starting with # and blank lines are skipped.
#pragma once

#include <string_view>

#include "rules/position.hpp"

namespace velmora::deep {

enum class 局面文の誤り {
  なし,
  足りない,  // fewer lines than a position has
  余分,      // more than a position has
  数,        // a field that is no integer, or a line with too few or too many
  駒コード,  // a board field that is no piece code
  持駒数,    // a negative hand count
  駒の数,    // more pieces of a kind than a game has, or two kings of one side
  手番,      // the side is neither -1 nor 1
};

struct 局面文 {
  局面 pos;
  int side = -1;
  局面文の誤り 誤り = 局面文の誤り::なし;
  int 行 = 0;  // the 1-based line of the error, 0 when none or at the end
  bool ok() const { return 誤り == 局面文の誤り::なし; }
};

// Never throws; a position is whole only when ok().
局面文 局面を読む(std::string_view text);

// What an error means, in a few English words.
std::string_view 局面文の誤りの説明(局面文の誤り e);

}  // namespace velmora::deep
