// The print-size copies of the aircraft page's two views (Image4, Image7),
// drawn by the views' own drawing routines into images of their own, so
// printing never resizes or redraws what the window shows.
// mm, aircraft frame (x rearwards); image pixels.
#pragma once

#include <QImage>

#include "printing/summary_page.h"

namespace ws {

struct PrintCopies {
    QImage top;     // kTopCopySize: top view fitted anew, with the stability display
    QImage view3D;  // kView3DCopySize
};

// Both copies as the window would show them at print size. The 3-D view
// takes the scale the top view was fitted with there, as every fitting
// hands it on. Blank views without a model and a calculation.
PrintCopies drawPrintCopies(const PrintJobInput& input);

}  // namespace ws
