// Keeping the game in play: the file written after a change (its text, and
// the text replacing the file, flushed to the disk), beside saving the same
// game as a record file through the same replacement. Games of 80 moves and
// of the record's full 500. The files go to bench-autosave/ in the working
// directory, so that the disk is the one the program would write to.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <random>

#include "format/files.hpp"
#include "game/autosave.hpp"
#include "game/record.hpp"
#include "input/game_menu.hpp"
#include "input/mouse_input.hpp"
#include "script/fakes.hpp"
#include "support/rules_by_hand.hpp"
#include "window/startup.hpp"

namespace velmora::bench {
namespace {

namespace fs = std::filesystem;

// A game between two people of `moves` moves (fewer if the record fills),
// random legal moves that never take a king, a second or so each.
std::unique_ptr<FakeWindow> 対局(int moves) {
  auto w = std::make_unique<FakeWindow>();
  w->canvas.recording = false;
  Form1& f = w->f();
  Form_Load(f);
  START_Click(f);
  std::mt19937 rng(static_cast<unsigned>(moves));
  for (int i = 0; i < moves && f.game.TESUU < KIFU_T_MAX; ++i) {
    const auto legal = testing::合法手(f.pos, f.game.TEBAN == f.game.COM_TEBAN);
    if (legal.empty()) break;
    w->clock.advance(1 + rng() % 100 / 10.0);
    時計の刻み(f);
    指す(f, legal[rng() % legal.size()]);
  }
  return w;
}

fs::path 置き場() {
  const fs::path dir = fs::current_path() / "bench-autosave";
  fs::create_directories(dir);
  return dir;
}

void 書式だけ(benchmark::State& state) {
  const auto w = 対局(int(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(自動保存_書式(w->f(), 0));
  state.counters["bytes"] = double(自動保存_書式(w->f(), 0).size());
}

// What the game does after each change: the text, then the file replaced.
void 自動保存の書込(benchmark::State& state) {
  const auto w = 対局(int(state.range(0)));
  Form1& f = w->f();
  f.autosave.パス = 置き場() / "autosave";
  f.autosave.書く = true;
  for (auto _ : state) {
    f.autosave.書いた.clear();  // as if the game had changed
    自動保存_書く(f);
  }
  if (f.autosave.書いた.empty()) state.SkipWithError("the file was not written");
}

// The same game saved as a record file, as the record panel saves it.
void 棋譜の書込(benchmark::State& state) {
  const auto w = 対局(int(state.range(0)));
  const fs::path path = 置き場() / "game.棋譜";
  const 書込内容 content = 棋譜ファイルの内容(w->f(), {"bench", "a", "b"});
  for (auto _ : state) {
    const 書込内容 again = 棋譜ファイルの内容(w->f(), {"bench", "a", "b"});
    if (!ファイル_置換(path, again.bytes).empty()) state.SkipWithError("the record was not written");
  }
  state.counters["bytes"] = double(content.bytes.size());
}

BENCHMARK(書式だけ)
    ->Arg(80)
    ->Arg(500)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(自動保存の書込)
    ->Arg(80)
    ->Arg(500)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(棋譜の書込)
    ->Arg(80)
    ->Arg(500)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
}  // namespace velmora::bench
