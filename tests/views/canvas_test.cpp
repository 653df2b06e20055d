#include <gtest/gtest.h>

#include <QImage>

#include "views/canvas.h"

namespace ws {
namespace {

QImage blank(int w = 40, int h = 30) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

TEST(Canvas, LineLandsOnNamedPixels) {
    QImage image = blank();
    {
        Canvas c(image);
        c.setPenColor(Qt::red);
        c.moveTo(5, 7);
        c.lineTo(20, 7);
        c.lineTo(20, 25);
    }
    EXPECT_EQ(image.pixelColor(5, 7), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(12, 7), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(20, 16), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(12, 6), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(12, 8), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(4, 7), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(21, 16), QColor(Qt::white));
}

TEST(Canvas, RectangleCoversHalfOpenRange) {
    QImage image = blank();
    {
        Canvas c(image);
        c.setPenColor(Qt::blue);
        c.setBrushColor(Qt::yellow);
        c.rectangle(2, 3, 12, 10);
    }
    EXPECT_EQ(image.pixelColor(2, 3), QColor(Qt::blue));
    EXPECT_EQ(image.pixelColor(11, 9), QColor(Qt::blue));
    EXPECT_EQ(image.pixelColor(6, 6), QColor(Qt::yellow));
    EXPECT_EQ(image.pixelColor(12, 6), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(6, 10), QColor(Qt::white));
}

TEST(Canvas, TextCellTakesBrushColour) {
    QImage image = blank(120, 30);
    {
        Canvas c(image);
        c.setBrushColor(QColor(255, 255, 225));
        c.setFontColor(Qt::black);
        c.textOut(10, 5, QStringLiteral("x_ac: 85.3mm"));
    }
    // The corners of the cell carry the brush; somewhere inside lies ink.
    EXPECT_EQ(image.pixelColor(10, 5), QColor(255, 255, 225));
    bool ink = false;
    for (int x = 10; x < 60; ++x)
        for (int y = 5; y < 18; ++y) ink = ink || image.pixelColor(x, y).value() < 100;
    EXPECT_TRUE(ink);
    EXPECT_EQ(image.pixelColor(9, 5), QColor(Qt::white));
}

TEST(Canvas, StretchedPictureFillsItsRectangle) {
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::green);
    QImage image = blank();
    {
        Canvas c(image);
        c.stretchDraw(QRect(5, 5, 20, 10), picture);
    }
    EXPECT_EQ(image.pixelColor(5, 5), QColor(Qt::green));
    EXPECT_EQ(image.pixelColor(24, 14), QColor(Qt::green));
    EXPECT_EQ(image.pixelColor(25, 14), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(24, 15), QColor(Qt::white));
}

TEST(Canvas, PolygonFilledAndOutlined) {
    QImage image = blank();
    {
        Canvas c(image);
        c.setPenColor(Qt::blue);
        c.setBrushColor(Qt::red);
        c.polygon({{2, 2}, {30, 2}, {30, 20}, {2, 20}});
    }
    EXPECT_EQ(image.pixelColor(2, 2), QColor(Qt::blue));
    EXPECT_EQ(image.pixelColor(15, 10), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(31, 10), QColor(Qt::white));
}

TEST(Canvas, CopyRectFromAnotherImage) {
    QImage source = blank(10, 10);
    source.setPixelColor(3, 4, Qt::magenta);
    QImage image = blank();
    {
        Canvas c(image);
        c.copyRect(QRect(20, 20, 10, 10), source, QRect(0, 0, 10, 10));
    }
    EXPECT_EQ(image.pixelColor(23, 24), QColor(Qt::magenta));
}

}  // namespace
}  // namespace ws
