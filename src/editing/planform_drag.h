// Editing a wing by dragging a corner of its planform view: which fields a
// handle changes, the values a release writes, and the three mouse handlers
// the planform images forward their events to.
//
// Nothing changes while a button is held; a release yields the writes, which
// the wing page hands to the document as one step. All values of one release
// come from the WingParams read at the release, so their order does not
// change the outcome.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "editing/cursor_shape.h"
#include "editing/mouse_input.h"
#include "editing/mouse_state.h"
#include "editing/planform_handles.h"
#include "editing/wing_fields.h"
#include "model/aircraft.h"

namespace ws {

// The fields a drag of `handle` writes, in writing order: offset before span,
// then, when `shiftAlone`, the offsets of the trapeziums further out (only for
// a tip leading edge), root to tip. Empty for handle 0.
std::vector<WingField> handleFields(int handle, bool shiftAlone);

// The fields coloured yellow while `handle` is hovered; the outer offsets join
// only while the state is Shift alone.
FieldSet highlightedFields(int handle, const ModifierState& modifiers);

struct FieldWrite {
    WingField field = WingField::Gap;
    std::string text;  // whole millimetres, no padding: "312", "-15"
    friend bool operator==(const FieldWrite&, const FieldWrite&) = default;
};

// The writes of a drag of `handle` from `press` to `release` (pixels) on a
// view of `scale` pixels per mm. `gapText` is the gap field's text as it
// stands: dragging the left root handle past the centre line mirrors the gap
// only when that text is exactly "0". Values are rounded halves to even.
// Only the gap is kept from going negative; chords and spans may, and the
// wing reads them as absolute values. No writes for handle 0 or a view
// without a positive scale.
std::vector<FieldWrite> releaseWrites(const WingParams& params, int handle, PixelPoint press,
                                      PixelPoint release, double scale, const ModifierState& modifiers,
                                      std::string_view gapText);

// What the hovered view shows: its cursor and, of the wing's fourteen fields,
// those to colour yellow (the others get the normal background).
struct PlanformHover {
    int handle = 0;
    CursorShape cursor = CursorShape::Cross;
    FieldSet highlighted;
};

// Mouse move over a planform image (any buttons).
PlanformHover planformMouseMove(MouseState& state, const WingParams& params, const PlanformFrame& frame,
                                PixelPoint pointer, const ModifierState& modifiers);

// Mouse press, any button: remembers the handle and the point; starts a drag
// as far as the 3-D view is concerned.
void planformMouseDown(MouseState& state, const WingParams& params, const PlanformFrame& frame,
                       PixelPoint pointer);

// Mouse release: the writes of the handle pressed last, then the release point
// becomes the press point and the drag ends.
std::vector<FieldWrite> planformMouseUp(MouseState& state, const WingParams& params,
                                        const PlanformFrame& frame, PixelPoint pointer,
                                        const ModifierState& modifiers, std::string_view gapText);

}  // namespace ws
