#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/planform.h"

namespace ws {
namespace {

WingPlanform defaultWing(int w, int trapCount = 1) {
    return Calc_W(paramsFromEntry(defaultWingEntry(w), trapCount));
}

// The five value labels b, s, lm, r25, lam.
using Labels = std::vector<std::string>;
Labels labels(const WingPlanform& p) {
    const WingLabelTexts t = wingLabelTexts(p);
    return {t.b, t.s, t.lm, t.r25, t.lam};
}

TEST(Planform, DefaultMainWingLabels) {
    const WingPlanform p = defaultWing(1);
    EXPECT_DOUBLE_EQ(p.WingSpan, 1100);
    EXPECT_DOUBLE_EQ(p.WingArea, 297000);
    EXPECT_NEAR(p.WingMAC, 271.975, 1e-3);
    EXPECT_NEAR(p.WingR25, 82.253, 1e-3);
    EXPECT_NEAR(p.WingAspect, 4.074, 1e-3);
    EXPECT_EQ(labels(p), (Labels{"1100mm", "29.70dm^2", "272.0mm", "82.3mm", " 4.1"}));
}

TEST(Planform, DefaultTailAtItsPosition) {
    const WingPlanform p = defaultWing(2);
    EXPECT_DOUBLE_EQ(p.StationX[1], 680);
    EXPECT_DOUBLE_EQ(p.StationX[2], 690);
    EXPECT_EQ(labels(p), (Labels{" 240mm", "1.92dm^2", "80.4mm", "24.9mm", " 3.0"}));
}

TEST(Planform, ZeroAreaWingShowsOnlyItsPosition) {
    WingEntry e = defaultWingEntry(2);
    e.span = {};
    EXPECT_EQ(labels(Calc_W(paramsFromEntry(e, 1))), (Labels{"   0mm", "0.00dm^2", " 0.0mm", "-680.0mm", " 0.0"}));
}

TEST(Planform, CentreGapWidensSpanButNotArea) {
    WingEntry e = defaultWingEntry(1);
    e.gap = 50;
    const WingPlanform p = Calc_W(paramsFromEntry(e, 1));
    EXPECT_DOUBLE_EQ(p.WingSpan, 1200);
    EXPECT_DOUBLE_EQ(p.WingArea, 297000);
    EXPECT_DOUBLE_EQ(p.WingAspect, 1200.0 * 1200.0 / 297000);
    EXPECT_DOUBLE_EQ(p.StationY[1], 50);
    EXPECT_DOUBLE_EQ(p.StationY[2], 600);
}

TEST(Planform, NegativeLengthsAreAbsoluteOffsetsKeepSign) {
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
}

TEST(Planform, TrapeziumCountSelectsStations) {
    const WingPlanform one = defaultWing(1, 1);
    const WingPlanform four = defaultWing(1, 4);
    EXPECT_EQ(four.StationCount, 5);
    EXPECT_DOUBLE_EQ(four.WingSpan, 2 * (550 + 550 + 80 + 20));
    // Closed form of the four trapeziums: 2 * sum((c0 + c1) / 2 * dy).
    EXPECT_DOUBLE_EQ(four.WingArea, (310 + 230) * 550.0 + (230 + 180) * 550.0 + (180 + 40) * 80.0 + (40 + 6) * 20.0);
    EXPECT_NE(one.WingMAC, four.WingMAC);
    // Stations beyond the count are still filled.
    EXPECT_DOUBLE_EQ(one.StationChord[5], 6);
}

TEST(Planform, RectangleClosedForm) {
    WingEntry e;
    e.span[1] = 500;
    e.chord[1] = e.chord[2] = 200;
    e.posX = 100;
    const WingPlanform p = Calc_W(paramsFromEntry(e, 1));
    EXPECT_DOUBLE_EQ(p.WingArea, 200000);
    EXPECT_DOUBLE_EQ(p.WingMAC, 200);
    EXPECT_DOUBLE_EQ(p.WingR25, 50);
    EXPECT_DOUBLE_EQ(p.WingAspect, 5);
}

TEST(Planform, EntryRoundTrip) {
    for (int w = 1; w <= kMaxWings; ++w) {
        const WingEntry e = defaultWingEntry(w);
        const WingEntry back = entryFromParams(paramsFromEntry(e, 3));
        EXPECT_EQ(back.span, e.span);
        EXPECT_EQ(back.chord, e.chord);
        EXPECT_EQ(back.offset, e.offset);
        EXPECT_EQ(back.posX, e.posX);
        EXPECT_EQ(back.posZ, e.posZ);
    }
}

TEST(Planform, AnpLabel) {
    EXPECT_EQ(anpLabelText(85.3), "85.3mm");
    EXPECT_EQ(anpLabelText(5), " 5.0mm");
}

}  // namespace
}  // namespace ws
