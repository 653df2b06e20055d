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

double referenceLeadingEdge(double area, double mac, double r25, double rootChord, double rootX, double gapY) {
    const double own = r25 - mac / 4;
    if (gapY == 0 || !(area > 0)) return own;
    const double gap = 2 * rootChord * gapY;
    return (area * own + gap * rootX) / (area + gap);
}

}  // namespace ws
