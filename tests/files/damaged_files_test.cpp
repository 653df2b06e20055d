// Damaged and hostile aircraft files: each is read into an aircraft or
// refused with its reason, never anything in between; what loads calculates
// to finite numbers, and results a file claims wrongly are replaced with a notice.
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

enum class Notice { None, Replaced, Incomplete };

struct Outcome {
    bool refused = false;
    std::string reason;  // after cannot open "NAME":
    int wings = 0;       // in the calculation
    bool calculated = false;
    Notice notice = Notice::None;  // about the stored results
};

Notice noticeOf(const CalcResult& r) {
    const auto has = [&r](MessageCode code) {
        return r.memoShown && std::find(r.memo.begin(), r.memo.end(), Message{code}) != r.memo.end();
    };
    return has(MessageCode::StoredResultsReplaced)     ? Notice::Replaced
           : has(MessageCode::StoredResultsIncomplete) ? Notice::Incomplete
                                                       : Notice::None;
}

Outcome outcomeOf(const fs::path& file) {
    const auto content = loadAircraftFile(file);
    if (const auto* error = std::get_if<FileError>(&content)) {
        const std::string prefix = "cannot open \"" + file.string() + "\": ";
        EXPECT_TRUE(error->reason.starts_with(prefix)) << error->reason;
        return {true, error->reason.substr(std::min(prefix.size(), error->reason.size()))};
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
    if (!loaded.resultsStored) {
        EXPECT_EQ(noticeOf(r), Notice::None) << file;
    }
    return {false, "", r.CalcWingCount, r.done(), noticeOf(r)};
}

std::string describe(const Outcome& o) {
    if (o.refused) return "refused: " + o.reason + "\n";
    const char* notices[] = {"", ", results replaced", ", results incomplete"};
    return std::to_string(o.wings) + " wings" +
           (o.calculated ? ", calculated" : ", refused by the calculation") + notices[int(o.notice)] + "\n";
}

// Every file of the corpus, and one with results cut after every line.
TEST(GoldenDamagedFiles, CorpusAndCutsGiveTheirOutcome) {
    const fs::path folder = fs::path(WINSTABIX_TEST_DATA) / "damaged";
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(folder)) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    std::string all;
    for (const fs::path& file : files) all += file.filename().string() + ": " + describe(outcomeOf(file));
    const std::string right = testing::readBytes(folder / "results-right.da4");
    testing::TempFolder temp;
    const fs::path cut = temp / "cut.da4";
    std::size_t line = 0;
    for (std::size_t end = 0; end != std::string::npos; end = right.find("\r\n", end + 1), ++line) {
        testing::writeBytes(cut, right.substr(0, end));
        all += "results-right.da4 cut after line " + std::to_string(line) + ": " + describe(outcomeOf(cut));
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
        const Outcome o = outcomeOf(folder / "big.da4");
        EXPECT_EQ(o.refused, refused) << size;
        EXPECT_EQ(o.reason, refused ? "too large for an aircraft file" : "") << size;
    }
}

}  // namespace
}  // namespace ws
