// Shared helpers of the drawing tests: images, wings and pixel queries.
#pragma once

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QPoint>
#include <cstdlib>
#include <vector>

#include "model/aircraft.h"
#include "model/planform.h"
#include "views/canvas.h"
#include "views/lattice_overlay.h"
#include "views/top_view.h"
#include "views/view_colors.h"

namespace ws {

// The pure colours the drawings use, as the pixels read back.
inline const QColor kBlack(0, 0, 0);
inline const QColor kWhite(255, 255, 255);
inline const QColor kRed(255, 0, 0);
inline const QColor kBlue(0, 0, 255);
inline const QColor kGreen(0, 128, 0);
inline const QColor kFuchsia(255, 0, 255);

}  // namespace ws

namespace ws::test {

inline QImage blankImage(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// A white image with whatever `draw` puts on it; the painter ends before it is returned.
template <class Draw>
QImage painted(int w, int h, Draw&& draw) {
    QImage image = blankImage(w, h);
    {
        Canvas c(image);
        draw(c);
    }
    return image;
}

inline WingPlanform defaultWing(int w, int trapCount = 1) {
    return Calc_W(paramsFromEntry(defaultWingEntry(w), trapCount));
}

// A wing of equal chords: span and chord in mm, no gap, no offset.
inline WingEntry rectangularEntry(int span, int chord) {
    WingEntry e;
    e.span[1] = span;
    e.chord[1] = e.chord[2] = chord;
    return e;
}

inline WingPlanform planformOf(const WingEntry& e, int trapCount = 1) {
    return Calc_W(paramsFromEntry(e, trapCount));
}

inline QColor at(const QImage& image, int x, int y) {
    return image.pixelColor(x, y);
}

// Each of `points` in `colour`; a failure names the point.
inline void expectColourAt(const QImage& image, const QColor& colour, std::initializer_list<QPoint> points) {
    for (const QPoint& p : points)
        EXPECT_EQ(at(image, p.x(), p.y()), colour) << "at " << p.x() << "," << p.y();
}

inline int countColour(const QImage& image, const QColor& colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += at(image, x, y) == colour;
    return n;
}

// The rows that hold at least one pixel of `colour`.
inline std::vector<int> rowsWith(const QImage& image, const QColor& colour) {
    std::vector<int> rows;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) == colour) {
                rows.push_back(y);
                break;
            }
        }
    }
    return rows;
}

// Each channel within `tolerance` of the other colour's.
inline bool closeTo(const QColor& a, const QColor& b, int tolerance) {
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

// True when `colour` lies within `radius` pixels of (x, y): for wide pens,
// whose pixels straddle the named line.
inline bool colourNear(const QImage& image, int x, int y, const QColor& colour, int radius = 1) {
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx)
            if (image.valid(x + dx, y + dy) && at(image, x + dx, y + dy) == colour) return true;
    return false;
}

// colourNear at each of `points`, or (present false) at none of them.
inline void expectNear(const QImage& image, const QColor& colour, std::initializer_list<QPoint> points,
                       bool present = true, int radius = 1) {
    for (const QPoint& p : points)
        EXPECT_EQ(colourNear(image, p.x(), p.y(), colour, radius), present)
            << "near " << p.x() << "," << p.y();
}

// An evenly spaced lattice over the right half of every wing of the calculation,
// `strips` per trapezium and `panels` chordwise, in the shape the solver's has.
inline LatticeDrawing evenLattice(const AircraftDrawing& a, int strips, int panels) {
    LatticeDrawing l;
    l.wingCount = a.CalcWingCount;
    for (int w = 1; w <= a.CalcWingCount; ++w) {
        const WingPlanform& p = a.planform[w];
        GridWing& g = l.wing[w];
        g.ChordPanels = panels;
        g.height = a.WingPosZ[w];
        const double rootX = p.StationX[1];
        for (int k = 1; k < p.StationCount; ++k) {
            for (int m = 1; m <= strips; ++m) {
                GridStrip s;
                const auto edge = [&](double t, double& y, std::vector<double>& corner) {
                    const double le =
                        a.WingPosX[w] + (p.StationX[k] - rootX) + (p.StationX[k + 1] - p.StationX[k]) * t;
                    const double c = p.StationChord[k] + (p.StationChord[k + 1] - p.StationChord[k]) * t;
                    y = p.StationY[k] + (p.StationY[k + 1] - p.StationY[k]) * t;
                    corner.assign(static_cast<std::size_t>(panels) + 2, 0.0);
                    for (int i = 1; i <= panels + 1; ++i)
                        corner[static_cast<std::size_t>(i)] = le + c * (i - 1) / panels;
                };
                edge(double(m - 1) / strips, s.EdgeYL, s.CornerXL);
                edge(double(m) / strips, s.EdgeYR, s.CornerXR);
                g.strips.push_back(std::move(s));
            }
        }
    }
    return l;
}

}  // namespace ws::test
