#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "solver/calculation.h"
#include "solver/overlap.h"
#include "solver_test_util.h"

namespace ws {
namespace {

using test::aircraftOf;
using test::rectangle;
using Lines = std::vector<Message>;
const Lines kMoved = {{MessageCode::Attention}, {MessageCode::WingsMoved}};

// The main wing of span 1000 mm and chord 200 mm with a tail of that chord at its height.
AircraftModel tailAtMainHeight() {
    return aircraftOf({rectangle(500, 200), rectangle(200, 200, 680, 0)});
}

TEST(Overlap, SpanRangesOverlapOnlyWhenTheyShareLength) {
    EXPECT_TRUE(UEBERSCHNEID(100, 0, 500, 0));
    EXPECT_FALSE(UEBERSCHNEID(100, 0, 500, 100));  // touching
    EXPECT_FALSE(UEBERSCHNEID(600, 500, 400, 0));
    EXPECT_TRUE(UEBERSCHNEID(600, 300, 400, 0));
}

TEST(Overlap, TailAtTheMainWingsHeightMovesDownToTwelvePercent) {
    // Steps of 1 % of the tail's 200 mm chord down to 24 mm below.
    const CalcResult c = runCalculation(tailAtMainHeight());
    EXPECT_TRUE(c.done());
    EXPECT_TRUE(c.WingsMoved);
    EXPECT_EQ(c.WingPosZ[1], 0);
    EXPECT_EQ(c.WingPosZ[2], -24);
    EXPECT_EQ(c.lattice.WingZ[2], -24);  // the lattice is built at the moved height
    EXPECT_TRUE(c.memoShown);
    EXPECT_EQ(c.memo, kMoved);
}

TEST(Overlap, WhichWingMovesAndWhere) {
    test::WingSpec gapped = rectangle(500, 200);
    gapped.gap = 300;
    AircraftModel oneWing = tailAtMainHeight();
    oneWing.CalcWingCount = 1;
    struct Case {
        const char* name;
        AircraftModel m;
        bool moved;
        int z1, z2;
    };
    const Case cases[] = {
        {"tail high enough", aircraftOf({rectangle(500, 200), rectangle(200, 200, 680, 60)}), false, 0, 60},
        {"tail inside the centre gap", aircraftOf({gapped, rectangle(250, 100, 680, 0)}), false, 0, 0},
        {"one wing in the calculation", oneWing, false, 0, 0},
        {"canard in front moves the main wing",
         aircraftOf({rectangle(500, 200), rectangle(200, 100, -400, 0)}), true, -24, 0},
        // Pushing chosen wings 10^6 mm back would pick wing 1 twice here.
        {"wings far apart", aircraftOf({rectangle(500, 200, -2000000), rectangle(200, 100, 2000000, 0)}),
         true, 0, -12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CalcResult r = runCalculation(c.m);
        EXPECT_TRUE(r.done());
        EXPECT_EQ(r.WingsMoved, c.moved);
        EXPECT_EQ(r.WingPosZ[1], c.z1);
        EXPECT_EQ(r.WingPosZ[2], c.z2);
        // Unmoved, the box stays hidden with the head line the recalculation left.
        EXPECT_EQ(r.memoShown, c.moved);
        EXPECT_EQ(r.memo, c.moved ? kMoved : Lines{{MessageCode::ErrorHead}});
    }
    // Outside the calculation a wing's label is still written.
    EXPECT_EQ(runCalculation(oneWing).wings[2].AnpRelative, -680);
}

TEST(Overlap, ThreeWingsKeepTheirOrderAndGaps) {
    // Canard, main wing and tail all at z = 0.
    const CalcResult r = runCalculation(
        aircraftOf({rectangle(500, 200), rectangle(200, 100, 700, 0), rectangle(200, 100, -400, 0)}));
    EXPECT_TRUE(r.WingsMoved);
    EXPECT_EQ(r.WingPosZ[3], 0);  // the front wing stays
    EXPECT_GE(std::abs(r.WingPosZ[1] - r.WingPosZ[3]), 24);
    EXPECT_GE(std::abs(r.WingPosZ[2] - r.WingPosZ[1]), 12);
    EXPECT_GE(std::abs(r.WingPosZ[2] - r.WingPosZ[3]), 12);
}

TEST(Overlap, OnEqualXWing3IsTakenBeforeWing2) {
    // Main wing in front, two tails of different chords side by side behind it:
    // wing 3 is separated from the main wing first (12 % of 150 mm), wing 2
    // then in steps of 1.3 % of 100 mm (taken the other way round, 2 goes to
    // -12 and 3 up to +20).
    const CalcResult r = runCalculation(
        aircraftOf({rectangle(500, 200), rectangle(200, 100, 700, 0), rectangle(200, 150, 700, 0)}));
    EXPECT_TRUE(r.WingsMoved);
    EXPECT_EQ(r.WingPosZ[1], 0);
    EXPECT_EQ(r.WingPosZ[2], -13);
    EXPECT_EQ(r.WingPosZ[3], -18);
}

TEST(Overlap, RefusalAfterAMoveComesBelowTheNotice) {
    // Wing 2 is moved, wing 3 (no chord) refused; the "Error: " head is gone.
    const CalcResult r = runCalculation(
        aircraftOf({rectangle(500, 200), rectangle(200, 200, 680, 0), rectangle(200, 0, -400, 40)}));
    EXPECT_FALSE(r.done());
    EXPECT_TRUE(r.WingsMoved);
    EXPECT_EQ(r.WingPosZ[2], -24);
    EXPECT_EQ(r.memo, (Lines{{MessageCode::Attention},
                             {MessageCode::WingsMoved},
                             {MessageCode::NoRootChord, 3, 1},
                             {MessageCode::NoTipChord, 3, 1},
                             {MessageCode::TrapeziumNeedsChords}}));
}

}  // namespace
}  // namespace ws
