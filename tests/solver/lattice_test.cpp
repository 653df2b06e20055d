#include <gtest/gtest.h>

#include <cmath>

#include "model/number_format.h"
#include "solver/calculation.h"
#include "solver/lattice.h"
#include "solver_test_util.h"

namespace ws {
namespace {

using test::aircraftOf;
using test::planformsOf;
using test::rectangle;
using test::WingSpec;

LatticeSizes sizesOf(const AircraftModel& m, CalcMessages& messages) {
    return GRID(planformsOf(m), m.CalcWingCount, messages);
}

TEST(Grid, RectangleOfAspectRatioFive) {
    CalcMessages messages;
    const LatticeSizes s = sizesOf(aircraftOf({rectangle(500, 200)}), messages);
    EXPECT_EQ(s.ChordPanels[1], 13);    // sqrt(160) = 12.65
    EXPECT_EQ(s.StripCount[1][1], 32);  // 32.5 rounds to the even 32
    EXPECT_EQ(s.WingStrips[1], 32);
    EXPECT_EQ(s.PanelTotal, 416);
    EXPECT_FALSE(messages.CalcAbort);
    EXPECT_TRUE(messages.lines.empty());
}

TEST(Grid, EqualAreasBothGetTheFullTarget) {
    CalcMessages messages;
    // Same area, different shape: both are sized for 400 panels.
    const LatticeSizes s =
        sizesOf(aircraftOf({rectangle(500, 200), rectangle(250, 400, 800, 100)}), messages);
    EXPECT_EQ(s.ChordPanels[1], 13);
    EXPECT_EQ(s.ChordPanels[2], roundInt(std::sqrt(2.0 * 400 / 1.25)));
    EXPECT_EQ(s.PanelTotal, s.WingStrips[1] * 13 + s.WingStrips[2] * s.ChordPanels[2]);
}

TEST(Grid, ZeroWidthTrapeziumGetsNoStrips) {
    WingSpec w{{200, 200, 150, 0, 0}, {300, 0, 0, 0}, {0, 0, 0, 0}, 2, 0, 0, 0};
    w.span = {300, 0, 0, 0};
    w.chord = {200, 200, 150, 0, 0};
    // Trapezium 2 has no width: stations 2 and 3 at the same y.
    const AircraftModel m = aircraftOf({w});
    CalcMessages messages;
    const LatticeSizes s = sizesOf(m, messages);
    EXPECT_GT(s.StripCount[1][1], 0);
    EXPECT_EQ(s.StripCount[1][2], 0);
    EXPECT_EQ(s.WingStrips[1], s.StripCount[1][1]);
    EXPECT_FALSE(messages.CalcAbort);
    const CalcResult r = runCalculation(m);
    EXPECT_TRUE(r.done());
}

// A slender rectangle: 1 chordwise panel and 2 × halfSpan / chord... strips.
AircraftModel slender(int halfSpan) {
    return aircraftOf({rectangle(halfSpan, 10)});
}

TEST(Grid, ThreeHundredStripsAreRefusedTwoHundredNinetyNineCalculated) {
    // With one chordwise panel a strip is one chord wide.
    CalcMessages ok;
    const LatticeSizes s299 = sizesOf(slender(2990), ok);
    ASSERT_EQ(s299.ChordPanels[1], 1);
    EXPECT_EQ(s299.WingStrips[1], 299);
    EXPECT_FALSE(ok.CalcAbort);

    for (Language language : {Language::English, Language::German}) {
        CalcMessages refused;
        refused.language = language;
        const LatticeSizes s300 = sizesOf(slender(3000), refused);
        EXPECT_EQ(s300.WingStrips[1], 300);
        EXPECT_TRUE(refused.CalcAbort);
        EXPECT_TRUE(refused.shown);
        const bool en = language == Language::English;
        ASSERT_EQ(refused.lines.size(), 2u);
        EXPECT_EQ(refused.lines[0], en ? "Can not calculate wing-1. " : "Kann Flügel-1 nicht berechnen.");
        EXPECT_EQ(refused.lines[1],
                  en ? "Please change this wing (less aspect ratio)!" : "Bitte Streckung verkleinern!");
    }
}

TEST(Grid, EveryTooSlenderWingIsNamed) {
    AircraftModel m = aircraftOf({rectangle(3000, 10), rectangle(3100, 10, 500, 100)});
    CalcMessages messages;
    sizesOf(m, messages);
    ASSERT_EQ(messages.lines.size(), 4u);
    EXPECT_EQ(messages.lines[0], "Can not calculate wing-1. ");
    EXPECT_EQ(messages.lines[2], "Can not calculate wing-2. ");
}

TEST(Grid, WingWithoutAreaIsRefusedAndTheOthersSized) {
    for (Language language : {Language::English, Language::German}) {
        // Wing 2 has span but no chord; wing 3 no span at all.
        WingSpec noChord = rectangle(300, 0, 600, 50);
        WingSpec noSpan = rectangle(0, 100, -300, -50);
        AircraftModel m = aircraftOf({rectangle(500, 200), noChord, noSpan});
        CalcMessages messages;
        messages.language = language;
        const LatticeSizes s = sizesOf(m, messages);
        const bool en = language == Language::English;
        ASSERT_EQ(messages.lines.size(), 4u);
        EXPECT_EQ(messages.lines[0], en ? "Can not calculate wing-2. " : "Kann Flügel-2 nicht berechnen.");
        EXPECT_EQ(messages.lines[1], en ? "Please change this wing (it has no area)!"
                                        : "Bitte diesen Flügel ändern (keine Fläche)!");
        EXPECT_EQ(messages.lines[2], en ? "Can not calculate wing-3. " : "Kann Flügel-3 nicht berechnen.");
        EXPECT_TRUE(messages.CalcAbort);
        EXPECT_EQ(s.ChordPanels[1], 13);
        EXPECT_EQ(s.WingStrips[1], 32);
        EXPECT_EQ(s.PanelTotal, 416);
    }
}

TEST(Grid, TrapeziumOfWidthWithoutChordIsRefused) {
    // Trapezium 2 runs from chord 0 to chord 0 over 200 mm.
    WingSpec w{{200, 0, 0, 0, 0}, {300, 200, 0, 0}, {0, 0, 0, 0}, 2, 0, 0, 0};
    for (Language language : {Language::English, Language::German}) {
        CalcMessages messages;
        messages.language = language;
        sizesOf(aircraftOf({w}), messages);
        ASSERT_EQ(messages.lines.size(), 2u);
        EXPECT_EQ(messages.lines[1], language == Language::English
                                         ? "Please change this wing (a trapezium has no chord)!"
                                         : "Bitte diesen Flügel ändern (Trapez ohne Tiefe)!");
        EXPECT_TRUE(messages.CalcAbort);
    }
}

TEST(Grid, MoreThanThreeHundredChordwisePanelsAreRefused) {
    // Aspect ratio 2 × 2 / 100000: sqrt(2 × 400 / 4e-5) = 4472 chordwise panels.
    for (Language language : {Language::English, Language::German}) {
        CalcMessages messages;
        messages.language = language;
        const LatticeSizes s = sizesOf(aircraftOf({rectangle(1, 100000)}), messages);
        EXPECT_GT(s.ChordPanels[1], 300);
        ASSERT_EQ(messages.lines.size(), 2u);
        EXPECT_EQ(messages.lines[0], language == Language::English ? "Can not calculate wing-1. "
                                                                   : "Kann Flügel-1 nicht berechnen.");
        EXPECT_EQ(messages.lines[1], language == Language::English
                                         ? "Please change this wing (more aspect ratio)!"
                                         : "Bitte Streckung vergrößern!");
    }
}

// Three stubby wings whose narrow outer trapeziums of small chord need many
// strips; the tip span decides the count.
AircraftModel stubby(int tipSpan) {
    AircraftModel m = startupAircraft();
    m.WingCount = m.CalcWingCount = 3;
    for (int w = 1; w <= 3; ++w)
        m.wing[w] = test::params(WingSpec{{600, 500, 60, 40, 20},
                                          {150, 40, 50, tipSpan},
                                          {50, 500, 520, 540},
                                          4,
                                          (w - 1) * 1500,
                                          (w - 1) * 150,
                                          0});
    return m;
}

TEST(Grid, AtMostThreeThousandUnknowns) {
    CalcMessages ok;
    EXPECT_EQ(sizesOf(stubby(5), ok).PanelTotal, 3000);
    EXPECT_FALSE(ok.CalcAbort);

    for (Language language : {Language::English, Language::German}) {
        CalcMessages messages;
        messages.language = language;
        const LatticeSizes s = sizesOf(stubby(10), messages);
        ASSERT_GT(s.PanelTotal, 3000);
        const std::string n = std::to_string(s.PanelTotal);
        ASSERT_EQ(messages.lines.size(), 2u);
        EXPECT_EQ(messages.lines[0], language == Language::English ? "Can not calculate this aircraft. "
                                                                   : "Kann dieses Flugzeug nicht berechnen.");
        EXPECT_EQ(messages.lines[1], language == Language::English
                                         ? "Too many panels (" + n + ", at most 3000)!"
                                         : "Zu viele Panels (" + n + ", höchstens 3000)!");
        EXPECT_TRUE(messages.CalcAbort);
    }
}

TEST(Grid, PanelCapacityIsCheckedOnlyWhenNothingElseWasRefused) {
    AircraftModel m = stubby(10);
    m.wing[2] = test::params(rectangle(300, 0, 1500, 150));  // no area
    CalcMessages messages;
    sizesOf(m, messages);
    for (const std::string& line : messages.lines) EXPECT_EQ(line.find("Too many"), std::string::npos);
}

TEST(Trawy2, RectangleGeometry) {
    const AircraftModel m = aircraftOf({rectangle(500, 200, 100, 7)});
    const WingPlanforms p = planformsOf(m);
    CalcMessages messages;
    const LatticeSizes s = GRID(p, 1, messages);
    Lattice lattice;
    NewtonScratch scratch;
    TRAWY2(s, p, {0, 7, 0, 0}, lattice, scratch, messages);
    ASSERT_FALSE(messages.CalcAbort);
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

TEST(Trapez, OneStripNeedsNoSolver) {
    // A trapezium one strip wide: fractions (0, 1), no Newton lines whatever.
    const AircraftModel m =
        aircraftOf({WingSpec{{100, 100, 100, 0, 0}, {1000, 4, 0, 0}, {0, 0, 0, 0}, 2, 0, 0, 0}});
    const WingPlanforms p = planformsOf(m);
    CalcMessages messages;
    const LatticeSizes s = GRID(p, 1, messages);
    ASSERT_EQ(s.StripCount[1][2], 1);
    Lattice lattice;
    NewtonScratch scratch;
    TRAWY2(s, p, {0, 0, 0, 0}, lattice, scratch, messages);
    EXPECT_DOUBLE_EQ(lattice.edgeYL(s.WingStrips[1], 1), 1000.0);
    EXPECT_DOUBLE_EQ(lattice.edgeYR(s.WingStrips[1], 1), 1004.0);
}

// Width to chord ratio of strip e (t from TRAPEZ_TRIM).
double ratio(const double* t, int e, double dy, double c0, double c1) {
    const double m = (c0 + (c1 - c0) * t[e - 1] + c0 + (c1 - c0) * t[e]) / 2;
    return (t[e] - t[e - 1]) * dy / m;
}

TEST(Trapez, StripsShareOneShape) {
    double t[11];
    NewtonScratch scratch;
    CalcMessages messages;
    TRAPEZ_TRIM(1, 1, t, 500, 300, 100, 10, scratch, messages);
    ASSERT_FALSE(messages.CalcAbort);
    EXPECT_EQ(t[0], 0);
    EXPECT_NEAR(t[10], 1, 1e-12);
    for (int e = 1; e <= 10; ++e) EXPECT_NEAR(ratio(t, e, 500, 300, 100), ratio(t, 10, 500, 300, 100), 1e-9);
    EXPECT_GT(t[1] - t[0], t[10] - t[9]);  // wider strips where the chord is larger
}

TEST(Trapez, PointedTipCalculatesThroughTheSecondSolve) {
    // 200 mm down to 5 mm over 600 mm in 30 strips: Newton from equal widths
    // fails; from the geometric spacing it converges.
    double t[31];
    NewtonScratch scratch;
    CalcMessages first;
    double x[33];
    bool free[33] = {};
    for (int e = 0; e < 30; ++e) {
        x[e] = 20;
        free[e] = true;
    }
    x[30] = 600;
    x[31] = 200;
    x[32] = 5;
    struct Strip : Residuals {
        void operator()(int nvar, int neq, double* F, const double* xx) const override {
            FCN(nvar, neq, F, xx);
        }
    };
    int status = 0;
    TRIM9M(1, 1, status, x, free, kTrimIterations, 30, 33, Strip{}, scratch, first);
    ASSERT_TRUE(first.CalcAbort) << "the case must need the second solve";

    CalcMessages messages;
    TRAPEZ_TRIM(1, 1, t, 600, 200, 5, 30, scratch, messages);
    EXPECT_FALSE(messages.CalcAbort);
    EXPECT_TRUE(messages.lines.empty());
    EXPECT_NEAR(t[30], 1, 1e-12);
    for (int e = 1; e <= 30; ++e) EXPECT_NEAR(ratio(t, e, 600, 200, 5), ratio(t, 30, 600, 200, 5), 1e-9);
}

TEST(Trapez, TipWithoutChordIsStillRefused) {
    for (Language language : {Language::English, Language::German}) {
        double t[21];
        NewtonScratch scratch;
        CalcMessages messages;
        messages.language = language;
        TRAPEZ_TRIM(2, 3, t, 400, 200, 0, 20, scratch, messages);
        EXPECT_TRUE(messages.CalcAbort);
        ASSERT_GE(messages.lines.size(), 2u);
        const std::size_t last = messages.lines.size() - 1;
        EXPECT_EQ(messages.lines[last - 1], language == Language::English
                                                ? "Can not calculate Wing  2 / Trapezium 3."
                                                : "Kann Flügel  2 / Trapez  3 nicht berechnen.");
        EXPECT_EQ(messages.lines[last], language == Language::English
                                            ? "Please change this trapezium (more chord length at tip)!"
                                            : "Bitte dieses Trapez verändern (Außentiefe größer)!");
    }
}

TEST(Trapez, RefusedTipEndsTheChainAfterTheLattice) {
    const AircraftModel m =
        aircraftOf({WingSpec{{200, 0, 0, 0, 0}, {400, 0, 0, 0}, {100, 0, 0, 0}, 1, 0, 0, 0}});
    const CalcResult r = runCalculation(m);
    EXPECT_FALSE(r.done());
    EXPECT_TRUE(r.memoShown);
    ASSERT_GE(r.memo.size(), 3u);
    EXPECT_EQ(r.memo.front(), "Error: ");
    EXPECT_EQ(r.memo.back(), "Please change this trapezium (more chord length at tip)!");
}

}  // namespace
}  // namespace ws
