#include <gtest/gtest.h>

#include "export/export_source.h"

namespace ws {
namespace {

TEST(DrawingExport, MeanChordStandsAtTheCentroidOfEachHalf) {
    // Default wing 1: half span 550, chords 310 and 230, offset 30: the centroid lies at
    // 550 (310 + 2 x 230) / (3 (310 + 230)) = 261.42 mm, r25 at 82.25 mm, lm 271.98 mm.
    const std::vector<WingGeometry> wings = wingGeometries(startupAircraft());
    ASSERT_EQ(wings.size(), 2u);
    const WingGeometry& w1 = wings[0];
    EXPECT_EQ(w1.wing, 1);  // the lower wing first
    EXPECT_NEAR(w1.macY, 550.0 * 770 / 1620, 1e-9);
    EXPECT_NEAR(w1.r25, 82.2531, 1e-4);
    EXPECT_NEAR(w1.macRear - w1.macFront, 271.9753, 1e-4);
    EXPECT_NEAR(w1.r25 - w1.macFront, (w1.macRear - w1.macFront) / 4, 1e-9);
}

}  // namespace
}  // namespace ws
