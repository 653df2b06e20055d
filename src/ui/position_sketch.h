// The small pictures behind the position fields of the aircraft page: a side
// view of the wing's profile over the x = 0 line and the datum, with arrows
// for x (towards the Edit_x field) and z (beside the Edit_z field).
#pragma once

#include <QImage>

namespace ws {

// Paints the whole picture of wing w (1..3) at the image's size.
void drawPositionSketch(QImage& image, int w);

// The wing's name, black on silver, in the picture's top right corner.
void drawWingPictureName(QImage& image, int w);

}  // namespace ws
