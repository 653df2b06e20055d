#include "model/reference_wing.h"

#include "model/number_format.h"

namespace ws {

int referenceWing(std::span<const WingExtent> wings) {
    double bestSpan = 0, bestArea = 0;
    int best = 1;
    for (std::size_t i = 0; i < wings.size(); ++i) {
        const WingExtent& w = wings[i];
        if (!w.present) continue;
        const bool tie = roundInt(w.halfSpan * 10) == roundInt(bestSpan * 10);
        if ((!tie && w.halfSpan > bestSpan) || (tie && w.area > bestArea)) {
            best = int(i) + 1;
            bestSpan = w.halfSpan;
            bestArea = w.area;
        }
    }
    return best;
}

ReferenceArea referenceArea(double area, double mac, double halfChordSquared, double rootChord, double gapY) {
    if (gapY == 0 || !(area > 0)) return {area, mac};
    const double filled = area + 2 * rootChord * gapY;
    return {filled, 2 * (rootChord * rootChord * gapY + halfChordSquared) / filled};
}

double meanChordLeadingEdge(const WingPlanform& p) {
    const double gap = p.StationY[1];
    double weight = p.StationChord[1] * gap;  // ∫c dy over one half
    double moment = p.StationX[1] * weight;   // ∫x_le c dy
    for (int j = 1; j < p.StationCount; ++j) {
        const double dy = p.StationY[j + 1] - p.StationY[j];
        const double c0 = p.StationChord[j], dc = p.StationChord[j + 1] - c0;
        const double x0 = p.StationX[j], dx = p.StationX[j + 1] - x0;
        weight += (c0 + dc / 2) * dy;
        moment += (x0 * c0 + (x0 * dc + dx * c0) / 2 + dx * dc / 3) * dy;
    }
    return weight > 0 ? moment / weight : p.StationX[1];
}

}  // namespace ws
