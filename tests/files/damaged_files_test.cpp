// Damaged and hostile aircraft files: each is read into an aircraft or
// refused with its reason, never anything in between; what loads calculates,
// and results a file claims wrongly are replaced with a notice.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>
#include <variant>

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

TEST(DamagedFiles, CorpusGivesItsOutcome) {
    const fs::path folder = fs::path(WINSTABIX_TEST_DATA) / "damaged";
    using enum Notice;
    const struct {
        const char* file;
        const char* refusal;  // empty: loads
        int wings;
        bool calculated;
        Notice notice;
    } corpus[] = {
        {"empty.da4", "the file ends after line 0; an aircraft file has at least 53 lines", 0, false, None},
        {"foreign-text.da4", "line 1 is not a whole number", 0, false, None},
        {"binary-rubbish.da4", "line 1 is not a whole number", 0, false, None},
        {"line-12-decimal.da4", "line 12 is not a whole number", 0, false, None},
        {"byte-order-mark.da4", "", 2, true, None},
        {"counts-out-of-range.da4", "", 3, true, None},  // 7 wings, 0 trapeziums
        {"counts-zero-and-seven.da4", "", 1, true, None},
        {"lf-only-leading-blanks.da4", "", 2, true, None},
        {"cr-only.da4", "", 2, true, None},
        {"remarks-odd-bytes.da4", "", 2, true, None},
        {"sweep-90-degrees.da4", "", 2, false, None},      // a 2147483647 mm leading-edge offset
        {"wing-centre-off-wing.da4", "", 2, false, None},  // a canard's centre 102 mm ahead of it
        {"results-right.da4", "", 2, true, None},
        {"results-from-3000-panels.da4", "", 2, true, None},
        {"results-odd-aircraft-100-panels.da4", "", 2, true, None},  // 12 % of the chord off
        {"results-cut-after-area.da4", "", 2, true, Incomplete},
        {"results-disagree.da4", "", 2, true, Replaced},
        {"results-infinite.da4", "", 2, true, Replaced},
        {"results-negative.da4", "", 2, true, Replaced},
    };
    std::size_t files = 0;
    for (const auto& entry : fs::directory_iterator(folder)) files += entry.path().extension() == ".da4";
    EXPECT_EQ(files, std::size(corpus)) << "every file of the corpus has its row";
    for (const auto& c : corpus) {
        SCOPED_TRACE(c.file);
        const Outcome o = outcomeOf(folder / c.file);
        EXPECT_EQ(o.refused, *c.refusal != 0);
        EXPECT_EQ(o.reason, c.refusal);
        EXPECT_EQ(o.wings, c.wings);
        EXPECT_EQ(o.calculated, c.calculated);
        EXPECT_EQ(o.notice, c.notice);
    }
}

// Cut after every line of a file with results: refused up to line 52, loaded
// from 53 on, its results incomplete when cut inside them.
TEST(DamagedFiles, TruncatedAfterEveryLine) {
    const std::string glider =
        testing::readBytes(fs::path(WINSTABIX_TEST_DATA) / "damaged" / "results-right.da4");
    testing::TempFolder folder;
    const fs::path cut = folder / "cut.da4";
    std::size_t line = 0;
    for (std::size_t end = 0; end != std::string::npos; end = glider.find("\r\n", end + 1), ++line) {
        testing::writeBytes(cut, glider.substr(0, end));
        const Outcome o = outcomeOf(cut);
        if (line < 53) {
            EXPECT_EQ(o.reason, "the file ends after line " + std::to_string(line) +
                                    "; an aircraft file has at least 53 lines");
        } else {
            EXPECT_TRUE(o.calculated) << line;
            EXPECT_EQ(o.notice, line == 55 || line == 56 ? Notice::Incomplete : Notice::None) << line;
        }
    }
    EXPECT_EQ(line, 62u);
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
