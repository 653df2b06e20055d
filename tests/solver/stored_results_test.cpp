#include <gtest/gtest.h>

#include <limits>

#include "solver/stored_results.h"

namespace ws {
namespace {

// Calculated 297000.04 mm², 271.975 mm, 93.7449 mm: written as 297000.0, 271.98 (or 271.97), 93.74.
TEST(StoredResults, AgreeWithinTheRoundingOfTheirDigits) {
    Evaluation e;
    e.RefArea = 297000.04;
    e.RefChord = 271.975;
    e.AnpAircraft = 93.7449;
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        StoredResults stored;
        bool agree;
    } cases[] = {
        {{297000.0, 271.98, 93.74}, true},   {{297000.0, 271.97, 93.74}, true},
        {{297000.1, 271.98, 93.74}, false},  {{296999.99, 271.98, 93.74}, true},
        {{297000.0, 271.99, 93.74}, false},  {{297000.0, 271.98, 93.76}, false},
        {{297000.0, 271.98, inf}, false},    {{1.7e308, 271.98, 93.74}, false},
        {{-297000.0, 271.98, 93.74}, false}, {{297000.0, -271.98, 93.74}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(storedResultsAgree(c.stored, e), c.agree)
            << c.stored.RefArea << " " << c.stored.RefChord << " " << c.stored.AnpAircraft;
}

// The notice follows an overlap notice, or stands alone; a refusal has none.
TEST(StoredResults, NoticeOnlyForACalculatedAircraft) {
    SolverWorkspace workspace;
    CalcResult r;
    calculateWithStoredResults(startupAircraft(), std::nullopt, {}, workspace, r);
    ASSERT_TRUE(r.done());
    EXPECT_FALSE(r.memoShown);
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
