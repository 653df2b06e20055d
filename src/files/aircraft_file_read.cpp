#include "files/aircraft_file.h"

#include <string>
#include <vector>

#include "files/cp1252.h"
#include "files/text_lines.h"
#include "model/entry_rule.h"

namespace ws {
namespace {

constexpr std::size_t kIntegerLines = 53;
constexpr std::size_t kFirstResultLine = 55;
constexpr std::size_t kFirstRemarksLine = 59;

// Line `number` (from 1) by the entry rule; a missing line reads 0.
std::int32_t integerAt(const std::vector<std::string_view>& lines, std::size_t number) {
    return number <= lines.size() ? entryValue(lines[number - 1]) : 0;
}

std::optional<double> decimalAt(const std::vector<std::string_view>& lines, std::size_t number) {
    if (number > lines.size()) return std::nullopt;
    return decimalValue(lines[number - 1]);
}

// The sixteen values of a wing, starting at its first chord line.
WingEntry wingAt(const std::vector<std::string_view>& lines, std::size_t first) {
    WingEntry e;
    std::size_t n = first;
    for (int j = 1; j <= kMaxStations; ++j) e.chord[j] = integerAt(lines, n++);
    e.gap = integerAt(lines, n++);
    for (int j = 1; j <= kMaxTrapeziums; ++j) e.span[j] = integerAt(lines, n++);
    for (int j = 2; j <= kMaxStations; ++j) e.offset[j] = integerAt(lines, n++);
    e.posX = integerAt(lines, n++);
    e.posZ = integerAt(lines, n);
    return e;
}

}  // namespace

AircraftFileContent parseAircraftFile(std::string_view bytes) {
    const std::vector<std::string_view> lines = splitLines(bytes);
    AircraftFileContent file;
    file.wingCount = integerAt(lines, 1);
    constexpr std::size_t kLinesPerWing = 17;  // trapezium count and sixteen values
    for (int w = 1; w <= kMaxWings; ++w) {
        const std::size_t countLine = 2 + (w - 1) * kLinesPerWing;
        file.trapCount[w] = integerAt(lines, countLine);
        file.wing[w] = wingAt(lines, countLine + 1);
    }
    static_assert(1 + kMaxWings * kLinesPerWing + 1 == kIntegerLines);

    file.RefArea = decimalAt(lines, kFirstResultLine);
    file.RefChord = decimalAt(lines, kFirstResultLine + 1);
    file.AnpAircraft = decimalAt(lines, kFirstResultLine + 2);
    if (lines.size() >= kFirstRemarksLine) {
        std::string remarks = cp1252ToUtf8(lines[kFirstRemarksLine - 1]);
        for (std::size_t i = kFirstRemarksLine; i < lines.size(); ++i) {
            remarks += '\n';
            remarks += cp1252ToUtf8(lines[i]);
        }
        file.remarks = std::move(remarks);
    }
    return file;
}

LoadedAircraft applyAircraftFile(const AircraftFileContent& file, const AircraftModel& current,
                                 const StoredResults& currentResults) {
    LoadedAircraft loaded;
    AircraftModel& m = loaded.model;
    m = current;
    if (file.wingCount >= 1 && file.wingCount <= kMaxWings) m.WingCount = file.wingCount;
    m.CalcWingCount = m.WingCount;
    for (int w = 1; w <= kMaxWings; ++w) {
        const int count = file.trapCount[w];
        const int trapCount = count >= 1 && count <= kMaxTrapeziums ? count : current.wing[w].TrapCount;
        m.wing[w] = paramsFromEntry(file.wing[w], trapCount);
        loaded.entries[w] = file.wing[w];
    }
    m.remarks = file.remarks.value_or(" ");

    loaded.results.RefArea = file.RefArea.value_or(0.0);
    loaded.results.RefChord = file.RefChord.value_or(currentResults.RefChord);
    loaded.results.AnpAircraft = file.AnpAircraft.value_or(currentResults.AnpAircraft);
    loaded.ResultsValid = loaded.results.RefArea > 0;
    return loaded;
}

std::variant<AircraftFileContent, FileError> loadAircraftFile(const std::filesystem::path& path) {
    auto bytes = readWholeFile(path);
    if (auto* error = std::get_if<FileError>(&bytes)) return std::move(*error);
    return parseAircraftFile(std::get<std::string>(bytes));
}

}  // namespace ws
