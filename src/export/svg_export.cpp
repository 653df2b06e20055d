#include "export/svg_export.h"

#include <algorithm>
#include <cmath>

#include "export/stability_drawing.h"

namespace ws {

namespace {

constexpr double kFontSize = 3.5;   // mm
constexpr double kRowHeight = 5.0;  // mm
constexpr const char* kWingColour[] = {"", "#0000ff", "#ff00ff", "#008000"};

// A generous width for a text in the sans-serif font, so that nothing is cut.
double textWidth(const std::string& text) {
    return 0.6 * kFontSize * double(text.size());
}

std::string escaped(const std::string& text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string n(double v) {
    return numberText(v);
}

std::string line(double x1, double y1, double x2, double y2) {
    return "<line x1=\"" + n(x1) + "\" y1=\"" + n(y1) + "\" x2=\"" + n(x2) + "\" y2=\"" + n(y2) + "\"/>\n";
}

std::string text(double x, double y, const std::string& s, const char* anchor) {
    return std::string("<text x=\"") + n(x) + "\" y=\"" + n(y) + "\" text-anchor=\"" + anchor + "\">" +
           escaped(s) + "</text>\n";
}

}  // namespace

SvgPage svgPage(const ExportSource& source) {
    const PlanExtent e = drawingExtent(source);
    const StabilityDrawing texts = stabilityDrawing(source);
    double labels = 0, rows = 0;
    for (const DrawingLabel& l : texts.labels) labels = std::max(labels, textWidth(l.text));
    for (const std::string& r : texts.rows) rows = std::max(rows, textWidth(r));
    const double halfWidth = std::max(e.yMax, labels > 0 ? kMarkLabelGap + labels : 0.0);
    SvgPage page;
    page.width = std::ceil(std::max(2 * halfWidth, rows) + 2 * kDrawingMargin);
    const double rowsHeight =
        texts.rows.empty() ? 0 : double(texts.rows.size()) * kRowHeight + kDrawingMargin;
    page.height = std::ceil(e.xMax - e.xMin + 2 * kDrawingMargin + rowsHeight);
    page.centreX = page.width / 2;
    page.originY = kDrawingMargin - e.xMin;
    return page;
}

std::string svgDrawing(const ExportSource& source) {
    const SvgPage page = svgPage(source);
    const PlanExtent e = drawingExtent(source);
    const StabilityDrawing texts = stabilityDrawing(source);
    const double top = e.xMin - kDrawingMargin, bottom = e.xMax + kDrawingMargin;

    std::string s = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    s += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + n(page.width) + "mm\" height=\"" +
         n(page.height) + "mm\" viewBox=\"0 0 " + n(page.width) + " " + n(page.height) + "\">\n";
    s += "<title>" + escaped(aircraftTitle(source.model)) + "</title>\n";
    s += "<g transform=\"translate(" + n(page.centreX) + " " + n(page.originY) +
         ")\" fill=\"none\" stroke-linejoin=\"round\" stroke-linecap=\"round\" font-family=\"sans-serif\" "
         "font-size=\"" +
         n(kFontSize) + "\">\n";
    s += "<g id=\"centre-line\" stroke=\"#000000\" stroke-width=\"0.25\" stroke-dasharray=\"8 2 1 2\">\n" +
         line(0, top, 0, bottom) + "</g>\n";
    for (const WingGeometry& w : wingGeometries(source.model)) {
        const std::string colour = kWingColour[w.wing];
        s +=
            "<g id=\"wing" + std::to_string(w.wing) + "\" stroke=\"" + colour + "\" stroke-width=\"0.35\">\n";
        for (const auto& outline : w.outlines) {
            s += "<polygon points=\"";
            for (std::size_t i = 0; i < outline.size(); ++i)
                s += (i ? " " : "") + n(outline[i].y) + "," + n(outline[i].x);
            s += "\"/>\n";
        }
        s += "</g>\n<g id=\"mac" + std::to_string(w.wing) + "\" stroke=\"" + colour +
             "\" stroke-width=\"0.25\" stroke-dasharray=\"3 1.5\">\n";
        for (const double side : {1.0, -1.0}) {
            const double y = side * w.macY;
            s += line(y, w.macFront, y, w.macRear);
            s += "<line x1=\"" + n(y - 3) + "\" y1=\"" + n(w.r25) + "\" x2=\"" + n(y + 3) + "\" y2=\"" +
                 n(w.r25) + "\" stroke-dasharray=\"none\"/>\n";
        }
        s += "</g>\n";
    }
    const auto colour = [](bool red, bool balance) {
        return std::string(balance ? kBalanceSvgColour : red ? "#ff0000" : "#0000ff");
    };
    if (!texts.marks.empty()) {
        s += "<g id=\"stability\" stroke-width=\"0.5\">\n";
        for (const DrawingMark& m : texts.marks) {
            if (m.balance) {
                const double h = m.halfWidth;
                s += "<polygon id=\"balance\" stroke=\"" + colour(false, true) + "\" fill=\"" +
                     colour(false, true) + "\" points=\"0," + n(m.x1 - h) + " " + n(h) + "," + n(m.x1) +
                     " 0," + n(m.x1 + h) + " " + n(-h) + "," + n(m.x1) + "\"/>\n";
                continue;
            }
            s += "<g stroke=\"" + colour(m.red, false) + "\">" + line(-m.halfWidth, m.x1, m.halfWidth, m.x1);
            if (m.x2 != m.x1) s += line(0, m.x1, 0, m.x2) + line(-m.halfWidth, m.x2, m.halfWidth, m.x2);
            s += "</g>\n";
        }
        s += "<g stroke=\"none\">\n";
        for (const DrawingLabel& l : texts.labels) {
            s += "<g fill=\"" + colour(l.red, l.balance) + "\">" +
                 text(l.leftSide ? -kMarkLabelGap : kMarkLabelGap, l.x + kFontSize / 3, l.text,
                      l.leftSide ? "end" : "start") +
                 "</g>\n";
        }
        double row = bottom;
        for (const std::string& r : texts.rows) {
            row += kRowHeight;
            s += "<g fill=\"#000000\">" + text(kDrawingMargin - page.centreX, row, r, "start") + "</g>\n";
        }
        s += "</g>\n</g>\n";
    }
    s += "</g>\n</svg>\n";
    return s;
}

}  // namespace ws
