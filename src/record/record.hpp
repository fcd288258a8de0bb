// The game record: a snapshot of the whole position before every move, and
// the record files "*.棋譜" that keep those snapshots, written and read
// through the record panel and the record browser.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "format/kifu_line.hpp"
#include "rules/game.hpp"
#include "rules/position.hpp"

namespace velmora {

struct Form1;

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

void 描画_棋譜_IO(Form1& f, int mode);
void 描画_棋譜読込み部分消去(Form1& f);
double 取得_棋譜のX座標(std::string_view text);
std::string 文字列変換(int v);
void KIFU_READ_Click(Form1& f);
void KIFU_WRITE_Click(Form1& f);
void Command1_Click(Form1& f);
void File1_Click(Form1& f, std::string_view name);
void Dir1_Change(Form1& f, std::string_view path);
void Drive1_Change(Form1& f, std::string_view drive);

// The destination of record move t (snapshots t - 1 and t compared): the
// first square in scan order that holds a piece it did not hold before. The
// three results are left unchanged when no square differs and for t = 0.
void 調査_移動結果(const 棋譜& record, int t, int& x, int& y, int& piece);

}  // namespace velmora
