#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "editing/planform_drag.h"
#include "editing/view_drag.h"

namespace ws {

void PrintTo(const BarPositions& b, std::ostream* os) {
    *os << "{elevation " << b.elevation << ", azimuth " << b.azimuth << ", zoom3D " << b.zoom3D
        << ", topZoom " << b.topZoom << "}";
}

namespace {

using Changes = std::vector<BarChange>;

const ModifierState kLeft{.left = true};
const ModifierState kRight{.right = true};

Changes changesOf(const BarUpdate& u) {
    return Changes(u.changes().begin(), u.changes().end());
}

// A press on the 3-D view at `from` and one move to `to`, from the start-up bars.
BarUpdate pressAndMove(MouseState& state, PixelPoint from, PixelPoint to, const ModifierState& buttons) {
    view3DMouseDown(state, from);
    return view3DMouseMove(state, BarPositions{}, to, buttons);
}

// A drag on the 3-D view through `path` (press at the first point, release at the last).
BarPositions drag3D(MouseState& state, BarPositions bars, const std::vector<PixelPoint>& path,
                    const ModifierState& buttons) {
    view3DMouseDown(state, path.front());
    for (std::size_t i = 1; i < path.size(); ++i) bars = view3DMouseMove(state, bars, path[i], buttons).bars;
    view3DMouseUp(state, path.back());
    return bars;
}

TEST(View3DDrag, LeftButtonTurnsByAThirdOfThePixelsTruncatedTowardsZero) {
    MouseState state;
    BarUpdate u = pressAndMove(state, {100, 100}, {131, 88}, kLeft);  // 31 right, 12 up
    EXPECT_FALSE(state.view3DIdle);
    EXPECT_EQ(u.bars, (BarPositions{84, 260, 75, 100}));
    EXPECT_EQ(changesOf(u), (Changes{{ViewBar::Elevation, 84}, {ViewBar::Azimuth, 260}}));
    EXPECT_EQ(state.lastX, 131);
    EXPECT_EQ(state.lastY, 88);
    u = view3DMouseMove(state, u.bars, {126, 93}, kLeft);  // 5 left, 5 down: one step each, not two
    EXPECT_EQ(u.bars, (BarPositions{83, 259, 75, 100}));
}

TEST(View3DDrag, SlowMovementDoesNotTurn) {
    MouseState state;
    std::vector<PixelPoint> path;
    for (int i = 0; i <= 20; ++i) path.push_back({100 + 2 * i, 100 - 2 * i});  // 40 px in 2 px steps
    EXPECT_EQ(drag3D(state, BarPositions{}, path, kLeft), BarPositions{});
    EXPECT_TRUE(state.view3DIdle);
}

TEST(View3DDrag, BeyondABarsEndItStaysThereWhileTheOtherFollows) {
    MouseState state;
    const BarPositions end = drag3D(state, BarPositions{}, {{100, 300}, {130, 240}, {160, 0}}, kLeft);
    EXPECT_EQ(end.elevation, 90);
    EXPECT_EQ(end.azimuth, 270);

    // Back down from the end at once, not after working off the overshoot.
    view3DMouseDown(state, {0, 0});
    EXPECT_EQ(view3DMouseMove(state, end, {0, 30}, kLeft).bars.elevation, 80);
    view3DMouseUp(state, {0, 30});

    EXPECT_EQ(drag3D(state, {0, 5, 75, 100}, {{500, 0}, {0, 3}}, kLeft), (BarPositions{0, 0, 75, 100}));
    EXPECT_EQ(drag3D(state, {45, 350, 75, 100}, {{0, 100}, {60, 100}}, kLeft),
              (BarPositions{45, 360, 75, 100}));
}

TEST(View3DDrag, RightButtonZoomsAndTurns) {
    MouseState state;
    BarUpdate u = pressAndMove(state, {100, 100}, {109, 70}, kRight);
    EXPECT_EQ(u.bars, (BarPositions{80, 253, 85, 100}));
    EXPECT_EQ(changesOf(u), (Changes{{ViewBar::Zoom3D, 85}, {ViewBar::Azimuth, 253}}));
    u = view3DMouseMove(state, u.bars, {109, 0}, kRight);
    EXPECT_EQ(u.bars.zoom3D, 97);
    u = view3DMouseMove(state, u.bars, {109, 900}, kRight);
    EXPECT_EQ(u.bars.zoom3D, 10);
}

TEST(View3DDrag, BothButtonsTurnByTheLeftRuleOnly) {
    MouseState state;
    const BarUpdate u = pressAndMove(state, {100, 100}, {130, 70}, {.left = true, .right = true});
    EXPECT_EQ(u.bars, (BarPositions{90, 260, 75, 100}));  // azimuth once, not twice
    EXPECT_EQ(changesOf(u), (Changes{{ViewBar::Elevation, 90}, {ViewBar::Azimuth, 260}}));
}

TEST(View3DDrag, MovesWithoutAPressOrAButtonDoNothing) {
    MouseState state;
    BarUpdate u = view3DMouseMove(state, BarPositions{}, {300, 0}, kLeft);
    EXPECT_EQ(u.bars, BarPositions{});
    EXPECT_EQ(u.changeCount, 0);
    EXPECT_EQ(state.lastX, 0);

    u = pressAndMove(state, {100, 100}, {300, 0}, ModifierState{});
    EXPECT_EQ(u.changeCount, 0);
    EXPECT_EQ(state.lastX, 100);  // no button: the point is not taken over

    view3DMouseUp(state, {300, 0});
    EXPECT_EQ(view3DMouseMove(state, BarPositions{}, {600, 0}, kLeft).changeCount, 0);
}

TEST(View3DDrag, APlanformPressStartsTheSameDrag) {
    MouseState state;
    const WingParams wing = paramsFromEntry(defaultWingEntry(1), 1);
    const PlanformFrame frame{0.5, 800, 600};
    planformMouseDown(state, wing, frame, {10, 10});
    state.lastX = 100;
    state.lastY = 100;
    EXPECT_EQ(view3DMouseMove(state, BarPositions{}, {100, 94}, kLeft).bars.elevation, 82);
    planformMouseUp(state, wing, frame, {10, 10}, ModifierState{}, "0");
    EXPECT_EQ(view3DMouseMove(state, BarPositions{}, {100, 0}, kLeft).changeCount, 0);
}

TEST(TopViewDrag, PressDrawsThePointerOnlyWithResults) {
    MouseState state;
    EXPECT_FALSE(topViewMouseDown(state, {10, 20}, false));
    EXPECT_FALSE(state.topViewIdle);
    EXPECT_EQ(state.lastX, 10);
    EXPECT_EQ(state.lastY, 20);
    EXPECT_TRUE(topViewMouseDown(state, {10, 20}, true));
}

TEST(TopViewDrag, OnlyALeftDragMagnifiesDownwardsWithinTheRange) {
    MouseState state;
    EXPECT_EQ(topViewMouseMove(state, BarPositions{}, {0, 300}, kLeft).changeCount, 0);  // no press
    topViewMouseDown(state, {50, 50}, false);
    EXPECT_EQ(topViewMouseMove(state, BarPositions{}, {0, 300}, kRight).changeCount, 0);
    EXPECT_EQ(state.lastY, 50);
    EXPECT_EQ(view3DMouseMove(state, BarPositions{}, {50, 80}, kLeft).changeCount, 0);  // not the 3-D view
    BarUpdate u = topViewMouseMove(state, BarPositions{}, {70, 80}, kLeft);
    EXPECT_EQ(u.bars.topZoom, 90);
    EXPECT_EQ(changesOf(u), (Changes{{ViewBar::TopZoom, 90}}));
    u = topViewMouseMove(state, u.bars, {70, 81}, kLeft);
    EXPECT_EQ(u.changeCount, 0);
    EXPECT_EQ(state.lastY, 81);
    u = topViewMouseMove(state, u.bars, {70, 1000}, kLeft);
    EXPECT_EQ(u.bars.topZoom, 10);
    u = topViewMouseMove(state, u.bars, {70, 0}, kLeft);
    EXPECT_EQ(u.bars.topZoom, 100);
}

TEST(TopViewDrag, ADragsReleaseFitsTheViewAClickTogglesTheMagnification) {
    MouseState state;
    topViewMouseDown(state, {0, 0}, true);
    const BarPositions zoomed = topViewMouseMove(state, BarPositions{}, {0, 60}, kLeft).bars;
    ASSERT_EQ(zoomed.topZoom, 80);
    TopViewRelease r = topViewMouseUp(state, zoomed, {5, 60}, true, true);
    EXPECT_EQ(r.zoom.bars.topZoom, 100);
    EXPECT_EQ(changesOf(r.zoom), (Changes{{ViewBar::TopZoom, 100}}));
    EXPECT_TRUE(r.drawLattice);
    EXPECT_TRUE(r.runStabil);
    EXPECT_TRUE(state.topViewIdle);
    EXPECT_EQ(state.lastX, 5);
    EXPECT_EQ(topViewMouseMove(state, r.zoom.bars, {5, 300}, kLeft).changeCount, 0);

    // A click magnifies the fitted view, the next one fits it again.
    topViewMouseDown(state, {0, 0}, false);
    r = topViewMouseUp(state, BarPositions{}, {0, 0}, false, false);
    EXPECT_TRUE(r.magnified);
    EXPECT_EQ(changesOf(r.zoom), (Changes{{ViewBar::TopZoom, kClickZoomPosition}}));
    EXPECT_FALSE(r.drawLattice);
    EXPECT_FALSE(r.runStabil);
    topViewMouseDown(state, {0, 0}, false);
    r = topViewMouseUp(state, r.zoom.bars, {0, 0}, false, false);
    EXPECT_FALSE(r.magnified);
    EXPECT_EQ(changesOf(r.zoom), (Changes{{ViewBar::TopZoom, 100}}));

    // A loaded file carries results but no lattice.
    r = topViewMouseUp(state, BarPositions{}, {0, 0}, true, false);
    EXPECT_FALSE(r.drawLattice);
    EXPECT_TRUE(r.runStabil);
}

TEST(ViewDrag, ExtremePointersDoNotOverflow) {
    MouseState state;
    const BarUpdate u =
        pressAndMove(state, {-2'000'000'000, 2'000'000'000}, {2'000'000'000, -2'000'000'000}, kLeft);
    EXPECT_EQ(u.bars.elevation, 90);
    EXPECT_EQ(u.bars.azimuth, 360);
}

}  // namespace
}  // namespace ws
