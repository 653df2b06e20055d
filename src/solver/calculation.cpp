#include "solver/calculation.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "solver/entry_check.h"
#include "solver/overlap.h"
#include "solver/plausibility.h"

namespace ws {

namespace {

bool allFinite(const Evaluation& e, int calcWingCount) {
    bool ok = std::isfinite(e.AnpAircraft) && std::isfinite(e.RefArea) && std::isfinite(e.RefChord);
    for (int w = 1; w <= calcWingCount; ++w)
        for (double v :
             {e.WingArea[w], e.WingMAC[w], e.WingSpan[w], e.WingAspect[w], e.LiftSlopeWing[w], e.AnpWing[w]})
            ok = ok && std::isfinite(v);
    return ok;
}

bool allFinite(const StabilityNumbers& s) {
    return std::isfinite(s.CgRear) && std::isfinite(s.CgFront) && std::isfinite(s.CgDesired) &&
           std::isfinite(s.MarginDesired);
}

}  // namespace

int fittedTarget(const WingPlanforms& wings, int calcWingCount, int targetPanels) {
    // Finer targets than the window's may overshoot a capacity; the finest
    // one that fits is taken. Coarser targets are taken as they are.
    const int floor = std::min(targetPanels, kTargetPanels);
    for (int target = targetPanels; target > floor; --target)
        if (GRID(wings, calcWingCount, target)) return target;
    return floor;
}

Outcome<Evaluation> solveAndEvaluate(const Lattice& lattice, const WingPlanforms& wings,
                                     const CalcOptions& options, SolverWorkspace& workspace) {
    if (std::optional<Refusal> refusal = EINFLUSS(lattice, workspace, options.method, options.threads))
        return *refusal;
    Outcome<Circulations> solved = LOES(workspace, options.method, options.progress, options.threads);
    if (!solved) {
        Refusal refusal = std::move(solved).refusal();
        refusal.lines.push_back({MessageCode::LoesDriver});  // the driver's line below LOES's own
        return refusal;
    }
    Evaluation evaluation = WIRBEL_ERG(lattice, solved->Gamma.data(), wings);
    if (!allFinite(evaluation, lattice.sizes.CalcWingCount))
        return Refusal{{MessageCode::CannotCalculateAircraft}, {MessageCode::NotFinite}};
    if (std::optional<Refusal> implausible = refusedAsImplausible(lattice, evaluation)) return *implausible;
    return evaluation;
}

namespace {

// GRID to the stability numbers on the planforms and heights in `result`;
// stops at the first refusal and gives it.
std::optional<Refusal> calculateLattice(const WingPlanforms& planforms, const CalcOptions& options,
                                        SolverWorkspace& workspace, CalcResult& result) {
    const int count = result.CalcWingCount;
    result.targetPanels = fittedTarget(planforms, count, options.targetPanels);
    Outcome<LatticeSizes> sizes = GRID(planforms, count, result.targetPanels);
    // The report shows the sizes also of a refused lattice.
    result.sizes = sizes ? *sizes : latticeSizes(planforms, count, result.targetPanels);
    if (!sizes) return std::move(sizes).refusal();
    if (std::optional<Refusal> swept = refusedAsTooSwept(planforms, count)) return swept;

    Outcome<Lattice> lattice =
        TRAWY2(*sizes, planforms, result.WingPosZ, workspace.newton, std::move(result.lattice));
    if (!lattice) return std::move(lattice).refusal();
    result.lattice = std::move(*lattice);
    result.latticeBuilt = true;

    Outcome<Evaluation> evaluation = solveAndEvaluate(result.lattice, planforms, options, workspace);
    if (!evaluation) return std::move(evaluation).refusal();
    result.evaluation = *evaluation;

    const Evaluation& e = result.evaluation;
    result.stability = stabilityNumbers(count, e.AnpAircraft, e.RefChord, options.marginDesired);
    if (!allFinite(result.stability))
        return Refusal{{MessageCode::CannotCalculateAircraft}, {MessageCode::NotFinite}};
    return std::nullopt;
}

}  // namespace

void runCalculation(const AircraftModel& model, const CalcOptions& options, SolverWorkspace& workspace,
                    CalcResult& result) {
    result.outcome = CalcOutcome::Refused;
    result.CalcWingCount = clampedWingCount(model.CalcWingCount);
    result.WingsMoved = false;
    result.latticeBuilt = false;
    result.sizes = {};
    result.targetPanels = options.targetPanels;
    result.evaluation = {};
    result.stability = {};
    result.memo.clear();

    WingPlanforms planforms{};
    std::array<int, kMaxWings + 1> posX{}, posZ{};
    for (int w = 1; w <= kMaxWings; ++w) {
        planforms[w] = Calc_W(model.wing[w]);
        WingResult& wr = result.wings[w];
        wr.planform = planforms[w];
        wr.AnpRelative = 0;
        posX[w] = model.wing[w].WingPosX;
        posZ[w] = model.wing[w].WingPosZ;
    }

    const OverlapResult overlap = KONFLIKT(result.CalcWingCount, posX, posZ, planforms);
    result.WingPosZ = overlap.WingPosZ;
    result.WingsMoved = overlap.WingsMoved;
    // The recalculation leaves "Error: " in the hidden box; the notice of
    // moved wings replaces it. A refusal's lines follow either.
    if (overlap.WingsMoved)
        result.memo = {{MessageCode::Attention}, {MessageCode::WingsMoved}};
    else
        result.memo = {{MessageCode::ErrorHead}};

    // Entries no lattice can be made of are named before the lattice is sized.
    std::optional<Refusal> refusal = refusedForMissingEntries(model, result.CalcWingCount);
    if (!refusal) refusal = calculateLattice(planforms, options, workspace, result);
    if (refusal) {
        result.memo.insert(result.memo.end(), refusal->lines.begin(), refusal->lines.end());
        result.evaluation = {};
        result.stability = {};
    } else {
        result.outcome = CalcOutcome::Done;
        for (int w = 1; w <= kMaxWings; ++w)
            result.wings[w].AnpRelative = result.evaluation.AnpWing[w] - posX[w];
    }
    result.stability.MarginDesired = limitedMargin(options.marginDesired);
    result.memoShown = result.WingsMoved || refusal.has_value();
}

CalcResult runCalculation(const AircraftModel& model, const CalcOptions& options,
                          SolverWorkspace& workspace) {
    CalcResult result;
    runCalculation(model, options, workspace, result);
    return result;
}

CalcResult runCalculation(const AircraftModel& model, const CalcOptions& options) {
    SolverWorkspace workspace;
    return runCalculation(model, options, workspace);
}

}  // namespace ws
