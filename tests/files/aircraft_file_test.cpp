#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "../golden.h"
#include "files/aircraft_file.h"
#include "model/aircraft.h"

namespace ws {
namespace {

using Edits = std::vector<std::pair<std::size_t, std::string>>;

std::vector<std::string> linesOf(const std::string& bytes) {
    std::vector<std::string> lines;
    for (std::size_t at = 0, end; (end = bytes.find("\r\n", at)) != std::string::npos; at = end + 2)
        lines.push_back(bytes.substr(at, end - at));
    return lines;
}

// The start-up aircraft's file with lines (from 0) replaced, its first `keep` lines.
std::string startupWith(const Edits& edits, std::size_t keep = 59) {
    std::vector<std::string> lines = linesOf(aircraftFileBytes(startupAircraft(), std::nullopt));
    for (const auto& [line, text] : edits) lines[line] = text;
    std::string out;
    for (std::size_t k = 0; k < keep; ++k) out += lines[k] + "\r\n";
    return out;
}

AircraftFileContent parsed(const std::string& bytes) {
    return std::get<AircraftFileContent>(parseAircraftFile(bytes));
}

LoadedAircraft load(const std::string& bytes) {
    return applyAircraftFile(parsed(bytes), startupAircraft());
}

TEST(AircraftFileReader, LineEndsOfEverySystemLeadingBlanksAndAByteOrderMark) {
    const std::string crlf = aircraftFileBytes(startupAircraft(), std::nullopt);
    std::string lf, cr, unpadded;
    for (char c : crlf) {
        if (c != '\r') lf += c;
        if (c != '\n') cr += c;
        if (c != ' ') unpadded += c;
    }
    std::string byteOrderMark = "\xEF\xBB\xBF" + crlf;
    for (const std::string* bytes : {&lf, &cr, &unpadded, &byteOrderMark}) {
        const AircraftFileContent file = parsed(*bytes);
        EXPECT_EQ(file.wing[1].chord[1], 310);
        EXPECT_EQ(file.wing[2].posX, 680);
        EXPECT_EQ(file.wing[3].posX, -130);
        EXPECT_EQ(file.RefArea, 0.0);
        ASSERT_TRUE(file.remarks.has_value());
    }
    EXPECT_EQ(parsed(lf).remarks, "insert your remarks her:");
    EXPECT_EQ(parsed(cr).remarks, "insert your remarks her:");
}

// Start-up files with lines replaced: entries with signs, counts clamped, results only with a
// positive area, and what a Save writes back. A case: lines kept, then `LINE=TEXT` (from 1), by '|'.
TEST(GoldenAircraftFile, EditedStartupFilesLoadAs) {
    AircraftModel shown = startupAircraft();
    shown.WingCount = 1;
    shown.wing[1].TrapCount = 3;
    shown.wing[3].TrapCount = 4;
    shown.remarks = "old remarks";
    const std::vector<std::string> startup = linesOf(startupWith({}));
    std::ifstream in(std::string(WINSTABIX_TEST_DATA) + "/golden/aircraft-file.edits");
    std::ostringstream out;
    for (std::string line; std::getline(in, line);) {
        std::stringstream fields(line);
        std::string keep, edit;
        std::getline(fields, keep, '|');
        Edits edits;
        while (std::getline(fields, edit, '|'))
            edits.emplace_back(std::stoul(edit) - 1, edit.substr(edit.find('=') + 1));
        out << line << "\n  ";
        const auto file = parseAircraftFile(startupWith(edits, std::stoul(keep)));
        if (const auto* error = std::get_if<FileError>(&file)) {
            out << "refused: " << error->reason << "\n";
            continue;
        }
        const LoadedAircraft a =
            applyAircraftFile(std::get<AircraftFileContent>(file), shown, {1000, 200, 300});
        const WingEntry& e = a.entries[1];
        out << "wing 1 entries: gap " << e.gap << ", chords";
        for (int j = 1; j <= 5; ++j) out << ' ' << e.chord[j];
        out << ", spans";
        for (int j = 1; j <= 4; ++j) out << ' ' << e.span[j];
        out << "\n  wings " << a.model.WingCount << '/' << a.model.CalcWingCount << ", results "
            << a.results.RefArea << ' ' << a.results.RefChord << ' ' << a.results.AnpAircraft
            << (a.ResultsValid ? " valid" : "") << (a.resultsStored ? " stored" : "") << ", remarks \""
            << a.model.remarks << "\"\n  written back:";
        const std::vector<std::string> back =
            linesOf(aircraftFileBytes(a.model, a.ResultsValid ? std::optional(a.results) : std::nullopt));
        for (std::size_t k = 0; k < back.size(); ++k)
            if (k >= startup.size() || back[k] != startup[k]) out << " " << k + 1 << "=" << back[k] << "|";
        out << "\n";
    }
    test::expectGolden("aircraft-file.txt", out.str());
}

TEST(AircraftFileLoading, RemarksWithUmlautsTravelAsWindows1252) {
    AircraftModel m = startupAircraft();
    m.remarks = "Flügel für Höhenruder\nÄußerst leicht\nzehn € wert";
    const std::string bytes = aircraftFileBytes(m, std::nullopt);
    EXPECT_TRUE(
        bytes.ends_with(" \r\nFl\xFCgel f\xFCr H\xF6henruder\r\n\xC4u\xDF"
                        "erst leicht\r\nzehn \x80 wert\r\n"));
    EXPECT_EQ(load(bytes).model.remarks, m.remarks);

    // CR is dropped, what the code page lacks becomes "?", and no remarks are still a line.
    m.remarks = "zweite Zeile\r\ndritte ✓";
    EXPECT_TRUE(aircraftFileBytes(m, std::nullopt).ends_with(" \r\nzweite Zeile\r\ndritte ?\r\n"));
    m.remarks = "";
    EXPECT_TRUE(aircraftFileBytes(m, std::nullopt).ends_with("0\r\n \r\n\r\n"));
}

TEST(AircraftFileNames, ExtensionAndPatternRules) {
    const std::pair<const char*, const char*> names[] = {
        {"plane", "plane.da4"},
        {"plane.DA4", "plane.DA4"},
        {"x.da4.bak", "x.da4.bak"},
        {"plane.Da4", "plane.Da4.da4"},
        {"models/glider.da4", "models/glider.da4"},
        {"models.da4/plane", "models.da4/plane.da4"},
        {"", ".da4"},
    };
    for (const auto& [given, expected] : names) EXPECT_EQ(withAircraftExtension(given), expected) << given;
    EXPECT_TRUE(isFileNamePattern("*.da4") && isFileNamePattern("*.DA4"));
    EXPECT_FALSE(isFileNamePattern("a.da4") || isFileNamePattern("*.Da4"));
}

}  // namespace
}  // namespace ws
