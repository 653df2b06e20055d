// The colours of the drawings. The views' background is the platform's
// tooltip background (system colour 24), pale yellow in the usual scheme.
#pragma once

#include <QColor>

namespace ws {

inline QColor viewBackground() {
    return QColor(255, 255, 225);
}
inline QColor viewFrame() {
    return QColor(128, 128, 128);
}
inline QColor silver() {
    return QColor(192, 192, 192);
}
inline QColor aqua() {
    return QColor(0, 255, 255);
}

// Wing 1 blue, wing 2 fuchsia, wing 3 green; anything else black.
inline QColor wingColor(int wing) {
    switch (wing) {
        case 1:
            return QColor(0, 0, 255);
        case 2:
            return QColor(255, 0, 255);
        case 3:
            return QColor(0, 128, 0);
        default:
            return QColor(0, 0, 0);
    }
}

}  // namespace ws
