#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "files/aircraft_file.h"
#include "model/aircraft.h"

namespace ws {
namespace {

using Edits = std::vector<std::pair<std::size_t, std::string>>;

// The start-up aircraft's file with lines (from 0) replaced, its first `keep` lines.
std::string startupWith(const Edits& edits, std::size_t keep = 59) {
    std::vector<std::string> lines;
    const std::string bytes = aircraftFileBytes(startupAircraft(), std::nullopt);
    for (std::size_t at = 0, end; (end = bytes.find("\r\n", at)) != std::string::npos; at = end + 2)
        lines.push_back(bytes.substr(at, end - at));
    for (const auto& [line, text] : edits) lines[line] = text;
    std::string out;
    for (std::size_t k = 0; k < keep; ++k) out += lines[k] + "\r\n";
    return out;
}

AircraftFileContent parsed(const std::string& bytes) {
    return std::get<AircraftFileContent>(parseAircraftFile(bytes));
}

LoadedAircraft load(const std::string& bytes, const AircraftModel& current = startupAircraft()) {
    return applyAircraftFile(parsed(bytes), current);
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
    // The runtime would stop with an error at "abc"; it reads 0.
    const AircraftFileContent file = parsed(startupWith({{54, "abc"}, {55, " 12.5x"}}, 56));
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
        const std::string bytes =
            startupWith({{0, c.text[0]}, {1, c.text[1]}, {18, c.text[2]}, {35, c.text[3]}});
        for (const AircraftModel& before : {shown, startupAircraft()}) {
            const AircraftModel m = load(bytes, before).model;
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
        const auto file = parseAircraftFile(startupWith({{c.line - 1, c.text}}));
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
    AircraftModel current = startupAircraft();
    current.remarks = "old remarks";
    const LoadedAircraft loaded =
        applyAircraftFile(parsed(startupWith({}, 53)), current, StoredResults{1000, 200, 300});
    EXPECT_EQ(loaded.model.remarks, " ");
    EXPECT_EQ(std::tuple(loaded.results.RefArea, loaded.results.RefChord, loaded.results.AnpAircraft),
              std::tuple(0, 200, 300));
    EXPECT_FALSE(loaded.ResultsValid || loaded.resultsStored);
}

TEST(AircraftFileLoading, ResultsOnlyWithAPositiveArea) {
    for (const auto& [area, valid] :
         {std::pair{"0", false}, {"-5.0", false}, {"x", false}, {" 0.0", false}, {"297000.0", true}}) {
        const LoadedAircraft loaded = load(startupWith({{54, area}, {55, "272.00"}, {56, "150.25"}}));
        EXPECT_EQ(loaded.ResultsValid, valid) << area;
        EXPECT_TRUE(!valid || loaded.results.RefArea == 297000.0) << area;
        EXPECT_EQ(loaded.results.RefChord, 272.0);
        EXPECT_EQ(loaded.results.AnpAircraft, 150.25);
        EXPECT_TRUE(loaded.resultsStored) << area;  // the chord line alone claims results
    }
}

TEST(AircraftFileLoading, EntriesKeepTheirSignsTheModelAndTheWriterTakeAbsoluteValues) {
    // Chord 1, gap, span 2, offset 2.
    const LoadedAircraft loaded = load(startupWith({{2, "-310"}, {7, " -50"}, {9, "-550"}, {12, " -30"}}));
    EXPECT_EQ(loaded.entries[1].chord[1], -310);
    EXPECT_EQ(loaded.entries[1].gap, -50);
    EXPECT_EQ(loaded.model.wing[1].ChordMm[1], 310);
    EXPECT_EQ(loaded.model.wing[1].WingGap, 50);
    EXPECT_EQ(loaded.model.wing[1].StationYMm[3], 1150);
    EXPECT_EQ(loaded.model.wing[1].OffsetMm[2], -30);
    EXPECT_EQ(aircraftFileBytes(loaded.model, std::nullopt), startupWith({{7, "  50"}, {12, " -30"}}));
}

// Spans add up beyond the 32-bit range without taking from one another; the
// spans are kept as absolute values.
TEST(AircraftFileLoading, SaturatedValuesSaveAsTheFieldsShowThem) {
    const std::string max = "2147483647";
    const Edits saturated = {{7, max}, {8, max}, {9, max}, {10, max}};  // gap, spans 1..3
    const LoadedAircraft loaded = load(startupWith({{7, max}, {8, max}, {9, max}, {10, "-2147483648"}}));
    EXPECT_EQ(aircraftFileBytes(loaded.model, std::nullopt), startupWith(saturated));
    EXPECT_EQ(load(startupWith(saturated)).entries[1].span,
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
    EXPECT_TRUE(isFileNamePattern("*.da4") && isFileNamePattern("*.DA4"));
    EXPECT_FALSE(isFileNamePattern("a.da4") || isFileNamePattern("*.Da4"));
}

}  // namespace
}  // namespace ws
