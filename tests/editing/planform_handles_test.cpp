#include <gtest/gtest.h>

#include <cmath>

#include "editing/planform_handles.h"

#include "../golden.h"
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

// The handle each pixel round the origin hits: 1 and 2 sit on it, at W / 2 and H / 3 truncated,
// within a strict reach of the unrounded products; an undrawn view hits nothing.
TEST(GoldenPlanformHandles, HitsRoundTheOrigin) {
    std::string map;
    for (const auto& [gap, f] : {std::pair{0, PlanformFrame{1.0, 800, 600}},
                                 {0, {1.0, 801, 602}},
                                 {12, {0.2, 800, 600}},
                                 {0, {0.0, 800, 600}},
                                 {0, {-1.0, 800, 600}},
                                 {0, {double(NAN), 800, 600}},
                                 {0, {double(INFINITY), 800, 600}}}) {
        map += "gap " + std::to_string(gap) + " scale " + std::to_string(f.scale) + "\n";
        for (int y = 195; y <= 205; ++y, map += "\n")
            for (int x = 393; x <= 407; ++x) map += char('0' + hitTest(mainWing(gap), f, {x, y}));
    }
    test::expectGolden("planform-hits.txt", map);
}

TEST(PlanformHandles, CursorsByCorner) {
    using C = CursorShape;
    const C H = C::SizeHor, V = C::SizeVer, A = C::SizeAll, X = C::Cross;
    const C expected[] = {X, H, H, V, V, A, A, V, V, A, A, V, V, A, A, V, V, A, A, V, V, X};  // handles 0..21
    for (int k = 0; k <= kHandleCount + 1; ++k) EXPECT_EQ(handleCursor(k), expected[k]) << "handle " << k;
}

}  // namespace
}  // namespace ws
