// The aerodynamic-centre calculation of an aircraft, start to end, without a
// window: planforms with the current positions, the overlap rule (KONFLIKT),
// lattice sizing and geometry (GRID, TRAWY2), the influence system
// (EINFLUSS, LOES), the evaluation (WIRBEL_ERG) and the centre-of-gravity
// numbers. Everything the window shows afterwards is in the result.
// mm, mm², aircraft frame (x rearwards, z up).
#pragma once

#include <array>
#include <string>
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
    SolveMethod method = SolveMethod::Library;
    ProgressFn progress;               // elimination steps still to go (Label24); may be empty
    int threads = 0;                   // for the influence fill; 0 takes the machine's cores
    int targetPanels = kTargetPanels;  // of the largest wing (GRID); changed only for convergence studies
};

enum class CalcOutcome { Done, Refused };

struct WingResult {
    WingPlanform planform;   // recalculated with the current position
    WingLabelTexts labels;   // its five value labels
    double AnpRelative = 0;  // AnpWing − WingPosX, what Label_anp shows
    std::string anpLabel;    // Label_anp text (" 85.3mm"); empty when refused
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
    bool latticeBuilt = false;  // TRAWY2 ran: `lattice` is the lattice of this aircraft
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

// The solving half of the chain on a finished lattice: EINFLUSS, LOES,
// WIRBEL_ERG and the check that every result is finite. False (with its
// lines in `messages`) when the system could not be solved or a result is
// not finite; `evaluation` is then not to be used.
bool solveAndEvaluate(const Lattice& lattice, const WingPlanforms& wings, const CalcOptions& options,
                      SolverWorkspace& workspace, CalcMessages& messages, Evaluation& evaluation);

}  // namespace ws
