// Results read from an aircraft file are never shown as they stand: the
// aircraft as loaded is calculated, and the file's values only decide
// whether the user is told that they did not belong to it. mm, mm².
#pragma once

#include <optional>

#include "files/aircraft_file.h"
#include "solver/calculation.h"

namespace ws {

// Whether `stored` are `calculated`'s reference area and reference chord
// within the rounding of the digits the file keeps (1 and 2 decimals), and
// its neutral point one the program may have written for this aircraft:
// within 3 % of the reference chord of `calculated`'s, or, given the same
// aircraft's neutral point on another lattice, of the range from one to the
// other widened by their distance at both ends (finer lattices and a
// converged estimate lie further along). Values that are not finite, and an
// area or chord not above 0, never agree.
bool storedResultsAgree(const StoredResults& stored, const Evaluation& calculated,
                        std::optional<double> otherLatticeAnp = std::nullopt);

// Calculates `model` as loaded from a file, with the results the file
// claims, if any. When the calculation is done but `stored` are incomplete
// (the file ended inside them) or do not agree with it, also not with a
// second calculation on the coarsest lattice (kFewestPanels; kTargetPanels
// when `options` ask for that one), its messages (shown)
// carry the notice Attention / StoredResultsIncomplete or
// StoredResultsReplaced, or the notice line below an overlap notice. A
// refusal leaves the refusal lines only.
void calculateWithStoredResults(const AircraftModel& model, const std::optional<StoredResults>& stored,
                                const CalcOptions& options, SolverWorkspace& workspace, CalcResult& result);

}  // namespace ws
