#include <gtest/gtest.h>

#include "view_test_support.h"
#include "views/arrows.h"
#include "views/canvas.h"
#include "views/dimension_schematic.h"

namespace ws {
namespace {

using test::at;

const QColor kBlack(0, 0, 0);
const QColor kRed(255, 0, 0);
const QColor kWhite(255, 255, 255);

// The schematic image of the design layout, 923 x 246.
QImage schematic(int trapCount, bool english = true) {
    QImage image = test::blankImage(923, 246);
    Canvas canvas(image);
    d_w(canvas, trapCount, english);
    return image;
}

// A head of a vertical arrow pointing down at (x, y): filled beside the shaft.
bool downHeadAt(const QImage& image, int x, int y) {
    return at(image, x - 1, y - 8) == kBlack && at(image, x + 1, y - 8) == kBlack;
}
bool upHeadAt(const QImage& image, int x, int y) {
    return at(image, x - 1, y + 8) == kBlack && at(image, x + 1, y + 8) == kBlack;
}
bool rightHeadAt(const QImage& image, int x, int y) {
    return at(image, x - 8, y - 1) == kBlack && at(image, x - 8, y + 1) == kBlack;
}
bool leftHeadAt(const QImage& image, int x, int y) {
    return at(image, x + 8, y - 1) == kBlack && at(image, x + 8, y + 1) == kBlack;
}

TEST(Arrows, HeadsSitAtTheirEnds) {
    QImage image = test::blankImage(60, 60);
    {
        Canvas c(image);
        c.setPenColor(Qt::black);
        c.setBrushColor(Qt::black);
        PfeilV1(c, 10, 5, 10, 50);
        PfeilV2(c, 30, 5, 30, 50);
        PfeilH2(c, 5, 55, 55, 55);
    }
    EXPECT_TRUE(downHeadAt(image, 10, 50));
    EXPECT_FALSE(upHeadAt(image, 10, 5));
    EXPECT_TRUE(downHeadAt(image, 30, 50));
    EXPECT_TRUE(upHeadAt(image, 30, 5));
    EXPECT_TRUE(leftHeadAt(image, 5, 55));
    EXPECT_TRUE(rightHeadAt(image, 55, 55));
    // 11 pixels long, 4 wide: nothing beyond.
    EXPECT_EQ(at(image, 13, 45), kWhite);
    EXPECT_EQ(at(image, 10, 51), kWhite);
}

TEST(DimensionSchematic, OneTrapeziumAndItsArrows) {
    const QImage image = schematic(1);
    EXPECT_EQ(at(image, 700, 230), schematicSilver());
    // Trapezium 1: white inside, aqua edges of width 4.
    EXPECT_EQ(at(image, 200, 120), kWhite);
    EXPECT_TRUE(test::colourNear(image, 210, 51, schematicAqua()));
    EXPECT_TRUE(test::colourNear(image, 210, 191, schematicAqua()));
    EXPECT_TRUE(test::colourNear(image, 316, 130, schematicAqua()));
    // The axes: x down the left edge, y along row 31.
    EXPECT_EQ(at(image, 3, 100), kBlack);
    EXPECT_TRUE(downHeadAt(image, 3, 199));
    EXPECT_EQ(at(image, 600, 31), kBlack);
    EXPECT_TRUE(rightHeadAt(image, 740, 31));
    // Root chord, offset 1 and tip chord 1 arrows.
    EXPECT_EQ(at(image, 107, 120), kBlack);
    EXPECT_TRUE(upHeadAt(image, 107, 31));
    EXPECT_TRUE(downHeadAt(image, 107, 196));
    EXPECT_TRUE(downHeadAt(image, 314, 72));
    EXPECT_EQ(at(image, 314, 130), kBlack);
    EXPECT_TRUE(upHeadAt(image, 314, 72));
    EXPECT_TRUE(downHeadAt(image, 314, 187));
    // Span 1 ends at 314 and the gap arrow at 107.
    EXPECT_TRUE(rightHeadAt(image, 314, 31));
    EXPECT_TRUE(rightHeadAt(image, 107, 31));
    // Nothing of trapeziums 2 to 4.
    EXPECT_EQ(at(image, 420, 130), schematicSilver());
    EXPECT_EQ(at(image, 519, 130), schematicSilver());
    EXPECT_FALSE(rightHeadAt(image, 519, 31));
    EXPECT_EQ(at(image, 688, 90), schematicSilver());
    EXPECT_EQ(at(image, 655, 160), schematicSilver());
}

TEST(DimensionSchematic, FourTrapeziumsAndTheirArrows) {
    const QImage image = schematic(4);
    EXPECT_EQ(at(image, 420, 130), kWhite);
    EXPECT_EQ(at(image, 570, 140), kWhite);
    EXPECT_EQ(at(image, 655, 160), kWhite);
    EXPECT_TRUE(test::colourNear(image, 653, 130, schematicAqua()));
    EXPECT_TRUE(test::colourNear(image, 653, 185, schematicAqua()));
    for (const int x : {519, 619, 688}) {
        EXPECT_TRUE(rightHeadAt(image, x, 31)) << x;
        EXPECT_EQ(at(image, x, 60), kBlack) << x;
    }
    EXPECT_TRUE(downHeadAt(image, 519, 86));
    EXPECT_TRUE(downHeadAt(image, 619, 115));
    EXPECT_TRUE(downHeadAt(image, 688, 145));
    EXPECT_TRUE(upHeadAt(image, 688, 145));
    EXPECT_TRUE(downHeadAt(image, 688, 195));
    EXPECT_TRUE(downHeadAt(image, 619, 175));
    EXPECT_TRUE(downHeadAt(image, 519, 187));
    // Beyond trapezium 4 the sketch stays empty.
    EXPECT_EQ(at(image, 710, 170), schematicSilver());
}

TEST(DimensionSchematic, FewerTrapeziumsRemoveTheOuterOnesOnRedraw) {
    QImage image = test::blankImage(923, 246);
    Canvas canvas(image);
    d_w(canvas, 4, true);
    d_w(canvas, 2, true);
    EXPECT_EQ(at(image, 420, 130), kWhite);
    EXPECT_EQ(at(image, 570, 140), schematicSilver());
    EXPECT_EQ(at(image, 619, 60), schematicSilver());
    EXPECT_EQ(at(image, 688, 90), schematicSilver());
    EXPECT_TRUE(rightHeadAt(image, 519, 31));
}

TEST(DimensionSchematic, FlightDirectionInTheLanguageChosen) {
    const QImage english = schematic(1, true);
    const QImage german = schematic(1, false);
    EXPECT_EQ(at(english, 10, 20), kRed);
    EXPECT_EQ(at(english, 10, 3), kRed);
    EXPECT_EQ(at(english, 11, 10), kRed);
    // The text starts at x = 17 in reddish ink; "flight direction" runs further than "Flugrichtung".
    const auto lastInk = [](const QImage& image) {
        int last = -1;
        for (int y = 1; y < 16; ++y)
            for (int x = 17; x < 200; ++x) {
                const QColor c = at(image, x, y);
                if (c.red() > c.green() + 40 && c.red() > c.blue() + 40) last = std::max(last, x);
            }
        return last;
    };
    EXPECT_GT(lastInk(german), 40);
    EXPECT_GT(lastInk(english), lastInk(german));
}

}  // namespace
}  // namespace ws
