#include "solver/stored_results.h"

#include <algorithm>
#include <cmath>

namespace ws {

namespace {

// Every lattice the program makes (the window's, 100 to 3000 panels, a
// converged estimate) places the neutral point within about 2 % of the
// reference chord of the others; area and chord are the planform's alone.
constexpr double kNeutralPointSpread = 0.03;  // of the reference chord

// `stored` was written with `decimals` digits from a value near `exact`.
bool sameWritten(double stored, double exact, int decimals, double spread = 0) {
    const double halfDigit = 0.5 * std::pow(10.0, -decimals);
    const double slack = 1e-9 * std::max(1.0, std::abs(exact));  // the decimal reading of the text
    return std::isfinite(stored) && std::abs(stored - exact) <= halfDigit + slack + spread;
}

}  // namespace

bool storedResultsAgree(const StoredResults& stored, const Evaluation& e) {
    return stored.RefArea > 0 && stored.RefChord > 0 && sameWritten(stored.RefArea, e.RefArea, 1) &&
           sameWritten(stored.RefChord, e.RefChord, 2) &&
           sameWritten(stored.AnpAircraft, e.AnpAircraft, 2, kNeutralPointSpread * e.RefChord);
}

void calculateWithStoredResults(const AircraftModel& model, const std::optional<StoredResults>& stored,
                                const CalcOptions& options, SolverWorkspace& workspace, CalcResult& result) {
    runCalculation(model, options, workspace, result);
    if (!stored || !result.done()) return;
    const bool incomplete = !stored->complete;
    if (!incomplete && storedResultsAgree(*stored, result.evaluation)) return;
    if (!result.memoShown) result.memo = {{MessageCode::Attention}};
    result.memo.push_back(
        {incomplete ? MessageCode::StoredResultsIncomplete : MessageCode::StoredResultsReplaced});
    result.memoShown = true;
}

}  // namespace ws
