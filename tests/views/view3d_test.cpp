#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "view_test_support.h"
#include "views/canvas.h"
#include "views/top_view.h"
#include "views/view3d.h"

namespace ws {
namespace {

using test::countColour;

constexpr int kW = 684;  // the 3-D view of the design layout
constexpr int kH = 246;

struct Drawn3D {
    QImage image;
    View3DPoints points{};
};

// Drawn at the bars' start positions unless given.
Drawn3D view3d(const AircraftDrawing& a, double scale, int elevation = 80, int azimuth = 250) {
    Drawn3D d;
    d.image = test::painted(kW, kH, [&](Canvas& c) { d_3d(c, a, elevation, azimuth, scale, d.points); });
    return d;
}

TEST(View3D, ElevationNinetyDrawsEveryWingAsAHorizontalLine) {
    AircraftModel m = startupAircraft();
    m.WingCount = m.CalcWingCount = 3;
    m.wing[1].WingPosZ = 0;
    m.wing[3].WingPosZ = -100;
    const AircraftDrawing a = aircraftDrawing(m);
    const double s = fitTopView(a, 694, 369).View3DScale;
    const Drawn3D d = view3d(a, s, 90);
    const int cy = kH / 2;
    // At height 0 exactly on the centre row; elsewhere near row cy - z s (perspective blurs by a pixel).
    EXPECT_EQ(test::rowsWith(d.image, kBlue), std::vector<int>{cy});
    for (const auto& [colour, z] : {std::pair{kFuchsia, 60.0}, std::pair{kGreen, -100.0}}) {
        const std::vector<int> rows = test::rowsWith(d.image, colour);
        ASSERT_FALSE(rows.empty());
        EXPECT_LE(rows.back() - rows.front(), 1);
        EXPECT_NEAR(rows.front(), cy - z * s, 1.5);
    }
    EXPECT_GT(countColour(d.image, kBlue), 100);
}

TEST(View3D, StartViewShowsTheWingsInUseOnly) {
    const AircraftDrawing a = aircraftDrawing(startupAircraft());
    const Drawn3D d = view3d(a, 0.38);
    EXPECT_GT(countColour(d.image, kBlue), 100);
    EXPECT_GT(countColour(d.image, kFuchsia), 20);
    EXPECT_EQ(countColour(d.image, kGreen), 0);
    EXPECT_GT(countColour(d.image, QColor(255, 0, 0)), 10);
    EXPECT_EQ(test::at(d.image, 0, 100), frameGrey());

    AircraftDrawing one = a;
    one.WingCount = 1;
    EXPECT_EQ(countColour(view3d(one, 0.38).image, kFuchsia), 0);
}

TEST(View3D, AxesKeepTheirPixelLengthAtEveryZoom) {
    const AircraftDrawing a = aircraftDrawing(startupAircraft());
    const Drawn3D small = view3d(a, 0.01);
    const Drawn3D large = view3d(a, 2.0);
    for (const int r : {30, 31, 32, 33, 34}) {
        EXPECT_EQ(small.points[r].u, large.points[r].u) << r;
        EXPECT_EQ(small.points[r].v, large.points[r].v) << r;
    }
    EXPECT_NE(small.points[1].u, large.points[1].u);
}

TEST(View3D, FourTrapeziumsReachTheirTipFourRecords) {
    AircraftModel m = startupAircraft();
    m.wing[1] = paramsFromEntry(defaultWingEntry(1), 4);
    const double s = 0.2;
    // Seen along the height axis (elevation bar 0) without azimuth: u = a, v = b.
    const Drawn3D d = view3d(aircraftDrawing(m), s, 0, 360);
    // Tip 4 leading edge of wing 1: y = 1200, x = 300.
    EXPECT_DOUBLE_EQ(d.points[70].a, 1200 * s);
    EXPECT_DOUBLE_EQ(d.points[70].b, 300 * s);
    EXPECT_DOUBLE_EQ(d.points[76].a, -1200 * s);
    const QPoint tip(kW / 2 - static_cast<int>(d.points[70].u), kH / 2 - static_cast<int>(d.points[70].v));
    EXPECT_TRUE(test::colourNear(d.image, tip.x(), tip.y(), kBlue));
}

TEST(View3D, WingWithoutChordwiseExtentAndHugeValuesDraw) {
    AircraftModel m = startupAircraft();
    m.wing[1] = paramsFromEntry(test::rectangularEntry(400, 0), 1);
    m.wing[2] = paramsFromEntry(test::rectangularEntry(2147483647, 2147483647), 4);
    m.wing[2].WingPosX = -2147483647;
    const AircraftDrawing a = aircraftDrawing(m);
    EXPECT_GT(countColour(view3d(a, fitTopView(a, 694, 369).View3DScale).image, QColor(0, 0, 0)), 0);
}

}  // namespace
}  // namespace ws
