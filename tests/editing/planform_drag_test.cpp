#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <utility>

#include "editing/planform_drag.h"
#include "model/entry_rule.h"

namespace ws {
namespace {

using W = WingField;
using Writes = std::vector<FieldWrite>;

const ModifierState kNone{};
const ModifierState kShift{.shift = true};
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

// Trapezium i's span is span[i]; its offset and tip chord belong to station i + 1.
std::int32_t& entryField(WingEntry& e, WingField f) {
    const auto n = static_cast<std::size_t>(f);
    if (f == W::Gap) return e.gap;
    if (f == W::RootChord) return e.chord[1];
    if (f <= W::Span4) return e.span[n - static_cast<std::size_t>(W::Span1) + 1];
    if (f <= W::Offset4) return e.offset[n - static_cast<std::size_t>(W::Offset1) + 2];
    return e.chord[n - static_cast<std::size_t>(W::Chord1) + 2];
}

// As the window applies them: each text into its field, read back by the entry rule.
WingEntry applied(WingEntry e, const Writes& writes) {
    for (const FieldWrite& w : writes) entryField(e, w.field) = entryValue(w.text);
    return e;
}

Writes drag(const WingParams& p, int handle, PixelPoint from, PixelPoint to, double scale,
            const ModifierState& m = kNone, std::string_view gapText = "0") {
    return releaseWrites(p, handle, from, to, scale, m, gapText);
}

FieldSet fieldSet(std::initializer_list<WingField> fields) {
    FieldSet set;
    for (WingField f : fields) set.insert(f);
    return set;
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
    EXPECT_EQ(drag(p, 6, a, b, 1), (Writes{{W::Offset1, "50"}, {W::Span1, "540"}}));  // left half
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
    const Writes plain{{W::Offset1, "10"}, {W::Span1, "550"}};
    for (const ModifierState& m :
         {ModifierState{.shift = true, .right = true}, ModifierState{.shift = true, .left = true},
          ModifierState{.shift = true, .middle = true}, ModifierState{.shift = true, .ctrl = true},
          ModifierState{.shift = true, .alt = true}, ModifierState{.ctrl = true}})
        EXPECT_EQ(drag(mainWing(), 5, {100, 100}, {100, 90}, 0.5, m), plain);
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
    ASSERT_EQ(hitTest(p, kView, {400, 200}), 2);
    const Writes gap80{{W::Gap, "80"}};
    // A zero padded as a loaded file leaves it mirrors too; any other text stops at the centre line.
    for (const char* zero : {"0", "   0", "0 "}) {
        EXPECT_EQ(drag(p, 2, {400, 200}, {440, 200}, 0.5, kNone, zero), gap80) << zero;
        EXPECT_EQ(drag(p, 2, {400, 200}, {360, 200}, 0.5, kNone, zero), gap80) << zero;
    }
    for (const char* other : {"", "   ", "00", "0.0", "-0", "x"})
        EXPECT_EQ(drag(p, 2, {400, 200}, {440, 200}, 0.5, kNone, other), (Writes{{W::Gap, "0"}})) << other;
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
    const WingParams after = paramsFromEntry(applied(e, w), 1);
    EXPECT_EQ(after.ChordMm[5], 16);
    EXPECT_EQ(after.TrapCount, 1);

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
        EXPECT_EQ(drag(paramsFromEntry(e, 1), c.handle, {0, 0}, {0, c.dy}, c.scale), c.writes)
            << c.rootChord << " " << c.offset1;
    }
}

// Every value comes from the stations at the release, so writing them one by
// one (each a recalculation) ends where writing them together would.
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

TEST(PlanformRelease, NoHandleOrNoScaleWritesNothing) {
    for (const auto& [handle, scale] : std::initializer_list<std::pair<int, double>>{
             {0, 1}, {21, 1}, {3, 0}, {3, -1}, {3, INFINITY}, {3, NAN}})
        EXPECT_TRUE(drag(mainWing(), handle, {0, 0}, {50, 50}, scale).empty()) << handle << " " << scale;
}

TEST(PlanformRelease, ExtremeDragsSaturateInsteadOfWrapping) {
    EXPECT_EQ(drag(mainWing(), 3, {0, -2'000'000'000}, {0, 2'000'000'000}, 1e-3),
              (Writes{{W::RootChord, "2147483647"}}));
}

TEST(PlanformMouse, PressOnNoHandleChangesNothing) {
    const WingParams p = mainWing();
    MouseState state;
    planformMouseDown(state, p, kView, {20, 20});
    EXPECT_EQ(state.draggedHandle, 0);
    EXPECT_TRUE(planformMouseUp(state, p, kView, {400, 200}, kNone, "0").empty());
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
    EXPECT_EQ(h.highlighted, fieldSet({W::Offset1, W::Span1}));
    EXPECT_EQ(hover({675, 215}, kShift).highlighted,
              fieldSet({W::Offset1, W::Span1, W::Offset2, W::Offset3, W::Offset4}));
    EXPECT_EQ(hover({675, 215}, {.shift = true, .left = true}).highlighted, fieldSet({W::Offset1, W::Span1}));

    const PlanformHover away = hover({30, 30}, kShift);
    EXPECT_EQ(state.hoveredHandle, 0);
    EXPECT_EQ(away.cursor, CursorShape::Cross);
    EXPECT_TRUE(away.highlighted.empty());
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
