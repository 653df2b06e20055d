// Dimension arrows: a straight line from start to end in the current pen,
// then solid heads 11 pixels long and 4 wide, filled with the current brush
// and outlined with the pen. Image pixels, y downward.
#pragma once

#include "views/canvas.h"

namespace ws {

// Vertical, one head at the end; it points down when the end lies below the start.
void PfeilV1(Canvas& canvas, int x1, int y1, int x2, int y2);
// Vertical, heads at both ends.
void PfeilV2(Canvas& canvas, int x1, int y1, int x2, int y2);
// Horizontal, heads at both ends (start on the left).
void PfeilH2(Canvas& canvas, int x1, int y1, int x2, int y2);

}  // namespace ws
