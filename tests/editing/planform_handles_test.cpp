#include <gtest/gtest.h>

#include <cmath>

#include "editing/planform_handles.h"
#include "editing/wing_fields.h"
#include "model/number_format.h"

namespace ws {
namespace {

WingParams mainWing(int gap = 0, int trapCount = 1) {
    WingEntry e = defaultWingEntry(1);
    e.gap = gap;
    return paramsFromEntry(e, trapCount);
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
    EXPECT_DOUBLE_EQ(handleCorner(p, 1).y, 40);
    EXPECT_DOUBLE_EQ(handleCorner(p, 1).x, 0);
    EXPECT_DOUBLE_EQ(handleCorner(p, 4).x, 310);
    EXPECT_DOUBLE_EQ(handleCorner(p, 6).y, 590);
    EXPECT_DOUBLE_EQ(handleCorner(p, 6).x, 30);
    EXPECT_DOUBLE_EQ(handleCorner(p, 7).x, 30 + 230);
    EXPECT_DOUBLE_EQ(handleCorner(p, 12).y, 1140);
    EXPECT_DOUBLE_EQ(handleCorner(p, 12).x, 60 + 180);
    EXPECT_DOUBLE_EQ(handleCorner(p, 17).y, 1240);
    EXPECT_DOUBLE_EQ(handleCorner(p, 20).x, 300 + 6);
}

TEST(PlanformHandles, EveryHandleIsHitWhereItIsDrawnHiddenOnesToo) {
    const WingParams p = mainWing(40, 1);  // one trapezium shown, four held
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

TEST(PlanformHandles, EdgesAreStrict) {
    const WingParams p = mainWing(0);
    const PlanformFrame f{1.0, 800, 600};  // handles 1, 2 at (400, 200)
    EXPECT_EQ(hitTest(p, f, {402, 202}), 2);
    EXPECT_EQ(hitTest(p, f, {398, 198}), 2);
    EXPECT_EQ(hitTest(p, f, {403, 200}), 0);
    EXPECT_EQ(hitTest(p, f, {397, 200}), 0);
    EXPECT_EQ(hitTest(p, f, {400, 203}), 0);
    EXPECT_EQ(hitTest(p, f, {400, 197}), 0);
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

TEST(PlanformHandles, OriginIsTruncated) {
    const WingParams p = mainWing(0);
    const PlanformFrame f{1.0, 801, 602};  // origin (400, 200)
    EXPECT_EQ(f.originX(), 400);
    EXPECT_EQ(f.originY(), 200);
    EXPECT_EQ(hitTest(p, f, {402, 202}), 2);
    EXPECT_EQ(hitTest(p, f, {403, 200}), 0);
}

TEST(PlanformHandles, NothingIsHitAwayFromCornersOrOnAnUndrawnView) {
    const WingParams p = mainWing(0);
    EXPECT_EQ(hitTest(p, {0.5, 800, 600}, {10, 10}), 0);
    EXPECT_EQ(hitTest(p, {0.0, 800, 600}, {400, 200}), 0);
    EXPECT_EQ(hitTest(p, {NAN, 800, 600}, {400, 200}), 0);
    EXPECT_EQ(hitTest(p, {INFINITY, 800, 600}, {400, 200}), 0);
}

TEST(PlanformHandles, CursorsByCorner) {
    EXPECT_EQ(handleCursor(0), CursorShape::Cross);
    EXPECT_EQ(handleCursor(1), CursorShape::SizeHor);
    EXPECT_EQ(handleCursor(2), CursorShape::SizeHor);
    EXPECT_EQ(handleCursor(3), CursorShape::SizeVer);
    EXPECT_EQ(handleCursor(4), CursorShape::SizeVer);
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(handleCursor(4 * i + 1), CursorShape::SizeAll);
        EXPECT_EQ(handleCursor(4 * i + 2), CursorShape::SizeAll);
        EXPECT_EQ(handleCursor(4 * i + 3), CursorShape::SizeVer);
        EXPECT_EQ(handleCursor(4 * i + 4), CursorShape::SizeVer);
    }
    EXPECT_EQ(handleCursor(21), CursorShape::Cross);
}

TEST(WingFields, ObjectNamesPerWingInTableOrder) {
    const char* const expected[3][kWingFieldCount] = {
        {"Edit01", "Edit4", "Edit1", "Edit8", "Edit5", "Edit2", "Edit9", "Edit6", "Edit3", "Edit10", "Edit7",
         "Edit14y", "Edit14xx", "Edit14x"},
        {"Edit02", "Edit14", "Edit11", "Edit18", "Edit15", "Edit12", "Edit19", "Edit16", "Edit13", "Edit20",
         "Edit17", "Edit24y", "Edit24xx", "Edit24x"},
        {"Edit03", "Edit24", "Edit21", "Edit28", "Edit25", "Edit22", "Edit29", "Edit26", "Edit23", "Edit30",
         "Edit27", "Edit34y", "Edit34xx", "Edit34x"},
    };
    for (int w = 1; w <= 3; ++w)
        for (int n = 0; n < kWingFieldCount; ++n)
            EXPECT_EQ(wingFieldObjectName(w, kWingFieldsInTableOrder[static_cast<std::size_t>(n)]),
                      expected[w - 1][n])
                << "wing " << w << " row " << n;
    EXPECT_EQ(wingFieldObjectName(0, WingField::Gap), "");
    EXPECT_EQ(wingFieldObjectName(4, WingField::Gap), "");
    EXPECT_EQ(planformImageName(1), "Image1");
    EXPECT_EQ(planformImageName(2), "Image11");
    EXPECT_EQ(planformImageName(3), "Image111");
    EXPECT_EQ(planformImageName(4), "");
}

}  // namespace
}  // namespace ws
