// The rotatable wire-frame perspective view of the aircraft page: every wing
// in use, a spanwise and a chordwise axis and a small flight-direction arrow;
// no hidden lines removed. Model coordinates (a spanwise, b chordwise, c
// height) are pixels: wing points are mm times View3DScale, the axes and the
// arrow fixed pixel lengths. Row vectors (a, b, c, 1) times 4 x 4 matrices.
#pragma once

#include <array>

#include "views/canvas.h"
#include "views/top_view.h"

namespace ws {

constexpr int kView3DRecords = 83;

struct Point3D {
    double a = 0, b = 0, c = 0;  // model
    double u = 0, v = 0;         // projected; kept when a projection falls behind the viewer
};

// The point list the view keeps between drawings (the window owns one).
using View3DPoints = std::array<Point3D, kView3DRecords>;

using Matrix4 = std::array<std::array<double, 4>, 4>;

// The angles are bar positions: the elevation (0..90, start 80; angle
// 90 - position) and the azimuth (0..360, start 250; angle 360 - position),
// the window's ScrollBar1 and ScrollBar2. The hidden zoom bar ScrollBar4
// (10..97, start 75) acts through ScrollBar4Change on View3DScale.

// Out = A * B; A and B are copied first, so Out may be either of them.
void MulMatrix(const Matrix4& A, const Matrix4& B, Matrix4& Out);

struct View3DMatrices {
    Matrix4 Rz{}, Rx{}, T{}, P{}, M{};  // M = Rz * Rx * T * P
};
constexpr double kViewDistance = 10000;

// Rotation about the height axis by the azimuth, about the spanwise axis by
// the elevation, then perspective at distance 10000; angles from bar positions.
View3DMatrices viewMatrices(int elevation, int azimuth);

// Projects every record with M: u = x/w, v = z/w, stored only when w > 0.
void Trans(View3DPoints& points, const Matrix4& M);

// Builds the matrices from the two angle bars and projects the points.
View3DMatrices Calc3D(View3DPoints& points, int elevation, int azimuth);

// Fills the point list: wings scaled by View3DScale, axes and arrow fixed.
void fillView3DPoints(View3DPoints& points, const AircraftDrawing& aircraft, double View3DScale);

// Repaints the whole image. The window calls it on every change of an
// angle, after ScrollBar4Change, after the top view of a
// whole-aircraft recalculation and on resize.
void d_3d(Canvas& canvas, const AircraftDrawing& aircraft, int elevation, int azimuth, double View3DScale,
          View3DPoints& points);

// The 3-D zoom: the scale at zoom position p, relative to the top view's
// scale in use (at the start position 75 they are equal). Never 0 or
// negative. The window stores it as View3DScale and redraws with d_3d.
double ScrollBar4Change(int position, double TopViewScale);

}  // namespace ws
