// KONFLIKT: wings behind one another whose spans overlap are kept apart in
// height, so that the trailing vortices of the front wing do not pass
// through the control points of the rear one. mm, z up.
#pragma once

#include <array>

#include "model/aircraft.h"
#include "solver/lattice.h"

namespace ws {

// True when the spanwise ranges [rootQ, tipQ] and [rootP, tipP] overlap;
// touching ranges do not.
bool UEBERSCHNEID(double tipQ, double rootQ, double tipP, double rootP);

struct OverlapResult {
    std::array<int, kMaxWings + 1> WingPosZ{};  // heights after the rule, whole mm
    bool WingsMoved = false;
};

// Moves the rear wing of every overlapping pair up or down in steps of 1 %
// of its mean chord until the pair is 12 % of that chord apart. Wings are
// taken front to back by x (ties: wing 1, then 3, then 2).
OverlapResult KONFLIKT(int calcWingCount, const std::array<int, kMaxWings + 1>& WingPosX,
                       const std::array<int, kMaxWings + 1>& WingPosZ, const WingPlanforms& wings);

}  // namespace ws
