#include "export/avl_export.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "files/aircraft_file.h"

namespace ws {
namespace {

namespace fs = std::filesystem;

// The lines after each keyword line and its comment: `SECTION` gives
// "Xle Yle Zle Chord Ainc", `#Sref Cref Bref` the reference values.
std::vector<std::vector<double>> valuesAfter(const std::string& text, const std::string& keyword,
                                             std::size_t skip) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    std::vector<std::vector<double>> found;
    for (std::size_t i = 0; i + skip < lines.size(); ++i) {
        if (lines[i] != keyword) continue;
        std::istringstream values(lines[i + skip]);
        std::vector<double> row;
        for (double v; values >> v && row.size() < 5;) row.push_back(v);
        found.push_back(row);
    }
    return found;
}

AircraftModel loaded(const fs::path& file) {
    auto content = loadAircraftFile(file);
    EXPECT_TRUE(std::holds_alternative<AircraftFileContent>(content)) << file;
    AircraftModel model = applyAircraftFile(std::get<AircraftFileContent>(content), startupAircraft()).model;
    model.AircraftFileName = file.string();
    return model;
}

TEST(AvlExport, ReferenceAircraftGiveTheSameSectionsAndReferenceValues) {
    const fs::path folder = fs::path(WINSTABIX_REFERENCE) / "avl";
    for (const char* name : {"a_rectangle", "b_startup", "c_swept"}) {
        std::ifstream file(folder / (std::string(1, name[0]) + "_13x32_uniform.avl"));
        const std::string reference{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
        ASSERT_FALSE(reference.empty()) << name;
        const std::string exported =
            avlInput({loaded(folder / (std::string(name) + ".da4")), std::nullopt, {}});
        EXPECT_EQ(valuesAfter(exported, "SECTION", 2), valuesAfter(reference, "SECTION", 2)) << name;
        const auto refValues = valuesAfter(reference, "#Sref Cref Bref", 1);
        const auto values = valuesAfter(exported, "#Sref Cref Bref", 1);
        ASSERT_EQ(values.size(), 1u);
        for (std::size_t i = 0; i < 3; ++i) EXPECT_NEAR(values[0][i], refValues[0][i], 1e-6) << name;
        EXPECT_TRUE(exported.starts_with(std::string(name) + "\n#Mach\n0.0\n#IYsym IZsym Zsym\n1 0 0.0\n"));
    }
    // The rectangle's lattice is the reference's uniform 13 x 32.
    const std::string a = avlInput({loaded(folder / "a_rectangle.da4"), std::nullopt, {}});
    EXPECT_NE(a.find("\n#Nchord Cspace Nspan Sspace\n13 0.0 32 0.0\n"), std::string::npos) << a;
}

TEST(AvlExport, SeveralTrapeziumsCarryTheirStripsPerSectionAndTheGapIsTheRootY) {
    AircraftModel model = startupAircraft();
    model.WingCount = model.CalcWingCount = 1;
    WingEntry entry = defaultWingEntry(1);
    entry.gap = 40;
    model.wing[1] = paramsFromEntry(entry, 3);
    const std::string avl = avlInput({model, std::nullopt, {}});
    // Stations: gap 40, then +550, +550, +80; chords 310, 230, 180, 40; offsets 30, 60, 220.
    // Sizing: area 540100, aspect 2360² / 540100 = 10.31, so round(sqrt(800 / 10.31)) = 9
    // chordwise; strips 9 x 550 / 270 = 18.3, 9 x 550 / 205 = 24.1, 9 x 80 / 110 = 6.55.
    EXPECT_NE(avl.find("\n9 0.0\nSECTION\n#Xle Yle Zle Chord Ainc Nspan Sspace\n0 40 0 310 0.0 18 0.0\n"
                       "SECTION\n#Xle Yle Zle Chord Ainc Nspan Sspace\n30 590 0 230 0.0 24 0.0\n"
                       "SECTION\n#Xle Yle Zle Chord Ainc Nspan Sspace\n60 1140 0 180 0.0 7 0.0\n"
                       "SECTION\n#Xle Yle Zle Chord Ainc Nspan Sspace\n220 1220 0 40 0.0 0 0.0\n"),
              std::string::npos)
        << avl;
    // The reference area fills the gap with the root chord: 2 x 40 x 310 more.
    const ReferenceValues ref = referenceValues(model, 1);
    EXPECT_DOUBLE_EQ(ref.area, Calc_W(model.wing[1]).WingArea + 2 * 40 * 310);
    EXPECT_DOUBLE_EQ(ref.span, 2440);
}

TEST(AvlExport, ReferencePointIsTheRecommendedCentreOfGravityWhenResultsExist) {
    // Neutral point 100, chord 200, two wings: range 68..84, desired 7.5 % at 85.
    const struct {
        std::optional<StabilityMarks> marks;
        const char* line;
    } cases[] = {
        {std::nullopt, "\n#Xref Yref Zref\n0.000000 0.0 0.0\n"},
        {stabilityMarks(2, 100, 30000, 200, 7.5, false), "\n#Xref Yref Zref\n76.000000 0.0 0.0\n"},
        {stabilityMarks(2, 100, 30000, 200, 7.5, true), "\n#Xref Yref Zref\n85.000000 0.0 0.0\n"},
    };
    for (const auto& c : cases) {
        const std::string avl = avlInput({startupAircraft(), c.marks, {}});
        EXPECT_NE(avl.find(c.line), std::string::npos) << avl;
    }
}

}  // namespace
}  // namespace ws
