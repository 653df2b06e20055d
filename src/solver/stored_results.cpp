#include "solver/stored_results.h"

#include <algorithm>
#include <cmath>

namespace ws {

namespace {

// 3 % of the reference chord: what the window's lattice, the finest and a
// converged estimate differ by for the examples (1.1 % at most) and more.
constexpr double kNeutralPointSpread = 0.03;

// `stored` was written with `decimals` digits from a value within `spread` of `exact`.
bool sameWritten(double stored, double exact, int decimals, double spread = 0) {
    const double halfDigit = 0.5 * std::pow(10.0, -decimals);
    const double slack = 1e-9 * std::max(1.0, std::abs(exact));  // the decimal reading of the text
    return std::isfinite(stored) && std::abs(stored - exact) <= halfDigit + slack + spread;
}

// The same aircraft on the coarsest lattice, or on the window's when this
// calculation already was the coarsest: how far the lattices differ for it.
std::optional<double> neutralPointOnAnotherLattice(const AircraftModel& model, const CalcOptions& options,
                                                   SolverWorkspace& workspace) {
    CalcOptions other = options;
    other.progress = {};
    other.targetPanels = options.targetPanels > kFewestPanels ? kFewestPanels : kTargetPanels;
    CalcResult result;
    runCalculation(model, other, workspace, result);
    if (!result.done()) return std::nullopt;
    return result.evaluation.AnpAircraft;
}

}  // namespace

bool storedResultsAgree(const StoredResults& stored, const Evaluation& e, std::optional<double> otherAnp) {
    const double other = otherAnp.value_or(e.AnpAircraft);
    // Between the two, that distance again beyond either (a finer lattice,
    // a converged estimate), and the spread every lattice may have.
    const double middle = (e.AnpAircraft + other) / 2;
    const double reach = 1.5 * std::abs(e.AnpAircraft - other) + kNeutralPointSpread * e.RefChord;
    return stored.RefArea > 0 && stored.RefChord > 0 && sameWritten(stored.RefArea, e.RefArea, 1) &&
           sameWritten(stored.RefChord, e.RefChord, 2) && sameWritten(stored.AnpAircraft, middle, 2, reach);
}

void calculateWithStoredResults(const AircraftModel& model, const std::optional<StoredResults>& stored,
                                const CalcOptions& options, SolverWorkspace& workspace, CalcResult& result) {
    runCalculation(model, options, workspace, result);
    if (!stored || !result.done()) return;
    const bool incomplete = !stored->complete;
    // The second lattice only when the first leaves a doubt, since it costs a calculation.
    if (!incomplete && (storedResultsAgree(*stored, result.evaluation) ||
                        storedResultsAgree(*stored, result.evaluation,
                                           neutralPointOnAnotherLattice(model, options, workspace))))
        return;
    if (!result.memoShown) result.memo = {{MessageCode::Attention}};
    result.memo.push_back(
        {incomplete ? MessageCode::StoredResultsIncomplete : MessageCode::StoredResultsReplaced});
    result.memoShown = true;
}

}  // namespace ws
