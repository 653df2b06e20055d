// The vortex lattice over the right half of every wing in the calculation:
// GRID sizes it, TRAWY2 computes its coordinates, TRAPEZ_TRIM spaces the
// strips of one trapezium. mm, aircraft frame (x rearwards, y spanwise to the
// right tip, z up). Wings, trapeziums, strips and panels are counted from 1
// in every accessor, as in the rest of the program.
#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include "model/aircraft.h"
#include "model/planform.h"
#include "solver/messages.h"
#include "solver/newton.h"

namespace ws {

// Capacities: a wing is refused with kMaxStrips strips or more, with more than
// kMaxChordPanels chordwise panels, the aircraft with more than kMaxUnknowns.
constexpr int kMaxStrips = 300;
constexpr int kMaxChordPanels = 300;
constexpr int kMaxUnknowns = 3000;
constexpr int kTargetPanels = 400;  // of the largest wing, what the window always uses
constexpr int kFewestPanels = 100;  // the coarsest target: coarser ones are far from any converged value
constexpr int kTrimIterations = 20;

// The planforms of wings 1..3 (element 0 unused).
using WingPlanforms = std::array<WingPlanform, kMaxWings + 1>;

struct LatticeSizes {
    int CalcWingCount = 0;
    std::array<int, kMaxWings + 1> ChordPanels{};  // per strip of wing w, the same for all its strips
    std::array<std::array<int, kMaxTrapeziums + 1>, kMaxWings + 1> StripCount{};  // [w][k]
    std::array<int, kMaxWings + 1> WingStrips{};                                  // sum of StripCount[w]
    int PanelTotal = 0;  // unknowns of the influence system
};

// Geometry of the lattice. Storage is flat and sized to the lattice; panels
// are numbered like the unknowns of the influence system: wing by wing,
// strip by strip from root to tip, chordwise from the leading edge.
struct Lattice {
    LatticeSizes sizes;
    std::array<double, kMaxWings + 1> WingZ{};  // height of every vortex and control point of wing w

    // Where wing w starts in the flat tables (counted from 0).
    std::array<int, kMaxWings + 1> firstStrip{}, firstPanel{}, firstCorner{};

    // Per strip.
    std::vector<double> VortexYL, VortexYR;  // strip edges; EdgeYL and EdgeYR are the same values
    std::vector<double> ControlY;            // middle line
    std::vector<double> StripChord;
    std::vector<double> StripLeadX,
        StripTrailX;  // middle leading and trailing edge (ControlX[0], [ChordPanels+1])
    // Per panel.
    std::vector<double> VortexXL, VortexXR;  // ends of the bound vortex (quarter chord)
    std::vector<double> ControlX;            // control point (three-quarter chord, middle line)
    // Per corner line, ChordPanels + 1 per strip (the last is the trailing edge).
    std::vector<double> CornerXL, CornerXR;

    std::size_t stripIndex(int s, int w) const { return std::size_t(firstStrip[w] + s - 1); }
    std::size_t panelIndex(int i, int s, int w) const {
        return std::size_t(firstPanel[w] + (s - 1) * sizes.ChordPanels[w] + i - 1);
    }
    std::size_t cornerIndex(int i, int s, int w) const {
        return std::size_t(firstCorner[w] + (s - 1) * (sizes.ChordPanels[w] + 1) + i - 1);
    }

    double vortexXL(int i, int s, int w) const { return VortexXL[panelIndex(i, s, w)]; }
    double vortexXR(int i, int s, int w) const { return VortexXR[panelIndex(i, s, w)]; }
    double vortexYL(int s, int w) const { return VortexYL[stripIndex(s, w)]; }
    double vortexYR(int s, int w) const { return VortexYR[stripIndex(s, w)]; }
    double edgeYL(int s, int w) const { return VortexYL[stripIndex(s, w)]; }
    double edgeYR(int s, int w) const { return VortexYR[stripIndex(s, w)]; }
    double cornerXL(int i, int s, int w) const { return CornerXL[cornerIndex(i, s, w)]; }
    double cornerXR(int i, int s, int w) const { return CornerXR[cornerIndex(i, s, w)]; }
    // i = 0 is the strip's middle leading edge, i = ChordPanels + 1 its trailing edge.
    double controlX(int i, int s, int w) const;
    double controlY(int s, int w) const { return ControlY[stripIndex(s, w)]; }
    double stripChord(int s, int w) const { return StripChord[stripIndex(s, w)]; }
};

// The sizing rule for wings 1..calcWingCount: `targetPanels` (at least 1)
// aimed at for the largest wing, the others their share by area. Complete
// also for an aircraft GRID refuses; a wing that cannot be sized keeps 0.
// Targets other than kTargetPanels serve convergence studies.
LatticeSizes latticeSizes(const WingPlanforms& wings, int calcWingCount, int targetPanels = kTargetPanels);

// GRID: the sizes, or the refusal of every wing that cannot be sized (no
// area or span, a trapezium of width without chord), has 300 strips or
// more, or more than 300 chordwise panels, and, when no wing was refused,
// of more than 3000 unknowns.
Outcome<LatticeSizes> GRID(const WingPlanforms& wings, int calcWingCount, int targetPanels = kTargetPanels);

// The coordinates of a lattice of the given sizes; heights per wing (after
// the overlap rule). `storage` is a previous lattice whose room is reused.
// Refused when the strip spacing of a trapezium fails, with the lines of
// every trapezium that failed.
Outcome<Lattice> TRAWY2(const LatticeSizes& sizes, const WingPlanforms& wings,
                        const std::array<int, kMaxWings + 1>& WingPosZ, NewtonScratch& scratch,
                        Lattice storage = {});

// Strip-edge fractions t[0..ns] (t[0] = 0, t[ns] = 1) of a trapezium.
using StripFractions = std::array<double, kMaxStrips + 1>;

// The fractions of a trapezium of span dy and chords c0 (root) and c1 (tip)
// in ns strips, so that every strip has the width to chord ratio of the
// outermost. A second Newton solve from the exact geometric spacing
// follows a failed first; the refusal is the second's.
Outcome<StripFractions> TRAPEZ_TRIM(int wing, int trapezium, double dy, double c0, double c1, int ns,
                                    NewtonScratch& scratch);

// The residuals of TRAPEZ_TRIM for neq = ns strips: x = (d_1..d_ns, dy, c0, c1)
// (counted from 0 in the array), F_e = d_e / m_e − d_ns / m_ns for e < ns and
// F_ns = dy − Σ d, m_e the mean chord of strip e.
void FCN(int nvar, int neq, double* F, const double* x);

}  // namespace ws
