#include <gtest/gtest.h>

#include "editing/planform_drag.h"
#include "model/entry_rule.h"

namespace ws {
namespace {

using W = WingField;
using Writes = std::vector<FieldWrite>;

WingEntry mainEntry(int gap = 0) {
    WingEntry e = defaultWingEntry(1);  // spans 550 550 80 20, chords 310 230 180 40 6, offsets 30 60 220 300
    e.gap = gap;
    return e;
}

WingParams mainWing(int gap = 0) {
    return paramsFromEntry(mainEntry(gap), 1);
}

std::int32_t& entryField(WingEntry& e, WingField f) {
    const int n = static_cast<int>(f);
    if (f == W::Gap) return e.gap;
    if (f == W::RootChord) return e.chord[1];
    if (n <= static_cast<int>(W::Span4))
        return e.span[static_cast<std::size_t>(n - static_cast<int>(W::Span1) + 1)];
    if (n <= static_cast<int>(W::Offset4))
        return e.offset[static_cast<std::size_t>(n - static_cast<int>(W::Offset1) + 2)];
    return e.chord[static_cast<std::size_t>(n - static_cast<int>(W::Chord1) + 2)];
}

// What the window does with the writes: each text goes into its field, which
// the entry rule reads back.
WingEntry applied(WingEntry e, const Writes& writes) {
    for (const FieldWrite& w : writes) entryField(e, w.field) = entryValue(w.text);
    return e;
}

const ModifierState kNone{};
const ModifierState kShift{.shift = true};

Writes drag(const WingParams& p, int handle, PixelPoint from, PixelPoint to, double scale,
            const ModifierState& m = kNone, std::string_view gapText = "0") {
    return releaseWrites(p, handle, from, to, scale, m, gapText);
}

TEST(ModifierState, ShiftAloneIsExactlyShift) {
    EXPECT_TRUE(kShift.isShiftAlone());
    EXPECT_FALSE(kNone.isShiftAlone());
    EXPECT_FALSE((ModifierState{.shift = true, .ctrl = true}).isShiftAlone());
    EXPECT_FALSE((ModifierState{.shift = true, .alt = true}).isShiftAlone());
    EXPECT_FALSE((ModifierState{.shift = true, .left = true}).isShiftAlone());
    EXPECT_FALSE((ModifierState{.shift = true, .right = true}).isShiftAlone());
    EXPECT_FALSE((ModifierState{.shift = true, .middle = true}).isShiftAlone());
}

TEST(PlanformRelease, SevenPixelsAtHalfAPixelPerMmAreFourteenMm) {
    const WingParams p = mainWing();
    EXPECT_EQ(drag(p, 3, {10, 10}, {10, 17}, 0.5), (Writes{{W::RootChord, "324"}}));
    EXPECT_EQ(drag(p, 5, {10, 10}, {17, 10}, 0.5), (Writes{{W::Offset1, "30"}, {W::Span1, "564"}}));
    EXPECT_EQ(drag(p, 8, {10, 10}, {10, 3}, 0.5), (Writes{{W::Chord1, "216"}}));
}

TEST(PlanformRelease, EachHandleWritesItsFieldsOffsetBeforeSpan) {
    const WingParams p = mainWing(40);          // stations 40, 590, 1140, 1220, 1240
    const PixelPoint a{100, 100}, b{110, 120};  // 10 px right, 20 px down at 1 px/mm
    EXPECT_EQ(drag(p, 1, a, b, 1), (Writes{{W::Gap, "50"}}));
    EXPECT_EQ(drag(p, 2, a, b, 1), (Writes{{W::Gap, "30"}}));
    EXPECT_EQ(drag(p, 4, a, b, 1), (Writes{{W::RootChord, "330"}}));
    EXPECT_EQ(drag(p, 5, a, b, 1), (Writes{{W::Offset1, "50"}, {W::Span1, "560"}}));
    EXPECT_EQ(drag(p, 6, a, b, 1),
              (Writes{{W::Offset1, "50"}, {W::Span1, "540"}}));  // left half: right shrinks
    EXPECT_EQ(drag(p, 7, a, b, 1), (Writes{{W::Chord1, "250"}}));
    EXPECT_EQ(drag(p, 9, a, b, 1), (Writes{{W::Offset2, "80"}, {W::Span2, "560"}}));
    EXPECT_EQ(drag(p, 12, a, b, 1), (Writes{{W::Chord2, "200"}}));
    EXPECT_EQ(drag(p, 14, a, b, 1), (Writes{{W::Offset3, "240"}, {W::Span3, "70"}}));
    EXPECT_EQ(drag(p, 15, a, b, 1), (Writes{{W::Chord3, "60"}}));
    EXPECT_EQ(drag(p, 17, a, b, 1), (Writes{{W::Offset4, "320"}, {W::Span4, "30"}}));
    EXPECT_EQ(drag(p, 20, a, b, 1), (Writes{{W::Chord4, "26"}}));
}

TEST(PlanformRelease, ShiftAloneCarriesTheOuterLeadingEdgesAlong) {
    const WingParams p = mainWing();
    const PixelPoint a{100, 100}, b{100, 90};  // 10 px up at 0.5 px/mm: -20 mm
    EXPECT_EQ(drag(p, 6, a, b, 0.5, kShift), (Writes{{W::Offset1, "10"},
                                                     {W::Span1, "550"},
                                                     {W::Offset2, "40"},
                                                     {W::Offset3, "200"},
                                                     {W::Offset4, "280"}}));
    EXPECT_EQ(drag(p, 9, a, b, 0.5, kShift),
              (Writes{{W::Offset2, "40"}, {W::Span2, "550"}, {W::Offset3, "200"}, {W::Offset4, "280"}}));
    EXPECT_EQ(drag(p, 14, a, b, 0.5, kShift),
              (Writes{{W::Offset3, "200"}, {W::Span3, "80"}, {W::Offset4, "280"}}));
    EXPECT_EQ(drag(p, 18, a, b, 0.5, kShift), (Writes{{W::Offset4, "280"}, {W::Span4, "20"}}));
    EXPECT_EQ(drag(p, 7, a, b, 0.5, kShift), (Writes{{W::Chord1, "210"}}));
    EXPECT_EQ(drag(p, 3, a, b, 0.5, kShift), (Writes{{W::RootChord, "290"}}));
    EXPECT_EQ(drag(p, 1, a, b, 0.5, kShift), (Writes{{W::Gap, "0"}}));
}

TEST(PlanformRelease, ShiftWithAnotherKeyOrButtonMovesNoExtras) {
    const WingParams p = mainWing();
    const Writes plain{{W::Offset1, "10"}, {W::Span1, "550"}};
    for (const ModifierState& m :
         {ModifierState{.shift = true, .right = true}, ModifierState{.shift = true, .left = true},
          ModifierState{.shift = true, .middle = true}, ModifierState{.shift = true, .ctrl = true},
          ModifierState{.shift = true, .alt = true}, ModifierState{.ctrl = true}})
        EXPECT_EQ(drag(p, 5, {100, 100}, {100, 90}, 0.5, m), plain);
}

TEST(PlanformRelease, RightRootHandlePastTheCentreLineLeavesTheGapAtZero) {
    const WingParams p = mainWing(50);
    EXPECT_EQ(drag(p, 1, {450, 200}, {300, 200}, 1, kNone, "50"), (Writes{{W::Gap, "0"}}));
    EXPECT_EQ(drag(p, 1, {450, 200}, {400, 200}, 1, kNone, "50"), (Writes{{W::Gap, "0"}}));
    // The left one likewise when the gap field holds a gap.
    EXPECT_EQ(drag(p, 2, {350, 200}, {500, 200}, 1, kNone, "50"), (Writes{{W::Gap, "0"}}));
    EXPECT_EQ(drag(p, 2, {350, 200}, {300, 200}, 1, kNone, "50"), (Writes{{W::Gap, "100"}}));
}

TEST(PlanformRelease, ZeroGapOpensEquallyToEitherSide) {
    const WingParams p = mainWing(0);
    const PlanformFrame f{0.5, 800, 600};
    ASSERT_EQ(hitTest(p, f, {400, 200}), 2);
    const Writes gap80{{W::Gap, "80"}};
    EXPECT_EQ(drag(p, 2, {400, 200}, {440, 200}, 0.5, kNone, "0"), gap80);
    EXPECT_EQ(drag(p, 2, {400, 200}, {360, 200}, 0.5, kNone, "0"), gap80);
    // A zero padded as a loaded file leaves it mirrors too; any other text stops at the centre line.
    EXPECT_EQ(drag(p, 2, {400, 200}, {440, 200}, 0.5, kNone, "   0"), gap80);
    EXPECT_EQ(drag(p, 2, {400, 200}, {440, 200}, 0.5, kNone, "0 "), gap80);
    for (const char* other : {"", "   ", "00", "0.0", "-0", "x"})
        EXPECT_EQ(drag(p, 2, {400, 200}, {440, 200}, 0.5, kNone, other), (Writes{{W::Gap, "0"}})) << other;
    EXPECT_EQ(drag(p, 2, {400, 200}, {360, 200}, 0.5, kNone, "   0"), gap80);
}

TEST(PlanformRelease, ChordsAndSpansMayGoNegativeAndReadAsAbsolute) {
    const WingEntry e = mainEntry();
    const WingParams p = paramsFromEntry(e, 1);
    const Writes chord = drag(p, 7, {0, 300}, {0, 0}, 1);
    EXPECT_EQ(chord, (Writes{{W::Chord1, "-70"}}));
    EXPECT_EQ(paramsFromEntry(applied(e, chord), 1).ChordMm[2], 70);

    const Writes span = drag(p, 5, {600, 0}, {0, 0}, 1);
    EXPECT_EQ(span, (Writes{{W::Offset1, "30"}, {W::Span1, "-50"}}));
    const WingParams after = paramsFromEntry(applied(e, span), 1);
    EXPECT_EQ(after.StationYMm[2], 50);
    EXPECT_EQ(after.StationYMm[3], 600);

    EXPECT_EQ(drag(p, 5, {0, 100}, {0, 0}, 1), (Writes{{W::Offset1, "-70"}, {W::Span1, "550"}}));
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
    EXPECT_EQ(wingFieldObjectName(1, w[0].field), "Edit14x");
    const WingParams after = paramsFromEntry(applied(e, w), 1);
    EXPECT_EQ(after.ChordMm[5], 16);
    EXPECT_EQ(after.TrapCount, 1);

    planformMouseDown(state, p, f, {1500 - 1200, 400 + 300});
    ASSERT_EQ(state.draggedHandle, 18);
    EXPECT_EQ(planformMouseUp(state, p, f, {290, 700}, kNone, "0"),
              (Writes{{W::Offset4, "300"}, {W::Span4, "30"}}));
}

TEST(PlanformRelease, RoundsHalvesToEvenWithoutPadding) {
    // 5 px at 2 px/mm: 2.5 mm.
    WingEntry e = mainEntry();
    EXPECT_EQ(drag(paramsFromEntry(e, 1), 3, {0, 0}, {0, 5}, 2), (Writes{{W::RootChord, "312"}}));
    e.chord[1] = 311;
    EXPECT_EQ(drag(paramsFromEntry(e, 1), 3, {0, 0}, {0, 5}, 2), (Writes{{W::RootChord, "314"}}));
    e.offset[2] = -13;
    EXPECT_EQ(drag(paramsFromEntry(e, 1), 5, {0, 5}, {0, 0}, 2),
              (Writes{{W::Offset1, "-16"}, {W::Span1, "550"}}));
    e.offset[2] = -12;
    EXPECT_EQ(drag(paramsFromEntry(e, 1), 5, {0, 5}, {0, 0}, 2),
              (Writes{{W::Offset1, "-14"}, {W::Span1, "550"}}));
    // Below half a millimetre nothing moves, and no "-0" appears.
    e.offset[2] = 0;
    EXPECT_EQ(drag(paramsFromEntry(e, 1), 5, {0, 1}, {0, 0}, 3),
              (Writes{{W::Offset1, "0"}, {W::Span1, "550"}}));
}

TEST(PlanformRelease, ResultIsTheSameWhateverTheWriteOrder) {
    // Every value comes from the stations at the release, so writing them one
    // by one (each a recalculation) ends where writing them together would.
    const WingEntry e = mainEntry(20);
    const WingParams p = paramsFromEntry(e, 4);
    const Writes w = drag(p, 9, {0, 0}, {-30, 40}, 2, kShift);
    WingEntry forwards = e, backwards = e;
    for (const FieldWrite& x : w) forwards = applied(forwards, {x});
    for (auto it = w.rbegin(); it != w.rend(); ++it) backwards = applied(backwards, {*it});
    const WingParams a = paramsFromEntry(forwards, 4), b = paramsFromEntry(backwards, 4);
    EXPECT_EQ(a.StationYMm, b.StationYMm);
    EXPECT_EQ(a.OffsetMm, b.OffsetMm);
    EXPECT_EQ(a.StationYMm[3], 20 + 550 + 535);
    EXPECT_EQ(a.OffsetMm, (std::array<std::int32_t, 6>{0, 0, 30, 80, 240, 320}));
}

TEST(PlanformRelease, NoHandleOrNoScaleWritesNothing) {
    const WingParams p = mainWing();
    EXPECT_TRUE(drag(p, 0, {0, 0}, {50, 50}, 1).empty());
    EXPECT_TRUE(drag(p, 3, {0, 0}, {50, 50}, 0).empty());
    EXPECT_TRUE(drag(p, 3, {0, 0}, {0, 0}, 0).empty());
    EXPECT_TRUE(drag(p, 3, {0, 0}, {50, 50}, -1).empty());
    EXPECT_TRUE(drag(p, 21, {0, 0}, {50, 50}, 1).empty());
}

TEST(PlanformRelease, ExtremeDragsSaturateInsteadOfWrapping) {
    const WingParams p = mainWing();
    EXPECT_EQ(drag(p, 3, {0, -2'000'000'000}, {0, 2'000'000'000}, 1e-3),
              (Writes{{W::RootChord, "2147483647"}}));
}

TEST(PlanformMouse, PressOnNoHandleChangesNothing) {
    const WingParams p = mainWing();
    const PlanformFrame f{0.5, 800, 600};
    MouseState state;
    planformMouseDown(state, p, f, {20, 20});
    EXPECT_EQ(state.draggedHandle, 0);
    EXPECT_TRUE(planformMouseUp(state, p, f, {400, 200}, kNone, "0").empty());
    EXPECT_EQ(state.pressX, 400);
    EXPECT_EQ(state.pressY, 200);
}

TEST(PlanformMouse, ClickOnAHandleRewritesTheSameValues) {
    const WingParams p = mainWing();
    const PlanformFrame f{0.5, 800, 600};  // handle 5 at (675, 215)
    MouseState state;
    planformMouseDown(state, p, f, {675, 215});
    ASSERT_EQ(state.draggedHandle, 5);
    EXPECT_EQ(planformMouseUp(state, p, f, {675, 215}, kNone, "0"),
              (Writes{{W::Offset1, "30"}, {W::Span1, "550"}}));
}

TEST(PlanformMouse, PressAndReleaseShareTheThreeDimensionalDragFlag) {
    const WingParams p = mainWing();
    const PlanformFrame f{0.5, 800, 600};
    MouseState state;
    ASSERT_TRUE(state.view3DIdle);
    planformMouseDown(state, p, f, {10, 10});
    EXPECT_FALSE(state.view3DIdle);
    planformMouseUp(state, p, f, {10, 10}, kNone, "0");
    EXPECT_TRUE(state.view3DIdle);
}

TEST(PlanformHover, CursorAndYellowFieldsFollowThePointer) {
    const WingParams p = mainWing();
    const PlanformFrame f{0.5, 800, 600};
    MouseState state;

    PlanformHover h = planformMouseMove(state, p, f, {675, 215}, kNone);
    EXPECT_EQ(state.hoveredHandle, 5);
    EXPECT_EQ(h.handle, 5);
    EXPECT_EQ(h.cursor, CursorShape::SizeAll);
    FieldSet expected;
    expected.insert(W::Offset1);
    expected.insert(W::Span1);
    EXPECT_EQ(h.highlighted, expected);

    h = planformMouseMove(state, p, f, {675, 215}, kShift);
    expected.insert(W::Offset2);
    expected.insert(W::Offset3);
    expected.insert(W::Offset4);
    EXPECT_EQ(h.highlighted, expected);

    h = planformMouseMove(state, p, f, {675, 215}, ModifierState{.shift = true, .left = true});
    EXPECT_EQ(h.highlighted.size(), 2);

    h = planformMouseMove(state, p, f, {30, 30}, kShift);
    EXPECT_EQ(state.hoveredHandle, 0);
    EXPECT_EQ(h.cursor, CursorShape::Cross);
    EXPECT_TRUE(h.highlighted.empty());
}

TEST(PlanformHover, EveryHandleLightsWhatItsDragWrites) {
    for (int k = 1; k <= kHandleCount; ++k)
        for (const ModifierState& m : {kNone, kShift}) {
            FieldSet written;
            for (const FieldWrite& w : drag(mainWing(), k, {0, 0}, {3, 3}, 1, m)) written.insert(w.field);
            EXPECT_EQ(highlightedFields(k, m), written) << "handle " << k;
        }
    EXPECT_TRUE(highlightedFields(0, kShift).empty());
    EXPECT_EQ(handleFields(13, true), (std::vector<WingField>{W::Offset3, W::Span3, W::Offset4}));
}

}  // namespace
}  // namespace ws
