#include "solver/evaluation.h"

#include "model/number_format.h"

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

    // Spans equal to 0.1 mm are a tie, decided by area: a literal comparison
    // would let rounding noise choose a half-size tail.
    double bestSpan = 0, bestArea = 0;
    e.RefWing = 1;
    for (int w = 1; w <= sizes.CalcWingCount; ++w) {
        if (sizes.WingStrips[w] < 1) continue;
        const double h = lattice.vortexYR(sizes.WingStrips[w], w) - lattice.vortexYL(1, w);
        const bool tie = roundInt(h * 10) == roundInt(bestSpan * 10);
        if ((!tie && h > bestSpan) || (tie && e.WingArea[w] > bestArea)) {
            e.RefWing = w;
            bestSpan = h;
            bestArea = e.WingArea[w];
        }
    }

    const int r = e.RefWing;
    e.RefArea = e.WingArea[r];
    e.RefChord = e.WingMAC[r];
    if (sizes.WingStrips[r] > 0) {
        const double y0 = lattice.vortexYL(1, r);
        if (y0 != 0) {
            const int cp = sizes.ChordPanels[r];
            const double c0 = lattice.cornerXL(cp + 1, 1, r) - lattice.cornerXL(1, 1, r);
            e.RefArea = e.RefArea + 2 * c0 * y0;
            e.RefChord = 2 * (c0 * c0 * y0 + Q[r]) / e.RefArea;
        }
    }

    const WingPlanform& p = wings[r];
    const int ns = p.StationCount;
    e.RefOutlineCount = 2 * ns + 2;
    e.RefOutline[0] = {p.StationX[1], 0};
    for (int j = 1; j <= ns; ++j) {
        e.RefOutline[std::size_t(j)] = {p.StationX[j], p.StationY[j]};
        e.RefOutline[std::size_t(2 * ns + 1 - j)] = {p.StationX[j] + p.StationChord[j], p.StationY[j]};
    }
    e.RefOutline[std::size_t(2 * ns + 1)] = {p.StationX[1] + p.StationChord[1], 0};
    return e;
}

}  // namespace ws
