// WIRBEL_ERG: lift slopes and aerodynamic centres from the solved
// circulations, the planform values again from the lattice, and the
// reference wing of the aircraft values. mm, mm², x rearwards; slopes per
// radian.
#pragma once

#include <array>

#include "solver/lattice.h"

namespace ws {

struct OutlinePoint {
    double x = 0, y = 0;
};

struct Evaluation {
    // [1..3]; wings outside the calculation keep 0.
    std::array<double, kMaxWings + 1> WingArea{}, WingMAC{}, WingSpan{}, WingAspect{};
    std::array<double, kMaxWings + 1> LiftSlopeWing{}, AnpWing{};
    double AnpAircraft = 0;
    int RefWing = 0;
    double RefArea = 0, RefChord = 0;
    double RefMacLe = 0;  // x of the leading edge of the reference wing's mean chord
    // Half planform of the reference wing from the root leading edge on the
    // centre line out along the leading edge and back along the trailing edge.
    std::array<OutlinePoint, 2 * kMaxStations + 2> RefOutline{};
    int RefOutlineCount = 0;  // 2 × StationCount + 2
};

// gamma: the circulations in the numbering of the unknowns.
Evaluation WIRBEL_ERG(const Lattice& lattice, const double* gamma, const WingPlanforms& wings);

}  // namespace ws
