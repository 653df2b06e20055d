// What every export reads: the aircraft's planforms as true-scale geometry
// (outlines of both halves, the mean aerodynamic chords, the reference wing)
// and, only while results belong to the aircraft, the stability marks.
// mm, aircraft frame: x rearwards, y spanwise (positive: right half), z up.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/aircraft.h"
#include "model/planform.h"
#include "model/units.h"
#include "stability/stability.h"

namespace ws {

struct PlanPoint {
    double x = 0, y = 0;
};

// The neutral point and the recommended centre of gravity, with the values
// they come from. Absent when the aircraft has no valid results (never
// calculated, changed since, or refused).
struct StabilityMarks {
    double AnpAircraft = 0;  // x of the neutral point
    double RefArea = 0;      // mm²
    double RefChord = 0;
    StabilityNumbers numbers;
    bool manual = false;  // one desired position instead of the automatic range
};

// From the aircraft's neutral point and reference values (a calculation or
// an aircraft file's stored results) and the stability choice.
StabilityMarks stabilityMarks(int calcWingCount, double anpAircraft, double refArea, double refChord,
                              double marginDesired, bool manual);

// The x that stands for the recommended centre of gravity: the desired
// position in manual mode, the middle of the range otherwise.
double recommendedCg(const StabilityMarks& marks);

// The program's own words in a drawing, in the interface's language: the
// text catalogue above the core fills them, the rows for the source's marks.
struct ExportWords {
    std::string wing;           // before a wing's number: "Wing"
    StabilityRows rows;         // as the top view writes them; unused without marks
    std::string actualCg = {};  // the model's centre of gravity as built: "x_cg now: 78.4mm"
};

struct ExportSource {
    AircraftModel model;
    std::optional<StabilityMarks> marks;
    ExportWords words;
    std::optional<double> actualCg = std::nullopt;  // x of the model's centre of gravity as built, when known
    Units units = Units::Millimetre;                // of the DXF drawing's coordinates (the SVG is mm)
};

// One wing as drawn: closed outlines (one around both halves, or one per
// half when a centre gap parts them; the first point is not repeated), the
// mean aerodynamic chord on each half at the spanwise centroid of the half's
// area, and its quarter point r25 (absolute x).
struct WingGeometry {
    int wing = 1;
    std::vector<std::vector<PlanPoint>> outlines;
    std::vector<PlanPoint> rightHalf;  // closed by the root chord, also without a gap
    double macY = 0;                   // right half; the left is at −macY
    double macFront = 0;               // r25 − lm/4
    double macRear = 0;                // r25 + 3 lm/4
    double r25 = 0;
};

struct PlanExtent {
    double xMin = 0, xMax = 0, yMax = 0;  // the drawing is symmetric: y from −yMax to yMax
};

// The wings shown by the top view (WingCount), lowest first so that the
// highest ends on top, as the top view draws them.
std::vector<WingGeometry> wingGeometries(const AircraftModel& model);

// Everything drawn: the outlines and, when given, the marks on the centre line.
PlanExtent planExtent(const std::vector<WingGeometry>& wings, const std::optional<StabilityMarks>& marks);
// The same for a drawing of `source`, its centre of gravity as built included.
PlanExtent drawingExtent(const ExportSource& source);

// The reference wing's values as the evaluation takes them, from the
// planforms of wings 1..calcWingCount: the wing of largest root-to-tip
// half-span (ties within 0.1 mm go to the larger area); its area and mean
// chord with a centre gap filled by a rectangle of the root chord; its span.
struct ReferenceValues {
    int wing = 1;
    double area = 0, chord = 0, span = 0;
};
ReferenceValues referenceValues(const AircraftModel& model, int calcWingCount);

// The aircraft's name for titles: the file name without folder and ".da4".
std::string aircraftTitle(const AircraftModel& model);

// Where an export goes by default: beside the aircraft file, under its name,
// with `extension` ("planes/glider.da4", "svg" -> "planes/glider.svg").
std::string exportFileName(const AircraftModel& model, const std::string& extension);

// A length as written into the files: at most four decimals, no trailing
// zeros, no sign for zero ("310", "82.2531", "-130").
std::string numberText(double value);

}  // namespace ws
