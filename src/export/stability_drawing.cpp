#include "export/stability_drawing.h"

#include <cmath>

#include "model/number_format.h"

namespace ws {

namespace {
constexpr double kBalanceLabelStep = 6;  // mm, about a text's height and a half
}

StabilityDrawing stabilityDrawing(const ExportSource& source) {
    StabilityDrawing d;
    if (source.actualCg) {
        const double x = *source.actualCg;
        // Clear of the neutral point's label on the same side.
        const bool near = source.marks && std::abs(source.marks->AnpAircraft - x) < kBalanceLabelStep;
        d.marks.push_back({x, x, 3, false, true});
        d.labels.push_back({near ? x + kBalanceLabelStep : x, source.words.actualCg, false, true, true});
    }
    if (!source.marks) return d;
    const StabilityMarks& m = *source.marks;
    const StabilityRows& rows = source.words.rows;
    d.marks.push_back({m.AnpAircraft, m.AnpAircraft, 6, true});
    d.labels.push_back({m.AnpAircraft, withoutTrailingBlanks(rows.neutralPoint), true, true});
    if (m.manual) {
        d.marks.push_back({m.numbers.CgDesired, m.numbers.CgDesired, 4, false});
        d.labels.push_back({m.numbers.CgDesired, withoutTrailingBlanks(rows.cgDesired), false, false});
    } else {
        d.marks.push_back({m.numbers.CgFront, m.numbers.CgRear, 4, false});
        d.labels.push_back({m.numbers.CgFront, withoutTrailingBlanks(rows.cgFront), false, false});
        d.labels.push_back({m.numbers.CgRear, withoutTrailingBlanks(rows.cgRear), false, false});
    }
    d.rows = {withoutTrailingBlanks(rows.refArea), withoutTrailingBlanks(rows.refChord)};
    return d;
}

}  // namespace ws
