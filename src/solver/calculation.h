// The aerodynamic-centre calculation of an aircraft, start to end, without a
// window: planforms with the current positions, the overlap rule (KONFLIKT),
// lattice sizing and geometry (GRID, TRAWY2), the influence system
// (EINFLUSS, LOES), the evaluation (WIRBEL_ERG) and the centre-of-gravity
// numbers. Everything the window shows afterwards is in the result.
// mm, mm², aircraft frame (x rearwards, z up).
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "model/aircraft.h"
#include "model/planform.h"
#include "solver/elimination.h"
#include "solver/evaluation.h"
#include "solver/influence.h"
#include "solver/lattice.h"
#include "solver/messages.h"
#include "solver/workspace.h"
#include "stability/stability.h"

namespace ws {

struct CalcOptions {
    double marginDesired = kDefaultMargin;  // percent, the number in Edit31
    SolveMethod method = SolveMethod::Refined;
    ProgressFn progress;  // elimination steps still to go (Label24); may be empty
    int threads = 0;      // for the influence fill; 0 takes the machine's cores
    // Panels aimed at for the largest wing (GRID); other than kTargetPanels
    // only for convergence studies. A finer target whose lattice would
    // exceed a capacity gives way to the finest one that fits.
    int targetPanels = kTargetPanels;
};

enum class CalcOutcome { Done, Refused };

struct WingResult {
    WingPlanform planform;   // recalculated with the current position
    double AnpRelative = 0;  // AnpWing − WingPosX, what Label_anp shows; 0 when refused
};

struct CalcResult {
    CalcOutcome outcome = CalcOutcome::Refused;
    bool done() const { return outcome == CalcOutcome::Done; }  // ResultsValid and LatticeValid

    int CalcWingCount = 0;
    // Memo1 in order, and whether the run leaves it shown. Its first line is
    // "Error: " when nothing replaced what the recalculation left there.
    std::vector<Message> memo;
    bool memoShown = false;

    std::array<int, kMaxWings + 1> WingPosZ{};  // heights after the overlap rule, for Edit_z1..3
    bool WingsMoved = false;

    LatticeSizes sizes;         // what GRID produced, also when it refused
    int targetPanels = 0;       // the target the sizes were made for
    bool latticeBuilt = false;  // TRAWY2 gave `lattice`, the lattice of this aircraft
    Lattice lattice;

    std::array<WingResult, kMaxWings + 1> wings{};  // [1..3]
    Evaluation evaluation;                          // zero unless done()
    StabilityNumbers stability;                     // zero unless done(), but for MarginDesired
};

// Runs the whole calculation of the first CalcWingCount wings. Reuses the
// workspace and the storage already held by `result`.
void runCalculation(const AircraftModel& model, const CalcOptions& options, SolverWorkspace& workspace,
                    CalcResult& result);
CalcResult runCalculation(const AircraftModel& model, const CalcOptions& options, SolverWorkspace& workspace);
CalcResult runCalculation(const AircraftModel& model, const CalcOptions& options = {});

// The finest target from `targetPanels` down to kTargetPanels whose
// lattice GRID accepts; a target at or below kTargetPanels is taken as it
// is, and so is kTargetPanels when none fits.
int fittedTarget(const WingPlanforms& wings, int calcWingCount, int targetPanels);

// The solving half of the chain on a finished lattice: EINFLUSS, LOES,
// WIRBEL_ERG and the checks of the results. Refused when the system could
// not be solved (the LOES lines), a result is not finite, or
// refusedAsImplausible (plausibility.h) refuses the results.
Outcome<Evaluation> solveAndEvaluate(const Lattice& lattice, const WingPlanforms& wings,
                                     const CalcOptions& options, SolverWorkspace& workspace);

}  // namespace ws
