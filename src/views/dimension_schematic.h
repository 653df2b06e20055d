// The dimension schematic of a wing page: a fixed, unscaled sketch of one
// wing half of one to four trapeziums with the arrows of the dimensions that
// the entry fields lying on top of the image hold. Fixed pixel coordinates
// (the design image is 923 x 246); independent of the entered values.
#pragma once

#include "views/canvas.h"

namespace ws {

// The same drawing for every wing. `trapCount` outside 1..4 is clamped.
void d_w(Canvas& canvas, int trapCount);

}  // namespace ws
