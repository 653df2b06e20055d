#include "solver/evaluation.h"

#include <algorithm>

#include "model/reference_wing.h"

namespace ws {

namespace {

// Integral of the square of a chord that runs linearly from lL to lR over dy.
double chordSquared(double lL, double lR, double dy) {
    const double d = lL - lR;
    return dy * (lL * lL - lL * d + d * d / 3);
}

}  // namespace

Evaluation WIRBEL_ERG(const Lattice& lattice, const double* gamma, const WingPlanforms& wings) {
    const LatticeSizes& sizes = lattice.sizes;
    Evaluation e;
    double L = 0, M = 0;
    std::array<double, kMaxWings + 1> Q{};
    std::size_t n = 0;

    for (int w = 1; w <= sizes.CalcWingCount; ++w) {
        const int cp = sizes.ChordPanels[w];
        double Lw = 0, Mw = 0;
        for (int s = 1; s <= sizes.WingStrips[w]; ++s) {
            const double dy = lattice.vortexYR(s, w) - lattice.vortexYL(s, w);
            double stripLift = 0;
            for (int i = 1; i <= cp; ++i) {
                const double g = 2 * gamma[n++] * dy;
                stripLift += g;
                const double x = (lattice.vortexXL(i, s, w) + lattice.vortexXR(i, s, w)) / 2;
                M = M - 2 * g * x;
                Mw = Mw - 2 * g * x;
            }
            const double lL = lattice.cornerXL(cp + 1, s, w) - lattice.cornerXL(1, s, w);
            const double lR = lattice.cornerXR(cp + 1, s, w) - lattice.cornerXR(1, s, w);
            Q[w] += chordSquared(lL, lR, dy);
            e.WingArea[w] += (lL + lR) * dy;
            Lw = Lw + 2 * stripLift;
        }
        e.WingMAC[w] = 2 * Q[w] / e.WingArea[w];
        e.WingSpan[w] = sizes.WingStrips[w] > 0 ? 2 * lattice.edgeYR(sizes.WingStrips[w], w) : 0;
        e.WingAspect[w] = e.WingSpan[w] * e.WingSpan[w] / e.WingArea[w];
        e.LiftSlopeWing[w] = Lw / e.WingArea[w];
        e.AnpWing[w] = -Mw / Lw;
        L = L + Lw;
    }
    e.AnpAircraft = -M / L;

    std::array<WingExtent, kMaxWings> extents{};
    for (int w = 1; w <= sizes.CalcWingCount; ++w) {
        WingExtent& x = extents[std::size_t(w - 1)];
        x.present = sizes.WingStrips[w] >= 1;
        if (x.present) x.halfSpan = lattice.vortexYR(sizes.WingStrips[w], w) - lattice.vortexYL(1, w);
        x.area = e.WingArea[w];
    }
    e.RefWing = referenceWing(std::span(extents.data(), std::size_t(std::max(sizes.CalcWingCount, 0))));

    const int r = e.RefWing;
    e.RefArea = e.WingArea[r];
    e.RefChord = e.WingMAC[r];
    if (sizes.WingStrips[r] > 0) {
        const int cp = sizes.ChordPanels[r];
        const double c0 = lattice.cornerXL(cp + 1, 1, r) - lattice.cornerXL(1, 1, r);
        const ReferenceArea ref =
            referenceArea(e.WingArea[r], e.WingMAC[r], Q[r], c0, lattice.vortexYL(1, r));
        e.RefArea = ref.area;
        e.RefChord = ref.chord;
    }

    const WingPlanform& p = wings[r];
    e.RefMacLe = meanChordLeadingEdge(p);
    const int ns = p.StationCount;
    e.RefOutlineCount = 2 * ns + 2;
    e.RefOutline[0] = {p.StationX[1], 0};
    const auto last = 2 * static_cast<std::size_t>(ns) + 1;
    for (int j = 1; j <= ns; ++j) {
        const auto k = static_cast<std::size_t>(j);
        e.RefOutline[k] = {p.StationX[j], p.StationY[j]};
        e.RefOutline[last - k] = {p.StationX[j] + p.StationChord[j], p.StationY[j]};
    }
    e.RefOutline[last] = {p.StationX[1] + p.StationChord[1], 0};
    return e;
}

}  // namespace ws
