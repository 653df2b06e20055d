#include "solver/converged.h"

#include <algorithm>
#include <cmath>

#include "model/number_format.h"

namespace ws {

namespace {

// A middle value this far outside the others (as a fraction of their
// difference) is rounding of the panel counts, not a change of direction.
constexpr double kDirectionSlack = 0.1;

LatticeValues valuesOf(const CalcResult& r) {
    LatticeValues v;
    v.targetPanels = r.targetPanels;
    v.PanelTotal = r.sizes.PanelTotal;
    v.AnpAircraft = r.evaluation.AnpAircraft;
    v.LiftSlopeWing = r.evaluation.LiftSlopeWing;
    v.AnpWing = r.evaluation.AnpWing;
    return v;
}

// The calculation at `target` with the window's options, told as lattice
// `index` of `count`.
void calculateAt(const AircraftModel& model, const CalcOptions& options, int target, int index, int count,
                 const ConvergedProgressFn& progress, SolverWorkspace& workspace, CalcResult& result) {
    CalcOptions at = options;
    at.targetPanels = target;
    if (progress) at.progress = [&](int stepsLeft) { progress(index, count, stepsLeft); };
    runCalculation(model, at, workspace, result);
}

}  // namespace

ConvergedValue extrapolated(double window, int windowPanels, std::optional<double> middle, double fine,
                            int finePanels) {
    const double ratio = std::pow(double(finePanels) / double(windowPanels), kConvergedOrder);
    if (middle) {
        const double slack = kDirectionSlack * std::fabs(fine - window);
        if (*middle < std::min(window, fine) - slack || *middle > std::max(window, fine) + slack)
            return {fine, std::nullopt};
    }
    const double limit = fine + (fine - window) / (ratio - 1);
    return {limit, std::fabs(limit - fine)};
}

namespace {

int fineTargetOf(const WingPlanforms& planforms, int count, int windowTarget) {
    return fittedTarget(planforms, count, kConvergedFineFactor * std::max(windowTarget, 1));
}

WingPlanforms planformsOf(const AircraftModel& model) {
    WingPlanforms planforms{};
    for (int w = 1; w <= kMaxWings; ++w) planforms[w] = Calc_W(model.wing[w]);
    return planforms;
}

}  // namespace

void reserveConverged(const AircraftModel& model, const CalcOptions& options, SolverWorkspace& workspace) {
    const int count = std::clamp(model.CalcWingCount, 1, kMaxWings);
    const WingPlanforms planforms = planformsOf(model);
    const int panels =
        latticeSizes(planforms, count, fineTargetOf(planforms, count, options.targetPanels)).PanelTotal;
    if (panels <= kMaxUnknowns) workspace.prepare(panels, options.method == SolveMethod::Refined);
}

void convergeCalculation(const AircraftModel& model, const CalcOptions& options, SolverWorkspace& workspace,
                         ConvergedResult& result, const ConvergedProgressFn& progress) {
    result.status = ConvergedStatus::Refused;
    result.AnpAircraft = {};
    result.LiftSlopeWing = {};
    result.AnpWing = {};
    result.stability = {};
    result.lattices.clear();
    result.notes.clear();
    const CalcResult& window = result.window;
    if (!window.done()) return;

    const int count = window.CalcWingCount;
    const WingPlanforms planforms = planformsOf(model);
    const int windowTarget = options.targetPanels;
    const int wantedFine = kConvergedFineFactor * std::max(windowTarget, 1);
    int fineTarget = fineTargetOf(planforms, count, windowTarget);
    result.lattices.push_back(valuesOf(window));
    const int windowPanels = window.sizes.PanelTotal;
    const int lattices = 3;

    // The finest lattice that is accepted, down to one too close to the
    // window's to extrapolate from.
    CalcResult fine;
    bool fineDone = false;
    while (latticeSizes(planforms, count, fineTarget).PanelTotal >= kFewestFinePanels * windowPanels) {
        calculateAt(model, options, fineTarget, 1, lattices, progress, workspace, fine);
        if (fine.done()) {
            fineDone = true;
            break;
        }
        fineTarget = roundInt(0.85 * fineTarget);
    }
    if (!fineDone) {
        result.status = ConvergedStatus::NoFinerLattice;
        result.notes.push_back({MessageCode::NoFinerLattice});
        result.AnpAircraft = {window.evaluation.AnpAircraft, std::nullopt};
        for (int w = 1; w <= count; ++w) {
            result.LiftSlopeWing[w] = {window.evaluation.LiftSlopeWing[w], std::nullopt};
            result.AnpWing[w] = {window.evaluation.AnpWing[w], std::nullopt};
        }
    } else {
        if (fine.targetPanels < wantedFine)
            result.notes.push_back(
                {MessageCode::FineLatticeReduced, fine.sizes.PanelTotal, fine.targetPanels});

        CalcResult middle;
        const int middleTarget = roundInt(std::sqrt(double(windowTarget) * double(fine.targetPanels)));
        calculateAt(model, options, middleTarget, 2, lattices, progress, workspace, middle);
        const bool middleDone = middle.done() && middle.sizes.PanelTotal > windowPanels &&
                                middle.sizes.PanelTotal < fine.sizes.PanelTotal;
        if (middleDone) result.lattices.push_back(valuesOf(middle));
        result.lattices.push_back(valuesOf(fine));

        const int fp = fine.sizes.PanelTotal;
        const auto estimate = [&](double w, double m, double f) {
            return extrapolated(w, windowPanels, middleDone ? std::optional<double>(m) : std::nullopt, f, fp);
        };
        const Evaluation &we = window.evaluation, &me = middle.evaluation, &fe = fine.evaluation;
        result.AnpAircraft = estimate(we.AnpAircraft, me.AnpAircraft, fe.AnpAircraft);
        for (int w = 1; w <= count; ++w) {
            result.LiftSlopeWing[w] = estimate(we.LiftSlopeWing[w], me.LiftSlopeWing[w], fe.LiftSlopeWing[w]);
            result.AnpWing[w] = estimate(we.AnpWing[w], me.AnpWing[w], fe.AnpWing[w]);
        }
        result.status =
            result.AnpAircraft.converged() ? ConvergedStatus::Converged : ConvergedStatus::NotMonotone;
        if (!result.AnpAircraft.converged()) result.notes.push_back({MessageCode::NotMonotone});
    }
    result.stability =
        stabilityNumbers(count, result.AnpAircraft.value, window.evaluation.RefChord, options.marginDesired);
}

void runConvergedCalculation(const AircraftModel& model, const CalcOptions& options,
                             SolverWorkspace& workspace, ConvergedResult& result,
                             const ConvergedProgressFn& progress) {
    reserveConverged(model, options, workspace);
    calculateAt(model, options, options.targetPanels, 0, 3, progress, workspace, result.window);
    convergeCalculation(model, options, workspace, result, progress);
}

}  // namespace ws
