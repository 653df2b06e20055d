// The planform view of a wing page: the wing's true outline (both halves)
// fitted to its image, with the axes, the flight direction, the geometric
// neutral point r25, the mean aerodynamic chord and, once results exist, the
// aerodynamic centre. Image pixels, y downward: the chordwise x axis (mm,
// rearwards) runs down the image from the root leading edge at row H/3, the
// spanwise axis across it from the centre line at column W/2.
#pragma once

#include "model/planform.h"
#include "views/canvas.h"

namespace ws {

// Pixels per mm that fit the wing into a width x height image: the smaller
// of the span term and the chordwise term. A forward tip offset o reserves
// 2|o| chordwise. A wing without span gets 1 for the span term; a wing
// without chordwise extent is fitted by the span term alone.
double PlanformScale(const WingPlanform& planform, int width, int height);

// Repaints the whole image for wing 1, 2 or 3 (its outline colour) and
// returns the scale used, the wing's PlanformScale that the mouse editing of
// the planform reads. `anpRelative` (AnpWing - WingPosX, mm) is marked only
// while `ResultsValid`.
double drawPlanformView(Canvas& canvas, const WingPlanform& planform, int wing, bool ResultsValid,
                        double anpRelative);

}  // namespace ws
