// Aircraft and results that the chain could calculate but that cannot be
// right, refused with their lines in the message box. mm, degrees, aircraft
// frame (x rearwards).
#pragma once

#include <optional>

#include "model/planform.h"
#include "solver/evaluation.h"
#include "solver/lattice.h"
#include "solver/messages.h"

namespace ws {

// Beyond this sweep the lattice's straight chordwise strips no longer
// describe the flow over a trapezium.
constexpr double kMaxSweepDegrees = 80;

// The sweep of a trapezium's leading or trailing edge against the spanwise
// direction, 0..90°; 0 for a trapezium without span.
double leadingEdgeSweep(const WingPlanform& wing, int trapezium);
double trailingEdgeSweep(const WingPlanform& wing, int trapezium);

// Refuses every trapezium of wings 1..calcWingCount whose leading or trailing
// edge is swept more than kMaxSweepDegrees: TrapeziumFailed (wing,
// trapezium), then LeadingEdgeSwept or TrailingEdgeSwept with the angle in
// tenths of a degree. Nothing when none is.
std::optional<Refusal> refusedAsTooSwept(const WingPlanforms& wings, int calcWingCount);

// Finite results that still cannot be right: a wing whose lift slope is not
// above 0, a wing whose aerodynamic centre lies outside its own x-range
// (frontmost leading edge to rearmost trailing edge of its lattice), a
// reference area or chord not above 0, a neutral point outside the x-range of
// all the lattice's wings. Nothing when the results stand.
std::optional<Refusal> refusedAsImplausible(const Lattice& lattice, const Evaluation& evaluation);

}  // namespace ws
