#include "views/lattice_overlay.h"

#include <algorithm>

#include "views/pixel_math.h"
#include "views/view_colors.h"

namespace ws {

void DrawGrid1(Canvas& canvas, const GridWing& wing, int number, const TopViewTransform& view) {
    const double s = view.TopViewScale;
    const int column = view.width / 2;
    const int y0 = view.TopViewOriginY;
    const auto at = [&](double y, double x) {
        return QPoint(column + nearPixel(y * s), y0 + nearPixel(x * s));
    };
    const int panels = wing.ChordPanels;
    const std::size_t needed = static_cast<std::size_t>(std::max(panels, 0)) + 2;

    canvas.setPenColor(viewWingColor(number));
    canvas.setPenWidth(1);
    canvas.setBrushColor(tooltipBackground());
    std::vector<QPoint> corners(4);
    for (const GridStrip& strip : wing.strips) {
        if (strip.CornerXL.size() < needed || strip.CornerXR.size() < needed) continue;
        for (int j = 1; j <= panels; ++j) {
            corners[0] = at(strip.EdgeYL, strip.CornerXL[j]);
            corners[1] = at(strip.EdgeYR, strip.CornerXR[j]);
            corners[2] = at(strip.EdgeYR, strip.CornerXR[j + 1]);
            corners[3] = at(strip.EdgeYL, strip.CornerXL[j + 1]);
            canvas.polygon(corners);
        }
    }
}

void DrawGrid(Canvas& canvas, const LatticeDrawing& lattice, const TopViewTransform& view) {
    const auto& w = lattice.wing;
    if (lattice.wingCount <= 1) {
        if (lattice.wingCount == 1) DrawGrid1(canvas, w[1], 1, view);
        return;
    }
    if (lattice.wingCount == 2) {
        if (w[1].height < w[2].height) {
            DrawGrid1(canvas, w[1], 1, view);
            DrawGrid1(canvas, w[2], 2, view);
        } else {
            DrawGrid1(canvas, w[2], 2, view);
            DrawGrid1(canvas, w[1], 1, view);
        }
        return;
    }
    for (const int k : heightOrder({0, w[1].height, w[2].height, w[3].height}))
        DrawGrid1(canvas, w[k], k, view);
}

TopViewTransform redrawTopView(Canvas& canvas, const AircraftDrawing& aircraft, const LatticeDrawing* lattice,
                               bool ResultsValid, bool LatticeValid, const TopViewTransform& current,
                               bool fromZoomBar) {
    const TopViewTransform view =
        fromZoomBar ? current : fitTopView(aircraft, canvas.width(), canvas.height());
    clearAircraftView(canvas);
    if (lattice && ResultsValid && LatticeValid) DrawGrid(canvas, *lattice, view);
    return d_1d(canvas, aircraft, view, true);
}

}  // namespace ws
