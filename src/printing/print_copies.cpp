#include "printing/print_copies.h"

#include <span>

#include "views/lattice_from_solver.h"
#include "views/stability_view.h"
#include "views/view3d.h"

namespace ws {

PrintCopies drawPrintCopies(const PrintJobInput& input) {
    PrintCopies copies{QImage(kTopCopySize, QImage::Format_RGB32),
                       QImage(kView3DCopySize, QImage::Format_RGB32)};
    {
        Canvas top(copies.top);
        clearAircraftView(top);
        Canvas view3D(copies.view3D);
        clearAircraftView(view3D);
    }
    if (!input.model || !input.calc) return copies;

    const CalcResult& calc = *input.calc;
    const Evaluation& e = calc.evaluation;
    const AircraftDrawing aircraft = aircraftDrawing(*input.model);
    const LatticeDrawing lattice = calc.latticeBuilt ? latticeDrawing(calc.lattice) : LatticeDrawing{};
    StabilityBackground background;
    background.aircraft = &aircraft;
    background.lattice = calc.latticeBuilt ? &lattice : nullptr;
    background.RefOutline =
        std::span<const OutlinePoint>(e.RefOutline.data(), std::size_t(std::max(e.RefOutlineCount, 0)));
    background.LatticeValid = input.LatticeValid && calc.latticeBuilt;
    const StabilityDisplay display =
        stabilityDisplay(input.stability, e.RefArea, e.RefChord, e.AnpAircraft, input.manual);

    TopViewTransform view;
    {
        Canvas c(copies.top);
        view = drawStabilityView(c, background, display, TopViewTransform{}, false);
    }
    Canvas c(copies.view3D);
    View3DPoints points{};
    d_3d(c, aircraft, input.ScrollBar1, input.ScrollBar2, view.View3DScale, points);
    return copies;
}

}  // namespace ws
