// The computer's search (without the window's pauses) over a fixed corpus of
// positions from games the computer played against itself (with some random
// moves mixed in), by stage and level:
// the median and the longest search in thread CPU time, the longest in wall
// time, candidates scored per second, and the heap allocations made inside
// the searches (none; allocs_process shows that the counter counts).
//
// `bench_search --write-corpus FILE` plays those games again and writes the corpus.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <iostream>
#include <memory>
#include <new>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "com/evaluation.hpp"
#include "com/search.hpp"
#include "com/search_table.hpp"
#include "deep/search.hpp"
#include "positions.hpp"
#include "rules/legality.hpp"
#include "rules/mate.hpp"
#include "rules/move.hpp"
#include "rules/survey.hpp"
#include "support/alloc_count.hpp"
#include "support/rules_by_hand.hpp"

namespace velmora::bench {
namespace {

struct 静かな時計 final : 探索中の時計 {
  void tick() override {}
};

long g_candidates = 0;

// CPU time of this thread: a search preempted by other work on the machine
// does not count the time it waited.
double スレッド時間() {
  timespec ts;
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return ts.tv_sec + ts.tv_nsec * 1e-9;
}
double 数えて評価(const 探索の場& s, const 指し手& m, int cap) {
  ++g_candidates;
  return 盤評価(s, m, cap);
}

// The parts of the state the computer works on.
struct 思考 {
  局面 pos;
  勢力図 maps;
  探索表 search;
  int level = 3;
  探索の場 場() { return {pos, maps, search, level}; }
};

struct 保存局面 {
  std::string stage;
  盤面 ban;
  持駒 sita, ue;
};

void 置く(局面& s, 勢力図& maps, const 保存局面& p) {
  s.BAN = p.ban;
  s.SITA_MOTI = p.sita;
  s.UE_MOTI = p.ue;
  勢力調査(s, maps);  // the king squares and the maps a real turn starts from
}

保存局面 写す(const 局面& s, const std::string& stage) { return {stage, s.BAN, s.SITA_MOTI, s.UE_MOTI}; }

// The board turned round: the side to move becomes the top side.
void 反転(局面& s) {
  盤面 b{};
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) b[x][y] = -s.BAN[相対位置(x)][相対位置(y)];
  s.BAN = b;
  std::swap(s.SITA_MOTI, s.UE_MOTI);
}

int 持駒の種類(const 局面& s) {
  int n = 0;
  for (int k = MOTI_HU; k <= MOTI_SYA; ++k) n += (s.SITA_MOTI[k] > 0) + (s.UE_MOTI[k] > 0);
  return n;
}

// Games of the computer against itself, each side searching as the top side
// of the board turned its way; the first moves are random for variety.
std::vector<保存局面> 対局から集める() {
  std::vector<保存局面> opening, middle, end;
  auto t = std::make_unique<思考>();
  auto scratch = std::make_unique<思考>();
  局面& s = t->pos;
  静かな時計 clock;
  for (int game = 0; game < 24 && (opening.size() < 20 || middle.size() < 20 || end.size() < 20); ++game) {
    std::mt19937 rng(7919u * game + 1);
    局面_初期配置(s);
    t->level = 3;
    for (int ply = 0; ply < 240; ++ply) {
      // The side to move is top here.
      const std::string stage = ply < 16                          ? "opening"
                                : 持駒の種類(s) >= 3 && ply >= 40 ? "endgame"
                                                                  : "middlegame";
      auto& bucket = stage == "opening" ? opening : stage == "endgame" ? end : middle;
      if (ply % 3 == 0 && bucket.size() < 20) bucket.push_back(写す(s, stage));

      指し手 chosen;
      // Now and then a random move that does not leave the king to be taken,
      // so that pieces are exchanged and hands fill up.
      if (ply < 4 || std::uniform_real_distribution<double>(0, 1)(rng) < 0.35) {
        auto moves = testing::合法手(s, true);
        std::vector<指し手> safe;
        for (const auto& m : moves) {
          局面& c = scratch->pos;
          c.BAN = s.BAN;
          c.UE_MOTI = s.UE_MOTI;
          駒移動(c, m);
          駒移動_相対駒(c, m);
          反転(c);
          勢力調査(c, scratch->maps);
          if (詰めかMAN_COM移動(c, scratch->maps) == NO) safe.push_back(m);
        }
        if (safe.empty()) break;
        chosen = safe[std::uniform_int_distribution<std::size_t>(0, safe.size() - 1)(rng)];
      } else {
        勢力調査(s, t->maps);
        const auto m = 探索(t->場(), clock);
        if (!m) break;
        chosen = *m;
      }
      const int taken = 駒移動(s, chosen);
      駒移動_相対駒(s, chosen);
      if (taken == OU || taken == -OU) {
        if (std::getenv("VELMORA_BENCH_VERBOSE"))
          std::cerr << "game " << game << ": king taken at ply " << ply << "\n";
        break;
      }
      勢力調査(s, t->maps);
      if (詰めかMAN(s, t->maps) == YES) {
        if (std::getenv("VELMORA_BENCH_VERBOSE"))
          std::cerr << "game " << game << ": mate at ply " << ply << "\n";
        break;
      }
      反転(s);
    }
  }
  std::vector<保存局面> all;
  for (auto* v : {&opening, &middle, &end}) all.insert(all.end(), v->begin(), v->end());
  return all;
}

void 書き出す(const std::vector<保存局面>& corpus, std::ostream& out) {
  out << "# Positions from games of the computer against itself with random moves mixed in, the side to move "
         "on top.\n";
  for (const auto& p : corpus) {
    out << p.stage << "\n";
    for (int y = 1; y <= 9; ++y) {
      for (int x = 1; x <= 9; ++x) out << (x > 1 ? " " : "") << 駒の記号(p.ban[x][y]);
      out << "\n";
    }
    for (int k = 1; k <= 7; ++k) out << p.sita[k] << (k < 7 ? " " : "\n");
    for (int k = 1; k <= 7; ++k) out << p.ue[k] << (k < 7 ? " " : "\n");
  }
}

std::vector<保存局面> 読み込む(const char* path) {
  std::ifstream in(path);
  std::vector<保存局面> corpus;
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    保存局面 p{line, {}, {}, {}};
    for (int y = 1; y <= 9; ++y) {
      std::getline(in, line);
      std::istringstream row(line);
      for (int x = 1; x <= 9; ++x) {
        std::string t;
        row >> t;
        p.ban[x][y] = 駒の符号(t);
      }
    }
    std::getline(in, line);
    std::istringstream sita(line);
    for (int k = 1; k <= 7; ++k) sita >> p.sita[k];
    std::getline(in, line);
    std::istringstream ue(line);
    for (int k = 1; k <= 7; ++k) ue >> p.ue[k];
    corpus.push_back(p);
  }
  return corpus;
}

std::vector<保存局面>& 全局面() {
  static std::vector<保存局面> corpus = 読み込む(VELMORA_SEARCH_CORPUS);
  return corpus;
}

// The corpus's positions of one stage; none (and the benchmark skipped) when it has none.
std::vector<const 保存局面*> その段階の局面(benchmark::State& state, const char* stage) {
  std::vector<const 保存局面*> mine;
  for (const auto& p : 全局面())
    if (p.stage == stage) mine.push_back(&p);
  if (mine.empty()) state.SkipWithError("no positions of this stage in the corpus");
  return mine;
}

void 探索_計測(benchmark::State& state, const char* stage, int level) {
  const std::vector<const 保存局面*> mine = その段階の局面(state, stage);
  if (mine.empty()) return;
  auto s = std::make_unique<思考>();
  s->level = level;
  静かな時計 clock;
  std::vector<double> cpu_times, wall_times;
  cpu_times.reserve(1 << 16);
  wall_times.reserve(1 << 16);
  long candidates = 0, allocations = 0;
  double total_cpu = 0;
  for (auto _ : state) {
    double iteration = 0;
    for (const auto* p : mine) {
      置く(s->pos, s->maps, *p);
      g_candidates = 0;
      const long allocs_before = g_velmora_allocations.load();
      const double c0 = スレッド時間();
      const auto t0 = std::chrono::steady_clock::now();
      const auto m = 探索(s->場(), clock, &数えて評価);
      const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
      const double cpu = スレッド時間() - c0;
      benchmark::DoNotOptimize(m);
      allocations += g_velmora_allocations.load() - allocs_before;
      candidates += g_candidates;
      total_cpu += cpu;
      iteration += wall;
      if (cpu_times.size() < cpu_times.capacity()) {
        cpu_times.push_back(cpu);
        wall_times.push_back(wall);
      }
    }
    state.SetIterationTime(iteration);
  }
  std::sort(cpu_times.begin(), cpu_times.end());
  std::sort(wall_times.begin(), wall_times.end());
  state.counters["positions"] = static_cast<double>(mine.size());
  state.counters["median_ms"] = cpu_times[cpu_times.size() / 2] * 1e3;
  state.counters["max_ms"] = cpu_times.back() * 1e3;
  state.counters["wall_max_ms"] = wall_times.back() * 1e3;
  state.counters["cand_per_s"] = total_cpu > 0 ? candidates / total_cpu : 0;
  state.counters["allocs_in_search"] = static_cast<double>(allocations);
  state.counters["allocs_process"] = static_cast<double>(g_velmora_allocations.load());
}

// The deep search (levels 4 and 5) by a node budget on the same positions:
// nodes per second of this thread's CPU time, the heap allocations made
// inside the searches (none), and the depth reached.
void 深読み_計測(benchmark::State& state, const char* stage) {
  const std::vector<const 保存局面*> mine = その段階の局面(state, stage);
  if (mine.empty()) return;
  auto engine = std::make_unique<深読み器>();
  auto s = std::make_unique<思考>();
  深読み設定 limits;
  limits.局面数 = 300'000;
  long allocations = 0;
  double total_cpu = 0, depth = 0;
  std::int64_t nodes = 0;
  int searches = 0;
  for (auto _ : state) {
    double iteration = 0;
    for (const auto* p : mine) {
      置く(s->pos, s->maps, *p);
      const long allocs_before = g_velmora_allocations.load();
      const double c0 = スレッド時間();
      const auto t0 = std::chrono::steady_clock::now();
      const 深読み結果 r = engine->探す(s->pos, 1, limits);
      iteration += std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
      total_cpu += スレッド時間() - c0;
      allocations += g_velmora_allocations.load() - allocs_before;
      benchmark::DoNotOptimize(r);
      nodes += r.局面数;
      depth += r.深さ;
      ++searches;
    }
    state.SetIterationTime(iteration);
  }
  state.counters["positions"] = static_cast<double>(mine.size());
  state.counters["nodes_per_s"] = total_cpu > 0 ? static_cast<double>(nodes) / total_cpu : 0;
  state.counters["mean_depth"] = searches ? depth / searches : 0;
  state.counters["allocs_in_search"] = static_cast<double>(allocations);
}

BENCHMARK_CAPTURE(深読み_計測, opening, "opening")->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(深読み_計測, middlegame, "middlegame")->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(深読み_計測, endgame, "endgame")->UseManualTime()->Unit(benchmark::kMillisecond);

#define VELMORA_SEARCH_BENCH(stage)                                                                        \
  BENCHMARK_CAPTURE(探索_計測, stage##_level1, #stage, 1)->UseManualTime()->Unit(benchmark::kMillisecond); \
  BENCHMARK_CAPTURE(探索_計測, stage##_level2, #stage, 2)->UseManualTime()->Unit(benchmark::kMillisecond); \
  BENCHMARK_CAPTURE(探索_計測, stage##_level3, #stage, 3)->UseManualTime()->Unit(benchmark::kMillisecond)

VELMORA_SEARCH_BENCH(opening);
VELMORA_SEARCH_BENCH(middlegame);
VELMORA_SEARCH_BENCH(endgame);

}  // namespace
}  // namespace velmora::bench

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--write-corpus") {
    const auto corpus = velmora::bench::対局から集める();
    std::ofstream out(argv[2]);
    velmora::bench::書き出す(corpus, out);
    std::cout << "wrote " << corpus.size() << " positions\n";
    return out ? 0 : 1;
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
