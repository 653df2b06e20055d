#include <gtest/gtest.h>

#include <algorithm>

#include "solver/calculation.h"
#include "view_test_support.h"
#include "views/canvas.h"
#include "views/lattice_from_solver.h"
#include "views/stability_view.h"

namespace ws {
namespace {

using test::at;
using test::countColour;

// 1 pixel per mm, x = 0 at row 10, centre line at column 200.
TopViewTransform plainTransform(int centre = 200) {
    TopViewTransform t;
    t.width = 2 * centre;
    t.TopViewScale = t.TopViewBaseScale = t.View3DScale = 1;
    t.centreColumn = centre;
    t.TopViewOriginY = 10;
    return t;
}

// AnpAircraft 100 mm, RefChord 200 mm, two wings, the mean chord's leading
// edge at 20 mm: the worked example.
StabilityDisplay workedExample(bool manual) {
    Evaluation e;
    e.RefArea = 297000;
    e.RefChord = 200;
    e.AnpAircraft = 100;
    e.RefMacLe = 20;
    return stabilityDisplay(stabilityNumbers(2, 100, 200, 7.5), e, manual);
}

// Rows of `image` at `column` in `colour`, between `from` and `to`.
int rowsIn(const QImage& image, const QColor& colour, int column, int from, int to) {
    int n = 0;
    for (int y = from; y <= to; ++y) n += at(image, column, y) == colour;
    return n;
}

TEST(StabilityView, WorkedExampleRowsAndMarksOverALattice) {
    const StabilityDisplay d = workedExample(false);
    EXPECT_EQ(d.rows.cgFront, "x_cg (16%): 68.0mm   ");
    EXPECT_EQ(d.mac.cgFront, "= 24.0% lm");
    EXPECT_EQ(d.mac.cgRear, "= 32.0% lm");
    EXPECT_EQ(d.mac.macLe, "lm leading edge: 20.0mm");
    // A lattice line through every mark: the marks stay whole, 2 pixels
    // thick, on a border of the background.
    const QImage image = test::painted(400, 330, [&](Canvas& c) {
        c.setPenColor(kBlue);
        for (int y : {78, 94, 110}) c.line(150, y, 250, y);
        c.line(200, 60, 200, 130);
        drawStabilityRows(c, d, plainTransform(), false);
    });
    EXPECT_EQ(rowsIn(image, kRed, 205, 105, 115), 2);                 // neutral point, row 110
    EXPECT_EQ(rowsIn(image, tooltipBackground(), 205, 105, 115), 2);  // its border
    EXPECT_GE(rowsIn(image, kBlue, 204, 74, 82), 2);                  // front tick, row 78
    EXPECT_EQ(at(image, 209, 110), kBlue);                            // the lattice beyond the tick
}

TEST(StabilityView, ManualModeShowsOneRowAndOneTick) {
    const StabilityDisplay d = workedExample(true);
    EXPECT_EQ(d.rows.cgDesired, "x_cg (7.5%): 85.0mm     ");
    EXPECT_EQ(d.mac.cgDesired, "= 32.5% lm");
    const QImage image =
        test::painted(400, 330, [&](Canvas& c) { drawStabilityRows(c, d, plainTransform(), false); });
    EXPECT_GE(rowsIn(image, kBlue, 204, 90, 100), 2);  // the tick at row 95
    EXPECT_EQ(rowsIn(image, kBlue, 200, 70, 88), 0);   // no bar
    // Nothing is written in the automatic mode's upper row.
    for (int y = kCgFrontRow; y < kCgRearRow; ++y)
        for (int x = 0; x < 160; ++x) ASSERT_EQ(at(image, x, y), kWhite) << x << "," << y;
}

TEST(StabilityView, PointersStartRightOfTheRows) {
    for (bool manual : {false, true}) {
        const StabilityDisplay d = workedExample(manual);
        const auto rows = [&](Canvas& c) { drawStabilityRows(c, d, plainTransform(300), false); };
        const QImage text = test::painted(600, 330, rows);
        const QImage pointed = test::painted(600, 330, [&](Canvas& c) {
            rows(c);
            Zeiger(c, d, plainTransform(300));
        });
        // The pointers leave the letters of the rows as they were (they may
        // cross the blanks that end a row) and reach the centre line at the marks.
        int rightmostInk = 0;
        for (int y = kCgFrontRow; y < kNeutralPointRow + 16; ++y)
            for (int x = 0; x < 280; ++x)
                if (at(text, x, y) != kWhite && at(text, x, y) != tooltipBackground())
                    rightmostInk = std::max(rightmostInk, x);
        for (int y = kCgFrontRow; y < kNeutralPointRow + 16; ++y)
            for (int x = 0; x <= rightmostInk; ++x)
                ASSERT_EQ(at(pointed, x, y), at(text, x, y)) << x << "," << y;
        EXPECT_EQ(at(pointed, 293, manual ? 95 : 78), kBlue);
        EXPECT_EQ(at(pointed, 293, 110), kRed);
    }
}

// The start-up aircraft calculated, drawn as the window draws it.
struct Calculated {
    CalcResult result = runCalculation(startupAircraft());
    AircraftDrawing aircraft = aircraftDrawing(startupAircraft());
    LatticeDrawing lattice = latticeDrawing(result.lattice);
};

QImage drawView(const Calculated& c, bool latticeValid, TopViewTransform* drawn = nullptr) {
    StabilityBackground b;
    b.aircraft = &c.aircraft;
    b.lattice = &c.lattice;
    const Evaluation& e = c.result.evaluation;
    b.RefOutline = {e.RefOutline.data(), static_cast<std::size_t>(e.RefOutlineCount)};
    b.LatticeValid = latticeValid;
    const StabilityDisplay d = stabilityDisplay(c.result.stability, e, false);
    return test::painted(555, 320, [&](Canvas& canvas) {
        const TopViewTransform t = drawStabilityView(canvas, b, d, {}, false);
        if (drawn) *drawn = t;
    });
}

TEST(StabilityView, OpenedResultsShowNeitherHighlightNorLattice) {
    const Calculated c;
    ASSERT_TRUE(c.result.done());
    TopViewTransform t;
    const QImage full = drawView(c, true, &t);
    EXPECT_EQ(t.TopViewScale, fitTopView(c.aircraft, 555, 320).TopViewScale);
    EXPECT_GT(countColour(full, referenceHighlight()), 1000);
    // Blue pixels right of the centre line on a row through wing 1: lattice lines
    // beside the outline, or the outline crossings only.
    const int row = t.toPixel(c.result.evaluation.AnpWing[1], -300).y();
    const auto blueRight = [&](const QImage& image) {
        int n = 0;
        for (int x = t.centreColumn + 5; x < image.width(); ++x) n += at(image, x, row) == kBlue;
        return n;
    };
    EXPECT_GT(blueRight(full), 10);
    const QImage opened = drawView(c, false);  // a loaded file carries no lattice
    EXPECT_EQ(countColour(opened, referenceHighlight()), 0);
    EXPECT_LE(blueRight(opened), 2);
    EXPECT_GT(countColour(opened, kRed), 0);
}

TEST(StabilityView, LatticeCopyMatchesTheSolversTables) {
    const Calculated c;
    const Lattice& l = c.result.lattice;
    ASSERT_EQ(c.lattice.wingCount, 2);
    for (int w = 1; w <= 2; ++w) {
        const GridWing& g = c.lattice.wing[w];
        ASSERT_EQ(g.ChordPanels, l.sizes.ChordPanels[w]);
        ASSERT_EQ(static_cast<int>(g.strips.size()), l.sizes.WingStrips[w]);
        EXPECT_EQ(g.height, l.WingZ[w]);
        const int last = l.sizes.WingStrips[w];
        const GridStrip& tip = g.strips.back();
        EXPECT_EQ(tip.EdgeYR, l.edgeYR(last, w));
        EXPECT_EQ(tip.CornerXL[1], l.cornerXL(1, last, w));
        EXPECT_EQ(tip.CornerXR.back(), l.cornerXR(g.ChordPanels + 1, last, w));
        EXPECT_EQ(g.strips.front().EdgeYL, l.edgeYL(1, w));
    }
    // A lattice that was never built gives nothing to draw.
    Lattice empty;
    empty.sizes = l.sizes;
    EXPECT_EQ(latticeDrawing(empty).wingCount, 0);
}

}  // namespace
}  // namespace ws
