#include <gtest/gtest.h>

#include <limits>
#include <optional>

#include "solver/stored_results.h"

namespace ws {
namespace {

// Calculated 297000.04 mm², 271.975 mm, 93.7449 mm: area and chord agree as written (297000.0,
// 271.98 or 271.97), the neutral point within 3 % of the chord (8.159 mm) and its last digit;
// 103.7449 on another lattice within 98.7449 ± (1.5 × 10 + 8.159) mm.
TEST(StoredResults, AgreeWithinTheRoundingOfTheirDigitsAndTheLatticesSpread) {
    Evaluation e;
    e.RefArea = 297000.04;
    e.RefChord = 271.975;
    e.AnpAircraft = 93.7449;
    const double inf = std::numeric_limits<double>::infinity();
    const std::optional<double> none, other = 103.7449;
    const struct {
        StoredResults stored;
        std::optional<double> otherLattice;
        bool agree;
    } cases[] = {
        {{297000.0, 271.98, 93.74}, none, true},    {{297000.0, 271.97, 93.74}, none, true},
        {{297000.1, 271.98, 93.74}, none, false},   {{296999.99, 271.98, 93.74}, none, true},
        {{297000.0, 271.99, 93.74}, none, false},   {{297000.0, 271.98, 101.90}, none, true},
        {{297000.0, 271.98, 101.92}, none, false},  {{297000.0, 271.98, 85.59}, none, true},
        {{297000.0, 271.98, 85.57}, none, false},   {{297000.0, 271.98, inf}, other, false},
        {{1.7e308, 271.98, 93.74}, none, false},    {{-297000.0, 271.98, 93.74}, none, false},
        {{297000.0, -271.98, 93.74}, none, false},  {{297000.0, 271.98, 121.90}, other, true},
        {{297000.0, 271.98, 121.92}, other, false}, {{297000.0, 271.98, 75.59}, other, true},
        {{297000.0, 271.98, 75.57}, other, false},  {{297000.1, 271.98, 93.74}, other, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(storedResultsAgree(c.stored, e, c.otherLattice), c.agree)
            << c.stored.RefArea << " " << c.stored.RefChord << " " << c.stored.AnpAircraft;
}

// The notice follows an overlap notice, or stands alone; a refusal has none.
TEST(StoredResults, NoticeOnlyForACalculatedAircraft) {
    SolverWorkspace workspace;
    CalcResult r;
    const StoredResults wrong{1, 1, 1};
    calculateWithStoredResults(startupAircraft(), wrong, {}, workspace, r);
    EXPECT_EQ(r.memo, (std::vector<Message>{{MessageCode::Attention}, {MessageCode::StoredResultsReplaced}}));
    EXPECT_TRUE(r.memoShown);

    AircraftModel refused = startupAircraft();
    refused.wing[1].ChordMm = {};
    calculateWithStoredResults(refused, wrong, {}, workspace, r);
    EXPECT_FALSE(r.done());
    EXPECT_EQ(r.memo.back(), Message{MessageCode::TrapeziumNeedsChords});
}

}  // namespace
}  // namespace ws
