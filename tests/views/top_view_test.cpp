#include <gtest/gtest.h>

#include <cmath>

#include "model/number_format.h"
#include "view_test_support.h"
#include "views/top_view.h"

namespace ws {
namespace {

constexpr int kW = 694;  // the top view of the design layout
constexpr int kH = 369;

AircraftModel startupWith(int wings) {
    AircraftModel m = startupAircraft();
    m.WingCount = m.CalcWingCount = wings;
    return m;
}

TEST(TopView, HeightOrderLowestFirstNumbersBreakTies) {
    EXPECT_EQ(heightOrder({0, 0, 0, 0}), (std::array<int, 3>{1, 2, 3}));
    EXPECT_EQ(heightOrder({0, 60, 0, 33}), (std::array<int, 3>{2, 3, 1}));
    EXPECT_EQ(heightOrder({0, 5, 5, -1}), (std::array<int, 3>{3, 1, 2}));
}

TEST(TopView, FitPutsTheZeroRowAtOneSeventhUnlessAWingIsAhead) {
    const TopViewTransform startup = fitTopView(aircraftDrawing(startupAircraft()), kW, kH);
    EXPECT_EQ(startup.TopViewOriginY, 53);
    EXPECT_EQ(startup.centreColumn, 347);
    // One wing far behind x = 0: the unused slots hold front edge 0, so the row stays.
    AircraftModel behind = startupWith(1);
    behind.wing[1].WingPosX = 200;
    EXPECT_EQ(fitTopView(aircraftDrawing(behind), kW, kH).TopViewOriginY, 53);
    // Wing 3 at x = -130, tip leading edge 40 behind: F = -90.
    const TopViewTransform canard = fitTopView(aircraftDrawing(startupWith(3)), kW, kH);
    const double s = 369 / 1.26 / (770 + 90);
    EXPECT_DOUBLE_EQ(canard.TopViewScale, s);
    EXPECT_EQ(canard.TopViewOriginY, roundInt(369 / 7.0 + 90 * s));
    EXPECT_EQ(canard.TopViewOriginY, 83);
    // Wing 1's root leading edge 100 mm ahead, its tip behind it: the root sets the row.
    AircraftModel ahead = startupWith(2);
    ahead.wing[1].WingPosX = -100;
    const TopViewTransform root = fitTopView(aircraftDrawing(ahead), kW, kH);
    EXPECT_EQ(root.TopViewOriginY, roundInt(369 / 7.0 + 100 * root.TopViewScale));
    // The outer tip of two trapeziums 50 mm ahead of x = 0 moves the row down.
    AircraftModel swept = startupWith(1);
    WingEntry e = defaultWingEntry(1);
    e.offset[3] = -50;
    swept.wing[1] = paramsFromEntry(e, 2);
    const TopViewTransform forward = fitTopView(aircraftDrawing(swept), kW, kH);
    EXPECT_EQ(forward.TopViewOriginY, roundInt(369 / 7.0 + 50 * forward.TopViewScale));
}

TEST(TopView, ZoomBarRedrawKeepsScaleAndOriginAndARefitDoesNot) {
    const AircraftDrawing a = aircraftDrawing(startupAircraft());
    TopViewTransform zoomed = fitTopView(a, kW, kH);
    zoomed.TopViewScale = 2 * zoomed.TopViewBaseScale;
    QImage other = test::blankImage(400, 300);
    Canvas canvas(other);
    const TopViewTransform kept = d_1d(canvas, a, zoomed, true);
    EXPECT_EQ(kept.TopViewScale, zoomed.TopViewScale);
    EXPECT_EQ(kept.TopViewOriginY, 53);
    EXPECT_EQ(kept.centreColumn, 347);
    const TopViewTransform refit = d_1d(canvas, a, zoomed, false);
    EXPECT_EQ(refit.centreColumn, 200);
    EXPECT_DOUBLE_EQ(refit.TopViewScale, refit.TopViewBaseScale);
}

TEST(TopView, DegenerateAircraftStillGetsAFiniteScale) {
    // Three wings at one position, all chords 0, no forward offset: R - F = 0.
    AircraftModel m = startupWith(3);
    for (int w = 1; w <= 3; ++w) m.wing[w] = paramsFromEntry(test::rectangularEntry(300, 0), 1);
    EXPECT_DOUBLE_EQ(fitTopView(aircraftDrawing(m), kW, kH).TopViewBaseScale, 694 / 2.03 / 300);
    for (int w = 1; w <= 3; ++w) m.wing[w] = WingParams{};  // neither span nor chord
    const TopViewTransform t = fitTopView(aircraftDrawing(m), kW, kH);
    EXPECT_TRUE(std::isfinite(t.TopViewBaseScale));
    EXPECT_GT(t.TopViewBaseScale, 0);
}

}  // namespace
}  // namespace ws
