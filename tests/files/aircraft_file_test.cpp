#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "files/aircraft_file.h"
#include "model/aircraft.h"

namespace ws {
namespace {

std::string crlfLines(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& line : lines) out += line + "\r\n";
    return out;
}

// The start-up aircraft's file, line by line, integers as "%4d".
std::vector<std::string> startupLines() {
    const int integers[] = {
        2,                                                                          // wing count
        1, 310, 230, 180, 40, 6, 0, 550, 550, 80,  20, 30, 60, 220, 300, 0,    0,   // wing 1
        1, 90,  70,  65,  50, 6, 0, 120, 100, 100, 10, 10, 20, 50,  100, 680,  60,  // wing 2
        1, 90,  80,  70,  50, 8, 0, 100, 60,  40,  10, 40, 60, 70,  90,  -130, 33,  // wing 3
        0,                                                                          // reserved
    };
    std::vector<std::string> lines;
    for (int v : integers) {
        char text[16];
        std::snprintf(text, sizeof text, "%4d", v);
        lines.emplace_back(text);
    }
    for (const char* line : {" ", "0", "0", "0", " ", "insert your remarks her:"}) lines.emplace_back(line);
    return lines;
}

AircraftFileContent parsed(const std::string& bytes) {
    return std::get<AircraftFileContent>(parseAircraftFile(bytes));
}

LoadedAircraft load(const std::string& bytes, const AircraftModel& current = startupAircraft()) {
    return applyAircraftFile(parsed(bytes), current);
}

TEST(AircraftFileWriter, StartupAircraftByteForByte) {
    const std::vector<std::string> lines = startupLines();
    ASSERT_EQ(lines.size(), 59u);
    EXPECT_EQ(aircraftFileBytes(startupAircraft(), std::nullopt), crlfLines(lines));
}

TEST(AircraftFileWriter, ResultsOnlyWhenGiven) {
    const struct {
        std::optional<StoredResults> results;
        const char* block;
    } cases[] = {
        {StoredResults{297000.04, 271.975, 95.125}, "\r\n \r\n297000.0\r\n271.98\r\n95.12\r\n \r\n"},
        {StoredResults{5, -2.5, 0}, "\r\n \r\n 5.0\r\n-2.50\r\n0.00\r\n \r\n"},
    };
    for (const auto& c : cases)
        EXPECT_NE(aircraftFileBytes(startupAircraft(), c.results).find(c.block), std::string::npos)
            << c.block;
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

TEST(AircraftFileReader, ResultLinesPresentAbsentOrNotNumbers) {
    std::vector<std::string> lines = startupLines();
    lines.resize(54);
    lines.push_back("abc");  // the runtime would stop with an error here; it reads 0
    lines.push_back(" 12.5x");
    const AircraftFileContent file = parsed(crlfLines(lines));
    EXPECT_EQ(file.RefArea, 0.0);
    EXPECT_EQ(file.RefChord, 12.5);
    EXPECT_FALSE(file.AnpAircraft.has_value());
    EXPECT_FALSE(file.remarks.has_value());
}

// Counts beyond their range take its nearest end, whatever was shown before.
TEST(AircraftFileLoading, CountsOutOfRangeAreClamped) {
    AircraftModel shown = startupAircraft();
    shown.WingCount = 1;
    shown.wing[1].TrapCount = 3;
    shown.wing[2].TrapCount = 2;
    shown.wing[3].TrapCount = 4;
    // Lines: wing count, trapeziums of wings 1..3.
    const struct {
        const char* text[4];
        int expected[4];
    } cases[] = {{{"0", "7", "5", "-1"}, {1, 4, 4, 1}},
                 {{"4", "0", "-2147483648", "2147483647"}, {3, 1, 1, 4}},
                 {{"3", "4", "1", "2"}, {3, 4, 1, 2}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text[0]);
        std::vector<std::string> lines = startupLines();
        for (int k = 0; k < 4; ++k) lines[k == 0 ? 0 : 1 + 17 * (k - 1)] = c.text[k];
        for (const AircraftModel& before : {shown, startupAircraft()}) {
            const AircraftModel m = load(crlfLines(lines), before).model;
            EXPECT_EQ(m.WingCount, c.expected[0]);
            EXPECT_EQ(m.CalcWingCount, c.expected[0]);
            for (int w = 1; w <= 3; ++w) EXPECT_EQ(m.wing[w].TrapCount, c.expected[w]) << "wing " << w;
            // The values load all the same, hidden trapeziums included.
            EXPECT_EQ(m.wing[1].ChordMm[1], 310);
            EXPECT_EQ(m.wing[1].StationYMm[5], 1200);
        }
    }
}

// Every writer of the format wrote lines 1..53 as whole numbers.
TEST(AircraftFileReader, IntegerLinesMustBeWholeNumbers) {
    const struct {
        std::size_t line;  // from 1
        const char* text;
        const char* refusal;  // empty: read, as `value`
        int value;
    } cases[] = {
        {12, " -12 ", "", -12},
        {12, "\t+7\t", "", 7},
        {12, "99999999999", "", 2147483647},
        {12, "12.5", "line 12 is not a whole number", 0},
        {12, "", "line 12 is not a whole number", 0},
        {12, "- 5", "line 12 is not a whole number", 0},
        {12, "$1F", "line 12 is not a whole number", 0},
        {1, "two", "line 1 is not a whole number", 0},
        {53, "0x", "line 53 is not a whole number", 0},
    };
    for (const auto& c : cases) {
        std::vector<std::string> lines = startupLines();
        lines[c.line - 1] = c.text;
        const auto file = parseAircraftFile(crlfLines(lines));
        if (*c.refusal) {
            ASSERT_TRUE(std::holds_alternative<FileError>(file)) << c.text;
            EXPECT_EQ(std::get<FileError>(file).reason, c.refusal);
        } else {
            ASSERT_TRUE(std::holds_alternative<AircraftFileContent>(file)) << c.text;
            EXPECT_EQ(std::get<AircraftFileContent>(file).wing[1].span[4], c.value) << c.text;
        }
    }
}

// A file that ends after line 53 keeps the older results but the area.
TEST(AircraftFileLoading, NoResultLinesKeepTheOlderResultsButTheArea) {
    const std::vector<std::string> all = startupLines();
    AircraftModel current = startupAircraft();
    current.remarks = "old remarks";
    const LoadedAircraft loaded = applyAircraftFile(parsed(crlfLines({all.begin(), all.begin() + 53})),
                                                    current, StoredResults{1000, 200, 300});
    EXPECT_EQ(loaded.model.remarks, " ");
    EXPECT_EQ(loaded.results.RefArea, 0);
    EXPECT_EQ(loaded.results.RefChord, 200);
    EXPECT_EQ(loaded.results.AnpAircraft, 300);
    EXPECT_FALSE(loaded.ResultsValid);
    EXPECT_FALSE(loaded.resultsStored);
}

TEST(AircraftFileLoading, ResultsOnlyWithAPositiveArea) {
    for (const auto& [area, valid] :
         {std::pair{"0", false}, {"-5.0", false}, {"x", false}, {" 0.0", false}, {"297000.0", true}}) {
        std::vector<std::string> lines = startupLines();
        lines[54] = area;
        lines[55] = "272.00";
        lines[56] = "150.25";
        const LoadedAircraft loaded = load(crlfLines(lines));
        EXPECT_EQ(loaded.ResultsValid, valid) << area;
        if (valid) {
            EXPECT_EQ(loaded.results.RefArea, 297000.0);
        }
        EXPECT_EQ(loaded.results.RefChord, 272.0);
        EXPECT_EQ(loaded.results.AnpAircraft, 150.25);
        EXPECT_TRUE(loaded.resultsStored) << area;  // the chord line alone claims results
    }
}

TEST(AircraftFileLoading, EntriesKeepTheirSignsTheModelAndTheWriterTakeAbsoluteValues) {
    std::vector<std::string> lines = startupLines();
    lines[2] = "-310";   // chord 1
    lines[7] = " -50";   // gap
    lines[9] = "-550";   // span 2
    lines[12] = " -30";  // offset 2
    const LoadedAircraft loaded = load(crlfLines(lines));
    EXPECT_EQ(loaded.entries[1].chord[1], -310);
    EXPECT_EQ(loaded.entries[1].gap, -50);
    EXPECT_EQ(loaded.model.wing[1].ChordMm[1], 310);
    EXPECT_EQ(loaded.model.wing[1].WingGap, 50);
    EXPECT_EQ(loaded.model.wing[1].StationYMm[3], 1150);
    EXPECT_EQ(loaded.model.wing[1].OffsetMm[2], -30);

    lines[2] = " 310";
    lines[7] = "  50";
    lines[9] = " 550";
    EXPECT_EQ(aircraftFileBytes(loaded.model, std::nullopt), crlfLines(lines));
}

// Spans add up beyond the 32-bit range without taking from one another.
TEST(AircraftFileLoading, SaturatedValuesSaveAsTheFieldsShowThem) {
    std::vector<std::string> lines = startupLines();
    lines[8] = "2147483647";    // span 1
    lines[9] = "2147483647";    // span 2
    lines[10] = "-2147483648";  // span 3
    lines[7] = "2147483647";    // gap
    const LoadedAircraft loaded = load(crlfLines(lines));
    lines[10] = "2147483647";  // spans are kept as absolute values
    EXPECT_EQ(aircraftFileBytes(loaded.model, std::nullopt), crlfLines(lines));
    EXPECT_EQ(load(crlfLines(lines)).entries[1].span,
              (std::array<std::int32_t, 5>{0, 2147483647, 2147483647, 2147483647, 20}));
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
    EXPECT_TRUE(isFileNamePattern("*.da4"));
    EXPECT_TRUE(isFileNamePattern("*.DA4"));
    EXPECT_FALSE(isFileNamePattern("a.da4"));
    EXPECT_FALSE(isFileNamePattern("*.Da4"));
}

}  // namespace
}  // namespace ws
