#include "views/top_view.h"

#include <QCoreApplication>

#include <algorithm>

#include "views/pixel_math.h"
#include "views/view_colors.h"
#include "views/wing_outline.h"

namespace ws {

AircraftDrawing aircraftDrawing(const AircraftModel& model) {
    AircraftDrawing a;
    a.WingCount = model.WingCount;
    a.CalcWingCount = model.CalcWingCount;
    for (int w = 1; w <= kMaxWings; ++w) {
        a.planform[w] = Calc_W(model.wing[w]);
        a.WingPosX[w] = model.wing[w].WingPosX;
        a.WingPosZ[w] = model.wing[w].WingPosZ;
    }
    return a;
}

QPoint TopViewTransform::toPixel(double x, double y) const {
    return QPoint(nearPixel(width / 2.0 - y * TopViewScale), nearPixel(x * TopViewScale + TopViewOriginY));
}

TopViewTransform fitTopView(const AircraftDrawing& aircraft, int width, int height) {
    std::array<double, kMaxWings + 1> halfSpan{0, 1, 1, 1};
    std::array<double, kMaxWings + 1> rear{0, 1, 1, 1};
    std::array<double, kMaxWings + 1> front{0, 0, 0, 0};
    const int N = clampedWingCount(aircraft.CalcWingCount);
    for (int k = 1; k <= N; ++k) {
        const WingOutline w = outlineOf(aircraft.planform[k]);
        halfSpan[k] = w.y[w.n];
        rear[k] = rearmostEdge(w) + aircraft.WingPosX[k];
        front[k] = foremostTipEdge(w) + aircraft.WingPosX[k];
    }
    const double widest = std::max({halfSpan[1], halfSpan[2], halfSpan[3]});
    const double R = std::max({rear[1], rear[2], rear[3]});
    const double F = std::min({front[1], front[2], front[3], aircraft.WingPosX[1]});

    // Without span or without chordwise extent the other term alone fits the view.
    const double Sx = widest > 0 ? width / 2.03 / widest : 1.0;
    const double s0 = R - F > 0 ? std::min(Sx, height / 1.26 / (R - F)) : Sx;

    TopViewTransform t;
    t.width = width;
    t.TopViewScale = t.TopViewBaseScale = t.View3DScale = s0;
    t.centreColumn = roundInt(width / 2.0);
    t.TopViewOriginY = F < 0 ? nearPixel(height / 7.0 - F * s0) : nearPixel(height / 7.0);
    return t;
}

std::array<int, 3> heightOrder(const std::array<double, kMaxWings + 1>& z) {
    std::array<int, 3> order{1, 2, 3};
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return z[a] < z[b]; });
    return order;
}

void clearAircraftView(Canvas& canvas) {
    canvas.setPenWidth(1);
    canvas.setBrushColor(tooltipBackground());
    canvas.setPenColor(frameGrey());
    canvas.rectangle(0, 0, canvas.width(), canvas.height());
}

void d_1d_w(Canvas& canvas, const AircraftDrawing& aircraft, int wing, const TopViewTransform& view) {
    const double s = view.TopViewScale;
    const int cx = view.centreColumn;
    const int rootRow = nearPixel(aircraft.WingPosX[wing] * s + view.TopViewOriginY);
    canvas.setPenColor(viewWingColor(wing));
    canvas.setPenWidth(1);
    drawOutline(canvas, outlineOf(aircraft.planform[wing]), [&](const PlanformPoint& p) {
        return QPoint(cx + nearPixel(p.y * s), rootRow + nearPixel(p.x * s));
    });
}

TopViewTransform d_1d(Canvas& canvas, const AircraftDrawing& aircraft, const TopViewTransform& current,
                      bool fromZoomBar) {
    const int W = canvas.width();
    const int H = canvas.height();
    const TopViewTransform view = fromZoomBar ? current : fitTopView(aircraft, W, H);
    const int cx = view.centreColumn;
    const int y0 = view.TopViewOriginY;

    canvas.setPenWidth(1);
    canvas.setPenColor(Qt::black);
    canvas.line(W, y0, 0, y0);
    canvas.line(cx, 0, cx, H);
    canvas.lineTo(cx + 2, H - 10);
    canvas.moveTo(cx, H);
    canvas.lineTo(cx - 2, H - 10);
    canvas.moveTo(W - 10, y0 + 2);
    canvas.lineTo(W, y0);
    canvas.lineTo(W - 10, y0 - 2);

    canvas.setPenColor(Qt::red);
    canvas.moveTo(cx + 20, 30);
    canvas.lineTo(cx + 20, 3);
    canvas.lineTo(cx + 18, 13);
    canvas.moveTo(cx + 20, 3);
    canvas.lineTo(cx + 22, 13);

    canvas.setBrushColor(tooltipBackground());
    canvas.setFontColor(Qt::black);
    canvas.textOut(cx + 4, H - 20, QStringLiteral("x"));
    canvas.textOut(W - 20, y0 - 16, QStringLiteral("y"));

    const int shown = clampedWingCount(aircraft.WingCount);
    for (const int wing : heightOrder(aircraft.WingPosZ)) {
        if (wing <= shown) d_1d_w(canvas, aircraft, wing, view);
    }

    canvas.setFontColor(Qt::red);
    canvas.textOut(cx + 27, 2, QCoreApplication::translate("Views", "flight direction"));
    canvas.setFontColor(Qt::black);
    return view;
}

}  // namespace ws
