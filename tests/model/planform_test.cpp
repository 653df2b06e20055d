#include "model/planform.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/reference_wing.h"

namespace ws {
namespace {

// The five value labels b, s, lm, r25, lam.
using Labels = std::vector<std::string>;
Labels labels(const WingPlanform& p) {
    const WingLabelTexts t = wingLabelTexts(p);
    return {t.b, t.s, t.lm, t.r25, t.lam};
}

// Wing 1: one trapezium of 310 to 230 mm over 550 mm, swept 30 mm: its mean
// chord 73433⅓ / 270 mm, with its leading edge at ∫x·c dy / ∫c dy = 3850 / 270 mm.
TEST(Planform, DefaultWingsAndAWingWithoutArea) {
    const WingPlanform main = Calc_W(paramsFromEntry(defaultWingEntry(1), 1));
    EXPECT_DOUBLE_EQ(main.WingSpan, 1100);
    EXPECT_DOUBLE_EQ(main.WingArea, 297000);
    EXPECT_NEAR(main.WingMAC, (73433.0 + 1.0 / 3) / 270, 1e-9);
    EXPECT_NEAR(meanChordLeadingEdge(main), 3850.0 / 270, 1e-9);
    EXPECT_NEAR(main.WingR25, 82.253, 1e-3);
    EXPECT_NEAR(main.WingAspect, 4.074, 1e-3);
    EXPECT_EQ(labels(main), (Labels{"1100mm", "29.70dm^2", "272.0mm", "82.3mm", " 4.1"}));
    const WingPlanform tail = Calc_W(paramsFromEntry(defaultWingEntry(2), 1));
    EXPECT_DOUBLE_EQ(tail.StationX[1], 680);
    EXPECT_DOUBLE_EQ(tail.StationX[2], 690);
    EXPECT_EQ(labels(tail), (Labels{" 240mm", "1.92dm^2", "80.4mm", "24.9mm", " 3.0"}));
    WingEntry e = defaultWingEntry(2);
    e.span = {};
    EXPECT_EQ(labels(Calc_W(paramsFromEntry(e, 1))),
              (Labels{"   0mm", "0.00dm^2", " 0.0mm", "-680.0mm", " 0.0"}));
    EXPECT_EQ(anpLabelText(85.3), "85.3mm");
    EXPECT_EQ(anpLabelText(5), " 5.0mm");
}

// Negative lengths count as absolute, offsets keep their sign; a gap widens the span, not the area.
TEST(Planform, GapAndNegativeLengths) {
    WingEntry e = defaultWingEntry(1);
    e.chord[1] = -310;
    e.span[1] = -550;
    e.gap = -50;
    e.offset[2] = -30;
    const WingParams p = paramsFromEntry(e, 1);
    EXPECT_EQ(p.ChordMm[1], 310);
    EXPECT_EQ(p.WingGap, 50);
    EXPECT_EQ(p.StationYMm[2], 600);
    EXPECT_EQ(p.OffsetMm[2], -30);
    const WingPlanform w = Calc_W(p);
    EXPECT_DOUBLE_EQ(w.StationX[2], -30);
    EXPECT_DOUBLE_EQ(w.WingArea, 297000);
    EXPECT_DOUBLE_EQ(w.WingSpan, 1200);
    EXPECT_DOUBLE_EQ(w.WingAspect, 1200.0 * 1200.0 / 297000);
    EXPECT_DOUBLE_EQ(w.StationY[1], 50);
    EXPECT_DOUBLE_EQ(w.StationY[2], 600);
    // The gap filled by a rectangle of the root chord, however small; a wing without area keeps it.
    for (const auto& [area, filled] : {std::pair{0.5, 100.5}, {0.0, 0.0}})
        EXPECT_EQ(referenceArea(area, 1, 2, 10, 5).area, filled) << area;
    EXPECT_DOUBLE_EQ(referenceArea(0.5, 1, 2, 10, 5).chord, 1004 / 100.5);
}

// Half-spans within 0.1 mm tie, and the larger area wins: rounding noise in
// the strip edges never chooses a half-size tail. An absent wing never wins.
TEST(ReferenceWing, LargestHalfSpanAndOnATieTheLargerArea) {
    const struct {
        std::vector<WingExtent> wings;
        int ref;
    } cases[] = {
        {{{500, 200000}, {500.04, 100000}}, 1}, {{{500, 200000}, {500.06, 100000}}, 2},
        {{{500, 200000}, {500, 300000}}, 2},    {{{500, 200000}, {600, 300000, false}}, 1},
        {{{0, 0, false}, {0, 0, false}}, 1},    {{{400, 1}, {500, 1}, {500, 2}}, 3},
    };
    for (const auto& c : cases) EXPECT_EQ(referenceWing(c.wings), c.ref) << c.wings[1].halfSpan;
}

TEST(Planform, ClosedFormsOfARectangleAndFourTrapeziums) {
    WingEntry e;
    e.span[1] = 500;
    e.chord[1] = e.chord[2] = 200;
    e.posX = 100;
    const WingPlanform p = Calc_W(paramsFromEntry(e, 1));
    EXPECT_DOUBLE_EQ(p.WingArea, 200000);
    EXPECT_DOUBLE_EQ(p.WingMAC, 200);
    EXPECT_DOUBLE_EQ(p.WingR25, 50);
    EXPECT_DOUBLE_EQ(p.WingAspect, 5);
    const WingPlanform one = Calc_W(paramsFromEntry(defaultWingEntry(1), 1));
    const WingPlanform four = Calc_W(paramsFromEntry(defaultWingEntry(1), 4));
    EXPECT_EQ(four.StationCount, 5);
    EXPECT_DOUBLE_EQ(four.WingSpan, 2 * (550 + 550 + 80 + 20));
    EXPECT_DOUBLE_EQ(four.WingArea,
                     (310 + 230) * 550.0 + (230 + 180) * 550.0 + (180 + 40) * 80.0 + (40 + 6) * 20.0);
    EXPECT_NE(one.WingMAC, four.WingMAC);
    EXPECT_DOUBLE_EQ(one.StationChord[5], 6);  // stations beyond the count are still filled
    for (int w = 1; w <= kMaxWings; ++w) {
        const WingEntry d = defaultWingEntry(w), back = entryFromParams(paramsFromEntry(d, 3));
        EXPECT_TRUE(back.span == d.span && back.chord == d.chord && back.offset == d.offset &&
                    back.posX == d.posX && back.posZ == d.posZ)
            << w;
    }
}

}  // namespace
}  // namespace ws
