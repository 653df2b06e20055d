// Shared helpers of the drawing tests: images and wings.
#pragma once

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QPoint>

#include "model/aircraft.h"
#include "model/planform.h"
#include "views/canvas.h"
#include "views/top_view.h"

namespace ws {

inline const QColor kBlack(0, 0, 0);

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

// Each of `points` in `colour`; a failure names the point.
inline void expectColourAt(const QImage& image, const QColor& colour, std::initializer_list<QPoint> points) {
    for (const QPoint& p : points)
        EXPECT_EQ(image.pixelColor(p.x(), p.y()), colour) << "at " << p.x() << "," << p.y();
}

}  // namespace ws::test
