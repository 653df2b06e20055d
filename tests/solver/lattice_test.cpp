#include <gtest/gtest.h>

#include <vector>

#include "solver/calculation.h"
#include "solver/lattice.h"
#include "solver/overlap.h"
#include "solver_test_util.h"

namespace ws {
namespace {

using test::aircraftOf;
using test::planformsOf;
using test::rectangle;
using test::WingSpec;

TEST(Trawy2, RectangleGeometry) {
    const CalcResult r = runCalculation(aircraftOf({rectangle(500, 200, 100, 7)}));
    ASSERT_TRUE(r.done());
    const Lattice& lattice = r.lattice;
    const double panel = 200.0 / 13;
    // Equal chords: equal strips of 500 / 32.
    EXPECT_NEAR(lattice.edgeYR(1, 1), 500.0 / 32, 1e-9);
    EXPECT_NEAR(lattice.edgeYR(32, 1), 500.0, 1e-9);
    EXPECT_DOUBLE_EQ(lattice.edgeYL(1, 1), 0.0);
    EXPECT_DOUBLE_EQ(lattice.vortexXL(1, 1, 1), 100 + panel * 0.25);
    EXPECT_DOUBLE_EQ(lattice.cornerXL(14, 5, 1), 300.0);
    EXPECT_NEAR(lattice.controlX(1, 3, 1), 100 + panel * 0.75, 1e-12);
    EXPECT_DOUBLE_EQ(lattice.controlX(0, 3, 1), 100.0);
    EXPECT_DOUBLE_EQ(lattice.controlX(14, 3, 1), 300.0);
    EXPECT_NEAR(lattice.controlY(1, 1), 500.0 / 64, 1e-9);
    EXPECT_DOUBLE_EQ(lattice.stripChord(7, 1), 200.0);
    EXPECT_EQ(lattice.WingZ[1], 7);
}

// Spaces a trapezium and expects every strip to have the outermost's width to chord ratio.
void expectOneShape(double dy, double c0, double c1, int ns) {
    NewtonScratch scratch;
    const Outcome<StripFractions> spaced = TRAPEZ_TRIM(1, 1, dy, c0, c1, ns, scratch);
    ASSERT_TRUE(spaced);
    const StripFractions& t = *spaced;
    EXPECT_EQ(t[0], 0);
    EXPECT_NEAR(t[std::size_t(ns)], 1, 1e-12);
    const auto ratio = [&](int e) {
        const double f0 = t[std::size_t(e) - 1], f1 = t[std::size_t(e)];
        return (f1 - f0) * dy / (c0 + (c1 - c0) * (f0 + f1) / 2);
    };
    for (int e = 1; e <= ns; ++e) EXPECT_NEAR(ratio(e), ratio(ns), 1e-9) << e;
}

// A tip or root of 1 mm in 30 strips: Newton fails from equal widths, converges from geometric.
TEST(Trapez, StripsShareOneShapeAlsoThroughTheSecondSolve) {
    expectOneShape(500, 300, 100, 10);
    expectOneShape(600, 200, 1, 30);
    expectOneShape(600, 1, 200, 30);
    // Trapezium 2 is one strip of 4 mm: fractions (0, 1), no Newton solve.
    const CalcResult r =
        runCalculation(aircraftOf({WingSpec{{100, 100, 100, 0, 0}, {1000, 4, 0, 0}, {}, 2, 0, 0, 0}}));
    ASSERT_TRUE(r.done());
    ASSERT_EQ(r.sizes.StripCount[1][2], 1);
    EXPECT_DOUBLE_EQ(r.lattice.edgeYL(r.sizes.WingStrips[1], 1), 1000.0);
    EXPECT_DOUBLE_EQ(r.lattice.edgeYR(r.sizes.WingStrips[1], 1), 1004.0);
}

// A finer target than the window's that overshoots the unknowns gives way to
// the finest one that fits; the report says which it took.
TEST(CalculationTarget, FinestLatticeWithinTheLimitIsTaken) {
    const AircraftModel aircraft[] = {aircraftOf({rectangle(500, 200)}),
                                      aircraftOf({rectangle(500, 200), rectangle(200, 100, 600, 60)}),
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

TEST(Overlap, SpanRangesOverlapOnlyWhenTheyShareLength) {
    EXPECT_TRUE(UEBERSCHNEID(100, 0, 500, 0));
    EXPECT_FALSE(UEBERSCHNEID(100, 0, 500, 100));  // touching
    EXPECT_FALSE(UEBERSCHNEID(600, 500, 400, 0));
    EXPECT_TRUE(UEBERSCHNEID(600, 300, 400, 0));
}

}  // namespace
}  // namespace ws
