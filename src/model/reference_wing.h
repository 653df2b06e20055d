// The reference wing, whose area and mean chord the stability margin and the
// exports refer to: of the wings in the calculation, the one of largest
// root-to-tip half-span, its centre gap filled by a rectangle of its root
// chord. mm, mm².
#pragma once

#include <span>

#include "model/planform.h"

namespace ws {

struct WingExtent {
    double halfSpan = 0;  // root to tip, one half
    double area = 0;      // both halves
    bool present = true;  // false: the wing takes no part (no strips)
};

// The number (1-based) of the reference wing among `wings` (wing 1 first):
// half-spans within 0.1 mm of each other are a tie, which the larger area
// wins, so that rounding noise never chooses a half-size tail. 1 when no
// wing is present.
int referenceWing(std::span<const WingExtent> wings);

struct ReferenceArea {
    double area = 0;
    double chord = 0;
};

// The wing's `area` and mean chord `mac`, or, with a centre gap of half-width
// `gapY`, both with the gap filled by a rectangle of `rootChord`, from
// `halfChordSquared`, the integral of the chord squared over one half.
ReferenceArea referenceArea(double area, double mac, double halfChordSquared, double rootChord, double gapY);

// x of the leading edge of the wing's mean chord, absolute: the leading edge
// averaged over one half weighted by the chord (so r25 − lm/4 of the planform
// values), the centre gap filled as referenceArea fills it. The root leading
// edge for a wing without area.
double meanChordLeadingEdge(const WingPlanform& wing);

}  // namespace ws
