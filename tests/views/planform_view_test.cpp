#include <gtest/gtest.h>

#include <cmath>

#include "model/number_format.h"
#include "view_test_support.h"
#include "views/canvas.h"
#include "views/planform_view.h"

namespace ws {
namespace {

using test::at;
using test::blankImage;
using test::defaultWing;

const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);
const QColor kBlack(0, 0, 0);

// Draws on the planform image of the design layout (601 x 336).
QImage drawn(const WingPlanform& p, int wing = 1, bool results = false, double anp = 0, int w = 601,
             int h = 336, double* scale = nullptr) {
    QImage image = blankImage(w, h);
    Canvas canvas(image);
    const double s = drawPlanformView(canvas, p, wing, results, anp);
    if (scale) *scale = s;
    return image;
}

TEST(PlanformView, DefaultWingFitsBySpanAndReturnsItsScale) {
    double s = 0;
    drawn(defaultWing(1), 1, false, 0, 601, 336, &s);
    // The span term 601 / 2.03 / 550 is smaller than the chord term 336 / 1.6 / 310.
    EXPECT_DOUBLE_EQ(s, 601 / 2.03 / 550);
    EXPECT_DOUBLE_EQ(PlanformScale(defaultWing(1), 601, 336), s);
    // A short wide image fits by chord instead.
    EXPECT_DOUBLE_EQ(PlanformScale(defaultWing(1), 601, 100), 100 / 1.6 / 310);
}

TEST(PlanformView, OutlineInWingColourAtMappedCorners) {
    // x0 = 300, y0 = 112, s = 0.53829: tip leading edge (550, 30) at (596, 128),
    // tip trailing edge (550, 260) at (596, 252), root trailing edge (0, 310) at (300, 279).
    const QImage image = drawn(defaultWing(1));
    EXPECT_EQ(at(image, 596, 128), kBlue);
    EXPECT_EQ(at(image, 596, 252), kBlue);
    EXPECT_EQ(at(image, 4, 128), kBlue);
    EXPECT_EQ(at(image, 4, 252), kBlue);
    EXPECT_EQ(at(image, 300, 279), kBlue);
    EXPECT_EQ(at(image, 596, 190), kBlue);  // tip chord
    EXPECT_EQ(at(image, 597, 190), tooltipBackground());

    // Default wing 2 (span 120, chords 90 and 70, offset 10) fits by chord: s = 336 / 1.6 / 90;
    // its tip chord at column 300 + 280, rows 112 + 23 .. 112 + 187.
    double s2 = 0;
    const QImage tail = drawn(defaultWing(2), 2, false, 0, 601, 336, &s2);
    EXPECT_DOUBLE_EQ(s2, 336 / 1.6 / 90);
    EXPECT_EQ(at(tail, 580, 135), QColor(255, 0, 255));
    EXPECT_EQ(at(tail, 580, 299), QColor(255, 0, 255));
    EXPECT_EQ(at(tail, 20, 200), QColor(255, 0, 255));
    double s3 = 0;
    const QImage canard = drawn(defaultWing(3), 3, false, 0, 601, 336, &s3);
    const QPoint tip3(300 + roundInt(100 * s3), 112 + roundInt(40 * s3));
    EXPECT_EQ(at(canard, tip3.x(), tip3.y()), QColor(0, 128, 0));
}

TEST(PlanformView, RootChordOnlyWithACentreGap) {
    // Without a gap the centre axis below the mean-chord line stays black.
    EXPECT_EQ(at(drawn(defaultWing(1)), 300, 272), kBlack);

    WingEntry e = defaultWingEntry(1);
    e.gap = 50;
    const WingPlanform gapped = test::planformOf(e);
    double s = 0;
    const QImage image = drawn(gapped, 1, false, 0, 601, 336, &s);
    EXPECT_DOUBLE_EQ(s, 601 / 2.03 / 600);
    const int g = roundInt(50 * s);  // 24.6 -> 25
    ASSERT_EQ(g, 25);
    EXPECT_EQ(at(image, 300 + g, 200), kBlue);
    EXPECT_EQ(at(image, 300 - g, 200), kBlue);
    EXPECT_EQ(at(image, 300, 272), kBlack);
}

TEST(PlanformView, AxesAtThirdOfHeightAndHalfOfWidth) {
    // 338 / 3 = 112.7: the origin is truncated, not rounded.
    const QImage image = drawn(defaultWing(1), 1, false, 0, 601, 338);
    EXPECT_EQ(at(image, 560, 112), kBlack);
    EXPECT_EQ(at(image, 560, 111), tooltipBackground());
    EXPECT_EQ(at(image, 560, 113), tooltipBackground());
    EXPECT_EQ(at(image, 300, 310), kBlack);
    EXPECT_EQ(at(image, 301, 310), tooltipBackground());
    // Arrow heads at the bottom and the right end.
    EXPECT_EQ(at(image, 302, 328), kBlack);
    EXPECT_EQ(at(image, 591, 114), kBlack);
    // Flight direction: red, up from row 30 at x0 + 20.
    EXPECT_EQ(at(image, 320, 20), kRed);
    EXPECT_EQ(at(image, 320, 3), kRed);
}

TEST(PlanformView, NeutralPointTickAndMeanChord) {
    // r25 = 82.253 mm, lm = 271.975 mm: the tick at row round(82.253 s + 112) = 156,
    // the mean chord from row 120 to row 266 on the centre line.
    const QImage image = drawn(defaultWing(1));
    EXPECT_EQ(at(image, 302, 156), kRed);
    EXPECT_EQ(at(image, 299, 156), kRed);
    EXPECT_EQ(at(image, 302, 152), tooltipBackground());
    EXPECT_EQ(at(image, 302, 160), tooltipBackground());
    EXPECT_EQ(at(image, 300, 120), kRed);
    EXPECT_EQ(at(image, 300, 266), kRed);
    EXPECT_EQ(at(image, 300, 119), kBlack);
    EXPECT_EQ(at(image, 300, 267), kBlack);
}

TEST(PlanformView, AerodynamicCentreOnlyWhileResultsValid) {
    // anp 85.3 mm behind the root: row round(85.3 s + 112) = 158, columns 297..304.
    const QImage with = drawn(defaultWing(1), 1, true, 85.3);
    EXPECT_EQ(at(with, 304, 158), kBlack);
    EXPECT_EQ(at(with, 297, 158), kBlack);
    const QImage without = drawn(defaultWing(1), 1, false, 85.3);
    EXPECT_EQ(at(without, 304, 158), tooltipBackground());
    EXPECT_EQ(at(without, 297, 158), tooltipBackground());
}

TEST(PlanformView, ForwardTipOffsetStaysInsideAboveTheRoot) {
    WingEntry e = test::rectangularEntry(300, 100);
    e.offset[2] = -200;
    const WingPlanform p = test::planformOf(e);
    // The extent becomes 2 * 200 = 400, so the chord term wins.
    EXPECT_DOUBLE_EQ(PlanformScale(p, 601, 336), 336 / 1.6 / 400);
    double s = 0;
    const QImage image = drawn(p, 1, false, 0, 601, 336, &s);
    const int tipRow = 112 - roundInt(200 * s);
    ASSERT_GE(tipRow, 0);
    EXPECT_EQ(at(image, 300 + roundInt(300 * s), tipRow), kBlue);
}

TEST(PlanformView, WingWithoutChordwiseExtentIsFittedBySpan) {
    WingEntry e = test::rectangularEntry(400, 0);
    const WingPlanform flat = test::planformOf(e);
    double s = 0;
    const QImage image = drawn(flat, 1, false, 0, 601, 336, &s);
    ASSERT_TRUE(std::isfinite(s));
    EXPECT_DOUBLE_EQ(s, 601 / 2.03 / 400);
    // The outline collapses onto the root leading-edge row.
    EXPECT_EQ(at(image, 300 + 200, 112), kBlue);

    // No span either: the span term is 1.
    const WingPlanform nothing = test::planformOf(WingEntry{});
    EXPECT_DOUBLE_EQ(PlanformScale(nothing, 601, 336), 1.0);
    double s0 = 0;
    drawn(nothing, 1, true, 0, 601, 336, &s0);
    EXPECT_DOUBLE_EQ(s0, 1.0);
}

TEST(PlanformView, ExtremeEntriesDrawWithoutOverflow) {
    WingEntry e = test::rectangularEntry(2147483647, 2147483647);
    e.offset[2] = -2147483647;
    double s = 0;
    drawn(test::planformOf(e), 1, true, 1e300, 601, 336, &s);
    EXPECT_GT(s, 0);
    EXPECT_TRUE(std::isfinite(s));
}

}  // namespace
}  // namespace ws
