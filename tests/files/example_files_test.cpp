#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "files/aircraft_file.h"
#include "model/planform.h"
#include "temp_folder.h"

namespace ws {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> aircraftFilesIn(const fs::path& folder) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.path().extension() == ".da4") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

LoadedAircraft loadExample(const std::string& name) {
    auto content = loadAircraftFile(fs::path(WINSTABIX_EXAMPLES) / name);
    if (auto* error = std::get_if<FileError>(&content)) ADD_FAILURE() << error->reason;
    return applyAircraftFile(std::get<AircraftFileContent>(content), startupAircraft());
}

TEST(ExampleFiles, EveryFileWritesBackToTheSameBytes) {
    std::vector<fs::path> files = aircraftFilesIn(WINSTABIX_EXAMPLES);
    const std::vector<fs::path> data = aircraftFilesIn(WINSTABIX_TEST_DATA);
    files.insert(files.end(), data.begin(), data.end());
    ASSERT_GE(files.size(), 5u);
    for (const fs::path& file : files) {
        const std::string bytes = testing::readBytes(file);
        const LoadedAircraft loaded =
            applyAircraftFile(std::get<AircraftFileContent>(parseAircraftFile(bytes)), startupAircraft());
        const auto results = loaded.ResultsValid ? std::optional(loaded.results) : std::nullopt;
        EXPECT_EQ(aircraftFileBytes(loaded.model, results), bytes) << file;
    }
}

TEST(ExampleFiles, StartupFileIsTheStartupAircraft) {
    EXPECT_EQ(testing::readBytes(fs::path(WINSTABIX_EXAMPLES) / "startup.da4"),
              aircraftFileBytes(startupAircraft(), std::nullopt));
}

// Wings behind one another sit far enough apart in height that the
// calculation need not move them: more than 12 % of the rear wing's mean chord.
TEST(ExampleFiles, WingsBehindOneAnotherAreApartInHeight) {
    for (const char* name : {"glider.da4", "canard.da4"}) {
        const AircraftModel m = loadExample(name).model;
        for (int p = 1; p <= m.WingCount; ++p)
            for (int q = 1; q <= m.WingCount; ++q) {
                if (m.wing[q].WingPosX <= m.wing[p].WingPosX) continue;
                const double gap = 0.12 * Calc_W(m.wing[q]).WingMAC;
                EXPECT_GT(std::abs(m.wing[q].WingPosZ - m.wing[p].WingPosZ), gap)
                    << name << ": wing " << q << " behind wing " << p;
            }
    }
}

}  // namespace
}  // namespace ws
