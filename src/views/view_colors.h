// The colours of the drawings. The views' background is the platform's
// tooltip background (a named system colour, pale yellow in the usual scheme).
#pragma once

#include <QColor>

namespace ws {

// The application palette's tooltip base; needs the application object.
QColor tooltipBackground();
inline QColor frameGrey() {
    return QColor(128, 128, 128);
}
inline QColor schematicSilver() {
    return QColor(192, 192, 192);
}
inline QColor schematicAqua() {
    return QColor(0, 255, 255);
}

// Wing 1 blue, wing 2 fuchsia, wing 3 green; anything else black.
inline QColor viewWingColor(int wing) {
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
