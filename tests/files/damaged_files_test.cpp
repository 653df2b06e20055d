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

struct Outcome {
    bool refused = false;
    std::string reason;  // after cannot open "NAME":
    bool calculated = false;
    bool notice = false;  // stored results replaced
};

bool hasNotice(const CalcResult& r) {
    return r.memoShown && std::find(r.memo.begin(), r.memo.end(),
                                    storedResultsReplacedLine(Language::English)) != r.memo.end();
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
    const std::string report = textReport(loaded.model, r, true);
    EXPECT_EQ(report.find("inf"), std::string::npos) << report;
    EXPECT_EQ(report.find("nan"), std::string::npos) << report;
    if (!loaded.resultsStored) {
        EXPECT_FALSE(hasNotice(r)) << file;
    }
    return {false, "", r.done(), hasNotice(r)};
}

TEST(DamagedFiles, CorpusGivesItsOutcome) {
    const fs::path folder = fs::path(WINSTABIX_TEST_DATA) / "damaged";
    const struct {
        const char* file;
        const char* refusal;  // empty: loads
        bool notice;
    } corpus[] = {
        {"empty.da4", "the file ends after line 0; an aircraft file has at least 53 lines", false},
        {"foreign-text.da4", "line 1 is not a whole number", false},
        {"binary-rubbish.da4", "line 1 is not a whole number", false},
        {"line-12-decimal.da4", "line 12 is not a whole number", false},
        {"counts-out-of-range.da4", "", false},
        {"lf-only-leading-blanks.da4", "", false},
        {"cr-only.da4", "", false},
        {"remarks-odd-bytes.da4", "", false},
        {"results-right.da4", "", false},
        {"results-disagree.da4", "", true},
        {"results-infinite.da4", "", true},
        {"results-negative.da4", "", true},
    };
    std::size_t files = 0;
    for (const auto& entry : fs::directory_iterator(folder)) files += entry.path().extension() == ".da4";
    EXPECT_EQ(files, std::size(corpus)) << "every file of the corpus has its row";
    for (const auto& c : corpus) {
        SCOPED_TRACE(c.file);
        const Outcome o = outcomeOf(folder / c.file);
        EXPECT_EQ(o.refused, *c.refusal != 0);
        EXPECT_EQ(o.reason, c.refusal);
        EXPECT_EQ(o.calculated, !*c.refusal);
        EXPECT_EQ(o.notice, c.notice);
    }
}

// Cut after every line of an example: refused up to line 52, loaded from 53 on.
TEST(DamagedFiles, TruncatedAfterEveryLine) {
    const std::string glider = testing::readBytes(fs::path(WINSTABIX_EXAMPLES) / "glider.da4");
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
            EXPECT_FALSE(o.notice) << line;
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
