#include <gtest/gtest.h>

#include "solver/calculation.h"
#include "solver/overlap.h"
#include "solver_test_util.h"

namespace ws {
namespace {

using test::aircraftOf;
using test::planformsOf;
using test::rectangle;

OverlapResult overlapOf(const AircraftModel& m) {
    std::array<int, 4> x{}, z{};
    for (int w = 1; w <= 3; ++w) {
        x[w] = m.wing[w].WingPosX;
        z[w] = m.wing[w].WingPosZ;
    }
    return KONFLIKT(m.CalcWingCount, x, z, planformsOf(m));
}

TEST(Overlap, SpanRangesOverlapOnlyWhenTheyShareLength) {
    EXPECT_TRUE(UEBERSCHNEID(100, 0, 500, 0));
    EXPECT_FALSE(UEBERSCHNEID(100, 0, 500, 100));  // touching
    EXPECT_FALSE(UEBERSCHNEID(600, 500, 400, 0));
    EXPECT_TRUE(UEBERSCHNEID(600, 300, 400, 0));
}

TEST(Overlap, TailAtTheMainWingsHeightMovesDownToTwelvePercent) {
    // Both wings of mean chord 200 mm: steps of 2 mm down to 24 mm below.
    const AircraftModel m = aircraftOf({rectangle(500, 200), rectangle(200, 200, 680, 0)});
    const OverlapResult r = overlapOf(m);
    EXPECT_TRUE(r.WingsMoved);
    EXPECT_EQ(r.WingPosZ[1], 0);
    EXPECT_EQ(r.WingPosZ[2], -24);
    EXPECT_EQ(heightFieldText(r.WingPosZ[2]), "-24");

    const CalcResult c = runCalculation(m);
    EXPECT_TRUE(c.done());
    EXPECT_TRUE(c.WingsMoved);
    EXPECT_EQ(c.WingPosZ[2], -24);
    EXPECT_EQ(c.lattice.WingZ[2], -24);  // the lattice is built at the moved height
    ASSERT_EQ(c.memo.size(), 2u);
    EXPECT_TRUE(c.memoShown);
    EXPECT_EQ(c.memo[0], "Attention:");
    EXPECT_EQ(c.memo[1], "Wings are moved automatically in z-direction!");
    CalcOptions german;
    german.language = Language::German;
    const CalcResult d = runCalculation(m, german);
    EXPECT_EQ(d.memo[0], "Achtung:");
    EXPECT_EQ(d.memo[1], "Flügel wurden automatisch in z-Richtung verschoben!");
}

TEST(Overlap, TailHighEnoughStays) {
    const AircraftModel m = aircraftOf({rectangle(500, 200), rectangle(200, 200, 680, 60)});
    const OverlapResult r = overlapOf(m);
    EXPECT_FALSE(r.WingsMoved);
    EXPECT_EQ(r.WingPosZ[2], 60);
    const CalcResult c = runCalculation(m);
    EXPECT_FALSE(c.memoShown);
    EXPECT_EQ(c.memo, std::vector<std::string>{"Error: "});
}

TEST(Overlap, TailInsideTheCentreGapStays) {
    test::WingSpec main = rectangle(500, 200);
    main.gap = 300;
    const AircraftModel m = aircraftOf({main, rectangle(250, 100, 680, 0)});
    EXPECT_FALSE(overlapOf(m).WingsMoved);
}

TEST(Overlap, CanardInFrontMovesTheMainWing) {
    const AircraftModel m = aircraftOf({rectangle(500, 200), rectangle(200, 100, -400, 0)});
    const OverlapResult r = overlapOf(m);
    EXPECT_TRUE(r.WingsMoved);
    EXPECT_EQ(r.WingPosZ[2], 0);
    EXPECT_EQ(r.WingPosZ[1], -24);
}

TEST(Overlap, OneWingNeverMoves) {
    AircraftModel m = aircraftOf({rectangle(500, 200), rectangle(200, 200, 680, 0)});
    m.CalcWingCount = 1;
    EXPECT_FALSE(overlapOf(m).WingsMoved);
    const CalcResult c = runCalculation(m);
    EXPECT_TRUE(c.done());
    EXPECT_FALSE(c.memoShown);
    // The labels of wings outside the calculation are still written.
    EXPECT_EQ(c.wings[2].anpLabel, "-680.0mm");
}

TEST(Overlap, ThreeWingsKeepTheirOrderAndGaps) {
    // Canard, main wing and tail all at z = 0.
    const AircraftModel m =
        aircraftOf({rectangle(500, 200), rectangle(200, 100, 700, 0), rectangle(200, 100, -400, 0)});
    const OverlapResult r = overlapOf(m);
    EXPECT_TRUE(r.WingsMoved);
    EXPECT_EQ(r.WingPosZ[3], 0);  // the front wing stays
    EXPECT_GE(std::abs(r.WingPosZ[1] - r.WingPosZ[3]), 24);
    EXPECT_GE(std::abs(r.WingPosZ[2] - r.WingPosZ[1]), 12);
    EXPECT_GE(std::abs(r.WingPosZ[2] - r.WingPosZ[3]), 12);
}

TEST(Overlap, WingsFarApartStillEnd) {
    // Pushing chosen wings 10^6 mm back would pick wing 1 twice here.
    const AircraftModel m = aircraftOf({rectangle(500, 200, -2000000), rectangle(200, 100, 2000000, 0)});
    const OverlapResult r = overlapOf(m);
    EXPECT_TRUE(r.WingsMoved);
    EXPECT_EQ(r.WingPosZ[1], 0);
    EXPECT_EQ(r.WingPosZ[2], -12);
}

}  // namespace
}  // namespace ws

namespace ws {
namespace {

TEST(Overlap, RefusalAfterAMoveComesBelowTheNotice) {
    // Wing 2 is moved, wing 3 (no area) refused; the "Error: " head is gone.
    const AircraftModel m = test::aircraftOf(
        {test::rectangle(500, 200), test::rectangle(200, 200, 680, 0), test::rectangle(200, 0, -400, 40)});
    const CalcResult r = runCalculation(m);
    EXPECT_FALSE(r.done());
    EXPECT_TRUE(r.WingsMoved);
    EXPECT_EQ(r.WingPosZ[2], -24);
    EXPECT_EQ(r.memo, (std::vector<std::string>{"Attention:", "Wings are moved automatically in z-direction!",
                                                "Can not calculate wing-3. ",
                                                "Please change this wing (it has no area)!"}));
}

}  // namespace
}  // namespace ws
