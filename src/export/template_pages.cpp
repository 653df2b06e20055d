#include "export/template_pages.h"

#include <algorithm>
#include <cmath>

#include "export/stability_drawing.h"

namespace ws {

namespace {

constexpr double kMargin = 5;         // mm round the wing
constexpr double kNameSize = 6;       // mm, the page's name
constexpr double kTextSize = 3.5;     // mm, values and the bar's caption
constexpr double kRowHeight = 5.5;    // mm between value rows
constexpr double kHeaderHeight = 18;  // below the top overlap: name and bar
constexpr double kCross = 3;          // half arm of a registration cross

// Drawing coordinates: X = the aircraft's y (right half positive), Y = its x.
struct Window {
    double left = 0, top = 0, right = 0, bottom = 0;
};

std::string rowLetters(int row) {
    std::string letters;
    for (int r = row + 1; r > 0; r = (r - 1) / 26) letters.insert(letters.begin(), char('A' + (r - 1) % 26));
    return letters;
}

void addPolygon(std::vector<TemplateLine>& lines, const std::vector<PlanPoint>& points) {
    for (std::size_t i = 0; i < points.size(); ++i) {
        const PlanPoint& a = points[i];
        const PlanPoint& b = points[(i + 1) % points.size()];
        lines.push_back({a.y, a.x, b.y, b.x, TemplateStroke::Outline});
    }
}

bool touches(const TemplateLine& l, const Window& w) {
    return std::max(l.x1, l.x2) >= w.left && std::min(l.x1, l.x2) <= w.right &&
           std::max(l.y1, l.y2) >= w.top && std::min(l.y1, l.y2) <= w.bottom;
}

}  // namespace

double templateScaleBar(Units units) {
    return units == Units::Inch ? 4 * mmPerUnit(units) : kTemplateScaleBar;
}

std::variant<TemplateLayout, TemplateError> templatePages(const ExportSource& source,
                                                          const TemplateRequest& request) {
    const double W = request.pageWidth, H = request.pageHeight, o = kTemplateOverlap;
    if (!(W >= kTemplateMinPage && H >= kTemplateMinPage))
        return TemplateError{"the printable area is smaller than " + numberText(kTemplateMinPage) + " x " +
                                 numberText(kTemplateMinPage) + " mm",
                             TemplateRefusal::PageTooSmall};
    const int wing = request.wing;
    if (wing < 1 || wing > clampedWingCount(source.model.WingCount))
        return TemplateError{"wing " + std::to_string(wing) + " is not in use",
                             TemplateRefusal::WingNotInUse};
    const WingPlanform planform = Calc_W(source.model.wing[wing]);
    if (!(planform.WingArea > 0))
        return TemplateError{"wing " + std::to_string(wing) + " has no area", TemplateRefusal::NoArea};
    WingGeometry geometry;
    for (const WingGeometry& g : wingGeometries(source.model)) {
        if (g.wing == wing) geometry = g;
    }

    // The first page's rows: the wing's values, then the stability labels.
    const WingLabelTexts values = wingLabelTexts(planform, source.units);
    std::vector<std::string> rows = {source.words.wing + " " + std::to_string(wing) + ": b=" + values.b +
                                     " s=" + values.s + " lm=" + values.lm + " r25=" + values.r25 +
                                     " lam=" + values.lam};
    const StabilityDrawing marks = stabilityDrawing(source);
    // The centre of gravity as built belongs to the whole aircraft's drawings, not to a wing's template.
    for (const DrawingLabel& l : marks.labels)
        if (!l.balance) rows.push_back(l.text);

    // The drawing, in drawing coordinates.
    std::vector<TemplateLine> drawing;
    const std::vector<std::vector<PlanPoint>> outlines =
        request.bothHalves ? geometry.outlines : std::vector<std::vector<PlanPoint>>{geometry.rightHalf};
    for (const auto& outline : outlines) addPolygon(drawing, outline);
    const PlanExtent extent = planExtent({geometry}, source.marks);
    const double rightEdge = extent.yMax + kMargin;
    const double leftEdge = request.bothHalves ? -rightEdge : -kMargin;
    const double bottom = extent.xMax + kMargin;
    const double wingTop = extent.xMin - kMargin;
    // On the first page the name, the bar and the rows stand above the drawing.
    const double top = wingTop - (o + kHeaderHeight + double(rows.size()) * kRowHeight);
    // Counted before anything is laid out: a wing kilometres long would need millions.
    const double columns = std::max(1.0, std::ceil((rightEdge - leftEdge - o) / (W - o) - 1e-9));
    const double pageRows = std::max(1.0, std::ceil((bottom - top - o) / (H - o) - 1e-9));
    const double sheets = columns * pageRows;
    if (!(sheets <= kTemplateMaxSheets)) {
        const long long count = sheets < 9e18 ? static_cast<long long>(sheets) : 9'000'000'000'000'000'000;
        return TemplateError{"the template would take " + std::to_string(count) + " sheets, more than " +
                                 std::to_string(kTemplateMaxSheets),
                             TemplateRefusal::TooManySheets, count};
    }
    drawing.push_back({0, wingTop, 0, bottom, TemplateStroke::CentreLine});
    for (const double side : request.bothHalves ? std::vector{1.0, -1.0} : std::vector{1.0}) {
        const double y = side * geometry.macY;
        drawing.push_back({y, geometry.macFront, y, geometry.macRear, TemplateStroke::Mac});
        drawing.push_back({y - 3, geometry.r25, y + 3, geometry.r25, TemplateStroke::Mac});
    }
    for (const DrawingMark& m : marks.marks) {
        if (m.balance) continue;
        const TemplateStroke stroke = m.red ? TemplateStroke::NeutralPoint : TemplateStroke::CentreOfGravity;
        drawing.push_back({-m.halfWidth, m.x1, m.halfWidth, m.x1, stroke});
        if (m.x2 != m.x1) {
            drawing.push_back({0, m.x1, 0, m.x2, stroke});
            drawing.push_back({-m.halfWidth, m.x2, m.halfWidth, m.x2, stroke});
        }
    }

    TemplateLayout layout;
    layout.wing = wing;
    layout.columns = int(columns);
    layout.rows = int(pageRows);
    const auto pageLeft = [&](int c) { return leftEdge + c * (W - o); };
    const auto pageTop = [&](int r) { return top + r * (H - o); };

    // Seams: the shared strips' edges and a cross in each strip per page it spans.
    for (int c = 1; c < layout.columns; ++c) {
        const double x = pageLeft(c);
        const double end = pageTop(layout.rows - 1) + H;
        drawing.push_back({x, top, x, end, TemplateStroke::OverlapEdge});
        drawing.push_back({x + o, top, x + o, end, TemplateStroke::OverlapEdge});
        for (int r = 0; r < layout.rows; ++r) {
            const double y = pageTop(r) + H / 2;
            drawing.push_back({x + o / 2 - kCross, y, x + o / 2 + kCross, y, TemplateStroke::Registration});
            drawing.push_back({x + o / 2, y - kCross, x + o / 2, y + kCross, TemplateStroke::Registration});
        }
    }
    for (int r = 1; r < layout.rows; ++r) {
        const double y = pageTop(r);
        const double end = pageLeft(layout.columns - 1) + W;
        drawing.push_back({leftEdge, y, end, y, TemplateStroke::OverlapEdge});
        drawing.push_back({leftEdge, y + o, end, y + o, TemplateStroke::OverlapEdge});
        for (int c = 0; c < layout.columns; ++c) {
            const double x = pageLeft(c) + W / 2;
            drawing.push_back({x - kCross, y + o / 2, x + kCross, y + o / 2, TemplateStroke::Registration});
            drawing.push_back({x, y + o / 2 - kCross, x, y + o / 2 + kCross, TemplateStroke::Registration});
        }
    }

    for (int r = 0; r < layout.rows; ++r) {
        for (int c = 0; c < layout.columns; ++c) {
            TemplatePage page;
            page.row = r;
            page.column = c;
            page.name = rowLetters(r) + std::to_string(c + 1);
            const Window window{pageLeft(c), pageTop(r), pageLeft(c) + W, pageTop(r) + H};
            for (const TemplateLine& l : drawing) {
                if (!touches(l, window)) continue;
                page.lines.push_back(
                    {l.x1 - window.left, l.y1 - window.top, l.x2 - window.left, l.y2 - window.top, l.stroke});
            }
            // Inside the page's own area, clear of the strips it shares.
            const double x0 = o + 2, barY = o + kNameSize + 6;
            page.texts.push_back({x0, o + kNameSize + 1, kNameSize, page.name});
            const double bar = templateScaleBar(source.units);
            page.lines.push_back({x0, barY, x0 + bar, barY, TemplateStroke::ScaleBar});
            for (const double x : {x0, x0 + bar / 2, x0 + bar})
                page.lines.push_back({x, barY - 2, x, barY + 2, TemplateStroke::ScaleBar});
            page.texts.push_back(
                {x0 + bar + 2, barY + kTextSize / 2, kTextSize,
                 numberText(bar / mmPerUnit(source.units)) + " " + unitSymbol(source.units)});
            if (r == 0 && c == 0) {
                double y = o + kHeaderHeight;
                for (const std::string& row : rows)
                    page.texts.push_back({x0, y += kRowHeight, kTextSize, row});
            }
            layout.pages.push_back(std::move(page));
        }
    }
    return layout;
}

}  // namespace ws
