#include <gtest/gtest.h>

#include <cmath>

#include "model/number_format.h"
#include "view_test_support.h"
#include "views/canvas.h"
#include "views/planform_view.h"

namespace ws {
namespace {

using test::at;
using test::defaultWing;
using test::expectColourAt;

struct Drawn {
    QImage image;
    double scale = 0;
};

// Drawn on the planform image of the design layout (601 x 336 unless given).
Drawn drawn(const WingPlanform& p, int wing = 1, bool results = false, double anp = 0, int h = 336) {
    Drawn d;
    d.image = test::painted(601, h, [&](Canvas& c) { d.scale = drawPlanformView(c, p, wing, results, anp); });
    return d;
}

TEST(PlanformView, OutlineInWingColourAtMappedCorners) {
    // x0 = 300, y0 = 112, s = 0.53829: tip leading edge (550, 30) at (596, 128),
    // tip trailing edge (550, 260) at (596, 252), root trailing edge (0, 310) at (300, 279).
    const QImage wing = drawn(defaultWing(1)).image;
    expectColourAt(wing, kBlue,
                   {QPoint(596, 128), QPoint(596, 252), QPoint(4, 128), QPoint(4, 252), QPoint(300, 279),
                    QPoint(596, 190)});
    expectColourAt(wing, tooltipBackground(), {QPoint(597, 190)});  // just beyond the tip chord

    // Default wing 2 (span 120, chords 90 and 70, offset 10) fits by chord: s = 336 / 1.6 / 90;
    // its tip chord at column 300 + 280, rows 112 + 23 .. 112 + 187.
    const Drawn tail = drawn(defaultWing(2), 2);
    EXPECT_DOUBLE_EQ(tail.scale, 336 / 1.6 / 90);
    expectColourAt(tail.image, QColor(255, 0, 255), {QPoint(580, 135), QPoint(580, 299), QPoint(20, 200)});
    const Drawn canard = drawn(defaultWing(3), 3);
    EXPECT_EQ(at(canard.image, 300 + roundInt(100 * canard.scale), 112 + roundInt(40 * canard.scale)),
              QColor(0, 128, 0));
}

TEST(PlanformView, RootChordOnlyWithACentreGap) {
    // Without a gap the centre axis below the mean-chord line stays black.
    EXPECT_EQ(at(drawn(defaultWing(1)).image, 300, 272), kBlack);

    WingEntry e = defaultWingEntry(1);
    e.gap = 50;
    const Drawn d = drawn(test::planformOf(e));
    EXPECT_DOUBLE_EQ(d.scale, 601 / 2.03 / 600);
    ASSERT_EQ(roundInt(50 * d.scale), 25);  // 24.6
    expectColourAt(d.image, kBlue, {QPoint(325, 200), QPoint(275, 200)});
    expectColourAt(d.image, kBlack, {QPoint(300, 272)});
}

TEST(PlanformView, AxesAtThirdOfHeightAndHalfOfWidth) {
    // 338 / 3 = 112.7: the origin is truncated, not rounded. Arrow heads at the
    // bottom and the right end; the flight direction red, up from row 30 at x0 + 20.
    const QImage image = drawn(defaultWing(1), 1, false, 0, 338).image;
    expectColourAt(image, kBlack, {QPoint(560, 112), QPoint(300, 310), QPoint(302, 328), QPoint(591, 114)});
    expectColourAt(image, tooltipBackground(), {QPoint(560, 111), QPoint(560, 113), QPoint(301, 310)});
    expectColourAt(image, kRed, {QPoint(320, 20), QPoint(320, 3)});
}

TEST(PlanformView, NeutralPointTickAndMeanChord) {
    // r25 = 82.253 mm, lm = 271.975 mm: the tick at row round(82.253 s + 112) = 156,
    // the mean chord from row 120 to row 266 on the centre line.
    const QImage image = drawn(defaultWing(1)).image;
    expectColourAt(image, kRed, {QPoint(302, 156), QPoint(299, 156), QPoint(300, 120), QPoint(300, 266)});
    expectColourAt(image, tooltipBackground(), {QPoint(302, 152), QPoint(302, 160)});
    expectColourAt(image, kBlack, {QPoint(300, 119), QPoint(300, 267)});
}

TEST(PlanformView, AerodynamicCentreOnlyWhileResultsValid) {
    // anp 85.3 mm behind the root: row round(85.3 s + 112) = 158, columns 297..304.
    expectColourAt(drawn(defaultWing(1), 1, true, 85.3).image, kBlack, {QPoint(304, 158), QPoint(297, 158)});
    expectColourAt(drawn(defaultWing(1), 1, false, 85.3).image, tooltipBackground(),
                   {QPoint(304, 158), QPoint(297, 158)});
}

TEST(PlanformView, ForwardTipOffsetStaysInsideAboveTheRoot) {
    WingEntry e = test::rectangularEntry(300, 100);
    e.offset[2] = -200;
    const WingPlanform p = test::planformOf(e);
    // The extent becomes 2 * 200 = 400, so the chord term wins.
    EXPECT_DOUBLE_EQ(PlanformScale(p, 601, 336), 336 / 1.6 / 400);
    const Drawn d = drawn(p);
    const int tipRow = 112 - roundInt(200 * d.scale);
    ASSERT_GE(tipRow, 0);
    EXPECT_EQ(at(d.image, 300 + roundInt(300 * d.scale), tipRow), kBlue);
}

TEST(PlanformView, WingWithoutChordwiseExtentIsFittedBySpan) {
    const Drawn flat = drawn(test::planformOf(test::rectangularEntry(400, 0)));
    ASSERT_TRUE(std::isfinite(flat.scale));
    EXPECT_DOUBLE_EQ(flat.scale, 601 / 2.03 / 400);
    // The outline collapses onto the root leading-edge row.
    EXPECT_EQ(at(flat.image, 300 + 200, 112), kBlue);

    // No span either: the span term is 1.
    const WingPlanform nothing = test::planformOf(WingEntry{});
    EXPECT_DOUBLE_EQ(PlanformScale(nothing, 601, 336), 1.0);
    EXPECT_DOUBLE_EQ(drawn(nothing, 1, true).scale, 1.0);
}

TEST(PlanformView, ExtremeEntriesDrawWithoutOverflow) {
    WingEntry e = test::rectangularEntry(2147483647, 2147483647);
    e.offset[2] = -2147483647;
    const double s = drawn(test::planformOf(e), 1, true, 1e300).scale;
    EXPECT_GT(s, 0);
    EXPECT_TRUE(std::isfinite(s));
}

}  // namespace
}  // namespace ws
