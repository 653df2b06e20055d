#include "export/dxf_export.h"

#include <algorithm>

#include "export/stability_drawing.h"
#include "export/svg_export.h"

namespace ws {

namespace {

constexpr double kTextHeight = 3.5;  // mm
constexpr int kWingColour[] = {0, 5, 6, 3};
constexpr int kRed = 1, kBlue = 5, kGrey = 8;

class DxfWriter {
  public:
    std::string out;
    double perMm = 1;  // drawing units per millimetre

    void pair(int code, const std::string& value) {
        std::string c = std::to_string(code);
        out += std::string(c.size() < 3 ? 3 - c.size() : 0, ' ') + c + "\r\n" + value + "\r\n";
    }
    void pair(int code, double value) { pair(code, numberText(value)); }
    void pair(int code, int value) { pair(code, std::to_string(value)); }

    // A point of the aircraft frame, at group codes 10/20 (+ offset).
    void point(const PlanPoint& p, int offset = 0) {
        pair(10 + offset, p.y * perMm);
        pair(20 + offset, p.x == 0 ? 0.0 : -p.x * perMm);
    }

    void line(const std::string& layer, PlanPoint a, PlanPoint b, int colour = 0) {
        pair(0, std::string("LINE"));
        pair(8, layer);
        if (colour) pair(62, colour);
        point(a);
        point(b, 1);
    }

    void text(const std::string& layer, PlanPoint at, const std::string& s, int colour, bool rightAligned) {
        pair(0, std::string("TEXT"));
        pair(8, layer);
        pair(62, colour);
        point(at);
        pair(40, kTextHeight * perMm);
        pair(1, s);
        if (rightAligned) {  // aligned at its right end: 72 = 2 with the second point
            pair(72, 2);
            point(at, 1);
        }
    }

    void closedPolyline(const std::string& layer, const std::vector<PlanPoint>& points) {
        pair(0, std::string("POLYLINE"));
        pair(8, layer);
        pair(66, 1);
        pair(10, 0.0);
        pair(20, 0.0);
        pair(70, 1);
        for (const PlanPoint& p : points) {
            pair(0, std::string("VERTEX"));
            pair(8, layer);
            point(p);
        }
        pair(0, std::string("SEQEND"));
        pair(8, layer);
    }

    void layer(const std::string& name, int colour, const std::string& linetype) {
        pair(0, std::string("LAYER"));
        pair(2, name);
        pair(70, 0);
        pair(62, colour);
        pair(6, linetype);
    }

    void beginTable(const std::string& name, int entries) {
        pair(0, std::string("TABLE"));
        pair(2, name);
        pair(70, entries);
    }
    void endTable() { pair(0, std::string("ENDTAB")); }
};

}  // namespace

int dxfUnitsCode(Units units) {
    switch (units) {
        case Units::Centimetre:
            return 5;
        case Units::Inch:
            return 1;
        default:
            return 4;
    }
}

std::string dxfDrawing(const ExportSource& source) {
    const std::vector<WingGeometry> wings = wingGeometries(source.model);
    const PlanExtent e = drawingExtent(source);
    const StabilityDrawing marks = stabilityDrawing(source);
    const double front = e.xMin - kDrawingMargin, rear = e.xMax + kDrawingMargin;

    DxfWriter d;
    d.perMm = 1 / mmPerUnit(source.units);
    d.pair(999, "WinStabix planform " + aircraftTitle(source.model) + ", " + unitSymbol(source.units));
    d.pair(0, std::string("SECTION"));
    d.pair(2, std::string("HEADER"));
    d.pair(9, std::string("$ACADVER"));
    d.pair(1, std::string("AC1009"));
    d.pair(9, std::string("$INSUNITS"));
    d.pair(70, dxfUnitsCode(source.units));
    d.pair(9, std::string("$EXTMIN"));
    d.point({rear, -e.yMax});
    d.pair(9, std::string("$EXTMAX"));
    d.point({front, e.yMax});
    d.pair(0, std::string("ENDSEC"));

    d.pair(0, std::string("SECTION"));
    d.pair(2, std::string("TABLES"));
    d.beginTable("LTYPE", 2);
    d.pair(0, std::string("LTYPE"));
    d.pair(2, std::string("CONTINUOUS"));
    d.pair(70, 0);
    d.pair(3, std::string("Solid line"));
    d.pair(72, 65);
    d.pair(73, 0);
    d.pair(40, 0.0);
    d.pair(0, std::string("LTYPE"));
    d.pair(2, std::string("CENTER"));
    d.pair(70, 0);
    d.pair(3, std::string("Center ____ _ ____ _"));
    d.pair(72, 65);
    d.pair(73, 4);
    d.pair(40, 13.0 * d.perMm);
    for (const double dash : {8.0, -2.0, 1.0, -2.0}) d.pair(49, dash * d.perMm);
    d.endTable();
    d.beginTable("LAYER", int(wings.size()) + (source.marks ? 4 : 3) + (source.actualCg ? 1 : 0));
    d.layer("0", 7, "CONTINUOUS");
    for (const WingGeometry& w : wings)
        d.layer("WING" + std::to_string(w.wing), kWingColour[w.wing], "CONTINUOUS");
    d.layer("CENTRE_LINE", kGrey, "CENTER");
    d.layer("MAC", kGrey, "CONTINUOUS");
    if (source.marks) d.layer("STABILITY", kRed, "CONTINUOUS");
    if (source.actualCg) d.layer("BALANCE", kBalanceDxfColour, "CONTINUOUS");
    d.endTable();
    d.beginTable("STYLE", 1);
    d.pair(0, std::string("STYLE"));
    d.pair(2, std::string("STANDARD"));
    d.pair(70, 0);
    d.pair(40, 0.0);
    d.pair(41, 1.0);
    d.pair(50, 0.0);
    d.pair(71, 0);
    d.pair(42, kTextHeight * d.perMm);
    d.pair(3, std::string("txt"));
    d.pair(4, std::string(""));
    d.endTable();
    d.pair(0, std::string("ENDSEC"));

    d.pair(0, std::string("SECTION"));
    d.pair(2, std::string("ENTITIES"));
    d.line("CENTRE_LINE", {front, 0}, {rear, 0});
    for (const WingGeometry& w : wings) {
        const std::string layer = "WING" + std::to_string(w.wing);
        for (const auto& outline : w.outlines) d.closedPolyline(layer, outline);
        for (const double side : {1.0, -1.0}) {
            const double y = side * w.macY;
            d.line("MAC", {w.macFront, y}, {w.macRear, y}, kWingColour[w.wing]);
            d.line("MAC", {w.r25, y - 3}, {w.r25, y + 3}, kWingColour[w.wing]);
        }
    }
    for (const DrawingMark& m : marks.marks) {
        if (m.balance) {
            const double h = m.halfWidth;
            d.closedPolyline("BALANCE", {{m.x1 - h, 0}, {m.x1, h}, {m.x1 + h, 0}, {m.x1, -h}});
            continue;
        }
        const int colour = m.red ? kRed : kBlue;
        d.line("STABILITY", {m.x1, -m.halfWidth}, {m.x1, m.halfWidth}, colour);
        if (m.x2 != m.x1) {
            d.line("STABILITY", {m.x1, 0}, {m.x2, 0}, colour);
            d.line("STABILITY", {m.x2, -m.halfWidth}, {m.x2, m.halfWidth}, colour);
        }
    }
    for (const DrawingLabel& l : marks.labels) {
        d.text(l.balance ? "BALANCE" : "STABILITY",
               {l.x + kTextHeight / 2, l.leftSide ? -kMarkLabelGap : kMarkLabelGap}, l.text,
               l.balance ? kBalanceDxfColour
               : l.red   ? kRed
                         : kBlue,
               l.leftSide);
    }
    double row = rear;
    for (const std::string& r : marks.rows) {
        row += 1.5 * kTextHeight;
        d.text("STABILITY", {row, -e.yMax}, r, 7, false);
    }
    d.pair(0, std::string("ENDSEC"));
    d.pair(0, std::string("EOF"));
    return d.out;
}

}  // namespace ws
