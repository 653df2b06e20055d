#include "views/balance_mark.h"

#include <QFontMetrics>
#include <vector>

#include "views/stability_view.h"
#include "views/view_colors.h"

namespace ws {

namespace {
constexpr int kHalf = 5;  // pixels from the diamond's centre to its corners
}

QColor balanceColour() {
    return {200, 100, 0};
}

void drawBalanceMark(Canvas& canvas, const BalanceMark& mark, const TopViewTransform& view) {
    const QPoint at = view.toPixel(mark.cg, 0);
    const QString row = QString::fromStdString(mark.row);
    canvas.setPenWidth(1);
    canvas.setPenColor(balanceColour());
    canvas.setBrushColor(balanceColour());
    canvas.polygon({{at.x(), at.y() - kHalf},
                    {at.x() + kHalf, at.y()},
                    {at.x(), at.y() + kHalf},
                    {at.x() - kHalf, at.y()}});
    canvas.setBrushColor(tooltipBackground());
    canvas.setFontColor(balanceColour());
    const QFontMetrics metrics(canvas.font());
    canvas.textOut(at.x() - kHalf - 4 - metrics.horizontalAdvance(row), at.y() - metrics.height() / 2, row);
    canvas.textOut(kStabilityTextLeft, kBalanceRow, row);
    canvas.setFontColor(Qt::black);
}

}  // namespace ws
