#include "views/wing_outline.h"

#include <algorithm>

namespace ws {

WingOutline outlineOf(const WingPlanform& planform) {
    WingOutline w;
    w.n = clampedTrapCount(planform.StationCount - 1);
    w.g = planform.StationY[1];
    w.c0 = planform.StationChord[1];
    for (int i = 1; i <= kMaxTrapeziums; ++i) {
        w.y[i] = planform.StationY[i + 1];
        w.o[i] = planform.StationX[i + 1] - planform.StationX[1];
        w.c[i] = planform.StationChord[i + 1];
    }
    return w;
}

double rearmostEdge(const WingOutline& w) {
    double rear = w.c0;
    for (int i = 1; i <= w.n; ++i) rear = std::max(rear, w.o[i] + w.c[i]);
    return rear;
}

double foremostTipEdge(const WingOutline& w) {
    double front = w.o[1];
    for (int i = 2; i <= w.n; ++i) front = std::min(front, w.o[i]);
    return front;
}

std::vector<PlanformPath> outlinePaths(const WingOutline& w) {
    std::vector<PlanformPath> paths;
    paths.reserve(2 * static_cast<std::size_t>(w.n));
    PlanformPath right{{w.g, 0}, {w.y[1], w.o[1]}, {w.y[1], w.o[1] + w.c[1]}, {w.g, w.c0}};
    PlanformPath left{{-w.g, w.c0}, {-w.y[1], w.o[1] + w.c[1]}, {-w.y[1], w.o[1]}, {-w.g, 0}};
    if (w.g != 0) {
        right.push_back({w.g, 0});
        left.push_back({-w.g, w.c0});
    }
    paths.push_back(std::move(right));
    paths.push_back(std::move(left));
    for (int i = 2; i <= w.n; ++i) {
        for (const double side : {1.0, -1.0}) {
            paths.push_back({{side * w.y[i - 1], w.o[i - 1]},
                             {side * w.y[i], w.o[i]},
                             {side * w.y[i], w.o[i] + w.c[i]},
                             {side * w.y[i - 1], w.o[i - 1] + w.c[i - 1]}});
        }
    }
    return paths;
}

}  // namespace ws
