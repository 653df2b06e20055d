#include <gtest/gtest.h>

#include "solver/calculation.h"
#include "view_test_support.h"
#include "views/canvas.h"
#include "views/lattice_from_solver.h"
#include "views/stability_view.h"

namespace ws {
namespace {

using test::at;
using test::colourNear;
using test::countColour;
using test::rowsWith;

const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);

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
StabilityDisplay workedExample(bool manual, double margin = 7.5) {
    return stabilityDisplay(stabilityNumbers(2, 100, 200, margin), 297000, 200, 100, manual, true);
}

QImage drawRows(const StabilityDisplay& d, bool highlighted = false) {
    QImage image = test::blankImage(400, 330);
    Canvas c(image);
    drawStabilityRows(c, d, plainTransform(), highlighted);
    return image;
}

TEST(StabilityView, WorkedExampleRowsAndMarks) {
    const StabilityDisplay d = workedExample(false);
    EXPECT_EQ(d.rows.cgFront, "x_cg (16%): 68.0mm   ");
    EXPECT_EQ(d.rows.cgRear, "x_cg (8%): 84.0mm   ");
    EXPECT_EQ(d.rows.neutralPoint, "x_ac: 100.0mm    ");
    EXPECT_EQ(d.rows.refArea, "Reference area (S): 29.70dm^2 ");

    const QImage image = drawRows(d);
    // Neutral point at row 110, from column 196 to 204 with a pen of 2.
    for (int x : {196, 200, 204}) EXPECT_TRUE(colourNear(image, x, 110, kRed)) << x;
    EXPECT_FALSE(colourNear(image, 200, 114, kRed));
    EXPECT_FALSE(colourNear(image, 207, 110, kRed));
    // The bar from the rear position (row 94) to the front one (row 78).
    for (int x : {197, 203}) {
        EXPECT_TRUE(colourNear(image, x, 94, kBlue)) << x;
        EXPECT_TRUE(colourNear(image, x, 78, kBlue)) << x;
    }
    for (int y = 78; y <= 94; y += 4) EXPECT_TRUE(colourNear(image, 200, y, kBlue)) << y;
    EXPECT_FALSE(colourNear(image, 200, 72, kBlue, 2));
    EXPECT_FALSE(colourNear(image, 200, 100, kBlue, 2));

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
    EXPECT_TRUE(colourNear(image, 197, 95, kBlue));
    EXPECT_TRUE(colourNear(image, 203, 95, kBlue));
    EXPECT_FALSE(colourNear(image, 200, 85, kBlue, 2));
    EXPECT_FALSE(colourNear(image, 200, 78, kBlue, 2));
    // Nothing is written in the automatic mode's upper row.
    for (int y = kCgFrontRow; y < kCgRearRow; ++y)
        for (int x = 0; x < 160; ++x) ASSERT_EQ(at(image, x, y), QColor(Qt::white)) << x << "," << y;
}

TEST(StabilityView, FirstRowSitsOnTheHighlightOnlyWithTheLattice) {
    const StabilityDisplay d = workedExample(false);
    EXPECT_EQ(at(drawRows(d, true), kStabilityTextLeft, kRefAreaRow), referenceHighlight());
    EXPECT_EQ(at(drawRows(d, false), kStabilityTextLeft, kRefAreaRow), tooltipBackground());
    EXPECT_EQ(at(drawRows(d, true), kStabilityTextLeft, kRefChordRow), tooltipBackground());
}

TEST(StabilityView, PointersRunFromTheRowsToTheMarks) {
    QImage image = test::blankImage(400, 330);
    {
        Canvas c(image);
        Zeiger(c, workedExample(false), plainTransform());
    }
    // Straight parts from column 162 to 176 at the row middles.
    for (int x : {162, 170, 176}) {
        EXPECT_EQ(at(image, x, 274), kBlue) << x;
        EXPECT_EQ(at(image, x, 290), kBlue) << x;
        EXPECT_EQ(at(image, x, 306), kRed) << x;
    }
    // Ends just left of the centre line at the marks' rows.
    EXPECT_EQ(at(image, 193, 78), kBlue);
    EXPECT_EQ(at(image, 193, 94), kBlue);
    EXPECT_EQ(at(image, 193, 110), kRed);

    QImage manual = test::blankImage(400, 330);
    {
        Canvas c(manual);
        Zeiger(c, workedExample(true), plainTransform());
    }
    EXPECT_EQ(at(manual, 170, 274), QColor(Qt::white));
    EXPECT_EQ(at(manual, 193, 95), kBlue);
}

// The start-up aircraft calculated, drawn as the window draws it.
struct Calculated {
    CalcResult result = runCalculation(startupAircraft());
    AircraftDrawing aircraft = aircraftDrawing(startupAircraft());
    LatticeDrawing lattice = latticeDrawing(result.lattice);
};

QImage drawView(const Calculated& c, bool latticeValid, bool fromOpen, TopViewTransform* drawn = nullptr) {
    QImage image = test::blankImage(555, 320);
    StabilityBackground b;
    b.aircraft = &c.aircraft;
    b.lattice = &c.lattice;
    b.RefOutline = {c.result.evaluation.RefOutline.data(),
                    static_cast<std::size_t>(c.result.evaluation.RefOutlineCount)};
    b.LatticeValid = latticeValid;
    b.fromOpen = fromOpen;
    const Evaluation& e = c.result.evaluation;
    const StabilityDisplay d =
        stabilityDisplay(c.result.stability, e.RefArea, e.RefChord, e.AnpAircraft, false, true);
    Canvas canvas(image);
    const TopViewTransform t = drawStabilityView(canvas, b, d, {}, false);
    if (drawn) *drawn = t;
    return image;
}

TEST(StabilityView, OpenedResultsShowNeitherHighlightNorLattice) {
    const Calculated c;
    ASSERT_TRUE(c.result.done());
    TopViewTransform t;
    const QImage full = drawView(c, true, false, &t);
    EXPECT_EQ(t.TopViewScale, fitTopView(c.aircraft, 555, 320).TopViewScale);
    EXPECT_GT(countColour(full, referenceHighlight()), 1000);
    // Panels of wing 1 on the right of the centre line, inside the wing.
    const QPoint inside = t.toPixel(c.result.evaluation.AnpWing[1], -300);
    int blueRight = 0;
    for (int x = t.centreColumn + 5; x < full.width(); ++x) blueRight += at(full, x, inside.y()) == kBlue;
    EXPECT_GT(blueRight, 10);  // lattice lines beside the outline

    for (const bool fromOpen : {true, false}) {
        const QImage opened = drawView(c, false, fromOpen);  // a loaded file carries no lattice
        EXPECT_EQ(countColour(opened, referenceHighlight()), 0) << fromOpen;
        int blue = 0;
        for (int x = t.centreColumn + 5; x < opened.width(); ++x) blue += at(opened, x, inside.y()) == kBlue;
        EXPECT_LE(blue, 2) << fromOpen;  // the outline crossings only
        EXPECT_FALSE(rowsWith(opened, kRed).empty());
    }
    // The open command never draws the lattice, even one that would still fit.
    const QImage reopened = drawView(c, true, true);
    int blue = 0;
    for (int x = t.centreColumn + 5; x < reopened.width(); ++x) blue += at(reopened, x, inside.y()) == kBlue;
    EXPECT_LE(blue, 2);
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
