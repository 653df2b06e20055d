// What the window keeps between mouse events of its images. One instance is
// shared by the three planform views, the 3-D view and the top view.
#pragma once

namespace ws {

struct MouseState {
    // Planform editing (pixels of the planform image).
    int hoveredHandle = 0;  // 0..20, 0: none
    int draggedHandle = 0;  // handle hit by the last press, 0: none
    int pressX = 0;
    int pressY = 0;

    // Aircraft views (pixels of whichever of the two images was last used).
    int lastX = 0;
    int lastY = 0;
    bool view3DIdle = true;      // no drag on the 3-D view; planform presses and releases share it
    bool topViewIdle = true;     // no drag on the top view
    bool topViewZoomed = false;  // the press on the top view has moved its zoom bar
};

}  // namespace ws
