// The aircraft as an input file of the vortex-lattice program AVL: every
// wing in the calculation a flat SURFACE of SECTIONs at its stations, left
// halves by the y = 0 symmetry. Units mm (AVL takes any consistent length).
// Frame as here: x rearwards, y spanwise, z up; AVL's is the same.
#pragma once

#include <string>

#include "export/export_source.h"

namespace ws {

// Header: title, Mach 0, "1 0 0.0" (iYsym iZsym Zsym), Sref Cref Bref of
// the reference wing, the reference point (the recommended centre of
// gravity when marks are given, else the origin). Per wing a SURFACE
// "Wing1".."Wing3" with the lattice this program's sizing gives it (the
// chordwise panels, and the strips of each trapezium, spaced uniformly) and
// a SECTION "Xle Yle Zle Chord 0.0" at every station from the root (whose y
// is the centre gap) to the tip. Lines end in LF.
std::string avlInput(const ExportSource& source);

}  // namespace ws
