#include "solver/calculation.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "solver/entry_check.h"
#include "solver/overlap.h"

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

// The x-range the wings of the lattice cover, frontmost leading edge to
// rearmost trailing edge.
std::pair<double, double> coveredRange(const Lattice& lattice) {
    const auto [frontL, rearL] = std::minmax_element(lattice.CornerXL.begin(), lattice.CornerXL.end());
    const auto [frontR, rearR] = std::minmax_element(lattice.CornerXR.begin(), lattice.CornerXR.end());
    if (frontL == lattice.CornerXL.end() || frontR == lattice.CornerXR.end()) return {0, 0};
    return {std::min(*frontL, *frontR), std::max(*rearL, *rearR)};
}

}  // namespace

bool refusedAsImplausible(const Lattice& lattice, const Evaluation& e, CalcMessages& messages) {
    bool refused = false;
    for (int w = 1; w <= lattice.sizes.CalcWingCount; ++w) {
        if (!(e.LiftSlopeWing[w] > 0)) {
            messages.refuse({MessageCode::CannotCalculateWing, w}, {MessageCode::NoLift});
            refused = true;
        }
    }
    if (!(e.RefArea > 0) || !(e.RefChord > 0)) {
        messages.refuse({MessageCode::CannotCalculateAircraft}, {MessageCode::NoReference});
        refused = true;
    }
    const auto [front, rear] = coveredRange(lattice);
    if (!(e.AnpAircraft >= front && e.AnpAircraft <= rear)) {
        messages.refuse({MessageCode::CannotCalculateAircraft}, {MessageCode::NeutralPointOffWings});
        refused = true;
    }
    return refused;
}

LatticeSizes fittedLatticeSizes(const WingPlanforms& wings, int calcWingCount, CalcMessages& messages,
                                int targetPanels, int& takenTarget) {
    // Finer targets than the window's may overshoot a capacity; the finest
    // one that fits is taken. Coarser targets are taken as they are.
    const int floor = std::min(targetPanels, kTargetPanels);
    for (int target = targetPanels; target >= floor; --target) {
        CalcMessages trial;
        LatticeSizes sizes = GRID(wings, calcWingCount, trial, target);
        if (!trial.CalcAbort || target == floor) {
            messages.lines.insert(messages.lines.end(), trial.lines.begin(), trial.lines.end());
            messages.shown = messages.shown || trial.shown;
            messages.CalcAbort = trial.CalcAbort;
            takenTarget = target;
            return sizes;
        }
    }
    takenTarget = targetPanels;
    return {};
}

bool solveAndEvaluate(const Lattice& lattice, const WingPlanforms& wings, const CalcOptions& options,
                      SolverWorkspace& workspace, CalcMessages& messages, Evaluation& evaluation) {
    EINFLUSS(lattice, workspace, messages, options.threads);
    if (messages.CalcAbort) return false;
    if (!LOES(workspace, options.method, options.progress, messages)) {
        messages.append(MessageCode::LoesDriver);
        messages.shown = true;
        return false;
    }
    evaluation = WIRBEL_ERG(lattice, workspace.rhs.data(), wings);
    if (!allFinite(evaluation, lattice.sizes.CalcWingCount)) {
        messages.refuse({MessageCode::CannotCalculateAircraft}, {MessageCode::NotFinite});
        return false;
    }
    return !refusedAsImplausible(lattice, evaluation, messages);
}

void runCalculation(const AircraftModel& model, const CalcOptions& options, SolverWorkspace& workspace,
                    CalcResult& result) {
    result.outcome = CalcOutcome::Refused;
    result.CalcWingCount = std::clamp(model.CalcWingCount, 1, kMaxWings);
    result.WingsMoved = false;
    result.latticeBuilt = false;
    result.sizes = {};
    result.targetPanels = options.targetPanels;
    result.evaluation = {};
    result.stability = {};

    CalcMessages messages;
    messages.lines = std::move(result.memo);
    messages.lines.clear();

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
    messages.append(MessageCode::ErrorHead);

    const OverlapResult overlap = KONFLIKT(result.CalcWingCount, posX, posZ, planforms);
    result.WingPosZ = overlap.WingPosZ;
    result.WingsMoved = overlap.WingsMoved;
    if (overlap.WingsMoved) {
        messages.lines.clear();
        messages.append(MessageCode::Attention);
        messages.append(MessageCode::WingsMoved);
        messages.shown = true;
    }

    if (!refuseMissingEntries(model, result.CalcWingCount, messages))
        result.sizes = fittedLatticeSizes(planforms, result.CalcWingCount, messages, options.targetPanels,
                                          result.targetPanels);
    if (!messages.CalcAbort) {
        TRAWY2(result.sizes, planforms, result.WingPosZ, result.lattice, workspace.newton, messages);
        result.latticeBuilt = true;
    }
    if (!messages.CalcAbort &&
        solveAndEvaluate(result.lattice, planforms, options, workspace, messages, result.evaluation)) {
        const Evaluation& e = result.evaluation;
        result.stability =
            stabilityNumbers(result.CalcWingCount, e.AnpAircraft, e.RefChord, options.marginDesired);
        if (allFinite(result.stability)) {
            result.outcome = CalcOutcome::Done;
        } else {
            messages.refuse({MessageCode::CannotCalculateAircraft}, {MessageCode::NotFinite});
            result.stability = {};
        }
    }
    result.stability.MarginDesired = limitedMargin(options.marginDesired);
    if (result.done()) {
        for (int w = 1; w <= kMaxWings; ++w)
            result.wings[w].AnpRelative = result.evaluation.AnpWing[w] - posX[w];
    } else {
        result.evaluation = {};
    }
    result.memo = std::move(messages.lines);
    result.memoShown = messages.shown;
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
