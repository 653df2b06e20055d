// The print-size copies of the aircraft page's two views, drawn by the
// views' own drawing routines into images of their own (Image4, Image7), so
// printing never resizes or redraws what the window shows.
// mm, aircraft frame (x rearwards); image pixels.
#pragma once

#include <QImage>
#include <functional>

#include "model/aircraft.h"
#include "solver/calculation.h"
#include "views/canvas.h"
#include "views/lattice_overlay.h"
#include "views/top_view.h"

namespace ws {

// A plain copy of the solver's lattice as the lattice overlay draws it.
LatticeDrawing latticeDrawing(const Lattice& lattice);

// Draws the top view with the stability display (STABIL) onto a canvas of
// any size, fitting anew; returns the transform it drew with.
using TopViewDrawing = std::function<TopViewTransform(Canvas&)>;

// The top view as a finished calculation shows it, without the stability
// display: lattice underneath, then the outlines, fitted to the canvas.
TopViewTransform drawCalculatedTopView(Canvas& canvas, const AircraftDrawing& aircraft,
                                       const LatticeDrawing& lattice, bool UiEnglish);

struct PrintCopies {
    QImage top;     // kTopCopySize
    QImage view3D;  // kView3DCopySize
};

// Both copies. The 3-D view takes the scale the top view was fitted with at
// print size, as every fitting hands it on; the angles are the window's bars.
PrintCopies drawPrintCopies(const AircraftDrawing& aircraft, const TopViewDrawing& topView, int ScrollBar1,
                            int ScrollBar2);

}  // namespace ws
