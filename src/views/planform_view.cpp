#include "views/planform_view.h"

#include <algorithm>

#include "views/pixel_math.h"
#include "views/view_colors.h"
#include "views/wing_outline.h"

namespace ws {

double PlanformScale(const WingPlanform& planform, int width, int height) {
    const WingOutline w = outlineOf(planform);
    const double tip = w.y[w.n];
    const double sx = tip > 0 ? width / 2.03 / tip : 1.0;
    double extent = rearmostEdge(w);
    for (int i = 1; i <= w.n; ++i) {
        if (-2 * w.o[i] > extent) extent = -2 * w.o[i];
    }
    if (!(extent > 0)) return sx;
    return std::min(sx, height / 1.6 / extent);
}

double drawPlanformView(Canvas& canvas, const WingPlanform& planform, int wing, bool ResultsValid,
                        double anpRelative) {
    const int W = canvas.width();
    const int H = canvas.height();
    const int x0 = W / 2;
    const int y0 = H / 3;
    const QColor outlineColour = viewWingColor(wing);

    // The frame keeps the outline colour, as a repaint over the last drawing would.
    canvas.setPenColor(outlineColour);
    canvas.setPenWidth(1);
    canvas.setBrushColor(tooltipBackground());
    canvas.rectangle(0, 0, W, H);

    const double s = PlanformScale(planform, W, H);

    canvas.setPenColor(Qt::black);
    canvas.line(W, y0, 0, y0);
    canvas.line(x0, 0, x0, H);
    canvas.lineTo(x0 + 2, H - 10);
    canvas.moveTo(x0, H);
    canvas.lineTo(x0 - 2, H - 10);
    canvas.moveTo(W - 10, y0 + 2);
    canvas.lineTo(W, y0);
    canvas.lineTo(W - 10, y0 - 2);

    canvas.setPenColor(Qt::red);
    canvas.moveTo(x0 + 20, 30);
    canvas.lineTo(x0 + 20, 3);
    canvas.lineTo(x0 + 18, 13);
    canvas.moveTo(x0 + 20, 3);
    canvas.lineTo(x0 + 22, 13);

    const double r25 = planform.WingR25;
    const double lm = planform.WingMAC;
    canvas.setPenWidth(2);
    const int r25Row = nearPixel(r25 * s + y0);
    canvas.line(x0 - 1, r25Row, x0 + 2, r25Row);
    canvas.setPenWidth(1);

    canvas.line(x0, nearPixel((r25 - lm / 4) * s + y0), x0, nearPixel((r25 + 3 * lm / 4) * s + y0));

    if (ResultsValid) {
        canvas.setPenColor(Qt::black);
        const int anpRow = nearPixel(anpRelative * s + y0);
        canvas.line(x0 - 3, anpRow, x0 + 4, anpRow);
    }

    canvas.setPenColor(outlineColour);
    drawOutline(canvas, outlineOf(planform), [&](const PlanformPoint& p) {
        return QPoint(x0 + nearPixel(p.y * s), y0 + nearPixel(p.x * s));
    });

    canvas.setFontColor(Qt::black);
    canvas.setBrushColor(tooltipBackground());
    canvas.textOut(x0 + 5, H - 20, QStringLiteral("x"));
    canvas.textOut(W - 18, y0 - 17, QStringLiteral("y"));
    return s;
}

}  // namespace ws
