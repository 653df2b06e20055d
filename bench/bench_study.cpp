// Speed of a parameter study: the tail of the start-up aircraft scaled from
// 60 to 160 % in 50 steps, each variant calculated on the window's lattice
// (the budget: 1 s on 2 cores), and the same with the converged estimate.
//   build/bench/bench_study
#include <benchmark/benchmark.h>

#include "solver/study.h"

namespace {

using namespace ws;

void BM_Study50(benchmark::State& state) {
    const AircraftModel model = startupAircraft();
    const StudyParameter tail{2, StudyKind::Scale, 0};
    const std::vector<double> values = studyValues(tail, 60, 160, 50);
    StudyOptions options;
    options.converged = state.range(0) != 0;
    for (auto _ : state) {
        const std::vector<StudyRow> rows = runStudy(model, tail, values, options);
        benchmark::DoNotOptimize(rows.data());
        if (rows.size() != values.size() || !rows.back().done) state.SkipWithError("a variant was refused");
    }
}

}  // namespace

BENCHMARK(BM_Study50)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
