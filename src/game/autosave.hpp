// The game in play kept as it goes: after every change of the game the whole
// state needed to go on exactly is written to one file, replaced whole as
// records are (format/files.hpp), by the file writer (p.files): in the window
// a moment later, on a thread of its own, so that a closed window loses
// nothing and a crash or a power cut at most the change of that moment. At
// start-up the window offers the kept game again.
//
// The file is text: a line naming the format and its version, one line for
// each part of the state, one line for each record snapshot and each move
// written down, and a last line with a checksum of everything before it, so
// that a file cut short or damaged is told from a good one.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "com/search_table.hpp"
#include "game/clock.hpp"
#include "game/events.hpp"
#include "game/moves.hpp"
#include "rules/game.hpp"
#include "rules/survey.hpp"

namespace velmora {

struct 対局の場;

inline constexpr int 自動保存の版 = 1;
// The file's name in the folder where the window keeps its files.
inline constexpr std::string_view 自動保存の名前 = "autosave";
// A game of 500 moves needs about a quarter of this.
inline constexpr std::size_t 自動保存の上限 = 4 * 1024 * 1024;

// What a kept game holds: the position, the game's flags and counters, the
// computer's maps and table (it reads those of its last search on its next
// turn), the record's snapshots 0..n - 1 with their times, the moves written
// down, the clocks, and the headers of a record read from a file.
struct 保存された対局 {
  局面 pos;
  対局 game;
  勢力図 maps;
  探索表 search;
  std::vector<棋譜局面> record;
  手順 moves;
  思考時計 clock;  // KAISI_JIKOKU is not kept: 経過 is
  // Seconds from the clock's start stamp to the moment the game was written:
  // taken up again, the stamp is put that far before the moment it is, so
  // that the time the program was not running is nobody's thinking time.
  double 経過 = 0;
  std::string 見出し[3];
};

enum class 自動保存の誤り {
  なし,
  版,      // a version this program does not know
  壊れた,  // cut short or damaged
};

// The file's bytes for the game as it stands at `now` (seconds since midnight).
std::string 自動保存_書式(const 対局の場& f, double now);
// Reads bytes as written by 自動保存_書式. Never throws; on an error `out` holds
// nothing usable. A file that passes the checksum is still checked field by
// field: every position one a game can reach, every counter in its range.
自動保存の誤り 自動保存_解析(std::string_view bytes, 保存された対局& out);

// Whether the board shows a game with at least one move made (or a record
// stepped into) that has not ended: what is worth offering again, or asking
// about before it is thrown away.
bool 続きのある対局(const 対局& g);

// The kept game taken up again at `now`, exactly as it was, and told
// (出来事::再開) so that the board paints it.
void 自動保存_復元(対局の場& f, const 保存された対局& s, double now);

// Renames the file at `path` out of the way, to its name with a time stamp
// ("autosave.20260105-143000"), and removes all but the newest three set
// aside so. Returns the new path, or nothing when it could not be renamed.
std::filesystem::path 自動保存_退避(const std::filesystem::path& path, std::string_view stamp);

// The game's part that keeps it: where (empty: nowhere, the game is not
// kept), whether writing has begun (only once the kept game was offered and
// taken up or put aside), and the headers of the last record read.
struct 自動保存 {
  std::filesystem::path パス;
  bool 書く = false;
  std::string 見出し[3];
};

// The game as it stands, made into its file's bytes and handed to the file
// writer (p.files), which replaces the file with them, at once or a moment
// later, and writes nothing when the file holds them already. A write that
// fails leaves the last good file; the game goes on.
void 自動保存_書く(対局の場& f);

// Writes the game after each change: a move of either side (once the turn
// has passed), a step, starting again, a reversal, a handicap step, a game
// started, a record read, the end of a game, and the program's end.
class 自動保存の聞き手 final : public 知らせの受け手 {
 public:
  explicit 自動保存の聞き手(対局の場& f) : f_(f) {}
  void 知らせ(const 対局の知らせ& e) override;

 private:
  対局の場& f_;
};

}  // namespace velmora
