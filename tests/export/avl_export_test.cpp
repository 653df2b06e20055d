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

}  // namespace
}  // namespace ws
