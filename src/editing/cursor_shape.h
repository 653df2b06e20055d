// The platform's standard cursors that the editing rules ask for; the widget
// maps each to its toolkit's own (Qt: SizeHorCursor, SizeVerCursor, ...).
#pragma once

namespace ws {

enum class CursorShape {
    Cross,         // a planform view with no handle under the pointer
    SizeHor,       // horizontal double arrow
    SizeVer,       // vertical double arrow
    SizeAll,       // four-way arrow
    Arrow,         // the default pointer
    Drag,          // the top view once results exist
    PointingHand,  // the 3-D view
};

}  // namespace ws
