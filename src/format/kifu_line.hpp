// The record file "*.棋譜": three header lines, then one fixed-width line of
// 358 characters per stored position, every line ended by CR LF.
//
// A snapshot line holds, by position: 81 board codes of 4 characters each
// (x = 1..9 outer, y = 1..9 inner, right-aligned), 14 hand counts of one
// character (for each kind 1..7 the bottom side's count, then the top
// side's), and four times of 5 characters (seconds, integer part): the bottom
// side's before and after the move, then the top side's before and after.
// Header lines are Shift-JIS (CP932) on disk.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "rules/position.hpp"

namespace velmora {

inline constexpr int 棋譜行_長さ = 358;
// The longest line a record file may have, without its line end: a snapshot
// line has 358 characters and a header is a name. Reading stops at a longer
// one, so a huge file without line ends costs nothing.
inline constexpr std::size_t 棋譜_行の上限 = 1024;
// The characters a header's text box takes: Shift-JIS needs at most two bytes
// for each, so a header of that many always fits a line.
inline constexpr int 棋譜_見出しの文字数上限 = 棋譜_行の上限 / 2;
inline constexpr long 棋譜_時間上限 = 99999;  // five characters of seconds
inline constexpr int 棋譜_持駒上限 = 18;      // one character: '0' + n

// One snapshot of the record: the board and both hands before a move, and
// the thinking totals of both sides before and after it. In memory the times
// keep their fractions (stepping through the record restores them); a line
// carries whole seconds.
struct 棋譜局面 {
  盤面 BAN{};
  持駒 SITA_MOTI{};
  持駒 UE_MOTI{};
  double MAN_JIKAN = 0, MAN_JIKAN2 = 0, COM_JIKAN = 0, COM_JIKAN2 = 0;
};

// Why a snapshot line was not taken.
enum class 棋譜行の誤り {
  なし,
  長さ,      // not exactly 358 characters
  数値,      // a field that is no number (or a binary byte)
  駒コード,  // a board field that is no piece code
  持駒数,    // a hand count out of its kind's range
  駒の数,    // more pieces of one kind on board and in hand than a game has
  時間,      // a negative time
};

struct 棋譜行の結果 {
  棋譜行の誤り 誤り = 棋譜行の誤り::なし;
  int 桁 = 0;  // 1-based column of the offending field, 0 when the whole line
  bool ok() const { return 誤り == 棋譜行の誤り::なし; }
};

// A snapshot as a line of exactly 358 characters (no line end). Hand counts
// of 10..18 are written as the character '0' + n; times are cut to whole
// seconds, 0..99999.
std::string 書込_棋譜行(const 棋譜局面& k);

// Parses one line (without its line end). Never throws; on an error `out` is
// left untouched.
棋譜行の結果 読込_棋譜行(std::string_view line, 棋譜局面& out);

// Short Japanese text naming an error, for the message box (translated there).
std::string_view 棋譜行の誤り_説明(棋譜行の誤り e);

// Why a header cannot be written so that it reads back as it was typed.
enum class 見出しの誤り {
  なし,
  文字,      // a character Shift-JIS cannot hold
  長さ,      // longer than a line may be
  読み戻し,  // its Shift-JIS bytes would be read as UTF-8 of other text
};

// A header line in Shift-JIS (without its line end), or why there is none.
struct 見出し行 {
  std::string bytes;
  見出しの誤り 誤り = 見出しの誤り::なし;
  explicit operator bool() const { return 誤り == 見出しの誤り::なし; }
  const std::string& operator*() const { return bytes; }
};

// A header text as its line: Shift-JIS, line breaks inside the text written as
// blanks. Refused when the reader would refuse the line or take its bytes for
// other text, so that what is written always reads back as written.
見出し行 書込_見出し行(std::string_view utf8);

// A header line read from a file: UTF-8 or Shift-JIS, whichever it is (see
// the definition for the bytes that could be either).
std::string 読込_見出し行(std::string_view bytes);

}  // namespace velmora
