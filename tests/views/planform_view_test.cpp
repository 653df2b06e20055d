#include <gtest/gtest.h>

#include <cmath>

#include "view_test_support.h"
#include "views/planform_view.h"
#include "views/view3d.h"

namespace ws {
namespace {

TEST(PlanformView, ScaleFitsTheLargerOfSpanAndChordwiseExtent) {
    WingEntry forward = test::rectangularEntry(300, 100);
    forward.offset[2] = -200;  // the extent becomes 2 x 200 = 400, so the chord term wins
    const struct {
        WingEntry entry;
        double scale;
    } cases[] = {
        {forward, 336 / 1.6 / 400},
        {test::rectangularEntry(400, 0), 601 / 2.03 / 400},  // no chordwise extent: by span
        {WingEntry{}, 1.0},                                  // nothing at all: the span term is 1
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(PlanformScale(test::planformOf(c.entry), 601, 336), c.scale);
}

TEST(PlanformView, ExtremeEntriesDrawWithoutOverflow) {
    WingEntry e = test::rectangularEntry(2147483647, 2147483647);
    e.offset[2] = -2147483647;
    QImage image = test::blankImage(601, 336);
    Canvas c(image);
    const double s = drawPlanformView(c, test::planformOf(e), 1, true, 1e300);
    EXPECT_GT(s, 0);
    EXPECT_TRUE(std::isfinite(s));

    AircraftModel m = startupAircraft();
    m.wing[1] = paramsFromEntry(test::rectangularEntry(400, 0), 1);
    m.wing[2] = paramsFromEntry(e, 4);
    m.wing[2].WingPosX = -2147483647;
    View3DPoints points{};
    d_3d(c, aircraftDrawing(m), 80, 250, 0.4, points);
}

}  // namespace
}  // namespace ws
