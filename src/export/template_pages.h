// A 1:1 building template of one wing's planform, tiled over printer pages,
// as drawing primitives that a print surface only has to paint. Pages are
// given by their printable area; every primitive is in page millimetres,
// origin at the top left of the printable area, x to the right, y down.
// The wing is seen from above with the nose up, as in the drawings.
//
// Tiling: neighbouring pages share a strip of kTemplateOverlap mm (the right
// and bottom strip of a page repeat as the left and top strip of the next),
// marked by a dotted line and by registration crosses that print on both
// pages at the same spot of the drawing. Pages are named by row letter and
// column number ("A1", "A2", "B1" …). Each page carries its name and a
// scale bar (100 mm, or 4 in) inside its own area; the first also the wing's values
// and, with results, the recommended centre of gravity, above the drawing.
#pragma once

#include <string>
#include <variant>
#include <vector>

#include "export/export_source.h"

namespace ws {

constexpr double kTemplateOverlap = 10;    // mm shared by neighbouring pages
constexpr double kTemplateScaleBar = 100;  // mm
constexpr double kTemplateMinPage = 130;   // mm: the bar, the overlaps and a margin must fit
constexpr int kTemplateMaxSheets = 200;    // more is no building template but a runaway

// The scale bar's length in mm in a unit: 100 mm (10 cm), or 4 in.
double templateScaleBar(Units units);

struct TemplateRequest {
    int wing = 1;            // 1..3
    bool bothHalves = true;  // else the right half against the centre line
    double pageWidth = 0;    // printable area, mm
    double pageHeight = 0;
};

enum class TemplateStroke {
    Outline,          // the wing's outline, in its colour
    CentreLine,       // dash-dot
    Mac,              // mean aerodynamic chord and r25 tick, dashed, wing colour
    NeutralPoint,     // red
    CentreOfGravity,  // blue
    OverlapEdge,      // dotted grey: where the neighbouring page's strip begins
    Registration,     // black crosses for taping pages together
    ScaleBar,         // black, exactly templateScaleBar() long
};

struct TemplateLine {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // page mm
    TemplateStroke stroke = TemplateStroke::Outline;
};

struct TemplateText {
    double x = 0, y = 0;  // left end of the baseline, page mm
    double size = 0;      // cap height, mm
    std::string text;
};

struct TemplatePage {
    int row = 0, column = 0;          // from 0
    std::string name;                 // "A1"
    std::vector<TemplateLine> lines;  // to be clipped to the printable area
    std::vector<TemplateText> texts;
};

struct TemplateLayout {
    int rows = 0, columns = 0;
    int wing = 1;
    std::vector<TemplatePage> pages;  // row by row
};

enum class TemplateRefusal { PageTooSmall, WingNotInUse, NoArea, TooManySheets };

struct TemplateError {
    std::string reason;  // English, for logs and the batch program
    TemplateRefusal refusal = TemplateRefusal::PageTooSmall;
    long long sheets = 0;  // TooManySheets: how many the wing would take
};

// The whole template, or why it cannot be made (a page smaller than
// kTemplateMinPage either way, a wing not in use or without area, more than
// kTemplateMaxSheets sheets), decided before any page is laid out.
std::variant<TemplateLayout, TemplateError> templatePages(const ExportSource& source,
                                                          const TemplateRequest& request);

}  // namespace ws
