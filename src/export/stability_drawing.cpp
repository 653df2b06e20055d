#include "export/stability_drawing.h"

namespace ws {

namespace {

std::string trimmed(std::string text) {
    const std::size_t end = text.find_last_not_of(' ');
    text.erase(end == std::string::npos ? 0 : end + 1);
    return text;
}

}  // namespace

StabilityDrawing stabilityDrawing(const ExportSource& source) {
    StabilityDrawing d;
    if (!source.marks) return d;
    const StabilityMarks& m = *source.marks;
    const StabilityRows& rows = source.words.rows;
    d.marks.push_back({m.AnpAircraft, m.AnpAircraft, 6, true});
    d.labels.push_back({m.AnpAircraft, trimmed(rows.neutralPoint), true, true});
    if (m.manual) {
        d.marks.push_back({m.numbers.CgDesired, m.numbers.CgDesired, 4, false});
        d.labels.push_back({m.numbers.CgDesired, trimmed(rows.cgDesired), false, false});
    } else {
        d.marks.push_back({m.numbers.CgFront, m.numbers.CgRear, 4, false});
        d.labels.push_back({m.numbers.CgFront, trimmed(rows.cgFront), false, false});
        d.labels.push_back({m.numbers.CgRear, trimmed(rows.cgRear), false, false});
    }
    d.rows = {trimmed(rows.refArea), trimmed(rows.refChord)};
    return d;
}

}  // namespace ws
