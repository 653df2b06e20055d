// Not a check: renders every view of the start-up aircraft and a few variants
// into PNG files for a look by eye. Runs only when WINSTABIX_RENDER_DIR names
// a directory, e.g.
//   WINSTABIX_RENDER_DIR=/tmp/views ./qt_tests --gtest_filter=ViewRendering.*
#include <gtest/gtest.h>

#include <QDir>
#include <QString>
#include <functional>

#include "view_test_support.h"
#include "views/canvas.h"
#include "views/dimension_schematic.h"
#include "views/lattice_overlay.h"
#include "views/planform_view.h"
#include "views/top_view.h"
#include "views/view3d.h"

namespace ws {
namespace {

void render(const QString& dir, const QString& name, int w, int h, const std::function<void(Canvas&)>& draw) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        Canvas canvas(image);
        draw(canvas);
    }
    ASSERT_TRUE(image.save(dir + "/" + name + ".png")) << name.toStdString();
}

TEST(ViewRendering, WritesPngFilesWhenAsked) {
    const QString dir = qEnvironmentVariable("WINSTABIX_RENDER_DIR");
    if (dir.isEmpty()) GTEST_SKIP() << "set WINSTABIX_RENDER_DIR to render the views";
    QDir().mkpath(dir);

    const AircraftModel startup = startupAircraft();
    for (int w = 1; w <= 3; ++w) {
        const WingPlanform p = Calc_W(startup.wing[w]);
        render(dir, QStringLiteral("planform_w%1").arg(w), 601, 336,
               [&](Canvas& c) { drawPlanformView(c, p, w, false, 0); });
        const WingPlanform four = Calc_W(paramsFromEntry(entryFromParams(startup.wing[w]), 4));
        render(dir, QStringLiteral("planform_w%1_4trap_anp").arg(w), 601, 336,
               [&](Canvas& c) { drawPlanformView(c, four, w, true, four.WingR25 + 10); });
    }
    WingEntry gapped = defaultWingEntry(1);
    gapped.gap = 60;
    gapped.offset[2] = -80;
    const WingPlanform gap = Calc_W(paramsFromEntry(gapped, 2));
    render(dir, "planform_gap_forward_2trap", 601, 336,
           [&](Canvas& c) { drawPlanformView(c, gap, 1, false, 0); });

    for (int n = 1; n <= 4; ++n)
        render(dir, QStringLiteral("schematic_%1").arg(n), 923, 246, [&](Canvas& c) { d_w(c, n, true); });
    render(dir, "schematic_2_german", 923, 246, [&](Canvas& c) { d_w(c, 2, false); });

    const AircraftDrawing a = aircraftDrawing(startup);
    TopViewTransform view;
    render(dir, "topview", 694, 369, [&](Canvas& c) {
        view = redrawTopView(c, a, nullptr, false, false, TopViewTransform{}, false, true);
    });
    View3DPoints points{};
    render(dir, "view3d", 684, 246, [&](Canvas& c) { d_3d(c, a, 80, 250, view.View3DScale, points); });
    render(dir, "view3d_elevation90", 684, 246,
           [&](Canvas& c) { d_3d(c, a, 90, 250, view.View3DScale, points); });
    render(dir, "view3d_from_above", 684, 246,
           [&](Canvas& c) { d_3d(c, a, 0, 360, view.View3DScale, points); });

    AircraftModel three = startup;
    three.WingCount = three.CalcWingCount = 3;
    three.wing[1] = paramsFromEntry(entryFromParams(three.wing[1]), 4);
    const AircraftDrawing a3 = aircraftDrawing(three);
    const LatticeDrawing lattice = test::evenLattice(a3, 6, 5);
    render(dir, "topview_3wings_lattice", 694, 369, [&](Canvas& c) {
        view = redrawTopView(c, a3, &lattice, true, true, TopViewTransform{}, false, false);
    });
    TopViewTransform zoomed = view;
    zoomed.TopViewScale = view.TopViewBaseScale * 2;
    render(dir, "topview_3wings_zoomed", 694, 369,
           [&](Canvas& c) { redrawTopView(c, a3, &lattice, true, true, zoomed, true, true); });
    render(dir, "view3d_3wings", 684, 246,
           [&](Canvas& c) { d_3d(c, a3, 80, 250, view.View3DScale, points); });
}

}  // namespace
}  // namespace ws
