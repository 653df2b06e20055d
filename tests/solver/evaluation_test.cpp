#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "solver/calculation.h"
#include "solver_test_util.h"

namespace ws {
namespace {

using test::aircraftOf;
using test::rectangle;
using test::WingSpec;

TEST(Evaluation, RectangleOfAspectRatioFiveAgainstHelmbold) {
    const CalcResult r = runCalculation(aircraftOf({rectangle(500, 200, 100)}));
    ASSERT_TRUE(r.done());
    const Evaluation& e = r.evaluation;
    const double helmbold = 2 * M_PI * 5 / (2 + std::sqrt(5.0 * 5 + 4));
    EXPECT_GT(e.LiftSlopeWing[1], 0.9 * helmbold);
    EXPECT_LT(e.LiftSlopeWing[1], 1.1 * helmbold);
    // The centre of a straight rectangle lies near its quarter chord line.
    EXPECT_NEAR(e.AnpWing[1], 100 + 50, 0.03 * 200);
    EXPECT_EQ(e.AnpAircraft, e.AnpWing[1]);
    EXPECT_EQ(e.RefWing, 1);
    EXPECT_NEAR(e.RefArea, 200000, 1e-6);
    EXPECT_NEAR(e.RefChord, 200, 1e-9);
    EXPECT_NEAR(e.WingSpan[1], 1000, 1e-9);
    EXPECT_NEAR(e.WingAspect[1], 5, 1e-9);
    ASSERT_EQ(e.RefOutlineCount, 6);
    const double outline[6][2] = {{100, 0}, {100, 0}, {100, 500}, {300, 500}, {300, 0}, {300, 0}};
    for (std::size_t k = 0; k < 6; ++k)
        EXPECT_TRUE(e.RefOutline[k].x == outline[k][0] && e.RefOutline[k].y == outline[k][1]) << k;
    // A centre gap is filled for the reference.
    WingSpec gapped = rectangle(500, 250);
    gapped.gap = 50;
    const Evaluation g = runCalculation(aircraftOf({gapped})).evaluation;
    EXPECT_NEAR(g.RefArea - g.WingArea[1], 25000, 1e-6);
    EXPECT_NEAR(g.RefChord, 250, 1e-9);
    ASSERT_EQ(g.RefOutlineCount, 6);
    EXPECT_TRUE(g.RefOutline[0].y == 0 && g.RefOutline[5].y == 0 && g.RefOutline[1].y == 50);
}

// An aircraft the overlap rule leaves alone, every length times k, every wing dx further back.
AircraftModel tailed(int k = 1, int dx = 0) {
    const WingSpec main{
        {300 * k, 240 * k, 150 * k, 0, 0}, {350 * k, 250 * k, 0, 0}, {20 * k, 90 * k, 0, 0}, 2, dx, 0, 0};
    return aircraftOf({main, rectangle(200 * k, 100 * k, 750 * k + dx, 70 * k)});
}

TEST(Evaluation, MovingEveryWingBackOrScalingEveryLength) {
    const CalcResult a = runCalculation(tailed()), back = runCalculation(tailed(1, 100)),
                     twice = runCalculation(tailed(2));
    ASSERT_TRUE(a.done() && back.done() && twice.done());
    ASSERT_FALSE(a.WingsMoved);
    for (int w = 1; w <= 2; ++w) {
        EXPECT_NEAR(back.evaluation.AnpWing[w] - a.evaluation.AnpWing[w], 100, 1e-9);
        EXPECT_NEAR(back.wings[w].AnpRelative, a.wings[w].AnpRelative, 1e-9);
        EXPECT_NEAR(twice.evaluation.AnpWing[w], 2 * a.evaluation.AnpWing[w],
                    1e-9 * twice.evaluation.AnpWing[w]);
        EXPECT_NEAR(twice.evaluation.LiftSlopeWing[w], a.evaluation.LiftSlopeWing[w], 1e-9);
    }
    EXPECT_NEAR(back.evaluation.AnpAircraft - a.evaluation.AnpAircraft, 100, 1e-9);
    EXPECT_NEAR(back.stability.CgFront - a.stability.CgFront, 100, 1e-9);
    EXPECT_NEAR(twice.evaluation.RefChord, 2 * a.evaluation.RefChord, 1e-9);
}

TEST(Chain, RepeatedRunReusesItsStorage) {
    SolverWorkspace workspace;
    CalcResult result;
    runCalculation(startupAircraft(), {}, workspace, result);
    const float* matrix = workspace.factor.data();
    const double* corners = result.lattice.CornerXL.data();
    const double anp = result.evaluation.AnpAircraft;
    runCalculation(startupAircraft(), {}, workspace, result);
    EXPECT_EQ(workspace.factor.data(), matrix);
    EXPECT_EQ(result.lattice.CornerXL.data(), corners);
    EXPECT_EQ(result.evaluation.AnpAircraft, anp);
}

TEST(Chain, MarginBeyondTheLimitIsTakenAsTheLimit) {
    for (const auto& [margin, taken] : {std::pair{std::numeric_limits<double>::infinity(), 1000.0},
                                        {-1e300, -1000.0},
                                        {std::numeric_limits<double>::quiet_NaN(), 0.0}}) {
        CalcOptions options;
        options.marginDesired = margin;
        const CalcResult r = runCalculation(startupAircraft(), options);
        ASSERT_TRUE(r.done());
        EXPECT_EQ(r.stability.MarginDesired, taken);
        EXPECT_DOUBLE_EQ(r.stability.CgDesired,
                         r.evaluation.AnpAircraft - r.evaluation.RefChord * taken / 100);
    }
}

TEST(Chain, ThreeThousandUnknowns) {
    if (!test::kOptimisedBuild) GTEST_SKIP() << "3000 unknowns: run in optimised builds";
    const CalcResult r = runCalculation(test::stubby(5));
    ASSERT_TRUE(r.done());
    EXPECT_EQ(r.sizes.PanelTotal, 3000);
}

}  // namespace
}  // namespace ws
