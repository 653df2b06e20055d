#include "solver/plausibility.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace ws {

namespace {

double sweep(double dx, double dy) {
    if (!(dy > 0)) return 0;
    return std::atan2(std::abs(dx), dy) * 180 / std::numbers::pi;
}

// Frontmost leading edge and rearmost trailing edge of the corners in
// [first, last) of both strip edges.
std::pair<double, double> coveredRange(const Lattice& lattice, std::size_t first, std::size_t last) {
    last = std::min({last, lattice.CornerXL.size(), lattice.CornerXR.size()});
    if (first >= last) return {0, 0};
    const auto [frontL, rearL] =
        std::minmax_element(lattice.CornerXL.begin() + long(first), lattice.CornerXL.begin() + long(last));
    const auto [frontR, rearR] =
        std::minmax_element(lattice.CornerXR.begin() + long(first), lattice.CornerXR.begin() + long(last));
    return {std::min(*frontL, *frontR), std::max(*rearL, *rearR)};
}

bool within(double x, std::pair<double, double> range) {
    return x >= range.first && x <= range.second;
}

}  // namespace

double leadingEdgeSweep(const WingPlanform& p, int k) {
    return sweep(p.StationX[k + 1] - p.StationX[k], p.StationY[k + 1] - p.StationY[k]);
}

double trailingEdgeSweep(const WingPlanform& p, int k) {
    return sweep(p.StationX[k + 1] + p.StationChord[k + 1] - p.StationX[k] - p.StationChord[k],
                 p.StationY[k + 1] - p.StationY[k]);
}

std::optional<Refusal> refusedAsTooSwept(const WingPlanforms& wings, int calcWingCount) {
    Refusal refusal;
    for (int w = 1; w <= calcWingCount; ++w) {
        for (int k = 1; k < wings[w].StationCount; ++k) {
            const std::pair<MessageCode, double> edges[] = {
                {MessageCode::LeadingEdgeSwept, leadingEdgeSweep(wings[w], k)},
                {MessageCode::TrailingEdgeSwept, trailingEdgeSweep(wings[w], k)}};
            for (const auto& [code, angle] : edges) {
                if (!(angle > kMaxSweepDegrees)) continue;
                refusal.add({MessageCode::TrapeziumFailed, w, k}, {code, std::llround(angle * 10)});
            }
        }
    }
    if (refusal.lines.empty()) return std::nullopt;
    return refusal;
}

std::optional<Refusal> refusedAsImplausible(const Lattice& lattice, const Evaluation& e) {
    Refusal refusal;
    for (int w = 1; w <= lattice.sizes.CalcWingCount; ++w) {
        if (!(e.LiftSlopeWing[w] > 0)) {
            refusal.add({MessageCode::CannotCalculateWing, w}, {MessageCode::NoLift});
            continue;
        }
        const std::size_t first = std::size_t(lattice.firstCorner[w]);
        const std::size_t corners =
            std::size_t(lattice.sizes.WingStrips[w]) * std::size_t(lattice.sizes.ChordPanels[w] + 1);
        if (!within(e.AnpWing[w], coveredRange(lattice, first, first + corners))) {
            refusal.add({MessageCode::CannotCalculateWing, w}, {MessageCode::WingCentreOffWing});
        }
    }
    if (!(e.RefArea > 0) || !(e.RefChord > 0)) {
        refusal.add({MessageCode::CannotCalculateAircraft}, {MessageCode::NoReference});
    }
    if (!within(e.AnpAircraft, coveredRange(lattice, 0, lattice.CornerXL.size()))) {
        refusal.add({MessageCode::CannotCalculateAircraft}, {MessageCode::NeutralPointOffWings});
    }
    if (refusal.lines.empty()) return std::nullopt;
    return refusal;
}

}  // namespace ws
