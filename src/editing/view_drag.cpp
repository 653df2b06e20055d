#include "editing/view_drag.h"

#include <algorithm>
#include <cstdint>

namespace ws {

int& BarPositions::at(ViewBar bar) {
    switch (bar) {
        case ViewBar::Elevation:
            return elevation;
        case ViewBar::Azimuth:
            return azimuth;
        case ViewBar::Zoom3D:
            return zoom3D;
        case ViewBar::TopZoom:
            break;
    }
    return topZoom;
}

int BarPositions::at(ViewBar bar) const {
    return const_cast<BarPositions*>(this)->at(bar);
}

namespace {

// Bar steps: a third of the pixel distance, the fraction dropped towards zero.
int stepOf(int from, int to) {
    // The difference of two ints fits in 64 bits; a third of it fits in an int.
    return static_cast<int>((std::int64_t{to} - from) / 3);
}

// Sets a bar as a scroll bar would: limited to its range, a change noted.
void setBar(BarUpdate& update, ViewBar bar, std::int64_t position) {
    const BarRange range = barRange(bar);
    const int limited = static_cast<int>(std::clamp<std::int64_t>(position, range.min, range.max));
    int& current = update.bars.at(bar);
    if (limited == current) return;
    current = limited;
    if (update.changeCount < static_cast<int>(update.changeList.size()))
        update.changeList[static_cast<std::size_t>(update.changeCount++)] = {bar, limited};
}

void moveBar(BarUpdate& update, ViewBar bar, int step) {
    setBar(update, bar, std::int64_t{update.bars.at(bar)} + step);
}

void takeOver(MouseState& state, PixelPoint pointer) {
    state.lastX = pointer.x;
    state.lastY = pointer.y;
}

}  // namespace

void view3DMouseDown(MouseState& state, PixelPoint pointer) {
    takeOver(state, pointer);
    state.view3DIdle = false;
}

BarUpdate view3DMouseMove(MouseState& state, const BarPositions& bars, PixelPoint pointer,
                          const ModifierState& buttons) {
    BarUpdate update{bars};
    if (state.view3DIdle) return update;
    if (buttons.left) {
        moveBar(update, ViewBar::Elevation, stepOf(pointer.y, state.lastY));
        moveBar(update, ViewBar::Azimuth, stepOf(state.lastX, pointer.x));
        takeOver(state, pointer);
    }
    if (buttons.right) {
        moveBar(update, ViewBar::Zoom3D, stepOf(pointer.y, state.lastY));
        moveBar(update, ViewBar::Azimuth, stepOf(state.lastX, pointer.x));
        takeOver(state, pointer);
    }
    return update;
}

void view3DMouseUp(MouseState& state, PixelPoint pointer) {
    takeOver(state, pointer);
    state.view3DIdle = true;
}

bool topViewMouseDown(MouseState& state, PixelPoint pointer, bool resultsValid) {
    takeOver(state, pointer);
    state.topViewIdle = false;
    state.topViewZoomed = false;
    return resultsValid;
}

BarUpdate topViewMouseMove(MouseState& state, const BarPositions& bars, PixelPoint pointer,
                           const ModifierState& buttons) {
    BarUpdate update{bars};
    if (state.topViewIdle || !buttons.left) return update;
    moveBar(update, ViewBar::TopZoom, stepOf(pointer.y, state.lastY));
    state.topViewZoomed = state.topViewZoomed || update.changeCount > 0;
    takeOver(state, pointer);
    return update;
}

TopViewRelease topViewMouseUp(MouseState& state, const BarPositions& bars, PixelPoint pointer,
                              bool resultsValid, bool latticeValid) {
    TopViewRelease release;
    release.zoom.bars = bars;
    const int fitted = barRange(ViewBar::TopZoom).max;
    release.magnified = !state.topViewZoomed && bars.topZoom == fitted;
    setBar(release.zoom, ViewBar::TopZoom, release.magnified ? kClickZoomPosition : fitted);
    state.topViewZoomed = false;
    takeOver(state, pointer);
    state.topViewIdle = true;
    release.runStabil = resultsValid;
    release.drawLattice = resultsValid && latticeValid;
    return release;
}

}  // namespace ws
