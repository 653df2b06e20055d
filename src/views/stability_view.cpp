#include "views/stability_view.h"

#include <QGuiApplication>
#include <QPalette>
#include <vector>

#include "views/view_colors.h"

namespace ws {

namespace {

const QColor kCgBlue(0, 0, 255);
const QColor kNeutralPointRed(255, 0, 0);

// The vertical middles of the three lower rows, where the pointers start.
constexpr int kCgFrontMiddle = 274;
constexpr int kCgRearMiddle = 290;
constexpr int kNeutralPointMiddle = 306;
constexpr int kPointerStart = 162;
constexpr int kPointerBend = 176;

int rowOf(const TopViewTransform& view, double x) {
    return view.toPixel(x, 0).y();
}

void pointer(Canvas& canvas, int middle, const TopViewTransform& view, double x) {
    canvas.moveTo(kPointerStart, middle);
    canvas.lineTo(kPointerBend, middle);
    canvas.lineTo(view.centreColumn - 7, rowOf(view, x));
}

void drawReferenceWing(Canvas& canvas, std::span<const OutlinePoint> outline, const TopViewTransform& view) {
    if (outline.empty()) return;
    std::vector<QPoint> corners;
    corners.reserve(outline.size());
    for (const OutlinePoint& p : outline) corners.push_back(view.toPixel(p.x, p.y));
    canvas.setPenWidth(1);
    canvas.setPenColor(referenceHighlight());
    canvas.setBrushColor(referenceHighlight());
    canvas.polygon(corners);
}

}  // namespace

QColor referenceHighlight() {
    // Quantised to 8 bits a channel, as the view's image stores it.
    return QColor::fromRgb(QGuiApplication::palette().color(QPalette::Midlight).rgb());
}

StabilityDisplay stabilityDisplay(const StabilityNumbers& numbers, double refArea, double refChord,
                                  double anpAircraft, bool manual) {
    StabilityDisplay d;
    d.rows = stabilityRows(numbers, refArea, refChord, anpAircraft);
    d.AnpAircraft = anpAircraft;
    d.CgRear = numbers.CgRear;
    d.CgFront = numbers.CgFront;
    d.CgDesired = numbers.CgDesired;
    d.manual = manual;
    return d;
}

TopViewTransform drawStabilityView(Canvas& canvas, const StabilityBackground& background,
                                   const StabilityDisplay& display, const TopViewTransform& current,
                                   bool fromZoomBar) {
    const AircraftDrawing& aircraft = *background.aircraft;
    const TopViewTransform view =
        fromZoomBar ? current : fitTopView(aircraft, canvas.width(), canvas.height());
    clearAircraftView(canvas);
    const bool reference = background.LatticeValid;
    if (reference) drawReferenceWing(canvas, background.RefOutline, view);
    canvas.setBrushColor(tooltipBackground());
    if (reference && background.lattice) DrawGrid(canvas, *background.lattice, view);
    const TopViewTransform drawn = d_1d(canvas, aircraft, view, true);
    drawStabilityRows(canvas, display, drawn, background.LatticeValid);
    return drawn;
}

void drawStabilityRows(Canvas& canvas, const StabilityDisplay& display, const TopViewTransform& view,
                       bool firstRowHighlighted) {
    const auto text = [&](int row, const std::string& s) {
        canvas.textOut(kStabilityTextLeft, row, QString::fromStdString(s));
    };
    canvas.setBrushColor(firstRowHighlighted ? referenceHighlight() : tooltipBackground());
    canvas.setFontColor(Qt::black);
    text(kRefAreaRow, display.rows.refArea);
    canvas.setBrushColor(tooltipBackground());
    text(kRefChordRow, display.rows.refChord);

    canvas.setFontColor(kCgBlue);
    if (display.manual) {
        text(kCgRearRow, display.rows.cgDesired);
    } else {
        text(kCgFrontRow, display.rows.cgFront);
        text(kCgRearRow, display.rows.cgRear);
    }
    canvas.setFontColor(kNeutralPointRed);
    text(kNeutralPointRow, display.rows.neutralPoint);

    const int cx = view.centreColumn;
    canvas.setPenWidth(2);
    canvas.setPenColor(kNeutralPointRed);
    const int yNP = rowOf(view, display.AnpAircraft);
    canvas.line(cx - 4, yNP, cx + 4, yNP);

    canvas.setPenColor(kCgBlue);
    if (display.manual) {
        const int yDesired = rowOf(view, display.CgDesired);
        canvas.line(cx - 3, yDesired, cx + 3, yDesired);
    } else {
        const int yRear = rowOf(view, display.CgRear);
        const int yFront = rowOf(view, display.CgFront);
        canvas.line(cx - 3, yRear, cx + 3, yRear);
        canvas.line(cx, yRear, cx, yFront);
        canvas.line(cx - 3, yFront, cx + 3, yFront);
    }
    canvas.setPenWidth(1);
    canvas.setFontColor(Qt::black);
    if (display.actualCg) drawBalanceMark(canvas, *display.actualCg, view);
}

void Zeiger(Canvas& canvas, const StabilityDisplay& display, const TopViewTransform& view) {
    canvas.setPenColor(kCgBlue);
    if (display.manual) {
        pointer(canvas, kCgRearMiddle, view, display.CgDesired);
    } else {
        pointer(canvas, kCgFrontMiddle, view, display.CgFront);
        pointer(canvas, kCgRearMiddle, view, display.CgRear);
    }
    canvas.setPenColor(kNeutralPointRed);
    pointer(canvas, kNeutralPointMiddle, view, display.AnpAircraft);
}

}  // namespace ws
