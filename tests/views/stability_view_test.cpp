#include <gtest/gtest.h>

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
TopViewTransform plainTransform() {
    TopViewTransform t;
    t.width = 400;
    t.TopViewScale = t.TopViewBaseScale = t.View3DScale = 1;
    t.centreColumn = 200;
    t.TopViewOriginY = 10;
    return t;
}

// AnpAircraft 100 mm, RefChord 200 mm, two wings: the worked example.
StabilityDisplay workedExample(bool manual) {
    return stabilityDisplay(stabilityNumbers(2, 100, 200, 7.5), 297000, 200, 100, manual);
}

QImage drawRows(const StabilityDisplay& d, bool highlighted = false) {
    return test::painted(400, 330,
                         [&](Canvas& c) { drawStabilityRows(c, d, plainTransform(), highlighted); });
}

QImage drawPointers(bool manual) {
    return test::painted(400, 330, [&](Canvas& c) { Zeiger(c, workedExample(manual), plainTransform()); });
}

TEST(StabilityView, WorkedExampleRowsAndMarks) {
    const StabilityDisplay d = workedExample(false);
    EXPECT_EQ(d.rows.cgFront, "x_cg (16%): 68.0mm   ");
    EXPECT_EQ(d.rows.cgRear, "x_cg (8%): 84.0mm   ");
    EXPECT_EQ(d.rows.neutralPoint, "x_ac: 100.0mm    ");
    EXPECT_EQ(d.rows.refArea, "Reference area (S): 29.70dm^2 ");

    const QImage image = drawRows(d);
    // Neutral point at row 110, from column 196 to 204 with a pen of 2.
    test::expectNear(image, kRed, {QPoint(196, 110), QPoint(200, 110), QPoint(204, 110)});
    test::expectNear(image, kRed, {QPoint(200, 114), QPoint(207, 110)}, false);
    // The bar from the rear position (row 94) to the front one (row 78).
    test::expectNear(image, kBlue,
                     {QPoint(197, 94), QPoint(203, 94), QPoint(197, 78), QPoint(203, 78), QPoint(200, 78),
                      QPoint(200, 82), QPoint(200, 86), QPoint(200, 90), QPoint(200, 94)});
    test::expectNear(image, kBlue, {QPoint(200, 72), QPoint(200, 100)}, false, 2);

    // Text ink: black in the two upper rows, blue in both cg rows, red in the last.
    const auto inkIn = [&](const QColor& colour, int top) {
        for (int y = top; y < top + 14; ++y)
            for (int x = kStabilityTextLeft; x < 160; ++x)
                if (test::closeTo(image.pixelColor(x, y), colour, 60)) return true;  // antialiased ink
        return false;
    };
    EXPECT_TRUE(inkIn(Qt::black, kRefAreaRow));
    EXPECT_TRUE(inkIn(Qt::black, kRefChordRow));
    EXPECT_TRUE(inkIn(kBlue, kCgFrontRow));
    EXPECT_TRUE(inkIn(kBlue, kCgRearRow));
    EXPECT_TRUE(inkIn(kRed, kNeutralPointRow));
}

TEST(StabilityView, ManualModeShowsOneRowAndOneTick) {
    const StabilityDisplay d = workedExample(true);
    EXPECT_EQ(d.rows.cgDesired, "x_cg (7.5%): 85.0mm     ");
    const QImage image = drawRows(d);
    // One tick at row 95, no bar.
    test::expectNear(image, kBlue, {QPoint(197, 95), QPoint(203, 95)});
    test::expectNear(image, kBlue, {QPoint(200, 85), QPoint(200, 78)}, false, 2);
    // Nothing is written in the automatic mode's upper row.
    for (int y = kCgFrontRow; y < kCgRearRow; ++y)
        for (int x = 0; x < 160; ++x) ASSERT_EQ(at(image, x, y), kWhite) << x << "," << y;
}

TEST(StabilityView, FirstRowSitsOnTheHighlightOnlyWithTheLattice) {
    const StabilityDisplay d = workedExample(false);
    EXPECT_EQ(at(drawRows(d, true), kStabilityTextLeft, kRefAreaRow), referenceHighlight());
    EXPECT_EQ(at(drawRows(d, false), kStabilityTextLeft, kRefAreaRow), tooltipBackground());
    EXPECT_EQ(at(drawRows(d, true), kStabilityTextLeft, kRefChordRow), tooltipBackground());
}

TEST(StabilityView, PointersRunFromTheRowsToTheMarks) {
    // Straight parts from column 162 to 176 at the row middles, ends just left
    // of the centre line at the marks' rows.
    const QImage image = drawPointers(false);
    test::expectColourAt(image, kBlue,
                         {QPoint(162, 274), QPoint(170, 274), QPoint(176, 274), QPoint(193, 78),
                          QPoint(162, 290), QPoint(170, 290), QPoint(176, 290), QPoint(193, 94)});
    test::expectColourAt(image, kRed,
                         {QPoint(162, 306), QPoint(170, 306), QPoint(176, 306), QPoint(193, 110)});
    const QImage manual = drawPointers(true);
    test::expectColourAt(manual, kWhite, {QPoint(170, 274)});
    test::expectColourAt(manual, kBlue, {QPoint(193, 95)});
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
    const StabilityDisplay d =
        stabilityDisplay(c.result.stability, e.RefArea, e.RefChord, e.AnpAircraft, false);
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
