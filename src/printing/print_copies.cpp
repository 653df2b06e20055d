#include "printing/print_copies.h"

#include "printing/summary_page.h"
#include "views/view3d.h"

namespace ws {

LatticeDrawing latticeDrawing(const Lattice& lattice) {
    LatticeDrawing d;
    const LatticeSizes& sizes = lattice.sizes;
    d.wingCount = sizes.CalcWingCount;
    for (int w = 1; w <= sizes.CalcWingCount && w <= kMaxWings; ++w) {
        GridWing& g = d.wing[w];
        const int panels = sizes.ChordPanels[w];
        g.ChordPanels = panels;
        g.height = lattice.WingZ[w];
        g.strips.resize(std::size_t(std::max(sizes.WingStrips[w], 0)));
        for (int s = 1; s <= sizes.WingStrips[w]; ++s) {
            GridStrip& strip = g.strips[std::size_t(s - 1)];
            strip.EdgeYL = lattice.edgeYL(s, w);
            strip.EdgeYR = lattice.edgeYR(s, w);
            strip.CornerXL.assign(std::size_t(panels) + 2, 0.0);
            strip.CornerXR.assign(std::size_t(panels) + 2, 0.0);
            for (int i = 1; i <= panels + 1; ++i) {
                strip.CornerXL[std::size_t(i)] = lattice.cornerXL(i, s, w);
                strip.CornerXR[std::size_t(i)] = lattice.cornerXR(i, s, w);
            }
        }
    }
    return d;
}

TopViewTransform drawCalculatedTopView(Canvas& canvas, const AircraftDrawing& aircraft,
                                       const LatticeDrawing& lattice, bool UiEnglish) {
    return redrawTopView(canvas, aircraft, &lattice, true, true, TopViewTransform{}, false, UiEnglish);
}

PrintCopies drawPrintCopies(const AircraftDrawing& aircraft, const TopViewDrawing& topView, int ScrollBar1,
                            int ScrollBar2) {
    PrintCopies copies{QImage(kTopCopySize, QImage::Format_RGB32),
                       QImage(kView3DCopySize, QImage::Format_RGB32)};
    copies.top.fill(Qt::white);
    copies.view3D.fill(Qt::white);
    TopViewTransform view;
    {
        Canvas c(copies.top);
        view = topView(c);
    }
    Canvas c(copies.view3D);
    View3DPoints points{};
    d_3d(c, aircraft, ScrollBar1, ScrollBar2, view.View3DScale, points);
    return copies;
}

}  // namespace ws
