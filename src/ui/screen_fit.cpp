#include "ui/screen_fit.h"

#include <algorithm>

namespace ws {

QRect fittedWindow(const QRect& window, const QList<QRect>& available, const QSize& minimum) {
    if (available.isEmpty()) return window;
    for (const QRect& screen : available)
        if (screen.contains(window)) return window;
    const auto overlap = [&window](const QRect& screen) {
        const QRect common = screen.intersected(window);
        return common.isEmpty() ? 0LL : 1LL * common.width() * common.height();
    };
    const QRect screen =
        *std::max_element(available.begin(), available.end(),
                          [&](const QRect& a, const QRect& b) { return overlap(a) < overlap(b); });
    const QSize size = window.size().boundedTo(screen.size()).expandedTo(minimum);
    const int left = std::max(screen.left(), std::min(window.left(), screen.right() + 1 - size.width()));
    const int top = std::max(screen.top(), std::min(window.top(), screen.bottom() + 1 - size.height()));
    return {QPoint(left, top), size};
}

}  // namespace ws
