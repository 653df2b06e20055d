// Damaged and hostile files: read or refused with a reason, never between; what loads calculates
// to finite numbers, and wrongly claimed results are replaced with a notice.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>
#include <variant>
#include <vector>

#include "../golden.h"
#include "app/calc_report.h"
#include "files/aircraft_file.h"
#include "solver/stored_results.h"
#include "temp_folder.h"

namespace ws {
namespace {

namespace fs = std::filesystem;

// "refused: REASON" (after cannot open "NAME": ), or the wings calculated and
// any notice about the stored results.
std::string outcomeOf(const fs::path& file) {
    const auto content = loadAircraftFile(file);
    if (const auto* error = std::get_if<FileError>(&content)) {
        const std::string prefix = "cannot open \"" + file.string() + "\": ";
        EXPECT_TRUE(error->reason.starts_with(prefix)) << error->reason;
        return "refused: " + error->reason.substr(std::min(prefix.size(), error->reason.size())) + "\n";
    }
    const LoadedAircraft loaded =
        applyAircraftFile(std::get<AircraftFileContent>(content), startupAircraft());
    SolverWorkspace workspace;
    CalcResult r;
    calculateWithStoredResults(loaded.model, loaded.claimedResults(), {}, workspace, r);
    const std::string report = textReport(loaded.model, r, {});
    EXPECT_EQ(report.find("inf"), std::string::npos) << report;
    EXPECT_EQ(report.find("nan"), std::string::npos) << report;
    // The stability rows the report would carry are written from these.
    for (double x : {r.stability.CgFront, r.stability.CgRear, r.evaluation.AnpAircraft})
        EXPECT_TRUE(std::isfinite(x)) << file;
    const auto has = [&r](MessageCode code) {
        return r.memoShown && std::find(r.memo.begin(), r.memo.end(), Message{code}) != r.memo.end();
    };
    const bool replaced = has(MessageCode::StoredResultsReplaced);
    const bool incomplete = has(MessageCode::StoredResultsIncomplete);
    EXPECT_TRUE(loaded.resultsStored || !(replaced || incomplete)) << file;
    return std::to_string(r.CalcWingCount) + " wings" +
           (r.done() ? ", calculated" : ", refused by the calculation") +
           (replaced     ? ", results replaced"
            : incomplete ? ", results incomplete"
                         : "") +
           "\n";
}

// Every file of the corpus, and one with results cut after every line.
TEST(GoldenDamagedFiles, CorpusAndCutsGiveTheirOutcome) {
    const fs::path folder = fs::path(WINSTABIX_TEST_DATA) / "damaged";
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(folder)) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    std::string all;
    for (const fs::path& file : files) all += file.filename().string() + ": " + outcomeOf(file);
    const std::string right = testing::readBytes(folder / "results-right.da4");
    testing::TempFolder temp;
    const fs::path cut = temp / "cut.da4";
    std::size_t line = 0;
    for (std::size_t end = 0; end != std::string::npos; end = right.find("\r\n", end + 1), ++line) {
        testing::writeBytes(cut, right.substr(0, end));
        all += "results-right.da4 cut after line " + std::to_string(line) + ": " + outcomeOf(cut);
    }
    test::expectGolden("damaged-files.txt", all);
}

TEST(DamagedFiles, SizeLimitBeforeReading) {
    const std::string glider = testing::readBytes(fs::path(WINSTABIX_EXAMPLES) / "glider.da4");
    testing::TempFolder folder;
    for (const auto& [size, refused] : {std::pair{kMaxAircraftFileBytes, false},
                                        {kMaxAircraftFileBytes + 1, true},
                                        {std::uintmax_t{2} << 20, true}}) {
        std::string bytes = glider;
        bytes.resize(size, 'x');
        testing::writeBytes(folder / "big.da4", bytes);
        EXPECT_EQ(outcomeOf(folder / "big.da4"),
                  refused ? "refused: too large for an aircraft file\n" : "2 wings, calculated\n")
            << size;
    }
}

}  // namespace
}  // namespace ws
