#include <gtest/gtest.h>

#include <cmath>

#include "model/number_format.h"
#include "view_test_support.h"
#include "views/canvas.h"
#include "views/lattice_overlay.h"
#include "views/top_view.h"

namespace ws {
namespace {

using test::at;

const QColor kBlue(0, 0, 255);
const QColor kFuchsia(255, 0, 255);
const QColor kGreen(0, 128, 0);
const QColor kBlack(0, 0, 0);

constexpr int kW = 694;  // the top view of the design layout
constexpr int kH = 369;

struct Drawn {
    QImage image;
    TopViewTransform view;
};

Drawn topView(const AircraftDrawing& a, int w = kW, int h = kH) {
    Drawn d{test::blankImage(w, h), {}};
    Canvas canvas(d.image);
    clearAircraftView(canvas);
    d.view = d_1d(canvas, a, TopViewTransform{}, false, true);
    return d;
}

AircraftDrawing startup() {
    return aircraftDrawing(startupAircraft());
}

// Every wing a copy of the default main wing, all at x = 0.
AircraftDrawing threeEqualWings(double z1, double z2, double z3) {
    AircraftModel m = startupAircraft();
    m.WingCount = m.CalcWingCount = 3;
    for (int w = 1; w <= 3; ++w) m.wing[w] = paramsFromEntry(defaultWingEntry(1), 1);
    AircraftDrawing a = aircraftDrawing(m);
    a.WingPosZ = {0, z1, z2, z3};
    return a;
}

TEST(TopView, StartupAircraftFitting) {
    // Span term 694 / 2.03 / 550 = 0.622; chord term 369 / 1.26 / (770 - 0) = 0.380 wins.
    const TopViewTransform t = fitTopView(startup(), kW, kH);
    EXPECT_DOUBLE_EQ(t.TopViewBaseScale, 369 / 1.26 / 770);
    EXPECT_DOUBLE_EQ(t.TopViewScale, t.TopViewBaseScale);
    EXPECT_DOUBLE_EQ(t.View3DScale, t.TopViewBaseScale);
    EXPECT_EQ(t.centreColumn, 347);
    EXPECT_EQ(t.TopViewOriginY, 53);  // round(369 / 7 = 52.7)
    EXPECT_EQ(t.width, kW);
    // The shared transform: y to the left of the centre line, x down from row 53.
    EXPECT_EQ(t.toPixel(0, 0), QPoint(347, 53));
    EXPECT_EQ(t.toPixel(100, 100),
              QPoint(roundInt(347 - 100 * t.TopViewScale), roundInt(53 + 100 * t.TopViewScale)));
}

TEST(TopView, WingColoursAtTheirPositions) {
    const Drawn d = topView(startup());
    // Wing 1 tip leading edge (550, 30) at (556, 64); wing 2 (x 680) tip trailing edge (120, 80) at (393,
    // 342).
    EXPECT_EQ(at(d.image, 556, 64), kBlue);
    EXPECT_EQ(at(d.image, 138, 64), kBlue);
    EXPECT_EQ(at(d.image, 393, 342), kFuchsia);
    EXPECT_EQ(at(d.image, 301, 342), kFuchsia);
    // Wing 3 is not in use: no green anywhere.
    EXPECT_EQ(test::countColour(d.image, kGreen), 0);
    // The frame in grey.
    EXPECT_EQ(at(d.image, 0, 200), frameGrey());
}

TEST(TopView, HigherWingEndsOnTopAndWing2WinsAtEqualHeight) {
    // The tip chord of all three copies lies on the same pixels.
    const int tipColumn = 347 + roundInt(550 * fitTopView(threeEqualWings(0, 0, 0), kW, kH).TopViewScale);
    const auto tipColour = [&](double z1, double z2, double z3, int count) {
        AircraftDrawing a = threeEqualWings(z1, z2, z3);
        a.WingCount = a.CalcWingCount = count;
        const Drawn d = topView(a);
        return at(d.image, tipColumn, d.view.TopViewOriginY + roundInt(150 * d.view.TopViewScale));
    };
    EXPECT_EQ(tipColour(0, 0, 0, 2), kFuchsia);
    EXPECT_EQ(tipColour(10, 0, 0, 2), kBlue);
    EXPECT_EQ(tipColour(0, 10, 0, 2), kFuchsia);
    EXPECT_EQ(tipColour(0, 0, 0, 3), kGreen);
    EXPECT_EQ(tipColour(0, 10, -5, 3), kFuchsia);
    EXPECT_EQ(tipColour(20, 10, 15, 3), kBlue);
    // The order counts wing 3's height even when it is not drawn.
    EXPECT_EQ(tipColour(5, 0, 99, 2), kBlue);
}

TEST(TopView, HeightOrderLowestFirstNumbersBreakTies) {
    EXPECT_EQ(heightOrder({0, 0, 0, 0}), (std::array<int, 3>{1, 2, 3}));
    EXPECT_EQ(heightOrder({0, 60, 0, 33}), (std::array<int, 3>{2, 3, 1}));
    EXPECT_EQ(heightOrder({0, 5, 5, -1}), (std::array<int, 3>{3, 1, 2}));
}

TEST(TopView, ZeroRowAtOneSeventhWithoutWingsAhead) {
    const Drawn d = topView(startup());
    EXPECT_EQ(at(d.image, 660, 53), kBlack);
    EXPECT_EQ(at(d.image, 660, 52), tooltipBackground());
    EXPECT_EQ(at(d.image, 660, 54), tooltipBackground());
    EXPECT_EQ(at(d.image, 347, 200), kBlack);

    // One wing far behind x = 0: the unused slots hold front edge 0, so the row stays.
    AircraftModel m = startupAircraft();
    m.WingCount = m.CalcWingCount = 1;
    m.wing[1].WingPosX = 200;
    EXPECT_EQ(fitTopView(aircraftDrawing(m), kW, kH).TopViewOriginY, 53);
}

TEST(TopView, CanardAheadOfZeroMovesTheRowDown) {
    AircraftModel m = startupAircraft();
    m.WingCount = m.CalcWingCount = 3;  // wing 3 at x = -130, tip leading edge 40 behind: F = -90
    const Drawn d = topView(aircraftDrawing(m));
    const double s = 369 / 1.26 / (770 + 90);
    EXPECT_DOUBLE_EQ(d.view.TopViewScale, s);
    EXPECT_EQ(d.view.TopViewOriginY, roundInt(369 / 7.0 + 90 * s));
    EXPECT_EQ(d.view.TopViewOriginY, 83);
    EXPECT_EQ(at(d.image, 660, 83), kBlack);
    // The canard's tip leading edge at row round(-130 s + 83) + round(40 s) = 39 + 14 stays inside.
    EXPECT_EQ(at(d.image, 347 + roundInt(100 * s), 53), kGreen);
}

TEST(TopView, ZoomBarRedrawKeepsScaleAndOrigin) {
    const Drawn fitted = topView(startup());
    TopViewTransform zoomed = fitted.view;
    zoomed.TopViewScale = 2 * zoomed.TopViewBaseScale;

    QImage other = test::blankImage(400, 300);
    Canvas canvas(other);
    clearAircraftView(canvas);
    const TopViewTransform kept = d_1d(canvas, startup(), zoomed, true, true);
    EXPECT_EQ(kept.TopViewScale, zoomed.TopViewScale);
    EXPECT_EQ(kept.TopViewOriginY, 53);
    EXPECT_EQ(kept.centreColumn, 347);
    // Drawn at the kept origin: the x = 0 row is still row 53 on the smaller image.
    EXPECT_EQ(at(other, 380, 53), kBlack);

    const TopViewTransform refit = d_1d(canvas, startup(), zoomed, false, true);
    EXPECT_EQ(refit.centreColumn, 200);
    EXPECT_DOUBLE_EQ(refit.TopViewScale, refit.TopViewBaseScale);
}

TEST(TopView, DegenerateAircraftStillGetsAFiniteScale) {
    // Three wings at one position, all chords 0, no forward offset: R - F = 0.
    AircraftModel m = startupAircraft();
    m.WingCount = m.CalcWingCount = 3;
    for (int w = 1; w <= 3; ++w) m.wing[w] = paramsFromEntry(test::rectangularEntry(300, 0), 1);
    TopViewTransform t = fitTopView(aircraftDrawing(m), kW, kH);
    EXPECT_DOUBLE_EQ(t.TopViewBaseScale, 694 / 2.03 / 300);

    // Nothing at all: neither span nor chord.
    for (int w = 1; w <= 3; ++w) m.wing[w] = WingParams{};
    t = fitTopView(aircraftDrawing(m), kW, kH);
    EXPECT_TRUE(std::isfinite(t.TopViewBaseScale));
    EXPECT_GT(t.TopViewBaseScale, 0);
    const Drawn d = topView(aircraftDrawing(m));
    EXPECT_EQ(at(d.image, 660, 53), kBlack);
}

// A rectangular main wing of half-span 300 and chord 200 alone, and a lattice
// of 2 strips x 2 panels over it.
struct LatticeCase {
    AircraftDrawing aircraft;
    LatticeDrawing lattice;
};
LatticeCase rectangularLattice() {
    AircraftModel m = startupAircraft();
    m.WingCount = m.CalcWingCount = 1;
    m.wing[1] = paramsFromEntry(test::rectangularEntry(300, 200), 1);
    LatticeCase c{aircraftDrawing(m), {}};
    c.lattice = test::evenLattice(c.aircraft, 2, 2);
    return c;
}

TEST(LatticeOverlay, DrawnOnlyWhileItBelongsToTheAircraft) {
    const LatticeCase c = rectangularLattice();
    const auto midLine = [&](bool results, bool lattice, bool given) {
        QImage image = test::blankImage(kW, kH);
        Canvas canvas(image);
        const TopViewTransform t = redrawTopView(canvas, c.aircraft, given ? &c.lattice : nullptr, results,
                                                 lattice, TopViewTransform{}, false, true);
        // The chordwise lattice line x = 100 inside the first strip (y 0..150).
        return at(image, kW / 2 + roundInt(75 * t.TopViewScale),
                  t.TopViewOriginY + roundInt(100 * t.TopViewScale));
    };
    EXPECT_EQ(midLine(true, true, true), kBlue);
    EXPECT_EQ(midLine(true, false, true), tooltipBackground());
    EXPECT_EQ(midLine(false, true, true), tooltipBackground());
    EXPECT_EQ(midLine(true, true, false), tooltipBackground());
}

TEST(LatticeOverlay, PanelsLieOnTheRightOfTheCentreLineUnderTheOutline) {
    const LatticeCase c = rectangularLattice();
    QImage image = test::blankImage(kW, kH);
    Canvas canvas(image);
    const TopViewTransform t =
        redrawTopView(canvas, c.aircraft, &c.lattice, true, true, TopViewTransform{}, false, true);
    const int row = t.TopViewOriginY + roundInt(100 * t.TopViewScale);
    // Strip edge at y = 150 right of the centre, none on the left.
    EXPECT_EQ(at(image, kW / 2 + roundInt(150 * t.TopViewScale), row - 5), kBlue);
    EXPECT_EQ(at(image, kW / 2 - roundInt(150 * t.TopViewScale), row - 5), tooltipBackground());
    EXPECT_EQ(at(image, kW / 2 - roundInt(75 * t.TopViewScale), row), tooltipBackground());
}

TEST(LatticeOverlay, HigherWingCoversLowerAndWing1WinsAtEqualHeight) {
    // Wing 1 panels split at x = 100, wing 2 over the same area split at 50, 100, 150.
    LatticeCase c = rectangularLattice();
    c.aircraft.CalcWingCount = 2;
    c.aircraft.planform[2] = c.aircraft.planform[1];
    c.aircraft.WingPosX[2] = 0;
    const LatticeDrawing two = test::evenLattice(c.aircraft, 1, 4);
    LatticeDrawing both = test::evenLattice(c.aircraft, 1, 2);
    both.wing[2] = two.wing[2];

    const TopViewTransform t = fitTopView(c.aircraft, kW, kH);
    const auto pixels = [&](double z1, double z2) {
        both.wing[1].height = z1;
        both.wing[2].height = z2;
        QImage image = test::blankImage(kW, kH);
        Canvas canvas(image);
        clearAircraftView(canvas);
        DrawGrid(canvas, both, t);
        const int column = kW / 2 + roundInt(150 * t.TopViewScale);
        return std::pair{at(image, column, t.TopViewOriginY + roundInt(50 * t.TopViewScale)),
                         at(image, column, t.TopViewOriginY + roundInt(100 * t.TopViewScale))};
    };
    EXPECT_EQ(pixels(0, 0), std::pair(tooltipBackground(), kBlue));
    EXPECT_EQ(pixels(5, 0), std::pair(tooltipBackground(), kBlue));
    EXPECT_EQ(pixels(0, 5), std::pair(kFuchsia, kFuchsia));
}

TEST(LatticeOverlay, MalformedStripsAreSkipped) {
    LatticeCase c = rectangularLattice();
    c.lattice.wing[1].strips[0].CornerXL.resize(2);
    c.lattice.wing[1].ChordPanels = 2;
    QImage image = test::blankImage(kW, kH);
    Canvas canvas(image);
    const TopViewTransform t = fitTopView(c.aircraft, kW, kH);
    clearAircraftView(canvas);
    DrawGrid(canvas, c.lattice, t);
    EXPECT_EQ(
        at(image, kW / 2 + roundInt(75 * t.TopViewScale), t.TopViewOriginY + roundInt(100 * t.TopViewScale)),
        tooltipBackground());
    EXPECT_EQ(
        at(image, kW / 2 + roundInt(225 * t.TopViewScale), t.TopViewOriginY + roundInt(100 * t.TopViewScale)),
        kBlue);
}

}  // namespace
}  // namespace ws
