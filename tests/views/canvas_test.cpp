#include <gtest/gtest.h>

#include "view_test_support.h"
#include "views/canvas.h"

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
    expectColourAt(image, Qt::blue, {QPoint(2, 3), QPoint(11, 9), QPoint(42, 2)});
    expectColourAt(image, Qt::yellow, {QPoint(6, 6)});
    expectColourAt(image, Qt::red, {QPoint(55, 10)});
    expectColourAt(image, Qt::white, {QPoint(12, 6), QPoint(6, 10), QPoint(71, 10)});
}

TEST(Canvas, TextCellTakesBrushColour) {
    const QImage image = painted(120, 30, [](Canvas& c) {
        c.setBrushColor(QColor(255, 255, 225));
        c.setFontColor(Qt::black);
        c.textOut(10, 5, QStringLiteral("x_ac: 85.3mm"));
    });
    // The cell's corner carries the brush; somewhere inside lies ink.
    expectColourAt(image, QColor(255, 255, 225), {QPoint(10, 5)});
    expectColourAt(image, Qt::white, {QPoint(9, 5)});
    bool ink = false;
    for (int x = 10; x < 60; ++x)
        for (int y = 5; y < 18; ++y) ink = ink || image.pixelColor(x, y).value() < 100;
    EXPECT_TRUE(ink);
}

TEST(Canvas, StretchedPictureFillsItsRectangleAndCopyRectMovesPixels) {
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::green);
    QImage source = test::blankImage(10, 10);
    source.setPixelColor(3, 4, Qt::magenta);
    const QImage image = painted(60, 40, [&](Canvas& c) {
        c.stretchDraw(QRect(5, 5, 20, 10), picture);
        c.copyRect(QRect(40, 20, 10, 10), source, QRect(0, 0, 10, 10));
    });
    expectColourAt(image, Qt::green, {QPoint(5, 5), QPoint(24, 14)});
    expectColourAt(image, Qt::magenta, {QPoint(43, 24)});
    expectColourAt(image, Qt::white, {QPoint(25, 14), QPoint(24, 15), QPoint(42, 24)});
}

}  // namespace
}  // namespace ws
