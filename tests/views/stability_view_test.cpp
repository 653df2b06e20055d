#include <gtest/gtest.h>

#include "solver/calculation.h"
#include "view_test_support.h"
#include "views/canvas.h"
#include "views/lattice_from_solver.h"
#include "views/stability_view.h"

namespace ws {
namespace {

// The worked example: AnpAircraft 100 mm, RefChord 200 mm, two wings, mean chord's leading edge 20 mm.
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

// The copied lattice itself is pinned by the lattice overlay's golden file.
TEST(StabilityView, ALatticeNeverBuiltGivesNothingToDraw) {
    Lattice empty;
    empty.sizes = runCalculation(startupAircraft()).lattice.sizes;
    EXPECT_EQ(latticeDrawing(empty).wingCount, 0);
}

}  // namespace
}  // namespace ws
