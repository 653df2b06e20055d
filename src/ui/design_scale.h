// Design pixels to screen (logical) pixels. The window was laid out at 120
// pixels per inch and is shown as on a 96-dpi screen, where its controls
// took 96/120 of their design size while the pictures drawn in them keep
// their fixed pixel coordinates: only so do the entry fields meet the arrows
// of the dimension sketch beneath them and the pictures fill their images.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include "model/number_format.h"

namespace ws {

inline constexpr int kDesignDpi = 120;
inline constexpr int kScreenDpi = 96;

inline int design(int v) {
    return roundInt(double(v) * kScreenDpi / kDesignDpi);
}

inline QPoint design(int left, int top) {
    return {design(left), design(top)};
}

// Edges are mapped, not sizes, so controls that touch at design size still touch.
inline QRect design(int left, int top, int width, int height) {
    const int x = design(left);
    const int y = design(top);
    return {x, y, design(left + width) - x, design(top + height) - y};
}

inline QRect design(const QRect& r) {
    return design(r.x(), r.y(), r.width(), r.height());
}

inline QSize designSize(int width, int height) {
    return {design(width), design(height)};
}

}  // namespace ws
