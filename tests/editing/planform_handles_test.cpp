#include <gtest/gtest.h>

#include <cmath>

#include "editing/planform_handles.h"
#include "model/number_format.h"

namespace ws {
namespace {

WingParams mainWing(int gap = 0) {
    WingEntry e = defaultWingEntry(1);
    e.gap = gap;
    return paramsFromEntry(e, 1);
}

// Where the view draws a corner (products rounded), for pointing at it.
PixelPoint drawnAt(const WingParams& p, const PlanformFrame& f, int handle) {
    const HandleCorner c = handleCorner(p, handle);
    const int across = roundInt(c.y * f.scale);
    return {f.originX() + (isRightHalfHandle(handle) ? across : -across),
            f.originY() + roundInt(c.x * f.scale)};
}

TEST(PlanformHandles, CornersFollowTheStationTable) {
    const WingParams p = mainWing(40);  // stations 40, 590, 1140, 1220, 1240
    const struct {
        int handle;
        double y, x;
    } corners[] = {{1, 40, 0},           {4, 40, 310},    {6, 590, 30},       {7, 590, 30 + 230},
                   {12, 1140, 60 + 180}, {17, 1240, 300}, {20, 1240, 300 + 6}};
    for (const auto& c : corners) {
        EXPECT_DOUBLE_EQ(handleCorner(p, c.handle).y, c.y) << "handle " << c.handle;
        EXPECT_DOUBLE_EQ(handleCorner(p, c.handle).x, c.x) << "handle " << c.handle;
    }
}

TEST(PlanformHandles, EveryHandleIsHitWhereItIsDrawnHiddenOnesToo) {
    const WingParams p = mainWing(40);  // one trapezium shown, four held
    const PlanformFrame f{1.0, 3000, 1200};
    for (int k = 1; k <= kHandleCount; ++k) EXPECT_EQ(hitTest(p, f, drawnAt(p, f, k)), k) << "handle " << k;
}

TEST(PlanformHandles, CoincidingHandlesGiveTheHighestNumber) {
    const PlanformFrame f{0.5, 800, 600};  // origin (400, 200)
    EXPECT_EQ(hitTest(mainWing(0), f, {400, 200}), 2);
    EXPECT_EQ(hitTest(mainWing(0), f, {401, 201}), 2);

    WingEntry e = defaultWingEntry(1);
    e.chord[1] = 0;  // all four root corners on the origin
    EXPECT_EQ(hitTest(paramsFromEntry(e, 1), f, {400, 200}), 4);

    e = defaultWingEntry(1);
    e.span[2] = 0;  // trapezium 2 of zero span with the tip-1 offset: 9 sits on 5
    e.offset[3] = e.offset[2];
    const WingParams p = paramsFromEntry(e, 1);
    EXPECT_EQ(hitTest(p, f, drawnAt(p, f, 5)), 9);
    EXPECT_EQ(hitTest(p, f, drawnAt(p, f, 6)), 10);
}

// Handles 1 and 2 sit on the origin, which is W / 2 and H / 3 truncated.
TEST(PlanformHandles, EdgesAreStrictAroundTheTruncatedOrigin) {
    for (const PlanformFrame f : {PlanformFrame{1.0, 800, 600}, PlanformFrame{1.0, 801, 602}}) {
        SCOPED_TRACE(f.width);
        ASSERT_EQ(f.originX(), 400);
        ASSERT_EQ(f.originY(), 200);
        for (const PixelPoint hit : {PixelPoint{402, 202}, PixelPoint{398, 198}})
            EXPECT_EQ(hitTest(mainWing(0), f, hit), 2) << hit.x << "," << hit.y;
        for (const PixelPoint miss :
             {PixelPoint{403, 200}, PixelPoint{397, 200}, PixelPoint{400, 203}, PixelPoint{400, 197}})
            EXPECT_EQ(hitTest(mainWing(0), f, miss), 0) << miss.x << "," << miss.y;
    }
}

TEST(PlanformHandles, DistancesUseTheUnroundedProducts) {
    // Gap 12 at 0.2 px/mm: handle 1 lies at column 402.4, handle 2 at 397.6.
    const WingParams p = mainWing(12);
    const PlanformFrame f{0.2, 800, 600};
    EXPECT_EQ(hitTest(p, f, {405, 200}), 1);  // 2.6 away; the rounded column 402 would be 3 away
    EXPECT_EQ(hitTest(p, f, {395, 200}), 2);
    EXPECT_EQ(hitTest(p, f, {400, 200}), 2);  // within reach of both
    EXPECT_EQ(hitTest(p, f, {406, 200}), 0);
}

TEST(PlanformHandles, NothingIsHitAwayFromCornersOrOnAnUndrawnView) {
    EXPECT_EQ(hitTest(mainWing(0), {0.5, 800, 600}, {10, 10}), 0);
    for (double scale : {0.0, -1.0, double(NAN), double(INFINITY)})
        EXPECT_EQ(hitTest(mainWing(0), {scale, 800, 600}, {400, 200}), 0) << scale;
}

TEST(PlanformHandles, CursorsByCorner) {
    using C = CursorShape;
    const C H = C::SizeHor, V = C::SizeVer, A = C::SizeAll, X = C::Cross;
    const C expected[] = {X, H, H, V, V, A, A, V, V, A, A, V, V, A, A, V, V, A, A, V, V, X};  // handles 0..21
    for (int k = 0; k <= kHandleCount + 1; ++k) EXPECT_EQ(handleCursor(k), expected[k]) << "handle " << k;
}

}  // namespace
}  // namespace ws
