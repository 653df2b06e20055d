// Redraw cost of the drawings, offscreen, at the design image sizes, for the
// start-up aircraft. Budgets: a wing page within 16 ms per keystroke, the
// aircraft page within 30 ms per position change.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <memory>

#include "model/aircraft.h"
#include "model/planform.h"
#include "views/canvas.h"
#include "views/dimension_schematic.h"
#include "views/lattice_overlay.h"
#include "views/planform_view.h"
#include "views/top_view.h"
#include "views/view3d.h"

namespace {

// Text drawing needs the application's font database.
void ensureApplication() {
    static std::unique_ptr<QGuiApplication> app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "bench_views";
        static char* argv[] = {name, nullptr};
        return std::make_unique<QGuiApplication>(argc, argv);
    }();
}

QImage image(int w, int h) {
    return QImage(w, h, QImage::Format_RGB32);
}

// A keystroke in a field of wing 1: recalculate the wing, draw its planform, write its labels.
void BM_WingPage(benchmark::State& state) {
    ensureApplication();
    const ws::AircraftModel model = ws::startupAircraft();
    QImage planform = image(601, 336);
    for (auto _ : state) {
        const ws::WingPlanform p = ws::Calc_W(model.wing[1]);
        ws::Canvas canvas(planform);
        benchmark::DoNotOptimize(ws::drawPlanformView(canvas, p, 1, false, 0));
        benchmark::DoNotOptimize(ws::wingLabelTexts(p));
    }
}
BENCHMARK(BM_WingPage)->Unit(benchmark::kMillisecond);

// A trapezium-count change also redraws the schematic.
void BM_Schematic(benchmark::State& state) {
    ensureApplication();
    QImage schematic = image(923, 246);
    for (auto _ : state) {
        ws::Canvas canvas(schematic);
        ws::d_w(canvas, 4);
    }
}
BENCHMARK(BM_Schematic)->Unit(benchmark::kMillisecond);

// A position change: all wings recalculated, the top view fitted and drawn, the 3-D view drawn.
void BM_AircraftPage(benchmark::State& state) {
    ensureApplication();
    const ws::AircraftModel model = ws::startupAircraft();
    QImage top = image(694, 369);
    QImage view3d = image(684, 246);
    ws::View3DPoints points{};
    for (auto _ : state) {
        const ws::AircraftDrawing a = ws::aircraftDrawing(model);
        ws::TopViewTransform view;
        {
            ws::Canvas canvas(top);
            view = ws::redrawTopView(canvas, a, nullptr, false, false, ws::TopViewTransform{}, false);
        }
        ws::Canvas canvas(view3d);
        ws::d_3d(canvas, a, 80, 250, view.View3DScale, points);
    }
}
BENCHMARK(BM_AircraftPage)->Unit(benchmark::kMillisecond);

// An even lattice of about 400 panels per wing, as the solver sizes it.
ws::LatticeDrawing lattice(const ws::AircraftDrawing& a, int strips, int panels) {
    ws::LatticeDrawing l;
    l.wingCount = a.CalcWingCount;
    for (int w = 1; w <= a.CalcWingCount; ++w) {
        const ws::WingPlanform& p = a.planform[w];
        ws::GridWing& g = l.wing[w];
        g.ChordPanels = panels;
        g.height = a.WingPosZ[w];
        for (int m = 0; m < strips; ++m) {
            ws::GridStrip s;
            const auto edge = [&](double t, double& y, std::vector<double>& corner) {
                const double le = a.WingPosX[w] + (p.StationX[2] - p.StationX[1]) * t;
                const double c = p.StationChord[1] + (p.StationChord[2] - p.StationChord[1]) * t;
                y = p.StationY[1] + (p.StationY[2] - p.StationY[1]) * t;
                corner.assign(static_cast<std::size_t>(panels) + 2, 0.0);
                for (int i = 1; i <= panels + 1; ++i)
                    corner[static_cast<std::size_t>(i)] = le + c * (i - 1) / panels;
            };
            edge(double(m) / strips, s.EdgeYL, s.CornerXL);
            edge(double(m + 1) / strips, s.EdgeYR, s.CornerXR);
            g.strips.push_back(std::move(s));
        }
    }
    return l;
}

// The aircraft page after a calculation: the lattice under the outlines, then the 3-D view.
void BM_AircraftPageWithLattice(benchmark::State& state) {
    ensureApplication();
    const ws::AircraftModel model = ws::startupAircraft();
    const ws::LatticeDrawing grid = lattice(ws::aircraftDrawing(model), 31, 13);
    QImage top = image(694, 369);
    QImage view3d = image(684, 246);
    ws::View3DPoints points{};
    for (auto _ : state) {
        const ws::AircraftDrawing a = ws::aircraftDrawing(model);
        ws::TopViewTransform view;
        {
            ws::Canvas canvas(top);
            view = ws::redrawTopView(canvas, a, &grid, true, true, ws::TopViewTransform{}, false);
        }
        ws::Canvas canvas(view3d);
        ws::d_3d(canvas, a, 80, 250, view.View3DScale, points);
    }
}
BENCHMARK(BM_AircraftPageWithLattice)->Unit(benchmark::kMillisecond);

}  // namespace
