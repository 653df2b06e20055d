// What a mouse event of an image hands to the editing rules: the pointer in
// image pixels (x to the right, y downwards) and the keys and buttons down.
#pragma once

namespace ws {

struct PixelPoint {
    int x = 0;
    int y = 0;
};

// Keys and buttons held at the moment of the event. For a release, the
// buttons are those still held afterwards (the released one is not among them).
struct ModifierState {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
    bool left = false;
    bool right = false;
    bool middle = false;

    bool anyButton() const { return left || right || middle; }

    // Exactly {Shift}: a further key or any button held makes it something else.
    bool isShiftAlone() const { return shift && !ctrl && !alt && !anyButton(); }
};

}  // namespace ws
