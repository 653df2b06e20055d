#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "files/aircraft_file.h"
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
        EXPECT_TRUE(file.filename() != "startup.da4" || bytes == aircraftFileBytes(startupAircraft(), {}));
    }
}

}  // namespace
}  // namespace ws
