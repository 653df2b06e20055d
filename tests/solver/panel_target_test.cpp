#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "solver/calculation.h"
#include "solver/lattice.h"
#include "solver_test_util.h"

namespace ws {
namespace {

using test::aircraftOf;
using test::planformsOf;
using test::rectangle;

// The wing of span 1000 mm and chord 200 mm, and a tail of a fifth of its area.
AircraftModel wingAndTail() {
    return aircraftOf({rectangle(500, 200), rectangle(200, 100, 600, 60)});
}

TEST(GridTarget, RectangleOfAspectRatioFiveAtEveryTarget) {
    struct Case {
        int target, chordPanels, strips;
        std::vector<Message> lines;
    };
    const Case cases[] = {
        {kTargetPanels, 13, 32, {}},  // sqrt(160) = 12.65; 32.5 rounds to the even 32
        {1600, 25, 62, {}},           // sqrt(640) = 25.3; 62.5 rounds to the even 62
        {1, 1, 2, {}},                // 1 × 500 / 200 = 2.5 rounds to 2
        {0, 1, 2, {}},                // below one counts as one
        {-5, 1, 2, {}},
        // The unknowns limit holds for every target.
        {3000, 35, 88, {{MessageCode::CannotCalculateAircraft}, {MessageCode::TooManyPanels, 3080}}},
    };
    const WingPlanforms p = planformsOf(aircraftOf({rectangle(500, 200)}));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.target);
        const LatticeSizes s = latticeSizes(p, 1, c.target);
        EXPECT_EQ(s.ChordPanels[1], c.chordPanels);
        EXPECT_EQ(s.WingStrips[1], c.strips);
        EXPECT_EQ(s.StripCount[1][1], c.strips);
        EXPECT_EQ(s.PanelTotal, c.chordPanels * c.strips);
        const Outcome<LatticeSizes> checked = GRID(p, 1, c.target);
        EXPECT_EQ(checked ? std::vector<Message>{} : checked.refusal().lines, c.lines);
    }
    EXPECT_EQ(latticeSizes(p, 1).PanelTotal, 416);  // the window's default
}

TEST(GridTarget, SmallerWingsKeepTheirShareByArea) {
    const LatticeSizes s = latticeSizes(planformsOf(wingAndTail()), 2, 1600);
    // Tail: target 320, aspect ratio 4: sqrt(160) = 12.6 chordwise, 13 × 200 / 100 strips.
    EXPECT_EQ(s.ChordPanels[2], 13);
    EXPECT_EQ(s.WingStrips[2], 26);
    EXPECT_EQ(s.PanelTotal, 1550 + 13 * 26);
}

// A finer target than the window's that overshoots the unknowns gives way to
// the finest one that fits; the report says which it took.
TEST(CalculationTarget, FinestLatticeWithinTheLimitIsTaken) {
    const AircraftModel aircraft[] = {aircraftOf({rectangle(500, 200)}), wingAndTail(),
                                      test::loadAircraft(test::solverData("tandem_canard.da4"))};
    for (const AircraftModel& m : aircraft) {
        const int taken = fittedTarget(planformsOf(m), m.CalcWingCount, kMaxUnknowns);
        EXPECT_TRUE(GRID(planformsOf(m), m.CalcWingCount, taken));
        EXPECT_LT(taken, kMaxUnknowns);
        EXPECT_GT(taken, kTargetPanels);
        EXPECT_FALSE(GRID(planformsOf(m), m.CalcWingCount, taken + 1));
    }
    // Targets up to the window's are taken as they are, refused or not.
    EXPECT_EQ(fittedTarget(planformsOf(aircraftOf({rectangle(1000, 2)})), 1, kTargetPanels), kTargetPanels);
}

}  // namespace
}  // namespace ws
