// How the moves of the record are written in the move list. This is the one
// place for a notation: the standard Japanese one ("▲７六歩", "△同　角",
// "▲５八金右", "▲５五角打", "▲２三歩成", "▲２三歩不成", and "　鏡 △３三歩→３四"
// for a mirror jump), and beside it the Western one of English shogi books
// for every translation ("▲P-7f", "△Sx2b", "▲G6i-5h", "▲B*5e", "▲Bx2b+",
// "▲S-7c=", and "△P3c-3d" for a mirror jump), both reading the same 棋譜の手.
// A move typed in either notation is read here too, against the position.
#pragma once

#include <string>
#include <string_view>

#include "game/language.hpp"
#include "game/moves.hpp"

namespace velmora {

// A column (1..9, counted from the right), a row (1001..1009, from the top)
// or a piece code of either side as the last-move text beside the board
// names it, before translation ("７", "六", "歩", "龍"): a piece by its name
// in the move list, the bottom king 玉. Empty for anything else.
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
// The same as a screen reader hears them: in Japanese the move as the list
// writes it and the jump as its piece on its new square ("▲７六歩", "△３四歩");
// in any other language the Western texts without side marks ("P-7f", "P3c-3d").
手の表記 表記_読み上げ(const 言語& l, const 棋譜の手& m, bool 先手);

// A square as the texts of language l write it: "７六" in Japanese, "7f" in
// every translation.
std::string 升の表記(const 言語& l, int x, int y);
// A piece (either side's code) by its name in language l: "歩", "玉", "馬";
// "pawn", "king", "horse" in every translation.
std::string 駒の呼び名(const 言語& l, int code);

// Why a typed move means no move.
enum class 読めない {
  なし,              // it means 手
  空,                // nothing was typed
  書式,              // it is written in neither notation
  同の先がない,      // "同" with no move before it
  駒がない,          // no piece of that kind of the side to move can go there
  元に駒がない,      // the square named as the source holds no such piece of the side to move
  持駒にない,        // a drop of a kind the side to move does not hold
  打てない,          // the piece may not be dropped there
  二つ以上,          // more than one piece could go there and nothing tells which
  成れない,          // promotion asked for where the piece cannot promote
  成らねばならない,  // left unpromoted where it would have no further move
};

// A typed move read against the position: the move it means, or why none.
struct 読んだ指し手 {
  読めない 誤り = 読めない::なし;
  指し手 手;         // the move, a drop from its stand as the move procedures take it
  int 駒 = 0;        // the piece named, as the side to move's code (0: none named)
  int x = 0, y = 0;  // the destination named; for 元に駒がない the source
  int 候補数 = 0;    // for 二つ以上: the squares the pieces stand on
  int 候補[20][2]{};
};

// Reads a move of side 下 typed in the move list's notation — "７六歩",
// "76歩", "７六歩打", "２三歩成", "２三銀不成", "同　歩", "５八金右", "▲７六歩"
// — or in the Western one or the engines' one — "P-7f", "Bx2b+", "S-7c=",
// "G6i-5h", "P*5e", "7g7f", "2b3c+" — against the position p. Full-width
// letters and digits read as their ASCII ones, blanks and a leading side mark
// are passed over, "+" and "成" promote, "=" and "不成" do not, and no mark
// leaves the piece unpromoted. Without "打" or "*" a piece on the board goes
// before a drop, as the notation has it. "同" is the square the move TESUU of
// `moves` went to.
読んだ指し手 読む_指し手(const 局面& p, bool 下, const 手順& moves, int TESUU, std::string_view text);

// Why r means no move, in language l; empty when it means one.
std::string 読めない理由(const 言語& l, const 読んだ指し手& r);

}  // namespace velmora
