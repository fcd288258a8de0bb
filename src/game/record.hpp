// The game record: a snapshot of the whole position before every move, and
// the record files "*.棋譜" that keep those snapshots.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "format/kifu_line.hpp"
#include "rules/game.hpp"
#include "rules/position.hpp"

namespace velmora {

struct 対局の場;

// The record: snapshot t is the position before move t + 1 with the thinking
// totals before and after that move. Snapshots 1..TESUU_MAX are written to a
// record file; snapshot 0 holds the position a game started from.
using 棋譜 = std::array<棋譜局面, KIFU_T_MAX + 1>;

// Stores the position before the move about to be made as snapshot TESUU,
// with both sides' totals before the move and after it, and makes it the
// record's end (TESUU_MAX). A move index past the record stores nothing.
void 手順保存(棋譜& record, 対局& g, const 局面& p, double MAN_JIKAN, double MAN_JIKAN2, double COM_JIKAN,
              double COM_JIKAN2);
// The board and both hands between a position and a snapshot: restoring
// leaves the rest of the position as it is; a snapshot made here has no times.
void 盤と持駒_復元(局面& p, const 棋譜局面& k);
棋譜局面 記録_局面から(const 局面& p);

// The destination of record move t (snapshots t - 1 and t compared): the
// first square in scan order that holds a piece it did not hold before. The
// three results are left unchanged when no square differs and for t = 0.
void 調査_移動結果(const 棋譜& record, int t, int& x, int& y, int& piece);

// The three header lines as the record panel gives them: the title and the
// players of the first and the second side.
struct 棋譜の見出し {
  std::string 対局名, 先手, 後手;
};

// The bytes of the record file of the game as it stands, or why it cannot be
// written (empty when it can).
struct 書込内容 {
  std::string bytes;
  std::string 誤り;
};
書込内容 棋譜ファイルの内容(const 対局の場& g, const 棋譜の見出し& headers);

// Reads the record file at `path` (shown to the player as `name`) and, when
// every line of it is good, sets the game up to step through it from its
// start; otherwise says why and leaves the game as it was. True when read.
bool 棋譜_読込(対局の場& g, const std::string& path, std::string_view name);

// Why the record file at `path` (shown as `name`) is no record the game can
// read, as 棋譜_読込 would tell the player; empty when it is one.
std::string 棋譜ファイルの誤り(const 対局の場& g, const std::string& path, std::string_view name);

}  // namespace velmora
