// Turning and zooming the aircraft views with the mouse. The 3-D view's drag
// moves its elevation, azimuth and zoom bars; the top view's left-button drag
// moves its zoom bar and a release returns it to the fitted scale.
//
// A drag moves a bar by trunc(pixels / 3) per move event, the pointer's last
// point being taken over at every event, so slow movement (under 3 pixels per
// event) does not move a bar. Positions are clamped to the bar's range. The
// handlers return the bar positions after the event and the changes in the
// order the bars are set; the window sets each changed bar, whose change
// action redraws its view.
#pragma once

#include <array>
#include <span>

#include "editing/cursor_shape.h"
#include "editing/mouse_input.h"
#include "editing/mouse_state.h"

namespace ws {

enum class ViewBar {
    Elevation,  // ScrollBar1, 0..90; up raises it (lowers the elevation angle)
    Azimuth,    // ScrollBar2, 0..360; right raises it
    Zoom3D,     // ScrollBar4, 10..97; up raises it (shrinks the 3-D view)
    TopZoom,    // ScrollBar3, 10..100; 100 is the fitted top view, down magnifies
};

struct BarRange {
    int min = 0;
    int max = 0;
};

constexpr BarRange barRange(ViewBar bar) {
    switch (bar) {
        case ViewBar::Elevation:
            return {0, 90};
        case ViewBar::Azimuth:
            return {0, 360};
        case ViewBar::Zoom3D:
            return {10, 97};
        case ViewBar::TopZoom:
            return {10, 100};
    }
    return {};
}

// Start-up positions.
struct BarPositions {
    int elevation = 80;
    int azimuth = 250;
    int zoom3D = 75;
    int topZoom = 100;

    int& at(ViewBar bar);
    int at(ViewBar bar) const;
    friend bool operator==(const BarPositions&, const BarPositions&) = default;
};

struct BarChange {
    ViewBar bar = ViewBar::Elevation;
    int position = 0;
    friend bool operator==(const BarChange&, const BarChange&) = default;
};

struct BarUpdate {
    BarPositions bars;
    std::array<BarChange, 4> changeList{};
    int changeCount = 0;

    std::span<const BarChange> changes() const {
        return std::span<const BarChange>(changeList.data(), static_cast<std::size_t>(changeCount));
    }
};

// 3-D view (Image3). A press with any button starts a drag; while it lasts a
// move with the left button turns (elevation by the vertical, azimuth by the
// horizontal movement), then one with the right button zooms and turns by
// whatever movement the left rule has not already taken over.
void view3DMouseDown(MouseState& state, PixelPoint pointer);
BarUpdate view3DMouseMove(MouseState& state, const BarPositions& bars, PixelPoint pointer,
                          const ModifierState& buttons);
void view3DMouseUp(MouseState& state, PixelPoint pointer);

constexpr CursorShape kView3DCursor = CursorShape::PointingHand;

// Top view (Image2). Returns whether to draw the centre-of-gravity pointer
// (Zeiger), which exists only once results do.
bool topViewMouseDown(MouseState& state, PixelPoint pointer, bool resultsValid);

// Only the left button zooms.
BarUpdate topViewMouseMove(MouseState& state, const BarPositions& bars, PixelPoint pointer,
                           const ModifierState& buttons);

// The release of a drag restores the fitted view; a click (a press whose
// movement zoomed nothing) toggles between the fitted view and the one
// magnified kClickZoom times. The window sets the zoom bar (its change
// action runs if it moved); unless `magnified`, it then clears the image,
// draws the top view with a new fitting and, as flagged, the lattice and the
// stability marks.
constexpr int kClickZoomPosition = 50;  // magnified 1 + 0.04 × (100 − 50) = 3 times
struct TopViewRelease {
    BarUpdate zoom;            // TopZoom at 100, or at kClickZoomPosition when magnified
    bool magnified = false;    // a click on the fitted view
    bool drawLattice = false;  // ResultsValid and LatticeValid
    bool runStabil = false;    // ResultsValid
};
TopViewRelease topViewMouseUp(MouseState& state, const BarPositions& bars, PixelPoint pointer,
                              bool resultsValid, bool latticeValid);

// The drag cursor once results exist, else the default arrow.
constexpr CursorShape topViewCursor(bool resultsValid) {
    return resultsValid ? CursorShape::Drag : CursorShape::Arrow;
}

}  // namespace ws
