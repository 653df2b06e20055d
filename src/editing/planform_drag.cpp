#include "editing/planform_drag.h"

#include <cmath>

#include "model/number_format.h"

namespace ws {

std::vector<WingField> handleFields(int handle, bool shiftAlone) {
    if (handle < 1 || handle > kHandleCount) return {};
    const int i = handleTrapezium(handle);
    if (i == 0) return {handle <= 2 ? WingField::Gap : WingField::RootChord};
    if (!isLeadingEdgeHandle(handle)) return {chordField(i)};
    std::vector<WingField> fields = {offsetField(i), spanField(i)};
    if (shiftAlone)
        for (int t = i + 1; t <= kMaxTrapeziums; ++t) fields.push_back(offsetField(t));
    return fields;
}

FieldSet highlightedFields(int handle, const ModifierState& modifiers) {
    FieldSet set;
    for (WingField f : handleFields(handle, modifiers.isShiftAlone())) set.insert(f);
    return set;
}

namespace {

// The gap after a drag of a root leading-edge handle by dX mm (right positive).
double draggedGap(int handle, double g, double dX, std::string_view gapText) {
    if (handle == 1) {
        const double v = g + dX;
        return v < 0 ? 0 : v;
    }
    const double v = g - dX;
    if (v >= 0) return v;
    // Blanks do not count: a loaded file pads its zero ("   0"), and that gap must open alike.
    const std::size_t first = gapText.find_first_not_of(' ');
    if (first == std::string_view::npos) return 0;
    const std::size_t last = gapText.find_last_not_of(' ');
    return gapText.substr(first, last + 1 - first) == "0" ? -v : 0;
}

}  // namespace

std::vector<FieldWrite> releaseWrites(const WingParams& params, int handle, PixelPoint press,
                                      PixelPoint release, double scale, const ModifierState& modifiers,
                                      std::string_view gapText) {
    std::vector<FieldWrite> writes;
    if (handle < 1 || handle > kHandleCount || !(scale > 0) || !std::isfinite(scale)) return writes;
    const double dX = (static_cast<double>(release.x) - press.x) / scale;
    const double dY = (static_cast<double>(release.y) - press.y) / scale;
    const double sigma = isRightHalfHandle(handle) ? 1.0 : -1.0;
    auto write = [&writes](WingField field, double value) {
        writes.push_back({field, padded(roundInt(value), 0)});
    };

    const int i = handleTrapezium(handle);
    const auto tip = static_cast<std::size_t>(i) + 1;
    if (i == 0) {
        if (handle <= 2)
            write(WingField::Gap, draggedGap(handle, params.WingGap, dX, gapText));
        else
            write(WingField::RootChord, params.ChordMm[1] + dY);
    } else if (isLeadingEdgeHandle(handle)) {
        const double inner = i == 1 ? static_cast<double>(params.WingGap) : params.StationYMm[tip - 1];
        write(offsetField(i), params.OffsetMm[tip] + dY);
        write(spanField(i), (params.StationYMm[tip] - inner) + sigma * dX);
        if (modifiers.isShiftAlone())
            for (int t = i + 1; t <= kMaxTrapeziums; ++t)
                write(offsetField(t), params.OffsetMm[static_cast<std::size_t>(t) + 1] + dY);
    } else {
        write(chordField(i), params.ChordMm[tip] + dY);
    }
    return writes;
}

PlanformHover planformMouseMove(MouseState& state, const WingParams& params, const PlanformFrame& frame,
                                PixelPoint pointer, const ModifierState& modifiers) {
    state.hoveredHandle = hitTest(params, frame, pointer);
    return {state.hoveredHandle, handleCursor(state.hoveredHandle),
            highlightedFields(state.hoveredHandle, modifiers)};
}

void planformMouseDown(MouseState& state, const WingParams& params, const PlanformFrame& frame,
                       PixelPoint pointer) {
    state.view3DIdle = false;
    state.draggedHandle = hitTest(params, frame, pointer);
    state.pressX = pointer.x;
    state.pressY = pointer.y;
}

std::vector<FieldWrite> planformMouseUp(MouseState& state, const WingParams& params,
                                        const PlanformFrame& frame, PixelPoint pointer,
                                        const ModifierState& modifiers, std::string_view gapText) {
    std::vector<FieldWrite> writes = releaseWrites(params, state.draggedHandle, {state.pressX, state.pressY},
                                                   pointer, frame.scale, modifiers, gapText);
    state.pressX = pointer.x;
    state.pressY = pointer.y;
    state.view3DIdle = true;
    return writes;
}

}  // namespace ws
