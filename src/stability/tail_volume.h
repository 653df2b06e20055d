// The tail volume of a further wing against the main wing, from the
// planforms: V = S_w · |(x_w + r25_w) − (x_1 + r25_1)| / (S_1 · l_m1), with x
// the root leading edge and r25 the geometric neutral point behind it.
// Usual for a tail plane: kTailVolumeLow to kTailVolumeHigh. mm, mm².
#pragma once

#include "model/planform.h"

namespace ws {

constexpr double kTailVolumeLow = 0.35;
constexpr double kTailVolumeHigh = 0.6;

// NaN when the main wing has no area or no mean chord.
double tailVolume(const WingPlanform& main, const WingPlanform& wing);

}  // namespace ws
