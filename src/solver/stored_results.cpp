#include "solver/stored_results.h"

#include <algorithm>
#include <cmath>

namespace ws {

namespace {

// `stored` was written with `decimals` digits from a value near `exact`.
bool sameWritten(double stored, double exact, int decimals) {
    const double halfDigit = 0.5 * std::pow(10.0, -decimals);
    const double slack = 1e-9 * std::max(1.0, std::abs(exact));  // the decimal reading of the text
    return std::isfinite(stored) && std::abs(stored - exact) <= halfDigit + slack;
}

}  // namespace

bool storedResultsAgree(const StoredResults& stored, const Evaluation& e) {
    return stored.RefArea > 0 && stored.RefChord > 0 && sameWritten(stored.RefArea, e.RefArea, 1) &&
           sameWritten(stored.RefChord, e.RefChord, 2) && sameWritten(stored.AnpAircraft, e.AnpAircraft, 2);
}

void calculateWithStoredResults(const AircraftModel& model, const std::optional<StoredResults>& stored,
                                const CalcOptions& options, SolverWorkspace& workspace, CalcResult& result) {
    runCalculation(model, options, workspace, result);
    if (!stored || !result.done() || storedResultsAgree(*stored, result.evaluation)) return;
    if (!result.memoShown) result.memo = {attentionLine(options.language)};
    result.memo.push_back(storedResultsReplacedLine(options.language));
    result.memoShown = true;
}

}  // namespace ws
