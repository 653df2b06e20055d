// A window placed by the settings file where no screen shows it whole is
// brought onto the screen it overlaps most. Logical pixels of the desktop.
#pragma once

#include <QList>
#include <QRect>
#include <QSize>

namespace ws {

// `window` as it is when it lies wholly on one of the screens' `available`
// areas; else moved onto the screen it overlaps most (the first when it
// overlaps none) and, where it is larger, shrunk to it, but never below
// `minimum` (a window that cannot fit keeps its top-left corner on the screen).
QRect fittedWindow(const QRect& window, const QList<QRect>& available, const QSize& minimum);

}  // namespace ws
