#include <gtest/gtest.h>

#include <vector>

#include "solver/calculation.h"
#include "solver/lattice.h"
#include "solver_test_util.h"

namespace ws {
namespace {

using test::aircraftOf;
using test::planformsOf;
using test::rectangle;
using test::WingSpec;

LatticeSizes sizesOf(const AircraftModel& m) {
    return latticeSizes(planformsOf(m), m.CalcWingCount);
}

// GRID's refusal lines, none when it accepts the lattice.
std::vector<Message> refusalOf(const AircraftModel& m) {
    const Outcome<LatticeSizes> sizes = GRID(planformsOf(m), m.CalcWingCount);
    return sizes ? std::vector<Message>{} : sizes.refusal().lines;
}

TEST(Grid, SizesOfEqualAreasZeroWidthAndTheLimits) {
    // Aspect ratio 1.25: sqrt(640) = 25.3 chordwise, 25 × 250 / 400 = 15.6 strips.
    LatticeSizes s = sizesOf(aircraftOf({rectangle(500, 200), rectangle(250, 400, 800, 100)}));
    EXPECT_EQ(s.ChordPanels[1], 13);
    EXPECT_EQ(s.ChordPanels[2], 25);
    EXPECT_EQ(s.WingStrips[2], 16);
    EXPECT_EQ(s.PanelTotal, 416 + 400);
    // Stations 2 and 3 at the same y: trapezium 2 gets no strips.
    const AircraftModel m = aircraftOf({WingSpec{{200, 200, 150, 0, 0}, {300, 0, 0, 0}, {}, 2, 0, 0, 0}});
    s = sizesOf(m);
    EXPECT_GT(s.StripCount[1][1], 0);
    EXPECT_EQ(s.StripCount[1][2], 0);
    EXPECT_EQ(s.WingStrips[1], s.StripCount[1][1]);
    EXPECT_TRUE(runCalculation(m).done());
    // 299 strips (one chordwise panel is one chord wide) and 3000 unknowns pass.
    const AircraftModel slender = aircraftOf({rectangle(2990, 10)});
    EXPECT_EQ(sizesOf(slender).ChordPanels[1], 1);
    EXPECT_EQ(sizesOf(slender).WingStrips[1], 299);
    EXPECT_TRUE(refusalOf(slender).empty());
    EXPECT_EQ(sizesOf(test::stubby(5)).PanelTotal, 3000);
    EXPECT_TRUE(refusalOf(test::stubby(5)).empty());
}

// Every refusal of the sizing; the sizes are complete all the same.
TEST(Grid, RefusalsNameTheWingAndTheReason) {
    AircraftModel tooManyAndNoArea = test::stubby(10);
    tooManyAndNoArea.wing[2] = test::params(rectangle(300, 0, 1500, 150));
    using M = MessageCode;
    const auto wing = [](int w, MessageCode why) {
        return std::vector<Message>{{M::CannotCalculateWing, w}, {why}};
    };
    const struct {
        const char* name;
        AircraftModel m;
        int panelTotal;
        std::vector<Message> lines;
    } cases[] = {
        // Every slender wing is named; 299 strips pass (above).
        {"300 and 310 strips",
         aircraftOf({rectangle(3000, 10), rectangle(3100, 10, 500, 100)}),
         300 + 310,
         {{M::CannotCalculateWing, 1},
          {M::LessAspectRatio},
          {M::CannotCalculateWing, 2},
          {M::LessAspectRatio}}},
        // Wing 2 has span but no chord, wing 3 no span; wing 1 is sized on.
        {"no area",
         aircraftOf({rectangle(500, 200), rectangle(300, 0, 600, 50), rectangle(0, 100, -300, -50)}),
         416,
         {{M::CannotCalculateWing, 2}, {M::NoArea}, {M::CannotCalculateWing, 3}, {M::NoArea}}},
        // Trapezium 2 runs from chord 0 to chord 0 over 200 mm.
        {"trapezium without chord",
         aircraftOf({WingSpec{{200, 0, 0, 0, 0}, {300, 200, 0, 0}, {}, 2, 0, 0, 0}}), 0,
         wing(1, M::TrapeziumNoChord)},
        // Aspect ratio 4 / 200000: sqrt(800 / 2e-5) = 6325 chordwise panels.
        {"more than 300 chordwise panels", aircraftOf({rectangle(1, 100000)}), 6325,
         wing(1, M::MoreAspectRatio)},
        {"3300 unknowns", test::stubby(10), 3300, {{M::CannotCalculateAircraft}, {M::TooManyPanels, 3300}}},
        // The unknowns are counted only when no wing was refused.
        {"too many unknowns after a refused wing", tooManyAndNoArea, 2200, wing(2, M::NoArea)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(sizesOf(c.m).PanelTotal, c.panelTotal);
        EXPECT_EQ(refusalOf(c.m), c.lines);
    }
}

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

TEST(Trapez, StripsShareOneShapeAlsoThroughTheSecondSolve) {
    expectOneShape(500, 300, 100, 10);
    // 200 mm down to 5 mm over 600 mm in 30 strips: Newton from equal widths
    // fails; from the geometric spacing it converges.
    std::array<double, 33> x{};
    std::array<bool, 33> free{};
    for (std::size_t e = 0; e < 30; ++e) x[e] = 20, free[e] = true;
    x[30] = 600, x[31] = 200, x[32] = 5;
    struct Strip : Residuals {
        void operator()(int nvar, int neq, double* F, const double* xx) const override {
            FCN(nvar, neq, F, xx);
        }
    };
    NewtonScratch scratch;
    ASSERT_FALSE(TRIM9M(1, 1, x.data(), free.data(), kTrimIterations, 30, 33, Strip{}, scratch));
    expectOneShape(600, 200, 5, 30);
    // Trapezium 2 is one strip of 4 mm: fractions (0, 1), no Newton solve.
    const CalcResult r =
        runCalculation(aircraftOf({WingSpec{{100, 100, 100, 0, 0}, {1000, 4, 0, 0}, {}, 2, 0, 0, 0}}));
    ASSERT_TRUE(r.done());
    ASSERT_EQ(r.sizes.StripCount[1][2], 1);
    EXPECT_DOUBLE_EQ(r.lattice.edgeYL(r.sizes.WingStrips[1], 1), 1000.0);
    EXPECT_DOUBLE_EQ(r.lattice.edgeYR(r.sizes.WingStrips[1], 1), 1004.0);
}

TEST(Refusal, EntriesWithoutSpanOrChordAreNamedBeforeTheLattice) {
    using M = MessageCode;
    const WingSpec wing = rectangle(500, 200);
    const struct {
        WingSpec tail;
        std::vector<Message> lines;  // after the head line
    } cases[] = {
        // The second trapezium ends in a point.
        {{{100, 100, 0, 0, 0}, {100, 200, 0, 0}, {0, 50, 0, 0}, 2, 700, 80},
         {{M::NoTipChord, 2, 2}, {M::TrapeziumNeedsChords}}},
        // No root chord: the advice is not "more chord at the tip".
        {{{0, 100, 80, 0, 0}, {100, 200, 0, 0}, {0, 50, 0, 0}, 2, 700, 80},
         {{M::NoRootChord, 2, 1}, {M::TrapeziumNeedsChords}}},
        // A chord between two trapeziums is named once; an outer one without
        // span before it is the root of the one that has span.
        {{{100, 0, 80, 0, 0}, {100, 200, 0, 0}, {0, 50, 0, 0}, 2, 700, 80},
         {{M::NoTipChord, 2, 1}, {M::TrapeziumNeedsChords}}},
        {{{100, 0, 80, 0, 0}, {0, 200, 0, 0}, {0, 50, 0, 0}, 2, 700, 80},
         {{M::NoRootChord, 2, 2}, {M::TrapeziumNeedsChords}}},
        {{{100, 100, 80, 70, 0}, {0, 0, 0, 0}, {0, 50, 0, 0}, 3, 700, 80},
         {{M::NoSpan, 2, 3}, {M::WingNeedsSpan}}},
    };
    for (const auto& c : cases) {
        const CalcResult r = runCalculation(aircraftOf({wing, c.tail}));
        std::vector<Message> expected{{M::ErrorHead}};
        expected.insert(expected.end(), c.lines.begin(), c.lines.end());
        EXPECT_EQ(r.memo, expected);
        EXPECT_TRUE(r.memoShown && !r.latticeBuilt && !r.done());
    }
}

}  // namespace
}  // namespace ws
