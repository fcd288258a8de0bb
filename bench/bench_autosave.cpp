// Keeping the game in play: what the window's thread spends on a change —
// the text made and handed to the writer, which replaces the file on a thread
// of its own — side by side with the text made and the file replaced, flushed
// to the disk, on the window's thread itself, as the game once did; and
// beside them the text alone and the same game saved as a record file. Games
// of 80 moves and of the record's full 500. The files go to bench-autosave/
// in the working directory, so that the disk is the one the program would
// write to.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <random>

#include "format/file_writer.hpp"
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

// A change as the game once kept it: the text, then the file replaced and
// flushed to the disk, on the window's thread.
void その場で書く(benchmark::State& state) {
  const auto w = 対局(int(state.range(0)));
  Form1& f = w->f();
  const fs::path path = 置き場() / "autosave-at-once";
  // Each change a moment after the last: no two texts are the same.
  double now = f.p.clock->now();
  for (auto _ : state) {
    if (!ファイル_置換(path, 自動保存_書式(f, now += 0.001)).empty()) state.SkipWithError("not written");
  }
}

// The window's writer: the file replaced on a thread of its own.
class 別スレッドの書込 final : public FileWriter {
 public:
  void replace(const std::filesystem::path& path, std::string bytes) override {
    writer.渡す(path, std::move(bytes));
  }
  置換の書き手 writer{置換の書き手::書き方::別スレッドで};
};

// A change as the game keeps it now: the text made and handed to the writer.
// Timed is the window's thread; the writer writes meanwhile on the other.
void 書式と手渡し(benchmark::State& state) {
  const auto w = 対局(int(state.range(0)));
  Form1& f = w->f();
  const fs::path path = 置き場() / "autosave";
  別スレッドの書込 files;
  double now = f.p.clock->now();
  for (auto _ : state) files.replace(path, 自動保存_書式(f, now += 0.001));
  files.writer.待つ();
  const auto kept = 読込_ファイル全体(path);
  保存された対局 back;
  if (!kept || 自動保存_解析(*kept, back) != 自動保存の誤り::なし) state.SkipWithError("not written");
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

// One run gives every figure side by side: the medians of five repetitions.
#define 五回(name)                    \
  BENCHMARK(name)                     \
      ->Arg(80)                       \
      ->Arg(500)                      \
      ->Unit(benchmark::kMillisecond) \
      ->Repetitions(5)                \
      ->ReportAggregatesOnly(true)

五回(書式だけ);
五回(その場で書く);
五回(書式と手渡し);
五回(棋譜の書込);

}  // namespace
}  // namespace velmora::bench
