#include "files/aircraft_file.h"

#include <string>
#include <vector>

#include "files/cp1252.h"
#include "files/text_lines.h"
#include "model/entry_rule.h"

namespace ws {
namespace {

constexpr int kIntegerLines = 53;

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// An optionally signed whole number with blanks around it.
bool isWholeNumber(std::string_view line) {
    std::size_t i = 0;
    while (i < line.size() && isBlank(line[i])) ++i;
    if (i < line.size() && (line[i] == '-' || line[i] == '+')) ++i;
    const std::size_t digits = i;
    while (i < line.size() && line[i] >= '0' && line[i] <= '9') ++i;
    if (i == digits) return false;
    while (i < line.size() && isBlank(line[i])) ++i;
    return i == line.size();
}

// The sixteen values of a wing in file order, from `values` at `first` (from 0).
WingEntry wingAt(const std::array<std::int32_t, kIntegerLines>& values, std::size_t first) {
    WingEntry e;
    std::size_t n = first;
    for (int j = 1; j <= kMaxStations; ++j) e.chord[j] = values[n++];
    e.gap = values[n++];
    for (int j = 1; j <= kMaxTrapeziums; ++j) e.span[j] = values[n++];
    for (int j = 2; j <= kMaxStations; ++j) e.offset[j] = values[n++];
    e.posX = values[n++];
    e.posZ = values[n];
    return e;
}

}  // namespace

std::variant<AircraftFileContent, FileError> parseAircraftFile(std::string_view bytes) {
    // Editors that save as UTF-8 may put a byte-order mark before line 1.
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (bytes.starts_with(kByteOrderMark)) bytes.remove_prefix(kByteOrderMark.size());
    LineCursor cursor(bytes);
    std::array<std::int32_t, kIntegerLines> values{};
    for (int n = 1; n <= kIntegerLines; ++n) {
        const auto line = cursor.next();
        if (!line)
            return FileError{"the file ends after line " + std::to_string(n - 1) +
                             "; an aircraft file has at least " + std::to_string(kIntegerLines) + " lines"};
        if (!isWholeNumber(*line)) return FileError{"line " + std::to_string(n) + " is not a whole number"};
        values[std::size_t(n - 1)] = entryValue(*line);
    }

    AircraftFileContent file;
    file.wingCount = values[0];
    constexpr std::size_t kLinesPerWing = 17;  // trapezium count and sixteen values
    for (int w = 1; w <= kMaxWings; ++w) {
        const std::size_t countLine = 1 + std::size_t(w - 1) * kLinesPerWing;  // from 0
        file.trapCount[w] = values[countLine];
        file.wing[w] = wingAt(values, countLine + 1);
    }
    static_assert(1 + kMaxWings * kLinesPerWing + 1 == kIntegerLines);

    if (!cursor.next()) return file;  // line 54, a blank
    for (std::optional<double>* result : {&file.RefArea, &file.RefChord, &file.AnpAircraft}) {
        const auto line = cursor.next();
        if (!line) return file;
        *result = decimalValue(*line);
    }
    if (!cursor.next()) return file;  // line 58, a blank
    if (auto line = cursor.next()) {
        std::string remarks = cp1252ToUtf8(*line);
        while ((line = cursor.next())) {
            remarks += '\n';
            remarks += cp1252ToUtf8(*line);
        }
        constexpr int kFirstRemarksLine = kIntegerLines + 6;
        RemarksAndBalance split = splitBalanceBlock(remarks, kFirstRemarksLine);
        file.remarks = std::move(split.remarks);
        file.balance = std::move(split.balance);
        file.balanceNotes = std::move(split.notes);
    }
    return file;
}

LoadedAircraft applyAircraftFile(const AircraftFileContent& file, const AircraftModel& current,
                                 const StoredResults& currentResults) {
    LoadedAircraft loaded;
    AircraftModel& m = loaded.model;
    m.AircraftFileName = current.AircraftFileName;
    m.WingCount = clampedWingCount(file.wingCount);
    m.CalcWingCount = m.WingCount;
    for (int w = 1; w <= kMaxWings; ++w) {
        m.wing[w] = paramsFromEntry(file.wing[w], clampedTrapCount(file.trapCount[w]));
        loaded.entries[w] = file.wing[w];
    }
    m.remarks = file.remarks.value_or(" ");
    m.balance = file.balance;
    loaded.balanceNotes = file.balanceNotes;

    loaded.results.RefArea = file.RefArea.value_or(0.0);
    loaded.results.RefChord = file.RefChord.value_or(currentResults.RefChord);
    loaded.results.AnpAircraft = file.AnpAircraft.value_or(currentResults.AnpAircraft);
    loaded.ResultsValid = loaded.results.RefArea > 0;
    for (const std::optional<double>& value : {file.RefArea, file.RefChord, file.AnpAircraft})
        loaded.resultsStored = loaded.resultsStored || value.value_or(0) != 0;
    loaded.results.complete = file.AnpAircraft.has_value();
    return loaded;
}

std::variant<AircraftFileContent, FileError> loadAircraftFile(const std::filesystem::path& path) {
    auto bytes = readWholeFile(path, kMaxAircraftFileBytes, "too large for an aircraft file");
    if (auto* error = std::get_if<FileError>(&bytes)) return std::move(*error);
    auto content = parseAircraftFile(std::get<std::string>(bytes));
    if (auto* error = std::get_if<FileError>(&content))
        return FileError{"cannot open \"" + path.string() + "\": " + error->reason};
    return content;
}

}  // namespace ws
