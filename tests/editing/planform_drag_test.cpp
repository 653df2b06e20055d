#include "editing/planform_drag.h"

#include <gtest/gtest.h>

#include <cmath>

#include "../golden.h"
#include "model/entry_rule.h"

namespace ws {
namespace {

using W = WingField;
using Writes = std::vector<FieldWrite>;

const ModifierState kNone{}, kShift{.shift = true};
const PlanformFrame kView{0.5, 800, 600};  // origin (400, 200)

// Spans 550 550 80 20, chords 310 230 180 40 6, offsets 30 60 220 300.
WingEntry mainEntry(int gap = 0) {
    WingEntry e = defaultWingEntry(1);
    e.gap = gap;
    return e;
}

WingParams mainWing(int gap = 0) {
    return paramsFromEntry(mainEntry(gap), 1);
}

Writes drag(const WingParams& p, int handle, PixelPoint from, PixelPoint to, double scale,
            const ModifierState& m = kNone, std::string_view gapText = "0") {
    return releaseWrites(p, handle, from, to, scale, m, gapText);
}

// Every handle (0 and 21 are none) of five wings dragged in many ways: the
// fields written (numbered as WingField) and their texts, offsets before spans.
TEST(GoldenPlanformRelease, EveryHandleOfFiveWings) {
    WingEntry odd = mainEntry();  // halves that round to even: 312.5, -15.5
    odd.chord[1] = 311;
    odd.offset[2] = -13;
    const ModifierState modifiers[] = {kNone,
                                       kShift,
                                       {.shift = true, .right = true},
                                       {.shift = true, .left = true},
                                       {.shift = true, .middle = true},
                                       {.shift = true, .ctrl = true},
                                       {.shift = true, .alt = true},
                                       {.ctrl = true}};
    // From x, y to x, y at a scale.
    const double drags[][5] = {
        {10, 10, 10, 17, 0.5},   {10, 10, 17, 10, 0.5},   {100, 100, 110, 120, 1}, {100, 100, 100, 90, 0.5},
        {450, 200, 300, 200, 1}, {450, 200, 400, 200, 1}, {350, 200, 500, 200, 1}, {350, 200, 300, 200, 1},
        {350, 200, 597, 200, 5}, {0, 300, 0, 0, 1},       {600, 0, 0, 0, 1},       {0, 100, 0, 0, 1},
        {0, -2e9, 0, 2e9, 1e-3}, {0, 0, 0, 5, 2},         {0, 0, 0, -5, 2},        {0, 0, 0, -1, 3},
        {0, 0, 3, 3, 0},         {0, 0, 3, 3, -1},        {0, 0, 3, 3, INFINITY},  {0, 0, 3, 3, NAN}};
    std::string record;
    for (const auto& [wing, gapText] :
         {std::pair{mainWing(), "0"}, std::pair{mainWing(40), "0"}, std::pair{mainWing(50), "50"},
          std::pair{paramsFromEntry(odd, 1), "0"}, std::pair{paramsFromEntry(mainEntry(20), 4), "0"}}) {
        record += "wing, gap " + std::to_string(wing.WingGap) + ", root chord " +
                  std::to_string(wing.ChordMm[1]) + ", trapeziums " + std::to_string(wing.TrapCount) + "\n";
        for (int k = 0; k <= kHandleCount + 1; ++k)
            for (std::size_t m = 0; m < std::size(modifiers); ++m)
                for (std::size_t i = 0; i < std::size(drags); ++i) {
                    const double* d = drags[i];
                    record += std::to_string(k) + "/" + std::to_string(m) + "/" + std::to_string(i) + ":";
                    for (const FieldWrite& w : drag(wing, k, {int(d[0]), int(d[1])}, {int(d[2]), int(d[3])},
                                                    d[4], modifiers[m], gapText))
                        record += " " + std::to_string(int(w.field)) + "=" + w.text;
                    record += "\n";
                }
    }
    test::expectGolden("planform-drags.txt", record);
}

TEST(PlanformRelease, ZeroGapOpensEquallyToEitherSide) {
    ASSERT_EQ(hitTest(mainWing(), kView, {400, 200}), 2);
    // A zero padded as a loaded file leaves it mirrors too; any other text stops at the centre line.
    for (const char* zero : {"0", "   0", "0 "})
        for (const int to : {440, 360})
            EXPECT_EQ(drag(mainWing(), 2, {400, 200}, {to, 200}, 0.5, kNone, zero), (Writes{{W::Gap, "80"}}))
                << zero;
    for (const char* other : {"", "   ", "00", "0.0", "-0", "x"})
        EXPECT_EQ(drag(mainWing(), 2, {400, 200}, {440, 200}, 0.5, kNone, other), (Writes{{W::Gap, "0"}}))
            << other;
}

TEST(PlanformMouse, APressDragsItsCornerHiddenOnesTooTillTheRelease) {
    const WingParams p = mainWing();
    const PlanformFrame f{1.0, 3000, 1200};  // origin (1500, 400); tip 4 at 1200 mm
    MouseState state;
    planformMouseDown(state, p, f, {1500 + 1200, 400 + 306});
    ASSERT_EQ(state.draggedHandle, 19);
    EXPECT_EQ(planformMouseUp(state, p, f, {2700, 716}, kNone, "0"), (Writes{{W::Chord4, "16"}}));
    planformMouseDown(state, p, f, {20, 20});  // no handle: the release writes nothing
    EXPECT_EQ(state.draggedHandle, 0);
    EXPECT_TRUE(planformMouseUp(state, p, f, {400, 200}, kNone, "0").empty());
    EXPECT_EQ(state.pressX, 400);
}

TEST(PlanformHover, CursorAndYellowFieldsFollowThePointer) {
    MouseState state;
    const auto hover = [&state](PixelPoint at, const ModifierState& m) {
        return planformMouseMove(state, mainWing(), kView, at, m);
    };
    const PlanformHover h = hover({675, 215}, kNone);  // handle 5
    EXPECT_EQ(state.hoveredHandle, 5);
    EXPECT_EQ(h.handle, 5);
    EXPECT_EQ(h.cursor, CursorShape::SizeAll);
    EXPECT_EQ(h.highlighted, highlightedFields(5, kNone));
    EXPECT_EQ(hover({675, 215}, kShift).highlighted, highlightedFields(5, kShift));
    const PlanformHover away = hover({30, 30}, kShift);
    EXPECT_EQ(state.hoveredHandle, 0);
    EXPECT_EQ(away.cursor, CursorShape::Cross);
    EXPECT_TRUE(away.highlighted.empty());
}

// What a hovered handle lights is what its drag writes.
TEST(PlanformHover, EveryHandleLightsWhatItsDragWrites) {
    for (int k = 1; k <= kHandleCount; ++k)
        for (const ModifierState& m : {kNone, kShift, ModifierState{.shift = true, .left = true}}) {
            FieldSet written;
            for (const FieldWrite& w : drag(mainWing(), k, {0, 0}, {3, 3}, 1, m)) written.insert(w.field);
            EXPECT_EQ(highlightedFields(k, m), written) << "handle " << k;
        }
    EXPECT_TRUE(highlightedFields(0, kShift).empty());
    EXPECT_EQ(handleFields(13, true), (std::vector<WingField>{W::Offset3, W::Span3, W::Offset4}));
}

}  // namespace
}  // namespace ws
