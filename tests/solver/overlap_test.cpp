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

TEST(Overlap, SpanRangesOverlapOnlyWhenTheyShareLength) {
    EXPECT_TRUE(UEBERSCHNEID(100, 0, 500, 0));
    EXPECT_FALSE(UEBERSCHNEID(100, 0, 500, 100));  // touching
    EXPECT_FALSE(UEBERSCHNEID(600, 500, 400, 0));
    EXPECT_TRUE(UEBERSCHNEID(600, 300, 400, 0));
}

// A tail of the main wing's chord at its height moves down in steps of 1 %
// of its chord to 12 % (24 mm) below; the lattice is built there.
TEST(Overlap, WhichWingMovesAndWhere) {
    test::WingSpec gapped = rectangle(500, 200);
    gapped.gap = 300;
    const AircraftModel tailAtMainHeight = aircraftOf({rectangle(500, 200), rectangle(200, 200, 680, 0)});
    AircraftModel oneWing = tailAtMainHeight;
    oneWing.CalcWingCount = 1;
    const struct {
        const char* name;
        AircraftModel m;
        bool moved;
        int z1, z2;
    } cases[] = {
        {"tail at the main wing's height", tailAtMainHeight, true, 0, -24},
        {"tail high enough", aircraftOf({rectangle(500, 200), rectangle(200, 200, 680, 60)}), false, 0, 60},
        {"tail inside the centre gap", aircraftOf({gapped, rectangle(250, 100, 680, 0)}), false, 0, 0},
        {"one wing in the calculation", oneWing, false, 0, 0},
        {"canard in front moves the main wing",
         aircraftOf({rectangle(500, 200), rectangle(200, 100, -400, 0)}), true, -24, 0},
        // Pushing chosen wings 10^6 mm back would pick wing 1 twice here.
        {"wings far apart", aircraftOf({rectangle(500, 200, -2000000), rectangle(200, 100, 2000000, 0)}),
         true, 0, -12},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CalcResult r = runCalculation(c.m);
        EXPECT_TRUE(r.done());
        EXPECT_EQ(r.WingsMoved, c.moved);
        EXPECT_EQ(r.WingPosZ[1], c.z1);
        EXPECT_EQ(r.WingPosZ[2], c.z2);
        EXPECT_EQ(r.lattice.WingZ[c.m.CalcWingCount], c.m.CalcWingCount == 1 ? c.z1 : c.z2);
        // Unmoved, the box stays hidden with the head line the recalculation left.
        EXPECT_EQ(r.memoShown, c.moved);
        EXPECT_EQ(r.memo, c.moved ? kMoved : Lines{{MessageCode::ErrorHead}});
    }
    // Outside the calculation a wing's label is still written.
    EXPECT_EQ(runCalculation(oneWing).wings[2].AnpRelative, -680);
}

// Canard, main wing and tail at z = 0: the front wing stays, the others
// keep their order. Two tails side by side on equal x: wing 3 is separated
// from the main wing first (12 % of 150 mm), wing 2 then in steps of 1.3 %
// of 100 mm (the other way round, 2 would go to -12 and 3 up to +20).
TEST(Overlap, ThreeWings) {
    const CalcResult r = runCalculation(
        aircraftOf({rectangle(500, 200), rectangle(200, 100, 700, 0), rectangle(200, 100, -400, 0)}));
    EXPECT_TRUE(r.WingsMoved);
    EXPECT_EQ(r.WingPosZ[3], 0);
    EXPECT_GE(std::abs(r.WingPosZ[1] - r.WingPosZ[3]), 24);
    EXPECT_GE(std::abs(r.WingPosZ[2] - r.WingPosZ[1]), 12);
    EXPECT_GE(std::abs(r.WingPosZ[2] - r.WingPosZ[3]), 12);
    const CalcResult tails = runCalculation(
        aircraftOf({rectangle(500, 200), rectangle(200, 100, 700, 0), rectangle(200, 150, 700, 0)}));
    EXPECT_EQ(tails.WingPosZ, (decltype(tails.WingPosZ){0, 0, -13, -18}));
}

// Wing 2 is moved, wing 3 (no chord) refused; the "Error: " head is gone.
TEST(Overlap, RefusalAfterAMoveComesBelowTheNotice) {
    const CalcResult r = runCalculation(
        aircraftOf({rectangle(500, 200), rectangle(200, 200, 680, 0), rectangle(200, 0, -400, 40)}));
    EXPECT_FALSE(r.done());
    EXPECT_EQ(r.WingPosZ[2], -24);
    EXPECT_EQ(r.memo, (Lines{{MessageCode::Attention},
                             {MessageCode::WingsMoved},
                             {MessageCode::NoRootChord, 3, 1},
                             {MessageCode::NoTipChord, 3, 1},
                             {MessageCode::TrapeziumNeedsChords}}));
}

}  // namespace
}  // namespace ws
