// Speed of the aerodynamic-centre calculation: the influence fill, the solve
// (dgesv as used, SIMQ902 as the reference, on the same matrix) and the whole
// chain, on the start-up aircraft, a tandem with a canard of about 1200
// unknowns and a generated three-wing aircraft of 3000 unknowns.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <variant>
#include <vector>

#include "files/aircraft_file.h"
#include "model/aircraft.h"
#include "model/planform.h"
#include "solver/calculation.h"

namespace {

using namespace ws;

AircraftModel tandemCanard() {
    const std::filesystem::path file =
        std::filesystem::path(__FILE__).parent_path() / "../tests/data/solver/tandem_canard.da4";
    auto content = loadAircraftFile(file);
    if (!std::holds_alternative<AircraftFileContent>(content)) return startupAircraft();
    return applyAircraftFile(std::get<AircraftFileContent>(content), startupAircraft()).model;
}

// Three stubby wings of four trapeziums, the narrow outer ones of small
// chord: the sizing gives them 25 chordwise panels and 40 strips each.
AircraftModel generated3000() {
    AircraftModel m = startupAircraft();
    m.WingCount = m.CalcWingCount = 3;
    for (int w = 1; w <= 3; ++w) {
        WingEntry e;
        e.chord = {0, 600, 500, 60, 40, 20};
        e.span = {0, 150, 40, 50, 5};
        e.offset = {0, 0, 50, 270, 290, 310};
        e.posX = (w - 1) * 1500;
        e.posZ = (w - 1) * 150;
        m.wing[w] = paramsFromEntry(e, 4);
    }
    return m;
}

const AircraftModel& aircraft(int which) {
    static const AircraftModel all[] = {startupAircraft(), tandemCanard(), generated3000()};
    return all[which];
}

void label(benchmark::State& state, const CalcResult& r) {
    static const char* const names[] = {"startup", "tandem-canard", "generated"};
    state.SetLabel(std::string(names[state.range(0)]) + ", " + std::to_string(r.sizes.PanelTotal) +
                   " unknowns");
}

// The lattice and the planforms of an aircraft, as the chain builds them.
struct Prepared {
    CalcResult result;
    WingPlanforms planforms{};
};

Prepared prepare(int which) {
    Prepared p;
    SolverWorkspace workspace;
    p.result = runCalculation(aircraft(which), {}, workspace);
    for (int w = 1; w <= kMaxWings; ++w) p.planforms[w] = p.result.wings[w].planform;
    return p;
}

// Repeated calculations, as in the window: the workspace is already grown.
void BM_Chain(benchmark::State& state) {
    const AircraftModel& model = aircraft(int(state.range(0)));
    SolverWorkspace workspace;
    CalcResult result;
    runCalculation(model, {}, workspace, result);
    for (auto _ : state) {
        runCalculation(model, {}, workspace, result);
        benchmark::DoNotOptimize(result.evaluation.AnpAircraft);
    }
    label(state, result);
}

// One calculation from nothing, as the batch program makes it: the storage
// is allocated and touched for the first time.
void BM_ChainFirst(benchmark::State& state) {
    const AircraftModel& model = aircraft(int(state.range(0)));
    CalcResult result;
    for (auto _ : state) {
        SolverWorkspace workspace;
        result = runCalculation(model, {}, workspace);
        benchmark::DoNotOptimize(result.evaluation.AnpAircraft);
    }
    label(state, result);
}

void BM_Fill(benchmark::State& state) {
    const Prepared p = prepare(int(state.range(0)));
    SolverWorkspace workspace;
    CalcMessages warm;
    EINFLUSS(p.result.lattice, workspace, warm);
    for (auto _ : state) {
        CalcMessages messages;
        EINFLUSS(p.result.lattice, workspace, messages);
        benchmark::DoNotOptimize(workspace.matrix.data());
    }
    label(state, p.result);
}

void solveBench(benchmark::State& state, SolveMethod method) {
    const Prepared p = prepare(int(state.range(0)));
    SolverWorkspace workspace;
    CalcMessages messages;
    EINFLUSS(p.result.lattice, workspace, messages);
    const std::vector<double> filled(workspace.matrix.begin(),
                                     workspace.matrix.begin() + std::ptrdiff_t(workspace.n) * workspace.n);
    for (auto _ : state) {
        state.PauseTiming();
        std::copy(filled.begin(), filled.end(), workspace.matrix.begin());
        state.ResumeTiming();
        LOES(workspace, method, {}, messages);
        benchmark::DoNotOptimize(workspace.rhs.data());
    }
    label(state, p.result);
}

void BM_Solve_dgesv(benchmark::State& state) {
    solveBench(state, SolveMethod::Library);
}
void BM_Solve_SIMQ902(benchmark::State& state) {
    solveBench(state, SolveMethod::Straightforward);
}

}  // namespace

BENCHMARK(BM_Fill)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Solve_dgesv)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Solve_SIMQ902)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Solve_SIMQ902)->Arg(2)->Iterations(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Chain)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChainFirst)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
