#include "editing/planform_drag.h"

#include <gtest/gtest.h>

#include <cmath>

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

// As the window applies them: each text into its field (trapezium i's span is
// span[i], its offset and tip chord belong to station i + 1), read back by the entry rule.
WingEntry applied(WingEntry e, const Writes& writes) {
    for (const FieldWrite& w : writes) {
        const int n = int(w.field);
        std::int32_t& field = w.field == W::Gap         ? e.gap
                              : w.field == W::RootChord ? e.chord[1]
                              : w.field <= W::Span4     ? e.span[std::size_t(n - int(W::Span1) + 1)]
                              : w.field <= W::Offset4   ? e.offset[std::size_t(n - int(W::Offset1) + 2)]
                                                        : e.chord[std::size_t(n - int(W::Chord1) + 2)];
        field = entryValue(w.text);
    }
    return e;
}

Writes drag(const WingParams& p, int handle, PixelPoint from, PixelPoint to, double scale,
            const ModifierState& m = kNone, std::string_view gapText = "0") {
    return releaseWrites(p, handle, from, to, scale, m, gapText);
}

TEST(PlanformRelease, WritesOfEachHandleOffsetBeforeSpan) {
    const PixelPoint a{100, 100}, b{110, 120}, up{100, 90};  // b: 10 px right, 20 down; up: 10 px up
    const struct {
        int gap, handle;
        PixelPoint from, to;
        double scale;
        ModifierState m;
        const char* gapText;
        Writes writes;
    } cases[] = {
        // Seven pixels at half a pixel per mm are fourteen mm.
        {0, 3, {10, 10}, {10, 17}, 0.5, kNone, "0", {{W::RootChord, "324"}}},
        {0, 5, {10, 10}, {17, 10}, 0.5, kNone, "0", {{W::Offset1, "30"}, {W::Span1, "564"}}},
        {0, 8, {10, 10}, {10, 3}, 0.5, kNone, "0", {{W::Chord1, "216"}}},
        // Stations 40, 590, 1140, 1220, 1240.
        {40, 1, a, b, 1, kNone, "0", {{W::Gap, "50"}}},
        {40, 2, a, b, 1, kNone, "0", {{W::Gap, "30"}}},
        {40, 4, a, b, 1, kNone, "0", {{W::RootChord, "330"}}},
        {40, 5, a, b, 1, kNone, "0", {{W::Offset1, "50"}, {W::Span1, "560"}}},
        {40, 6, a, b, 1, kNone, "0", {{W::Offset1, "50"}, {W::Span1, "540"}}},  // left half
        {40, 7, a, b, 1, kNone, "0", {{W::Chord1, "250"}}},
        {40, 9, a, b, 1, kNone, "0", {{W::Offset2, "80"}, {W::Span2, "560"}}},
        {40, 12, a, b, 1, kNone, "0", {{W::Chord2, "200"}}},
        {40, 14, a, b, 1, kNone, "0", {{W::Offset3, "240"}, {W::Span3, "70"}}},
        {40, 15, a, b, 1, kNone, "0", {{W::Chord3, "60"}}},
        {40, 17, a, b, 1, kNone, "0", {{W::Offset4, "320"}, {W::Span4, "30"}}},
        {40, 20, a, b, 1, kNone, "0", {{W::Chord4, "26"}}},
        // Shift alone carries the outer leading edges along: -20 mm.
        {0,
         6,
         a,
         up,
         0.5,
         kShift,
         "0",
         {{W::Offset1, "10"},
          {W::Span1, "550"},
          {W::Offset2, "40"},
          {W::Offset3, "200"},
          {W::Offset4, "280"}}},
        {0,
         9,
         a,
         up,
         0.5,
         kShift,
         "0",
         {{W::Offset2, "40"}, {W::Span2, "550"}, {W::Offset3, "200"}, {W::Offset4, "280"}}},
        {0, 14, a, up, 0.5, kShift, "0", {{W::Offset3, "200"}, {W::Span3, "80"}, {W::Offset4, "280"}}},
        {0, 18, a, up, 0.5, kShift, "0", {{W::Offset4, "280"}, {W::Span4, "20"}}},
        {0, 7, a, up, 0.5, kShift, "0", {{W::Chord1, "210"}}},
        {0, 3, a, up, 0.5, kShift, "0", {{W::RootChord, "290"}}},
        {0, 1, a, up, 0.5, kShift, "0", {{W::Gap, "0"}}},
        // A root handle past the centre line leaves the gap at 0, unless its text is "0".
        {50, 1, {450, 200}, {300, 200}, 1, kNone, "50", {{W::Gap, "0"}}},
        {50, 1, {450, 200}, {400, 200}, 1, kNone, "50", {{W::Gap, "0"}}},
        {50, 2, {350, 200}, {500, 200}, 1, kNone, "50", {{W::Gap, "0"}}},
        {50, 2, {350, 200}, {300, 200}, 1, kNone, "50", {{W::Gap, "100"}}},
        {50, 2, {350, 200}, {597, 200}, 5, kNone, "50", {{W::Gap, "1"}}},  // 0.6 mm left
        // Chords and spans may go negative.
        {0, 7, {0, 300}, {0, 0}, 1, kNone, "0", {{W::Chord1, "-70"}}},
        {0, 5, {600, 0}, {0, 0}, 1, kNone, "0", {{W::Offset1, "30"}, {W::Span1, "-50"}}},
        {0, 5, {0, 100}, {0, 0}, 1, kNone, "0", {{W::Offset1, "-70"}, {W::Span1, "550"}}},
        // Saturated instead of wrapped.
        {0, 3, {0, -2'000'000'000}, {0, 2'000'000'000}, 1e-3, kNone, "0", {{W::RootChord, "2147483647"}}},
        // No handle or no scale: nothing.
        {0, 0, a, b, 1, kNone, "0", {}},
        {0, 21, a, b, 1, kNone, "0", {}},
        {0, 3, a, b, 0, kNone, "0", {}},
        {0, 3, a, b, -1, kNone, "0", {}},
        {0, 3, a, b, INFINITY, kNone, "0", {}},
        {0, 3, a, b, NAN, kNone, "0", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(drag(mainWing(c.gap), c.handle, c.from, c.to, c.scale, c.m, c.gapText), c.writes)
            << "gap " << c.gap << " handle " << c.handle << " scale " << c.scale;
    // Shift with another key or a button moves no extras.
    for (const ModifierState& m :
         {ModifierState{.shift = true, .right = true}, ModifierState{.shift = true, .left = true},
          ModifierState{.shift = true, .middle = true}, ModifierState{.shift = true, .ctrl = true},
          ModifierState{.shift = true, .alt = true}, ModifierState{.ctrl = true}})
        EXPECT_EQ(drag(mainWing(), 5, a, up, 0.5, m), (Writes{{W::Offset1, "10"}, {W::Span1, "550"}}));
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

TEST(PlanformRelease, NegativeChordsAndSpansReadAsAbsolute) {
    const WingEntry e = mainEntry();
    EXPECT_EQ(paramsFromEntry(applied(e, {{W::Chord1, "-70"}}), 1).ChordMm[2], 70);
    const WingParams after = paramsFromEntry(applied(e, {{W::Offset1, "30"}, {W::Span1, "-50"}}), 1);
    EXPECT_EQ(after.StationYMm[2], 50);
    EXPECT_EQ(after.StationYMm[3], 600);
}

TEST(PlanformRelease, HiddenTrapeziumCornersWriteHiddenFields) {
    const WingEntry e = mainEntry();
    const WingParams p = paramsFromEntry(e, 1);
    const PlanformFrame f{1.0, 3000, 1200};  // origin (1500, 400); tip 4 at 1200 mm
    MouseState state;
    planformMouseDown(state, p, f, {1500 + 1200, 400 + 306});
    ASSERT_EQ(state.draggedHandle, 19);
    const Writes w = planformMouseUp(state, p, f, {2700, 716}, kNone, "0");
    ASSERT_EQ(w, (Writes{{W::Chord4, "16"}}));
    EXPECT_EQ(paramsFromEntry(applied(e, w), 1).ChordMm[5], 16);
    EXPECT_EQ(paramsFromEntry(applied(e, w), 1).TrapCount, 1);
    planformMouseDown(state, p, f, {1500 - 1200, 400 + 300});
    ASSERT_EQ(state.draggedHandle, 18);
    EXPECT_EQ(planformMouseUp(state, p, f, {290, 700}, kNone, "0"),
              (Writes{{W::Offset4, "300"}, {W::Span4, "30"}}));
}

TEST(PlanformRelease, RoundsHalvesToEvenWithoutPadding) {
    const struct {
        int rootChord, offset1, handle, dy;
        double scale;
        Writes writes;
    } cases[] = {
        {310, 30, 3, 5, 2, {{W::RootChord, "312"}}},  // 312.5
        {311, 30, 3, 5, 2, {{W::RootChord, "314"}}},  // 313.5
        {310, -13, 5, -5, 2, {{W::Offset1, "-16"}, {W::Span1, "550"}}},
        {310, -12, 5, -5, 2, {{W::Offset1, "-14"}, {W::Span1, "550"}}},
        {310, 0, 5, -1, 3, {{W::Offset1, "0"}, {W::Span1, "550"}}},  // -1/3 mm: no "-0"
    };
    for (const auto& c : cases) {
        WingEntry e = mainEntry();
        e.chord[1] = c.rootChord;
        e.offset[2] = c.offset1;
        EXPECT_EQ(drag(paramsFromEntry(e, 1), c.handle, {0, 0}, {0, c.dy}, c.scale), c.writes) << c.offset1;
    }
}

// All values come from the stations at the release: written one by one (each
// a recalculation) they end where writing them together would.
TEST(PlanformRelease, ResultIsTheSameWhateverTheWriteOrder) {
    const WingEntry e = mainEntry(20);
    const Writes w = drag(paramsFromEntry(e, 4), 9, {0, 0}, {-30, 40}, 2, kShift);
    WingEntry forwards = e, backwards = e;
    for (const FieldWrite& x : w) forwards = applied(forwards, {x});
    for (auto it = w.rbegin(); it != w.rend(); ++it) backwards = applied(backwards, {*it});
    const WingParams a = paramsFromEntry(forwards, 4), b = paramsFromEntry(backwards, 4);
    EXPECT_EQ(a.StationYMm, b.StationYMm);
    EXPECT_EQ(a.OffsetMm, b.OffsetMm);
    EXPECT_EQ(a.StationYMm[3], 20 + 550 + 535);
    EXPECT_EQ(a.OffsetMm, (std::array<std::int32_t, 6>{0, 0, 30, 80, 240, 320}));
}

TEST(PlanformMouse, PressOnNoHandleChangesNothing) {
    MouseState state;
    planformMouseDown(state, mainWing(), kView, {20, 20});
    EXPECT_EQ(state.draggedHandle, 0);
    EXPECT_TRUE(planformMouseUp(state, mainWing(), kView, {400, 200}, kNone, "0").empty());
    EXPECT_EQ(state.pressX, 400);
    EXPECT_EQ(state.pressY, 200);
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
