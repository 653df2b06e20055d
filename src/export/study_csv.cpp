#include "export/study_csv.h"

#include <array>
#include <charconv>
#include <cmath>

namespace ws {
namespace {

void number(std::string& out, double v) {
    out += ',';
    if (!std::isfinite(v)) return;
    std::array<char, 32> buffer{};
    const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), v);
    out.append(buffer.data(), ec == std::errc{} ? end : buffer.data());
}

// Quoted when it holds a separator, a quote or a line end; quotes doubled.
void text(std::string& out, const std::string& cell) {
    out += ',';
    if (cell.find_first_of(",\"\r\n") == std::string::npos) {
        out += cell;
        return;
    }
    out += '"';
    for (char c : cell) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

}  // namespace

const char* const kStudyCsvHeader =
    "value,anp_aircraft,cg_front,cg_rear,ref_chord,lift_slope_1,lift_slope_2,lift_slope_3,refused";

std::string studyCsv(const std::vector<StudyRow>& rows, const std::vector<std::string>& notes) {
    std::string out = std::string(kStudyCsvHeader) + "\n";
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const StudyRow& r = rows[i];
        std::string line;
        number(line, r.value);
        if (r.done) {
            for (double v : {r.AnpAircraft, r.CgFront, r.CgRear, r.RefChord}) number(line, v);
            for (int w = 1; w <= kMaxWings; ++w)
                w <= r.CalcWingCount ? number(line, r.LiftSlopeWing[w]) : void(line += ',');
        } else {
            line += ",,,,,,,";
        }
        text(line, i < notes.size() ? notes[i] : std::string());
        out += line.substr(1) + "\n";
    }
    return out;
}

}  // namespace ws
