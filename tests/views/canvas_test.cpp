#include <gtest/gtest.h>

#include <cmath>

#include "view_test_support.h"
#include "views/canvas.h"
#include "views/dimension_schematic.h"

namespace ws {
namespace {

using test::expectColourAt;
using test::painted;

TEST(Canvas, LineLandsOnNamedPixels) {
    const QImage image = painted(40, 30, [](Canvas& c) {
        c.setPenColor(Qt::red);
        c.moveTo(5, 7);
        c.lineTo(20, 7);
        c.lineTo(20, 25);
    });
    expectColourAt(image, Qt::red, {QPoint(5, 7), QPoint(12, 7), QPoint(20, 16)});
    expectColourAt(image, Qt::white, {QPoint(12, 6), QPoint(12, 8), QPoint(4, 7), QPoint(21, 16)});
}

TEST(Canvas, RectangleCoversHalfOpenRangeAndPolygonIsFilledAndOutlined) {
    const QImage image = painted(80, 30, [](Canvas& c) {
        c.setPenColor(Qt::blue);
        c.setBrushColor(Qt::yellow);
        c.rectangle(2, 3, 12, 10);
        c.setBrushColor(Qt::red);
        c.polygon({{42, 2}, {70, 2}, {70, 20}, {42, 20}});
    });
    expectColourAt(image, Qt::blue,
                   {QPoint(2, 3), QPoint(11, 6), QPoint(6, 9), QPoint(11, 9), QPoint(42, 2)});
    expectColourAt(image, Qt::yellow, {QPoint(6, 6)});
    expectColourAt(image, Qt::red, {QPoint(55, 10)});
    expectColourAt(image, Qt::white, {QPoint(12, 6), QPoint(6, 10), QPoint(71, 10)});
}

// The four-trapezium dimension schematic (lines of widths 1 and 4, arrow
// heads, texts) at device pixel ratio `ratio`.
QImage schematicAt(qreal ratio) {
    const QSize logical(740, 200);
    QImage image(deviceSizeFor(logical, ratio), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    Canvas c(image);
    EXPECT_EQ(QSize(c.width(), c.height()), logical);
    d_w(c, 4);
    return image;
}

TEST(Canvas, DrawsAtTheDevicePixelRatioInLogicalCoordinates) {
    const QImage one = schematicAt(1);
    struct Case {
        qreal ratio;
        int lineDevicePixels;  // a one-pixel line
    };
    for (const Case& k : {Case{2, 2}, Case{1.5, 2}, Case{1.25, 1}}) {
        SCOPED_TRACE(k.ratio);
        const QImage image = schematicAt(k.ratio);
        // The y axis along logical row 31, from column 3: whole device pixels
        // of pure black in the rows of that logical row, none outside.
        const int x = int(400 * k.ratio);
        int black = 0;
        for (int y = int(29 * k.ratio); y < int(34 * k.ratio); ++y) {
            const QColor c = image.pixelColor(x, y);
            EXPECT_TRUE(c == kBlack || c == QColor(192, 192, 192)) << y;  // sharp: no blend
            if (c == kBlack) {
                ++black;
                EXPECT_TRUE(y + 1 > 31 * k.ratio && y < 32 * k.ratio) << y;  // touches row 31
            }
        }
        EXPECT_EQ(black, k.lineDevicePixels);
        // The same geometry: nearly every device pixel has the colour of the
        // logical pixel it lies in; the rest are finer edges and glyphs.
        int same = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x2 = 0; x2 < image.width(); ++x2)
                same += image.pixel(x2, y) == one.pixel(std::min(int(x2 / k.ratio), one.width() - 1),
                                                        std::min(int(y / k.ratio), one.height() - 1));
        EXPECT_GT(same, 0.97 * image.width() * image.height());
    }
    // At ratio 2 "flight direction" at (17, 1) is drawn in device pixels: many of its 2 x 2
    // blocks are not one colour, as a scaled-up bitmap's would all be.
    const QImage two = schematicAt(2);
    int mixed = 0;
    for (int y = 2; y < 2 * 14; y += 2)
        for (int x = 2 * 17; x < 2 * 100; x += 2) {
            const QRgb c = two.pixel(x, y);
            mixed += two.pixel(x + 1, y) != c || two.pixel(x, y + 1) != c || two.pixel(x + 1, y + 1) != c;
        }
    EXPECT_GT(mixed, 100);
}

}  // namespace
}  // namespace ws
