// Speed of the aerodynamic-centre calculation. Aircraft (the argument):
//   0 the start-up aircraft (430 unknowns), 1 the tandem with a canard
//   (tests/data/solver/tandem_canard.da4, 1208), 2 examples/canard.da4 on its
//   finest lattice (--panels 3000: 2941), 3 three generated stubby wings (3000).
// Fill: the influence matrix in double (for dgesv) and in single precision
// (for the refined solve). Solve: dgesv, the refined solve (the default) and
// SIMQ902 on the same matrix. Chain: the whole calculation as the window
// repeats it (storage reused). Batch: one calculation from nothing, as
// winstabix-calc makes it, against the plain fill (the straightforward
// loop, one thread, into a cleared matrix) plus dgesv timed in the same
// iterations (counter `ratio`). Converged: the converged estimate as the
// window repeats it; ConvergedBatch from nothing, against the plain fill plus
// dgesv of its finest lattice.
//   build/bench/bench_solver
#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <filesystem>
#include <string>
#include <variant>
#include <vector>

#include "files/aircraft_file.h"
#include "model/aircraft.h"
#include "model/planform.h"
#include "solver/calculation.h"
#include "solver/converged.h"

namespace {

using namespace ws;
using Clock = std::chrono::steady_clock;

AircraftModel fromFile(const char* path) {
    auto content = loadAircraftFile(std::filesystem::path(WINSTABIX_SOURCE_DIR) / path);
    if (!std::holds_alternative<AircraftFileContent>(content)) return AircraftModel{};
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

struct Case {
    const char* name;
    AircraftModel model;
    int targetPanels;
};

const Case& aircraft(int which) {
    static const Case all[] = {
        {"startup", startupAircraft(), kTargetPanels},
        {"tandem-canard", fromFile("tests/data/solver/tandem_canard.da4"), kTargetPanels},
        {"canard-finest", fromFile("examples/canard.da4"), kMaxUnknowns},
        {"generated", generated3000(), kTargetPanels},
    };
    return all[which];
}

CalcOptions optionsOf(const Case& c, SolveMethod method = SolveMethod::Refined) {
    CalcOptions o;
    o.targetPanels = c.targetPanels;
    o.method = method;
    return o;
}

void label(benchmark::State& state, const CalcResult& r) {
    state.SetLabel(std::string(aircraft(int(state.range(0))).name) + ", " +
                   std::to_string(r.sizes.PanelTotal) + " unknowns");
}

double milliseconds(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

// The horseshoe as the fill first computed it: four divisions, no common
// denominator.
double plainIndu(double ax, double ay, double az, double bx, double by, double bz) {
    const double ila = 1.0 / std::sqrt(ax * ax + ay * ay + az * az);
    const double ilb = 1.0 / std::sqrt(bx * bx + by * by + bz * bz);
    const double dx = bx - ax, dy = by - ay, dz = bz - az;
    const double da = dx * ax + dy * ay + dz * az, db = dx * bx + dy * by + dz * bz;
    const double qx = dy * az - dz * ay, qy = dz * ax - dx * az, qz = dx * ay - dy * ax;
    const double q2 = qx * qx + qy * qy + qz * qz;
    const double bound = q2 == 0 ? 0.0 : qz * (da * ila - db * ilb) / q2;
    if (ay == 0 && az == 0) az = kOnLegOffset;
    if (by == 0 && bz == 0) bz = kOnLegOffset;
    return bound - ay * (ax * ila + 1) / (az * az + ay * ay) + by * (bx * ilb + 1) / (bz * bz + by * by);
}

// The straightforward fill: a cleared matrix, then every vortex at every
// control point, one thread, no vector code (sqrt keeps errno here).
void plainFill(const Lattice& lattice, std::vector<double>& W) {
    const int n = lattice.sizes.PanelTotal;
    W.assign(std::size_t(n) * std::size_t(n), 0.0);
    int v = 0;
    for (int w = 1; w <= lattice.sizes.CalcWingCount; ++w)
        for (int s = 1; s <= lattice.sizes.WingStrips[w]; ++s)
            for (int i = 1; i <= lattice.sizes.ChordPanels[w]; ++i, ++v) {
                const double Ax = lattice.vortexXL(i, s, w), Ay = lattice.vortexYL(s, w);
                const double Bx = lattice.vortexXR(i, s, w), By = lattice.vortexYR(s, w),
                             z = lattice.WingZ[w];
                int c = 0;
                for (int w2 = 1; w2 <= lattice.sizes.CalcWingCount; ++w2)
                    for (int s2 = 1; s2 <= lattice.sizes.WingStrips[w2]; ++s2)
                        for (int i2 = 1; i2 <= lattice.sizes.ChordPanels[w2]; ++i2, ++c) {
                            const double px = lattice.controlX(i2, s2, w2), py = lattice.controlY(s2, w2);
                            const double dz = lattice.WingZ[w2] - z;
                            const double w1 = plainIndu(px - Ax, py - Ay, dz, px - Bx, py - By, dz);
                            const double wm = plainIndu(px - Bx, py + By, dz, px - Ax, py + Ay, dz);
                            W[std::size_t(c) + std::size_t(v) * std::size_t(n)] = (w1 + wm) * kLoesFactor;
                        }
            }
}

// The plain fill plus dgesv of `lattice`, in milliseconds.
double plainFillAndDgesv(const Lattice& lattice) {
    const int n = lattice.sizes.PanelTotal;
    const Clock::time_point start = Clock::now();
    std::vector<double> W;
    plainFill(lattice, W);
    std::vector<double> b(std::size_t(n), -1.0);
    std::vector<int> pivots(static_cast<std::size_t>(n));
    benchmark::DoNotOptimize(libraryLuSolve({W.data(), n}, b.data(), n, pivots.data()));
    return milliseconds(Clock::now() - start);
}

CalcResult calculated(int which, SolveMethod method = SolveMethod::Refined) {
    SolverWorkspace workspace;
    return runCalculation(aircraft(which).model, optionsOf(aircraft(which), method), workspace);
}

void BM_Fill(benchmark::State& state, SolveMethod method) {
    const CalcResult r = calculated(int(state.range(0)));
    SolverWorkspace workspace;
    benchmark::DoNotOptimize(EINFLUSS(r.lattice, workspace, method));
    for (auto _ : state) benchmark::DoNotOptimize(EINFLUSS(r.lattice, workspace, method));
    label(state, r);
}
void BM_Fill_double(benchmark::State& state) {
    BM_Fill(state, SolveMethod::Library);
}
void BM_Fill_single(benchmark::State& state) {
    BM_Fill(state, SolveMethod::Refined);
}

// The solve alone on a filled matrix (the fill is redone untimed).
void BM_Solve(benchmark::State& state, SolveMethod method) {
    const CalcResult r = calculated(int(state.range(0)));
    SolverWorkspace workspace;
    int corrections = 0;
    for (auto _ : state) {
        state.PauseTiming();
        benchmark::DoNotOptimize(EINFLUSS(r.lattice, workspace, method));
        state.ResumeTiming();
        const Outcome<Circulations> solved = LOES(workspace, method, {});
        if (solved && solved->refined) corrections = solved->refined->corrections;
        benchmark::DoNotOptimize(workspace.rhs.data());
    }
    if (method == SolveMethod::Refined) {
        state.counters["corrections"] = corrections;
        state.counters["residual"] = influenceResidual(workspace);
    }
    label(state, r);
}
void BM_Solve_dgesv(benchmark::State& state) {
    BM_Solve(state, SolveMethod::Library);
}
void BM_Solve_refined(benchmark::State& state) {
    BM_Solve(state, SolveMethod::Refined);
}
void BM_Solve_SIMQ902(benchmark::State& state) {
    BM_Solve(state, SolveMethod::Straightforward);
}

// Repeated calculations, as in the window: the workspace is already grown.
void BM_Chain(benchmark::State& state) {
    const Case& c = aircraft(int(state.range(0)));
    SolverWorkspace workspace;
    CalcResult result;
    runCalculation(c.model, optionsOf(c), workspace, result);
    for (auto _ : state) {
        runCalculation(c.model, optionsOf(c), workspace, result);
        benchmark::DoNotOptimize(result.evaluation.AnpAircraft);
    }
    label(state, result);
}

// One calculation from nothing, as the batch program makes it, against the
// plain fill plus dgesv of the same lattice in the same iterations.
void BM_Batch(benchmark::State& state) {
    const Case& c = aircraft(int(state.range(0)));
    const CalcResult reference = calculated(int(state.range(0)));
    double plain = 0, batch = 0;
    CalcResult result;
    for (auto _ : state) {
        plain += plainFillAndDgesv(reference.lattice);
        const Clock::time_point start = Clock::now();
        SolverWorkspace workspace;
        runCalculation(c.model, optionsOf(c), workspace, result);
        const double ms = milliseconds(Clock::now() - start);
        batch += ms;
        state.SetIterationTime(ms / 1000);
    }
    state.counters["plain_ms"] = plain / double(state.iterations());
    state.counters["ratio"] = batch / plain;
    label(state, result);
}

// The converged estimate, as the window would repeat it.
void BM_Converged(benchmark::State& state) {
    const Case& c = aircraft(int(state.range(0)));
    SolverWorkspace workspace;
    ConvergedResult result;
    runConvergedCalculation(c.model, optionsOf(c), workspace, result);
    for (auto _ : state) {
        runConvergedCalculation(c.model, optionsOf(c), workspace, result);
        benchmark::DoNotOptimize(result.AnpAircraft.value);
    }
    std::string lattices;
    for (const LatticeValues& l : result.lattices) lattices += " " + std::to_string(l.PanelTotal);
    state.SetLabel(std::string(c.name) + ", lattices" + lattices);
}

// The converged estimate from nothing, as `winstabix-calc --converged`
// makes it, against the plain fill plus dgesv of its finest lattice.
void BM_ConvergedBatch(benchmark::State& state) {
    const Case& c = aircraft(int(state.range(0)));
    ConvergedResult result;
    {
        SolverWorkspace workspace;
        runConvergedCalculation(c.model, optionsOf(c), workspace, result);
    }
    CalcOptions finest = optionsOf(c);
    finest.targetPanels = result.lattices.back().targetPanels;
    const CalcResult reference = runCalculation(c.model, finest);
    double plain = 0, converged = 0;
    for (auto _ : state) {
        plain += plainFillAndDgesv(reference.lattice);
        const Clock::time_point start = Clock::now();
        SolverWorkspace workspace;
        runConvergedCalculation(c.model, optionsOf(c), workspace, result);
        const double ms = milliseconds(Clock::now() - start);
        converged += ms;
        state.SetIterationTime(ms / 1000);
    }
    state.counters["plain_ms"] = plain / double(state.iterations());
    state.counters["ratio"] = converged / plain;
    state.SetLabel(std::string(c.name) + ", finest " + std::to_string(reference.sizes.PanelTotal));
}

}  // namespace

BENCHMARK(BM_Fill_double)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Fill_single)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Solve_dgesv)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Solve_refined)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Solve_SIMQ902)->DenseRange(0, 1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Chain)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Batch)->DenseRange(2, 3)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(BM_Converged)->DenseRange(0, 1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ConvergedBatch)->Arg(1)->Unit(benchmark::kMillisecond)->UseManualTime();
