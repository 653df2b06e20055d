#include "printing/print_copies.h"

#include <span>

#include "texts/balance_texts.h"
#include "views/lattice_from_solver.h"
#include "views/view3d.h"

namespace ws {

PrintViews printViews(const PrintJobInput& input) {
    PrintViews v;
    if (!input.model || !input.calc) return v;
    const CalcResult& calc = *input.calc;
    const Evaluation& e = calc.evaluation;
    v.calculated = true;
    v.aircraft = aircraftDrawing(*input.model);
    v.latticeBuilt = calc.latticeBuilt;
    if (calc.latticeBuilt) v.lattice = latticeDrawing(calc.lattice);
    v.RefOutline.assign(e.RefOutline.begin(), e.RefOutline.begin() + std::max(e.RefOutlineCount, 0));
    v.LatticeValid = input.LatticeValid && calc.latticeBuilt;
    v.display = stabilityDisplay(input.stability, e, input.manual);
    if (input.balance.known)
        v.display.actualCg = BalanceMark{input.balance.cg, actualCgRow(input.balance.cg)};
    v.elevation = input.elevation;
    v.azimuth = input.azimuth;
    return v;
}

TopViewTransform drawTopCopy(Canvas& canvas, const PrintViews& v) {
    clearAircraftView(canvas);
    if (!v.calculated) return {};
    StabilityBackground background;
    background.aircraft = &v.aircraft;
    background.lattice = v.latticeBuilt ? &v.lattice : nullptr;
    background.RefOutline = std::span<const OutlinePoint>(v.RefOutline);
    background.LatticeValid = v.LatticeValid;
    return drawStabilityView(canvas, background, v.display, TopViewTransform{}, false);
}

void draw3DCopy(Canvas& canvas, const PrintViews& v, double scale) {
    clearAircraftView(canvas);
    if (!v.calculated) return;
    View3DPoints points{};
    d_3d(canvas, v.aircraft, v.elevation, v.azimuth, scale, points);
}

PrintCopies drawPrintCopies(const PrintViews& views) {
    PrintCopies copies{QImage(kTopCopySize, QImage::Format_RGB32),
                       QImage(kView3DCopySize, QImage::Format_RGB32)};
    TopViewTransform view;
    {
        Canvas c(copies.top);
        view = drawTopCopy(c, views);
    }
    Canvas c(copies.view3D);
    draw3DCopy(c, views, view.View3DScale);
    return copies;
}

}  // namespace ws
