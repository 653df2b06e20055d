// The aircraft top view: every wing in use at its chordwise position, drawn
// lowest first, with the axes and the flight direction. Its transform is the
// frame in which the stability display and the mouse control draw.
// Model: mm, x rearwards (down the image), y spanwise; image pixels, y downward.
#pragma once

#include <QPoint>
#include <array>

#include "model/aircraft.h"
#include "model/planform.h"
#include "views/canvas.h"

namespace ws {

// What the aircraft views read of the aircraft.
struct AircraftDrawing {
    int WingCount = 1;                                   // wings outlined (the wing-count choice)
    int CalcWingCount = 1;                               // wings taken into the fitting
    std::array<WingPlanform, kMaxWings + 1> planform{};  // [1..3]
    std::array<double, kMaxWings + 1> WingPosX{};        // [1..3] root leading edge, mm
    std::array<double, kMaxWings + 1> WingPosZ{};        // [1..3] height, mm
};

// Every wing recalculated from the model, positions as in the model.
AircraftDrawing aircraftDrawing(const AircraftModel& model);

// The top view's kept state. A point (x, y) lies at column
// round(W/2 - y * TopViewScale) and row round(x * TopViewScale + TopViewOriginY).
// The window keeps one and replaces it by what every top-view drawing
// returns; the top-view zoom changes TopViewScale and redraws with
// fromZoomBar set, the 3-D zoom bar sets View3DScale (ScrollBar4Change).
struct TopViewTransform {
    int width = 0;                // W of the image the fitting was made for
    double TopViewScale = 1;      // pixels per mm in use (zoomed or fitted)
    double TopViewBaseScale = 1;  // the fitted scale
    double View3DScale = 1;       // the 3-D view's scale; every fitting sets it to the fitted scale
    int centreColumn = 0;         // round(W/2): the aircraft centre line
    int TopViewOriginY = 0;       // row of x = 0

    QPoint toPixel(double x, double y) const;
};

// Fits the wings of the calculation (CalcWingCount) into a width x height image.
// Wings not in the calculation count with half-span 1, rear edge 1 and front
// edge 0, so the x = 0 row never lies above H/7; it moves down when a tip
// leading edge lies ahead of x = 0. Degenerate aircraft (no span, no
// chordwise extent) still get a finite scale.
TopViewTransform fitTopView(const AircraftDrawing& aircraft, int width, int height);

// The wings 1..3 from the lowest to the highest; equal heights keep their number order.
std::array<int, 3> heightOrder(const std::array<double, kMaxWings + 1>& WingPosZ);

// Clears an aircraft-page image: background with a grey frame.
void clearAircraftView(Canvas& canvas);

// The top view over an image the caller has cleared. A redraw requested by
// the top-view zoom bar keeps `current` unchanged (zoomed scale, origin and
// centre column); any other redraw fits anew. Returns the transform drawn with.
TopViewTransform d_1d(Canvas& canvas, const AircraftDrawing& aircraft, const TopViewTransform& current,
                      bool fromZoomBar);

// The outline of wing 1, 2 or 3 in its colour.
void d_1d_w(Canvas& canvas, const AircraftDrawing& aircraft, int wing, const TopViewTransform& view);

}  // namespace ws
