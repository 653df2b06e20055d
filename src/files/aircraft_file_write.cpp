#include "files/aircraft_file.h"

#include <string>

#include "files/cp1252.h"
#include "model/number_format.h"

namespace ws {
namespace {

constexpr const char* kLineEnd = "\r\n";

void integerLine(std::string& out, std::int64_t value) {
    out += padded(value, 4);
    out += kLineEnd;
}

void textLine(std::string& out, std::string_view text) {
    out += text;
    out += kLineEnd;
}

// Lines 3..18 of a wing (and their counterparts for wings 2 and 3).
void wingLines(std::string& out, const WingParams& p) {
    const WingEntry spans = entryFromParams(p);
    for (int j = 1; j <= kMaxStations; ++j) integerLine(out, p.ChordMm[j]);
    integerLine(out, p.WingGap);
    for (int j = 1; j <= kMaxTrapeziums; ++j) integerLine(out, spans.span[j]);
    for (int j = 2; j <= kMaxStations; ++j) integerLine(out, p.OffsetMm[j]);
    integerLine(out, p.WingPosX);
    integerLine(out, p.WingPosZ);
}

void resultLines(std::string& out, const std::optional<StoredResults>& results) {
    if (!results) {
        for (int i = 0; i < 3; ++i) textLine(out, "0");
        return;
    }
    textLine(out, fixed(results->RefArea, 1, 4));
    textLine(out, fixed(results->RefChord, 2, 4));
    textLine(out, fixed(results->AnpAircraft, 2, 4));
}

void remarksLines(std::string& out, std::string_view remarks) {
    std::size_t start = 0;
    while (true) {
        const std::size_t end = remarks.find('\n', start);
        std::string line(remarks.substr(start, end == std::string_view::npos ? end : end - start));
        std::erase(line, '\r');
        textLine(out, utf8ToCp1252(line));
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
}

}  // namespace

std::string aircraftFileBytes(const AircraftModel& model, const std::optional<StoredResults>& results) {
    std::string out;
    out.reserve(400 + model.remarks.size());
    integerLine(out, model.WingCount);
    for (int w = 1; w <= kMaxWings; ++w) {
        integerLine(out, model.wing[w].TrapCount);
        wingLines(out, model.wing[w]);
    }
    integerLine(out, 0);
    textLine(out, " ");
    resultLines(out, results);
    textLine(out, " ");
    remarksLines(out, model.remarks);
    for (const std::string& line : balanceBlockLines(model.balance, model.remarks))
        textLine(out, utf8ToCp1252(line));
    return out;
}

}  // namespace ws
