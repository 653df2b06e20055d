// What the views draw, primitive by primitive (drawing_record.h), against goldens (tests/golden.h).
#include <gtest/gtest.h>

#include <algorithm>

#include "drawing_record.h"
#include "golden.h"
#include "solver/calculation.h"
#include "texts/scoped_language.h"
#include "views/dimension_schematic.h"
#include "views/lattice_from_solver.h"
#include "views/lattice_overlay.h"
#include "views/planform_view.h"
#include "views/stability_view.h"
#include "views/top_view.h"
#include "views/view3d.h"

namespace ws {
namespace {

using test::DrawingRecord;
using test::expectGolden;

// Three wings: a canard ahead of the zero, wing 1 of four trapeziums with a
// centre gap and a forward tip, wing 3 high above the others.
AircraftModel threeWings() {
    AircraftModel m = startupAircraft();
    m.WingCount = m.CalcWingCount = 3;
    WingEntry e = defaultWingEntry(1);
    e.gap = 30;
    e.span[2] = 200;
    e.span[3] = 120;
    e.span[4] = 60;
    e.chord[3] = 200;
    e.chord[4] = 150;
    e.chord[5] = 60;
    e.offset[3] = 50;
    e.offset[4] = 40;
    e.offset[5] = -10;
    m.wing[1] = paramsFromEntry(e, 4);
    WingEntry c = defaultWingEntry(3);
    c.posX = -250;
    c.posZ = 120;
    m.wing[3] = paramsFromEntry(c, 1);
    return m;
}

TEST(GoldenDrawing, TopViews) {
    for (const auto& [name, model] : {std::pair{"top-view-startup.txt", startupAircraft()},
                                      std::pair{"top-view-three-wings.txt", threeWings()}}) {
        const AircraftDrawing a = aircraftDrawing(model);
        expectGolden(name, DrawingRecord::of({694, 369}, [&](Canvas& c) {
                         clearAircraftView(c);
                         const TopViewTransform t = d_1d(c, a, TopViewTransform{}, false);
                         d_1d(c, a, t, true);  // the zoom bar's redraw keeps scale and origin
                         d_1d_w(c, a, 1, t);
                     }));
    }
}

TEST(GoldenDrawing, ThreeDimensionalViews) {
    for (const auto& [name, model] : {std::pair{"view3d-startup.txt", startupAircraft()},
                                      std::pair{"view3d-three-wings.txt", threeWings()}}) {
        const AircraftDrawing a = aircraftDrawing(model);
        std::string record;
        for (const auto& [elevation, azimuth] : {std::pair{80, 250}, std::pair{20, 40}}) {
            View3DPoints points{};
            record += DrawingRecord::of({684, 246}, [&](Canvas& c) {
                d_3d(c, a, elevation, azimuth, ScrollBar4Change(40, 0.5), points);
            });
        }
        expectGolden(name, record);
    }
}

TEST(GoldenDrawing, DimensionSchematics) {
    const test::ScopedLanguage inForce(Language::German);
    std::string record;
    for (int n = 1; n <= 4; ++n) {
        record += "trapeziums " + std::to_string(n) + "\n";
        record += DrawingRecord::of({923, 246}, [&](Canvas& c) { d_w(c, n); });
    }
    expectGolden("dimension-schematics.txt", record);
}

TEST(GoldenDrawing, PlanformViews) {
    const AircraftModel m = threeWings();
    std::string record;
    for (const auto& [wing, results] : {std::pair{1, true}, std::pair{2, false}, std::pair{3, true}}) {
        record += DrawingRecord::of({601, 336}, [&](Canvas& c) {
            record += "scale " +
                      std::to_string(drawPlanformView(c, Calc_W(m.wing[wing]), wing, results, 0.3)) + "\n";
        });
    }
    expectGolden("planform-views.txt", record);
}

TEST(GoldenDrawing, LatticeOnlyWhileItBelongsToTheAircraft) {
    const CalcResult result = runCalculation(startupAircraft());
    const AircraftDrawing a = aircraftDrawing(startupAircraft());
    LatticeDrawing lattice = latticeDrawing(result.lattice);
    const auto redraw = [&](bool results, bool valid, const LatticeDrawing* given) {
        return DrawingRecord::of({694, 369}, [&](Canvas& c) {
            redrawTopView(c, a, given, results, valid, TopViewTransform{}, false);
        });
    };
    expectGolden("lattice-overlay.txt", redraw(true, true, &lattice));
    // Without results, with a lattice of other entries or none: the top view alone.
    const std::string plain = DrawingRecord::of({694, 369}, [&](Canvas& c) {
        clearAircraftView(c);
        d_1d(c, a, TopViewTransform{}, false);
    });
    EXPECT_EQ(redraw(true, false, &lattice), plain);
    EXPECT_EQ(redraw(false, true, &lattice), plain);
    EXPECT_EQ(redraw(true, true, nullptr), plain);
    // A strip with too few corners is left out, the others stay.
    const auto lines = [](const std::string& record) {
        return std::count(record.begin(), record.end(), '\n');
    };
    const auto grid = [&] {
        return DrawingRecord::of({694, 369},
                                 [&](Canvas& c) { DrawGrid(c, lattice, fitTopView(a, 694, 369)); });
    };
    const auto whole = lines(grid());
    lattice.wing[1].strips[0].CornerXL.resize(2);
    const auto skipped = lines(grid());
    EXPECT_LT(skipped, whole);
    EXPECT_GT(skipped, whole - 20);
}

// The higher wing's strips cover the lower one's: two wings with wing 1 on top, and three wings.
TEST(GoldenDrawing, LatticeDrawnFromTheLowestWingUp) {
    std::string record;
    for (const auto& [m, lift] : {std::pair{startupAircraft(), 500.0}, std::pair{threeWings(), 0.0}}) {
        LatticeDrawing lattice = latticeDrawing(runCalculation(m).lattice);
        lattice.wing[1].height += lift;
        record += DrawingRecord::of(
            {694, 369}, [&](Canvas& c) { DrawGrid(c, lattice, fitTopView(aircraftDrawing(m), 694, 369)); });
    }
    expectGolden("lattice-orders.txt", record);
}

TEST(GoldenDrawing, StabilityViewOfTheCalculatedStartupAircraft) {
    const CalcResult result = runCalculation(startupAircraft());
    ASSERT_TRUE(result.done());
    const AircraftDrawing aircraft = aircraftDrawing(startupAircraft());
    const LatticeDrawing lattice = latticeDrawing(result.lattice);
    StabilityBackground b;
    b.aircraft = &aircraft;
    b.lattice = &lattice;
    const Evaluation& e = result.evaluation;
    b.RefOutline = {e.RefOutline.data(), static_cast<std::size_t>(e.RefOutlineCount)};
    b.LatticeValid = false;  // the lattice's own golden file holds it
    std::string record;
    for (bool manual : {false, true}) {
        const StabilityDisplay d = stabilityDisplay(result.stability, e, manual);
        record += DrawingRecord::of({555, 320}, [&](Canvas& c) {
            const TopViewTransform t = drawStabilityView(c, b, d, {}, false);
            Zeiger(c, d, t);
        });
    }
    expectGolden("stability-view.txt", record);
}

}  // namespace
}  // namespace ws
