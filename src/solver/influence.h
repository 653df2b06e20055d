// The influence system of the lattice: INDU evaluates one horseshoe vortex,
// EINFLUSS fills the matrix (every vortex and its mirror on the left half at
// every control point), LOES solves it for the panel circulations.
#pragma once

#include <cmath>
#include <optional>
#include <span>

#include "solver/lattice.h"
#include "solver/messages.h"
#include "solver/workspace.h"

namespace ws {

constexpr double kLoesFactor = 0.0795775;  // 1 / (4π) to seven digits, as the results were always made
constexpr double kOnLegOffset = 1e-17;     // z given to a point on the line of a trailing leg

#if defined(__GNUC__)
#define WS_INLINE_HOT inline __attribute__((always_inline))  // the fill's loop must see through it
#else
#define WS_INLINE_HOT inline
#endif

// Velocity normal to the wing plane, times 4π, that a horseshoe of unit
// circulation induces at P: bound segment A→B, trailing legs from A and B to
// x = +∞. a = P − A, b = P − B.
WS_INLINE_HOT double INDU(double ax, double ay, double az, double bx, double by, double bz) {
    const double la = std::sqrt(ax * ax + ay * ay + az * az);
    const double lb = std::sqrt(bx * bx + by * by + bz * bz);
    const double dx = bx - ax, dy = by - ay, dz = bz - az;
    const double da = dx * ax + dy * ay + dz * az;
    const double db = dx * bx + dy * by + dz * bz;
    const double qx = dy * az - dz * ay;
    const double qy = dz * ax - dx * az;
    const double qz = dx * ay - dy * ax;
    const double q2 = qx * qx + qy * qy + qz * qz;
    az = ((ay == 0) & (az == 0)) ? kOnLegOffset : az;
    bz = ((by == 0) & (bz == 0)) ? kOnLegOffset : bz;
    const double ea = az * az + ay * ay, eb = bz * bz + by * by;
    // bound  qz (da/la − db/lb) / q2  and legs  −ay (ax/la + 1) / ea + by (bx/lb + 1) / eb
    // over one common denominator: division is the fill's costliest step.
    // Selects rather than branches, so that the fill's loop vectorises; a
    // bound segment on P's line (q2 = 0) adds nothing.
    const double q = q2 == 0 ? 1.0 : q2;
    const double bound = q2 == 0 ? 0.0 : qz * (da * lb - db * la) * ea * eb;
    const double legs = q * (by * (bx + lb) * la * ea - ay * (ax + la) * lb * eb);
    return (bound + legs) / (q * la * lb * ea * eb);
}

enum class SolveMethod {
    Refined,          // single-precision LU (LAPACK sgetrf), refined to double accuracy
    Library,          // LAPACK dgesv (LU with partial pivoting)
    Straightforward,  // SIMQ902
};

// Fills the workspace's PanelTotal × PanelTotal matrix: entry (control point
// c, vortex v) = kLoesFactor × (INDU of v + INDU of its mirror). LOES's factor
// is applied here so the matrix is passed over once. The matrix is the
// method's: single precision for Refined (rounded from the double entries),
// double for the others. A lattice whose panel count disagrees with its
// PanelTotal is refused with the EINFLUSS line and nothing is written.
// Columns are filled on up to `threads` threads (0: the machine's cores).
std::optional<Refusal> EINFLUSS(const Lattice& lattice, SolverWorkspace& workspace,
                                SolveMethod method = SolveMethod::Refined, int threads = 0);

// A refined solve stops when a correction, or the next one foreseen from the
// shrinking of the last two, is below this fraction of the solution (largest
// magnitudes): the solution is then good to about 1e-12. It gives up, for
// the double-precision LU, when a correction is not below half the one
// before, or after this many.
constexpr double kRefinedAccuracy = 1e-11;
constexpr int kMaxRefinements = 8;

struct RefinedSolve {
    int corrections = 0;        // solves with the factor, the first from the right-hand side
    double lastCorrection = 0;  // its size relative to the solution
};

struct Circulations {
    std::span<const double> Gamma;        // the first PanelTotal entries of workspace.rhs
    std::optional<RefinedSolve> refined;  // how the refined solve went; none for the others
};

// Solves the filled system with right-hand side −1: Refined by corrections
// whose residuals come from the double-precision entries made afresh (the
// matrix is never held in double precision), falling back to dgesv of the
// double matrix when they do not converge. Gives the circulations, or the
// LOES line when the system is singular. Told the steps to go: n before
// the factorisation and 0 after it (every step for Straightforward).
Outcome<Circulations> LOES(SolverWorkspace& workspace, SolveMethod method, const ProgressFn& progress,
                           int threads = 0);

// max |A·Gamma + 1| of the solution in the workspace, from the entries made
// afresh: the residual of the influence system.
double influenceResidual(SolverWorkspace& workspace, int threads = 0);

}  // namespace ws
