#include "views/stability_view.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPalette>
#include <algorithm>
#include <vector>

#include "model/number_format.h"

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

// A position's row with its share of lm: "x_cg (16%): 50.2mm = 13.2% lm   ".
std::string withPercent(const std::string& row, const std::string& percent) {
    const std::string bare = withoutTrailingBlanks(row);
    return bare + " " + percent + row.substr(bare.size());
}

struct PositionRows {
    std::string front, rear, desired;
};

PositionRows positionRows(const StabilityDisplay& d) {
    return {withPercent(d.rows.cgFront, d.mac.cgFront), withPercent(d.rows.cgRear, d.mac.cgRear),
            withPercent(d.rows.cgDesired, d.mac.cgDesired)};
}

// The pointers start right of the rows they come from.
int pointerStart(const Canvas& canvas, const StabilityDisplay& d) {
    const QFontMetrics metrics(canvas.font());
    const PositionRows rows = positionRows(d);
    int right = 0;
    for (const std::string* row : {&rows.front, &rows.rear, &rows.desired, &d.rows.neutralPoint}) {
        right = std::max(right, kStabilityTextLeft + metrics.horizontalAdvance(QString::fromStdString(
                                                         withoutTrailingBlanks(*row))));
    }
    return std::max(kPointerStart, right + 4);
}

void pointer(Canvas& canvas, int start, int middle, const TopViewTransform& view, double x) {
    canvas.moveTo(start, middle);
    canvas.lineTo(start + kPointerBend - kPointerStart, middle);
    canvas.lineTo(view.centreColumn - 7, rowOf(view, x));
}

// A mark's line on a border of the background, wider by a pixel each side.
void markLine(Canvas& canvas, const QColor& colour, int width, int x1, int y1, int x2, int y2) {
    canvas.setPenWidth(width + 2);
    canvas.setPenColor(tooltipBackground());
    canvas.line(x1, y1, x2, y2);
    canvas.setPenWidth(width);
    canvas.setPenColor(colour);
    canvas.line(x1, y1, x2, y2);
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

StabilityDisplay stabilityDisplay(const StabilityNumbers& numbers, const Evaluation& e, bool manual) {
    StabilityDisplay d;
    d.rows = stabilityRows(numbers, e.RefArea, e.RefChord, e.AnpAircraft);
    d.mac = macRows(macPercent(numbers, e.RefMacLe, e.RefChord), e.RefMacLe);
    d.AnpAircraft = e.AnpAircraft;
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
    canvas.setBrushColor(tooltipBackground());
    canvas.setFontColor(Qt::black);
    text(kMacLeRow, display.mac.macLe + " ");
    canvas.setBrushColor(firstRowHighlighted ? referenceHighlight() : tooltipBackground());
    text(kRefAreaRow, display.rows.refArea);
    canvas.setBrushColor(tooltipBackground());
    text(kRefChordRow, display.rows.refChord);

    const PositionRows rows = positionRows(display);
    canvas.setFontColor(kCgBlue);
    if (display.manual) {
        text(kCgRearRow, rows.desired);
    } else {
        text(kCgFrontRow, rows.front);
        text(kCgRearRow, rows.rear);
    }
    canvas.setFontColor(kNeutralPointRed);
    text(kNeutralPointRow, display.rows.neutralPoint);

    // Marks over everything: the neutral point's tick, then the centre of
    // gravity's bar between its ticks (automatic) or its one tick (manual).
    const int cx = view.centreColumn;
    const int yNP = rowOf(view, display.AnpAircraft);
    markLine(canvas, kNeutralPointRed, 2, cx - 7, yNP, cx + 7, yNP);
    if (display.manual) {
        const int yDesired = rowOf(view, display.CgDesired);
        markLine(canvas, kCgBlue, 2, cx - 5, yDesired, cx + 5, yDesired);
    } else {
        const int yRear = rowOf(view, display.CgRear);
        const int yFront = rowOf(view, display.CgFront);
        markLine(canvas, kCgBlue, 2, cx, yRear, cx, yFront);
        markLine(canvas, kCgBlue, 2, cx - 5, yRear, cx + 5, yRear);
        markLine(canvas, kCgBlue, 2, cx - 5, yFront, cx + 5, yFront);
    }
    canvas.setPenWidth(1);
    canvas.setFontColor(Qt::black);
    if (display.actualCg) drawBalanceMark(canvas, *display.actualCg, view);
}

void Zeiger(Canvas& canvas, const StabilityDisplay& display, const TopViewTransform& view) {
    const int start = pointerStart(canvas, display);
    canvas.setPenColor(kCgBlue);
    if (display.manual) {
        pointer(canvas, start, kCgRearMiddle, view, display.CgDesired);
    } else {
        pointer(canvas, start, kCgFrontMiddle, view, display.CgFront);
        pointer(canvas, start, kCgRearMiddle, view, display.CgRear);
    }
    canvas.setPenColor(kNeutralPointRed);
    pointer(canvas, start, kNeutralPointMiddle, view, display.AnpAircraft);
}

}  // namespace ws
