// The vortex lattice drawn under the top view's outlines: every panel of the
// right half-span of every wing in the calculation, filled with the view
// background so a higher wing hides the panels of a lower one.
// Aircraft frame, mm: x rearwards (wing position included), y spanwise.
#pragma once

#include <array>
#include <vector>

#include "model/aircraft.h"
#include "views/canvas.h"
#include "views/top_view.h"

namespace ws {

// One spanwise strip: its side edges and, along each, the chordwise lattice
// lines CornerXL / CornerXR [1..ChordPanels+1] (element 0 unused; the last
// is the trailing edge).
struct GridStrip {
    double EdgeYL = 0;             // inboard edge
    double EdgeYR = 0;             // outboard edge
    std::vector<double> CornerXL;  // along the inboard edge
    std::vector<double> CornerXR;  // along the outboard edge
};

struct GridWing {
    int ChordPanels = 0;
    double height = 0;              // the lattice's height of the wing (after any overlap move)
    std::vector<GridStrip> strips;  // root to tip; WingStrips = strips.size()
};

// What the lattice overlay draws: a plain copy of the calculation's lattice.
struct LatticeDrawing {
    int wingCount = 0;                           // wings in the calculation, 1..3
    std::array<GridWing, kMaxWings + 1> wing{};  // [1..wingCount]
};

// One wing's panels in its colour. A strip whose corner lists are shorter
// than ChordPanels+2 is skipped.
void DrawGrid1(Canvas& canvas, const GridWing& wing, int number, const TopViewTransform& view);

// All wings, later ones covering earlier ones: two wings are drawn wing 1
// first only when it is the lower, so at equal heights wing 1 ends on top;
// three lowest first, equal heights in number order.
void DrawGrid(Canvas& canvas, const LatticeDrawing& lattice, const TopViewTransform& view);

// The top view as a redraw of the window shows it: cleared, the lattice
// underneath while it belongs to the aircraft (`lattice` given, ResultsValid
// and LatticeValid), then the outlines. The lattice is drawn in the transform
// the outlines are drawn in. Returns that transform (see d_1d for `fromZoomBar`).
TopViewTransform redrawTopView(Canvas& canvas, const AircraftDrawing& aircraft, const LatticeDrawing* lattice,
                               bool ResultsValid, bool LatticeValid, const TopViewTransform& current,
                               bool fromZoomBar);

}  // namespace ws
