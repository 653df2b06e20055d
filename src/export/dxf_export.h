// A true-scale planform drawing as ASCII DXF of release 12 (AC1009), the
// version every CAD and foam-cutting program reads; coordinates, text
// heights and dashes in the source's unit (its $INSUNITS code), true to
// scale; lines end in CR LF. Seen from above with the nose up:
// DXF X = the aircraft's y (right half positive), DXF Y = −x (forwards).
#pragma once

#include <string>

#include "export/export_source.h"

namespace ws {

// Layers: "WING1".."WING3" for the wings in use, each outline a closed
// POLYLINE (one round both halves, one per half with a centre gap), in the
// wing's colour (blue 5, magenta 6, green 3); "CENTRE_LINE" (linetype
// CENTER) over the aircraft's length plus the margin; "MAC" with the mean
// aerodynamic chords on both halves and a tick at r25; "STABILITY" (only
// with marks): the neutral point (red) and the centre-of-gravity bar or
// tick (blue) as LINEs, their labels and the reference values as TEXT.
std::string dxfDrawing(const ExportSource& source);

// $INSUNITS of a unit: 4 mm, 5 cm, 1 in.
int dxfUnitsCode(Units units);

}  // namespace ws
