// One wing's half planform as the drawings outline it, and the order in which
// its edges are drawn. mm; chordwise x measured rearwards from the wing's own
// root leading edge, spanwise y from the centre line (negative: left half).
#pragma once

#include <QPoint>
#include <array>
#include <vector>

#include "model/planform.h"
#include "views/canvas.h"

namespace ws {

struct WingOutline {
    int n = 1;                  // trapeziums, 1..4
    double g = 0;               // root station: half the centre gap
    double c0 = 0;              // root chord
    std::array<double, 5> y{};  // [1..4] tip station of trapezium i
    std::array<double, 5> o{};  // [1..4] tip leading edge behind the root leading edge (signed)
    std::array<double, 5> c{};  // [1..4] tip chord
};

// Offsets come from station differences, so a stale WingPosX in the station x
// does not matter.
WingOutline outlineOf(const WingPlanform& planform);

// The largest of the root chord and the tip trailing edges.
double rearmostEdge(const WingOutline& wing);
// The foremost tip leading edge (root leading edge not counted).
double foremostTipEdge(const WingOutline& wing);

struct PlanformPoint {
    double y, x;
};
using PlanformPath = std::vector<PlanformPoint>;

// Connected runs in drawing order: the innermost trapezium right then left
// (closed by a root chord only when there is a centre gap), then every further
// trapezium right then left from the inner tip round to the inner trailing
// edge, so the chord between two trapeziums is drawn once.
std::vector<PlanformPath> outlinePaths(const WingOutline& wing);

// Draws the paths with the current pen, each point placed by `toPixel`.
template <class ToPixel>
void drawOutline(Canvas& canvas, const WingOutline& wing, ToPixel toPixel) {
    for (const PlanformPath& path : outlinePaths(wing)) {
        const QPoint first = toPixel(path.front());
        canvas.moveTo(first.x(), first.y());
        for (std::size_t i = 1; i < path.size(); ++i) {
            const QPoint p = toPixel(path[i]);
            canvas.lineTo(p.x(), p.y());
        }
    }
}

}  // namespace ws
