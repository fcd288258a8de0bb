// The influence survey on an opening, a crowded middlegame and an endgame
// with pieces in hand.
#include <benchmark/benchmark.h>

#include <memory>

#include "positions.hpp"
#include "rules/survey.hpp"

namespace velmora::bench {
namespace {

void 勢力調査_計測(benchmark::State& state, const char* rows, const int (&sita)[8], const int (&ue)[8]) {
  struct 盤と勢力 {
    局面 pos;
    勢力図 maps;
  };
  auto s = std::make_unique<盤と勢力>();
  局面を置く(s->pos, rows, sita, ue);
  for (auto _ : state) {
    勢力調査(s->pos, s->maps);
    benchmark::DoNotOptimize(s->maps.SITA_SEIRYOKU[5][5]);
    benchmark::ClobberMemory();
  }
}

BENCHMARK_CAPTURE(勢力調査_計測, opening, 序盤, 持駒なし, 持駒なし)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(勢力調査_計測, middlegame, 中盤, 持駒なし, 持駒なし)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(勢力調査_計測, endgame_with_hands, 終盤, 終盤_下の持駒, 終盤_上の持駒)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

}  // namespace
}  // namespace velmora::bench
