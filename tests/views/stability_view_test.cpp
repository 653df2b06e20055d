#include <gtest/gtest.h>

#include "solver/calculation.h"
#include "view_test_support.h"
#include "views/canvas.h"
#include "views/lattice_from_solver.h"
#include "views/stability_view.h"

namespace ws {
namespace {

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

TEST(StabilityView, WorkedExampleTextsInBothModes) {
    const StabilityDisplay automatic = workedExample(false), manual = workedExample(true);
    EXPECT_EQ(automatic.rows.cgFront, "x_cg (16%): 68.0mm   ");
    EXPECT_EQ(automatic.mac.cgFront, "= 24.0% lm");
    EXPECT_EQ(automatic.mac.cgRear, "= 32.0% lm");
    EXPECT_EQ(automatic.mac.macLe, "lm leading edge: 20.0mm");
    EXPECT_EQ(manual.rows.cgDesired, "x_cg (7.5%): 85.0mm     ");
    EXPECT_EQ(manual.mac.cgDesired, "= 32.5% lm");
}

// The start-up aircraft calculated, drawn as the window draws it.
struct Calculated {
    CalcResult result = runCalculation(startupAircraft());
    AircraftDrawing aircraft = aircraftDrawing(startupAircraft());
    LatticeDrawing lattice = latticeDrawing(result.lattice);
};

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
