// What the window's mouse handlers share: Qt's event state as the editing
// rules read it, and the editing rules' cursors as Qt's standard ones.
#pragma once

#include <Qt>

#include "editing/cursor_shape.h"
#include "editing/mouse_input.h"

namespace ws {

inline ModifierState modifierState(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
    ModifierState m;
    m.shift = modifiers.testFlag(Qt::ShiftModifier);
    m.ctrl = modifiers.testFlag(Qt::ControlModifier);
    m.alt = modifiers.testFlag(Qt::AltModifier);
    m.left = buttons.testFlag(Qt::LeftButton);
    m.right = buttons.testFlag(Qt::RightButton);
    m.middle = buttons.testFlag(Qt::MiddleButton);
    return m;
}

inline Qt::CursorShape qtCursor(CursorShape shape) {
    switch (shape) {
        case CursorShape::Cross:
            return Qt::CrossCursor;
        case CursorShape::SizeHor:
            return Qt::SizeHorCursor;
        case CursorShape::SizeVer:
            return Qt::SizeVerCursor;
        case CursorShape::SizeAll:
            return Qt::SizeAllCursor;
        case CursorShape::Arrow:
            return Qt::ArrowCursor;
        case CursorShape::Drag:
            return Qt::OpenHandCursor;
        case CursorShape::PointingHand:
            return Qt::PointingHandCursor;
    }
    return Qt::ArrowCursor;
}

}  // namespace ws
