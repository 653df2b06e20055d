// The lattice overlay's copy of the solver's lattice: per wing its strips
// with their side edges and chordwise lines. mm, aircraft frame.
#pragma once

#include "solver/lattice.h"
#include "views/lattice_overlay.h"

namespace ws {

// Every wing of the calculation (lattice.sizes.CalcWingCount); heights are
// the lattice's own (after the overlap rule). Wings the tables do not hold
// (a lattice never built) are left out.
LatticeDrawing latticeDrawing(const Lattice& lattice);

}  // namespace ws
