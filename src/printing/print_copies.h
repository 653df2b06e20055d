// The print-size top and 3-D views of the summary page, drawn by the views'
// own drawing routines onto a canvas of their print size (a bitmap of their
// own, or their place on the page), so printing never resizes or redraws
// what the window shows. mm, aircraft frame (x rearwards); view pixels.
#pragma once

#include <QImage>
#include <vector>

#include "printing/summary_page.h"
#include "views/lattice_overlay.h"
#include "views/stability_view.h"
#include "views/top_view.h"

namespace ws {

// What the two views are drawn from, copied out of the model and the
// calculation, so the page can be drawn again whenever a printer asks.
struct PrintViews {
    bool calculated = false;  // false: both views blank
    AircraftDrawing aircraft;
    bool latticeBuilt = false;
    LatticeDrawing lattice;
    std::vector<OutlinePoint> RefOutline;
    bool LatticeValid = false;
    StabilityDisplay display;
    int elevation = 80, azimuth = 250;  // 3-D view, bar positions
};

PrintViews printViews(const PrintJobInput& input);

// The top view of kTopCopySize fitted anew, with the stability display;
// returns its transform, whose View3DScale the 3-D view takes.
TopViewTransform drawTopCopy(Canvas& canvas, const PrintViews& views);
// The 3-D view of kView3DCopySize at `scale` pixels per mm.
void draw3DCopy(Canvas& canvas, const PrintViews& views, double scale);

struct PrintCopies {
    QImage top;     // kTopCopySize
    QImage view3D;  // kView3DCopySize
};

// Both views as bitmaps of their print size.
PrintCopies drawPrintCopies(const PrintViews& views);

}  // namespace ws
