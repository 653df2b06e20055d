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
using test::expectColourAt;

constexpr int kW = 694;  // the top view of the design layout
constexpr int kH = 369;

struct Drawn {
    QImage image;
    TopViewTransform view;
};

Drawn topView(const AircraftDrawing& a) {
    Drawn d;
    d.image = test::painted(kW, kH, [&](Canvas& c) {
        clearAircraftView(c);
        d.view = d_1d(c, a, TopViewTransform{}, false);
    });
    return d;
}

AircraftDrawing startup() {
    return aircraftDrawing(startupAircraft());
}

// The start-up aircraft with `wings` wings in use and in the calculation.
AircraftModel startupWith(int wings) {
    AircraftModel m = startupAircraft();
    m.WingCount = m.CalcWingCount = wings;
    return m;
}

// The pixel at x mm rearwards and y mm spanwise, y > 0 right of the centre
// line, rounded as the outlines and the lattice are.
QColor atMm(const QImage& image, const TopViewTransform& t, double x, double y) {
    return at(image, t.centreColumn + roundInt(y * t.TopViewScale),
              t.TopViewOriginY + roundInt(x * t.TopViewScale));
}

TEST(TopView, WingColoursAtTheirPositions) {
    // Wing 1 tip leading edge (550, 30) at (556, 64); wing 2 (x 680) tip trailing edge
    // (120, 80) at (393, 342).
    const Drawn d = topView(startup());
    expectColourAt(d.image, kBlue, {QPoint(556, 64), QPoint(138, 64)});
    expectColourAt(d.image, kFuchsia, {QPoint(393, 342), QPoint(301, 342)});
    expectColourAt(d.image, frameGrey(), {QPoint(0, 200)});
    // Wing 3 is not in use: no green anywhere.
    EXPECT_EQ(test::countColour(d.image, kGreen), 0);
}

TEST(TopView, HigherWingEndsOnTopAndWing2WinsAtEqualHeight) {
    // Three copies of the default main wing, all at x = 0: their tip chords lie on the same pixels.
    AircraftModel m = startupWith(3);
    for (int w = 1; w <= 3; ++w) m.wing[w] = paramsFromEntry(defaultWingEntry(1), 1);
    const AircraftDrawing equal = aircraftDrawing(m);
    const auto tipColour = [&](double z1, double z2, double z3, int count) {
        AircraftDrawing a = equal;
        a.WingPosZ = {0, z1, z2, z3};
        a.WingCount = a.CalcWingCount = count;
        const Drawn d = topView(a);
        return atMm(d.image, d.view, 150, 550);
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
    const QImage image = topView(startup()).image;
    expectColourAt(image, kBlack, {QPoint(660, 53), QPoint(347, 200)});
    expectColourAt(image, tooltipBackground(), {QPoint(660, 52), QPoint(660, 54)});

    // One wing far behind x = 0: the unused slots hold front edge 0, so the row stays.
    AircraftModel m = startupWith(1);
    m.wing[1].WingPosX = 200;
    EXPECT_EQ(fitTopView(aircraftDrawing(m), kW, kH).TopViewOriginY, 53);
}

TEST(TopView, CanardAheadOfZeroMovesTheRowDown) {
    // Wing 3 at x = -130, tip leading edge 40 behind: F = -90.
    const Drawn d = topView(aircraftDrawing(startupWith(3)));
    const double s = 369 / 1.26 / (770 + 90);
    EXPECT_DOUBLE_EQ(d.view.TopViewScale, s);
    EXPECT_EQ(d.view.TopViewOriginY, roundInt(369 / 7.0 + 90 * s));
    EXPECT_EQ(d.view.TopViewOriginY, 83);
    // The canard's tip leading edge at row round(-130 s + 83) + round(40 s) = 39 + 14 stays inside.
    expectColourAt(d.image, kBlack, {QPoint(660, 83)});
    expectColourAt(d.image, kGreen, {QPoint(347 + roundInt(100 * s), 53)});
}

TEST(TopView, ZoomBarRedrawKeepsScaleAndOrigin) {
    TopViewTransform zoomed = topView(startup()).view;
    zoomed.TopViewScale = 2 * zoomed.TopViewBaseScale;

    QImage other = test::blankImage(400, 300);
    Canvas canvas(other);
    clearAircraftView(canvas);
    const TopViewTransform kept = d_1d(canvas, startup(), zoomed, true);
    EXPECT_EQ(kept.TopViewScale, zoomed.TopViewScale);
    EXPECT_EQ(kept.TopViewOriginY, 53);
    EXPECT_EQ(kept.centreColumn, 347);
    // Drawn at the kept origin: the x = 0 row is still row 53 on the smaller image.
    EXPECT_EQ(at(other, 380, 53), kBlack);

    const TopViewTransform refit = d_1d(canvas, startup(), zoomed, false);
    EXPECT_EQ(refit.centreColumn, 200);
    EXPECT_DOUBLE_EQ(refit.TopViewScale, refit.TopViewBaseScale);
}

TEST(TopView, DegenerateAircraftStillGetsAFiniteScale) {
    // Three wings at one position, all chords 0, no forward offset: R - F = 0.
    AircraftModel m = startupWith(3);
    for (int w = 1; w <= 3; ++w) m.wing[w] = paramsFromEntry(test::rectangularEntry(300, 0), 1);
    EXPECT_DOUBLE_EQ(fitTopView(aircraftDrawing(m), kW, kH).TopViewBaseScale, 694 / 2.03 / 300);

    // Nothing at all: neither span nor chord.
    for (int w = 1; w <= 3; ++w) m.wing[w] = WingParams{};
    const Drawn d = topView(aircraftDrawing(m));
    EXPECT_TRUE(std::isfinite(d.view.TopViewBaseScale));
    EXPECT_GT(d.view.TopViewBaseScale, 0);
    EXPECT_EQ(at(d.image, 660, 53), kBlack);
}

// A rectangular main wing of half-span 300 and chord 200 alone, and a lattice
// of 2 strips x 2 panels over it.
struct LatticeCase {
    AircraftDrawing aircraft;
    LatticeDrawing lattice;
    TopViewTransform view;

    LatticeCase() {
        AircraftModel m = startupWith(1);
        m.wing[1] = paramsFromEntry(test::rectangularEntry(300, 200), 1);
        aircraft = aircraftDrawing(m);
        lattice = test::evenLattice(aircraft, 2, 2);
        view = fitTopView(aircraft, kW, kH);
    }
    // The grid alone on a cleared image.
    QImage grid(const LatticeDrawing& l) const {
        return test::painted(kW, kH, [&](Canvas& c) {
            clearAircraftView(c);
            DrawGrid(c, l, view);
        });
    }
    // The window's redraw with the lattice given or not.
    QImage redraw(bool results, bool latticeValid, bool given) const {
        return test::painted(kW, kH, [&](Canvas& c) {
            const TopViewTransform t = redrawTopView(c, aircraft, given ? &lattice : nullptr, results,
                                                     latticeValid, TopViewTransform{}, false);
            EXPECT_EQ(t.TopViewScale, view.TopViewScale);
        });
    }
};

TEST(LatticeOverlay, DrawnOnlyWhileItBelongsToTheAircraft) {
    const LatticeCase c;
    // The chordwise lattice line x = 100 inside the first strip (y 0..150).
    EXPECT_EQ(atMm(c.redraw(true, true, true), c.view, 100, 75), kBlue);
    EXPECT_EQ(atMm(c.redraw(true, false, true), c.view, 100, 75), tooltipBackground());
    EXPECT_EQ(atMm(c.redraw(false, true, true), c.view, 100, 75), tooltipBackground());
    EXPECT_EQ(atMm(c.redraw(true, true, false), c.view, 100, 75), tooltipBackground());
}

TEST(LatticeOverlay, PanelsLieOnTheRightOfTheCentreLineUnderTheOutline) {
    const LatticeCase c;
    const QImage image = c.redraw(true, true, true);
    // Strip edge at y = 150 right of the centre, none on the left.
    EXPECT_EQ(atMm(image, c.view, 90, 150), kBlue);
    EXPECT_EQ(atMm(image, c.view, 90, -150), tooltipBackground());
    EXPECT_EQ(atMm(image, c.view, 100, -75), tooltipBackground());
}

TEST(LatticeOverlay, HigherWingCoversLowerAndWing1WinsAtEqualHeight) {
    // Wing 1 panels split at x = 100, wing 2 over the same area split at 50, 100, 150.
    LatticeCase c;
    c.aircraft.CalcWingCount = 2;
    c.aircraft.planform[2] = c.aircraft.planform[1];
    c.aircraft.WingPosX[2] = 0;
    LatticeDrawing both = test::evenLattice(c.aircraft, 1, 2);
    both.wing[2] = test::evenLattice(c.aircraft, 1, 4).wing[2];
    const auto pixels = [&](double z1, double z2) {
        both.wing[1].height = z1;
        both.wing[2].height = z2;
        const QImage image = c.grid(both);
        return std::pair{atMm(image, c.view, 50, 150), atMm(image, c.view, 100, 150)};
    };
    EXPECT_EQ(pixels(0, 0), std::pair(tooltipBackground(), kBlue));
    EXPECT_EQ(pixels(5, 0), std::pair(tooltipBackground(), kBlue));
    EXPECT_EQ(pixels(0, 5), std::pair(kFuchsia, kFuchsia));
}

TEST(LatticeOverlay, MalformedStripsAreSkipped) {
    LatticeCase c;
    c.lattice.wing[1].strips[0].CornerXL.resize(2);
    const QImage image = c.grid(c.lattice);
    EXPECT_EQ(atMm(image, c.view, 100, 75), tooltipBackground());
    EXPECT_EQ(atMm(image, c.view, 100, 225), kBlue);
}

}  // namespace
}  // namespace ws
