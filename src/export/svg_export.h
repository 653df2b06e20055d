// A true-scale planform drawing as SVG: width and height in millimetres and
// a viewBox in millimetres, so that it opens and prints at 1:1. Seen from
// above with the nose up: the aircraft's x (rearwards) runs down the page,
// its y (spanwise) across, the right half to the right.
#pragma once

#include <string>

#include "export/export_source.h"

namespace ws {

constexpr double kDrawingMargin = 10;  // mm round the aircraft, in SVG and DXF

// The page: the aircraft's extent (outlines and marks) plus the margin on
// every side, widened where the labels need it, and with the value rows
// below the aircraft when marks are given; whole millimetres.
struct SvgPage {
    double width = 0, height = 0;
    double centreX = 0;  // page x of the centre line
    double originY = 0;  // page y of the aircraft's x = 0
};
SvgPage svgPage(const ExportSource& source);

// The drawing: the centre line (dash-dot), every wing in use (lowest first)
// as closed outlines in its colour, its mean aerodynamic chord on both
// halves (dashed) with a tick at r25; with marks, the neutral point (red
// tick) and the recommended centre of gravity (blue bar from the front to
// the rear position, or one tick in manual mode) on the centre line,
// labelled with their values, and the reference area and chord below.
// Inside each group (ids "wing1".."wing3", "mac1".., "centre-line",
// "stability") coordinates are the aircraft's in mm: page x = y, page y = x.
std::string svgDrawing(const ExportSource& source);

}  // namespace ws
