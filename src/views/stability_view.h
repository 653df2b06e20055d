// The centre-of-gravity display (STABIL's drawing) over the aircraft top
// view: the reference wing highlighted under the lattice, five text rows of
// the reference values and the recommended positions, the red neutral-point
// tick and the blue centre-of-gravity bar (automatic range) or tick (manual
// margin) on the centre line, and the pointer lines (Zeiger) from the rows
// to the marks once a zoom has moved the marks away from the rows.
// Positions mm in the aircraft frame (x rearwards); rows and columns are
// image pixels of the top view.
#pragma once

#include <QColor>
#include <optional>
#include <span>

#include "solver/evaluation.h"
#include "stability/stability.h"
#include "texts/catalogue.h"
#include "views/balance_mark.h"
#include "views/canvas.h"
#include "views/lattice_overlay.h"
#include "views/top_view.h"

namespace ws {

// Top rows of the text lines, all starting at column kStabilityTextLeft.
constexpr int kMacLeRow = 215;  // the leading edge of the reference wing's mean chord
constexpr int kRefAreaRow = 232;
constexpr int kRefChordRow = 249;
constexpr int kCgFrontRow = 266;  // automatic mode only
constexpr int kCgRearRow = 282;   // the desired row in manual mode
constexpr int kNeutralPointRow = 298;
constexpr int kStabilityTextLeft = 9;

// The light edge of 3-D elements (Windows' COLOR_3DLIGHT, Qt's Midlight):
// the reference wing and the text cell of the first row while the lattice
// belongs to the aircraft.
QColor referenceHighlight();

// What the display shows, as plain values.
struct StabilityDisplay {
    StabilityRows rows;  // the texts, trailing blanks included
    MacRows mac;         // the leading edge's row and what the positions add in % of lm
    double AnpAircraft = 0;
    double CgRear = 0, CgFront = 0, CgDesired = 0;
    bool manual = false;                  // one desired row and tick instead of the automatic range
    std::optional<BalanceMark> actualCg;  // the centre of gravity as built, when known
};

// The reference values, the neutral point and the mean chord's leading edge come from `results`.
StabilityDisplay stabilityDisplay(const StabilityNumbers& numbers, const Evaluation& results, bool manual);

// What the lattice and the highlight are drawn from.
struct StabilityBackground {
    const AircraftDrawing* aircraft = nullptr;  // required
    const LatticeDrawing* lattice = nullptr;    // may be null: no lattice
    std::span<const OutlinePoint> RefOutline;   // half planform of the reference wing, mm
    bool LatticeValid = false;                  // false also for results opened from a file
};

// Repaints the whole top view with the display: cleared, the highlight and
// the lattice (LatticeValid), the outlines, the rows and the marks, which
// stand out on a border of the background so that no lattice line hides them. The transform is settled first
// (kept when fromZoomBar, else fitted anew) so that every part is drawn in the same one; it is returned.
TopViewTransform drawStabilityView(Canvas& canvas, const StabilityBackground& background,
                                   const StabilityDisplay& display, const TopViewTransform& current,
                                   bool fromZoomBar);

// The rows and the marks alone (STABIL steps after the top view), over
// whatever the image holds. `firstRowHighlighted`: LatticeValid.
void drawStabilityRows(Canvas& canvas, const StabilityDisplay& display, const TopViewTransform& view,
                       bool firstRowHighlighted);

// Pointer lines from the middles of the text rows (right of the longest) to
// the marks: blue to the front and rear positions (automatic) or the desired
// one (manual), red to the neutral point. Drawn in the current pen width.
void Zeiger(Canvas& canvas, const StabilityDisplay& display, const TopViewTransform& view);

}  // namespace ws
