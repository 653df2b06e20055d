// Entries no lattice can be made of, refused before the lattice is sized and
// named by the wing, the trapezium and the field with its value: a wing in
// the calculation without span, and a chord of 0 mm at an end of a
// trapezium that has span (the strip spacing has no solution there). mm.
#pragma once

#include <optional>

#include "model/aircraft.h"
#include "solver/messages.h"

namespace ws {

// For wings 1..calcWingCount: one line per entry, then one line per kind of
// what is needed. Nothing when every entry can be made a lattice of.
std::optional<Refusal> refusedForMissingEntries(const AircraftModel& model, int calcWingCount);

}  // namespace ws
