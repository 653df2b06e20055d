// The twenty corner handles of a wing's planform view and the hit test.
// Model: mm, chordwise x rearwards from the root leading edge, spanwise y from
// the centre line. View: image pixels, origin (x0, y0) = (W / 2, H / 3)
// truncated; an odd handle (right half) lies at column x0 + y·s, an even one
// (left half) at x0 − y·s, both at row y0 + x·s, s being PlanformScale.
#pragma once

#include "editing/cursor_shape.h"
#include "editing/mouse_input.h"
#include "model/aircraft.h"

namespace ws {

constexpr int kHandleCount = 20;

// The planform view as its last drawing left it.
struct PlanformFrame {
    double scale = 0;  // PlanformScale, pixels per mm
    int width = 0;     // image W, pixels
    int height = 0;    // image H, pixels

    int originX() const { return width / 2; }
    int originY() const { return height / 3; }
};

// A corner in mm: y from the centre line (the half follows from the handle
// number), x behind the root leading edge.
struct HandleCorner {
    double y = 0;
    double x = 0;
};

// Handles 1..20: 1, 2 root leading edge; 3, 4 root trailing edge; then for
// trapezium i = 1..4 the tip leading edge (4i + 1, 4i + 2) and the tip
// trailing edge (4i + 3, 4i + 4). Odd numbers are the right half.
// Every trapezium counts, whatever the wing's TrapCount.
constexpr bool isRightHalfHandle(int handle) {
    return handle % 2 == 1;
}
constexpr int handleTrapezium(int handle) {
    return (handle - 1) / 4;
}  // 0: root chord
constexpr bool isLeadingEdgeHandle(int handle) {
    return (handle - 1) % 4 < 2;
}

HandleCorner handleCorner(const WingParams& params, int handle);

// The handle under the pointer, 0 for none. A handle is hit when the pointer
// lies less than 3 pixels from it both across and along the image, measured
// against the unrounded products; where handles coincide the highest number
// wins. A view without a positive scale has no handles.
int hitTest(const WingParams& params, const PlanformFrame& frame, PixelPoint pointer);

// The cursor over a handle (Cross for 0).
CursorShape handleCursor(int handle);

}  // namespace ws
