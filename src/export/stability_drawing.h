// The stability marks of a planform drawing as plain primitives, shared by
// the SVG and DXF drawings: where the ticks and the bar lie on the centre
// line, the labels beside them and the value rows below the aircraft.
// mm, aircraft frame (x rearwards); ticks run spanwise across the centre line.
#pragma once

#include <string>
#include <vector>

#include "export/export_source.h"

namespace ws {

// From the centre line to the near end of a mark's label, clear of the ticks.
constexpr double kMarkLabelGap = 8;
// The colour of the centre of gravity as built, apart from the wings' and the marks'.
inline constexpr const char* kBalanceSvgColour = "#c86400";
constexpr int kBalanceDxfColour = 30;

// A tick across the centre line at x1; when x2 differs, a bar along the
// centre line to a second tick at x2.
struct DrawingMark {
    double x1 = 0, x2 = 0;
    double halfWidth = 0;
    bool red = false;      // the neutral point; blue: the centre of gravity
    bool balance = false;  // the centre of gravity as built: a diamond of halfWidth, orange
};

struct DrawingLabel {
    double x = 0;  // beside the mark it names
    std::string text;
    bool red = false;
    bool leftSide = false;  // the neutral point's label stands left of the centre line
    bool balance = false;   // the centre of gravity as built (left, orange)
};

struct StabilityDrawing {
    std::vector<DrawingMark> marks;
    std::vector<DrawingLabel> labels;
    std::vector<std::string> rows;  // reference area and chord
};

// Empty without marks and without a centre of gravity as built. The texts
// are the source's rows without their trailing blanks.
StabilityDrawing stabilityDrawing(const ExportSource& source);

}  // namespace ws
