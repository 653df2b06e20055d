// The converged estimate: the neutral point and each wing's lift slope and
// aerodynamic centre of an infinitely fine lattice, extrapolated from the
// window's lattice and finer ones of the same kind, with an error bar.
// mm, x rearwards; lift slopes per radian.
//
// The lattice's error falls as 1/√(panels) (as the panel size). The
// estimate takes the window's lattice (N panels aimed at for the largest
// wing) and a fine one aimed at 4N, the finest the capacities allow when
// that is refused, and extrapolates X∞ = X_f + (X_f − X_w) / (√(P_f / P_w) − 1)
// over their panel totals P. Its error bar is |X∞ − X_f|, what the fine
// lattice itself is still off. A middle lattice (aimed at √(N × fine
// target)) checks the direction: a value whose middle lattice does not lie
// between the other two is not converged, and the fine lattice's value is
// given without an error bar.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "solver/calculation.h"

namespace ws {

constexpr int kConvergedFineFactor = 4;    // fine target = 4 × the window's: half the panel size
constexpr double kConvergedOrder = 0.5;    // the error falls as panels^(−1/2)
constexpr double kFewestFinePanels = 1.5;  // a fine lattice has at least 1.5 × the window's panels

struct ConvergedValue {
    double value = 0;
    std::optional<double> error;  // none when not converged: `value` is then the finest lattice's
    bool converged() const { return error.has_value(); }
};

// The numbers of one lattice of the estimate.
struct LatticeValues {
    int targetPanels = 0;  // aimed at for the largest wing
    int PanelTotal = 0;
    double AnpAircraft = 0;
    std::array<double, kMaxWings + 1> LiftSlopeWing{}, AnpWing{};  // [1..CalcWingCount]
};

// One extrapolated value from the window's and the fine lattice's values and
// panel totals; the middle lattice's value, when there is one, checks the
// direction.
ConvergedValue extrapolated(double window, int windowPanels, std::optional<double> middle, double fine,
                            int finePanels);

enum class ConvergedStatus {
    Refused,         // the window's lattice was refused: nothing to estimate
    Converged,       // the neutral point is extrapolated with its error bar
    NotMonotone,     // its lattices disagree in direction: the fine lattice's value
    NoFinerLattice,  // no lattice fine enough was accepted: the window's value
};

struct ConvergedResult {
    CalcResult window;  // the window's lattice, exactly as without the estimate (drawn, stored)
    ConvergedStatus status = ConvergedStatus::Refused;
    ConvergedValue AnpAircraft;
    std::array<ConvergedValue, kMaxWings + 1> LiftSlopeWing{}, AnpWing{};  // [1..CalcWingCount]
    StabilityNumbers stability;           // from the estimated neutral point and the reference chord
    std::vector<LatticeValues> lattices;  // those used, window first, finest last
    // What the estimate has to say: a finer lattice refused, the direction,
    // no finer lattice (codes FineLatticeReduced, NotMonotone, NoFinerLattice).
    std::vector<Message> notes;
    bool done() const { return status != ConvergedStatus::Refused; }
};

// Told which lattice is being solved (from 0 in the order solved: the
// window's, the fine, the middle) of how many, and the elimination steps it
// still has to go.
using ConvergedProgressFn = std::function<void(int lattice, int lattices, int stepsLeft)>;

// Grows the workspace for the finest lattice of the estimate, so that its
// lattices share one allocation.
void reserveConverged(const AircraftModel& model, const CalcOptions& options, SolverWorkspace& workspace);

// The finer lattices and the estimate for `result.window`, the finished
// calculation of `model` with `options` (the window's lattice at
// options.targetPanels). Nothing when that was refused.
void convergeCalculation(const AircraftModel& model, const CalcOptions& options, SolverWorkspace& workspace,
                         ConvergedResult& result, const ConvergedProgressFn& progress = {});

// All of it: the workspace reserved, the window's calculation, the estimate.
// `result` keeps its storage between runs.
void runConvergedCalculation(const AircraftModel& model, const CalcOptions& options,
                             SolverWorkspace& workspace, ConvergedResult& result,
                             const ConvergedProgressFn& progress = {});

}  // namespace ws
