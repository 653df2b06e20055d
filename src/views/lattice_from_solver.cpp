#include "views/lattice_from_solver.h"

#include <algorithm>

namespace ws {

namespace {

// Whether the tables reach the last corner and strip of wing w.
bool holds(const Lattice& lattice, int w, int panels, int strips) {
    return lattice.cornerIndex(panels + 1, strips, w) < lattice.CornerXL.size() &&
           lattice.cornerIndex(panels + 1, strips, w) < lattice.CornerXR.size() &&
           lattice.stripIndex(strips, w) < lattice.VortexYL.size() &&
           lattice.stripIndex(strips, w) < lattice.VortexYR.size();
}

}  // namespace

LatticeDrawing latticeDrawing(const Lattice& lattice) {
    LatticeDrawing drawing;
    const LatticeSizes& sizes = lattice.sizes;
    drawing.wingCount = std::clamp(sizes.CalcWingCount, 0, kMaxWings);
    for (int w = 1; w <= drawing.wingCount; ++w) {
        GridWing& wing = drawing.wing[w];
        const int panels = sizes.ChordPanels[w];
        const int strips = sizes.WingStrips[w];
        if (panels < 1 || strips < 1 || !holds(lattice, w, panels, strips)) {
            drawing.wingCount = w - 1;
            break;
        }
        wing.ChordPanels = panels;
        wing.height = lattice.WingZ[w];
        wing.strips.resize(static_cast<std::size_t>(strips));
        int s = 1;
        for (GridStrip& strip : wing.strips) {
            strip.EdgeYL = lattice.edgeYL(s, w);
            strip.EdgeYR = lattice.edgeYR(s, w);
            // Element 0 unused, as in the solver's numbering.
            strip.CornerXL.assign(static_cast<std::size_t>(panels) + 2, 0.0);
            strip.CornerXR.assign(static_cast<std::size_t>(panels) + 2, 0.0);
            for (int i = 1; i <= panels + 1; ++i) {
                strip.CornerXL[static_cast<std::size_t>(i)] = lattice.cornerXL(i, s, w);
                strip.CornerXR[static_cast<std::size_t>(i)] = lattice.cornerXR(i, s, w);
            }
            ++s;
        }
    }
    return drawing;
}

}  // namespace ws
