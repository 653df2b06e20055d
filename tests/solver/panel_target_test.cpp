#include <gtest/gtest.h>

#include <cmath>

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

TEST(GridTarget, RefinedLatticeOfTheRectangle) {
    const WingPlanforms p = planformsOf(aircraftOf({rectangle(500, 200)}));
    CalcMessages messages;
    const LatticeSizes window = GRID(p, 1, messages);
    const LatticeSizes same = GRID(p, 1, messages, kTargetPanels);
    EXPECT_EQ(window.PanelTotal, 416);
    EXPECT_EQ(same.PanelTotal, 416);

    const LatticeSizes fine = GRID(p, 1, messages, 1600);
    EXPECT_EQ(fine.ChordPanels[1], 25);  // sqrt(640) = 25.3
    EXPECT_EQ(fine.WingStrips[1], 62);   // 62.5 rounds to the even 62
    EXPECT_EQ(fine.PanelTotal, 1550);
    EXPECT_FALSE(messages.CalcAbort);
}

TEST(GridTarget, SmallerWingsKeepTheirShareByArea) {
    const WingPlanforms p = planformsOf(wingAndTail());
    CalcMessages messages;
    const LatticeSizes s = GRID(p, 2, messages, 1600);
    // Tail: target 320, aspect ratio 4: sqrt(160) = 12.6 chordwise, 13 × 200 / 100 strips.
    EXPECT_EQ(s.ChordPanels[2], 13);
    EXPECT_EQ(s.WingStrips[2], 26);
    EXPECT_EQ(s.PanelTotal, 1550 + 13 * 26);
}

TEST(GridTarget, TargetBelowOneCountsAsOne) {
    const WingPlanforms p = planformsOf(aircraftOf({rectangle(500, 200)}));
    CalcMessages messages;
    const LatticeSizes one = GRID(p, 1, messages, 1);
    EXPECT_EQ(one.ChordPanels[1], 1);
    EXPECT_EQ(one.WingStrips[1], 2);  // 1 × 500 / 200 = 2.5 rounds to 2
    for (int target : {0, -5}) EXPECT_EQ(GRID(p, 1, messages, target).PanelTotal, one.PanelTotal) << target;
    EXPECT_FALSE(messages.CalcAbort);
}

TEST(GridTarget, UnknownsLimitHoldsForEveryTarget) {
    const WingPlanforms p = planformsOf(aircraftOf({rectangle(500, 200)}));
    CalcMessages messages;
    const LatticeSizes s = GRID(p, 1, messages, 3000);
    EXPECT_EQ(s.PanelTotal, 35 * 88);
    EXPECT_TRUE(messages.CalcAbort);
    ASSERT_FALSE(messages.lines.empty());
    EXPECT_EQ(messages.lines.back(), "Too many panels (3080, at most 3000)!");
}

TEST(CalculationTarget, OptionReachesTheLatticeAndTheDefaultStays) {
    const AircraftModel m = wingAndTail();
    const CalcResult window = runCalculation(m);
    ASSERT_TRUE(window.done());
    EXPECT_EQ(window.sizes.PanelTotal, 416 + 6 * 12);

    CalcOptions options;
    options.targetPanels = 1600;
    const CalcResult fine = runCalculation(m, options);
    ASSERT_TRUE(fine.done());
    EXPECT_EQ(fine.sizes.PanelTotal, 1550 + 13 * 26);
    EXPECT_EQ(fine.lattice.VortexXL.size(), std::size_t(fine.sizes.PanelTotal));
    // A refined lattice moves the lift slopes by little, the neutral point by
    // less than 1 % of the reference chord.
    for (int w = 1; w <= 2; ++w)
        EXPECT_NEAR(fine.evaluation.LiftSlopeWing[w], window.evaluation.LiftSlopeWing[w],
                    0.03 * window.evaluation.LiftSlopeWing[w])
            << w;
    EXPECT_NEAR(fine.evaluation.AnpAircraft, window.evaluation.AnpAircraft, 0.01 * 200);
    EXPECT_NE(fine.evaluation.AnpAircraft, window.evaluation.AnpAircraft);
}

TEST(CalculationTarget, AircraftSumIsTheLiftWeightedMeanOfTheWings) {
    // What the hand check of the validation report relies on: each wing's
    // slope is referred to its own area, so a × S weighs its centre.
    const CalcResult r = runCalculation(wingAndTail());
    ASSERT_TRUE(r.done());
    const Evaluation& e = r.evaluation;
    double lift = 0, moment = 0;
    for (int w = 1; w <= 2; ++w) {
        lift += e.LiftSlopeWing[w] * e.WingArea[w];
        moment += e.LiftSlopeWing[w] * e.WingArea[w] * e.AnpWing[w];
    }
    EXPECT_NEAR(e.AnpAircraft, moment / lift, 1e-9);
    EXPECT_GT(e.AnpAircraft, e.AnpWing[1]);
    EXPECT_LT(e.AnpAircraft, e.AnpWing[2]);
}

}  // namespace
}  // namespace ws
