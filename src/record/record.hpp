// The game record: a snapshot of the whole position before every move, and
// the record files "*.棋譜" that keep those snapshots, written and read
// through the record panel and the record browser.
#pragma once

#include <string>
#include <string_view>

namespace velmora {

struct EngineState;
struct Form1;

void 手順保存(Form1& f, int x1, int y1, int x2, int y2, int moving, int placed, double t1, double t2,
              double t3, double t4);
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
void 調査_移動結果(const EngineState& s, int t, int& x, int& y, int& piece);

}  // namespace velmora
