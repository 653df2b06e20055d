#include <gtest/gtest.h>

#include "texts/scoped_language.h"
#include "view_test_support.h"
#include "views/canvas.h"
#include "views/dimension_schematic.h"

namespace ws {
namespace {

using test::at;
using test::expectColourAt;

// The schematic image of the design layout, 923 x 246.
QImage schematic(int trapCount, Language language = Language::English) {
    const test::ScopedLanguage inForce(language);
    return test::painted(923, 246, [&](Canvas& c) { d_w(c, trapCount); });
}

// Directions an arrow head points in.
constexpr QPoint kDown(0, 1), kUp(0, -1), kRight(1, 0), kLeft(-1, 0);

// Heads pointing along `d` at each of `tips` (or, present false, at none):
// filled on both sides of the shaft 8 pixels back from the tip.
void expectHeads(const QImage& image, QPoint d, std::initializer_list<QPoint> tips, bool present = true) {
    for (const QPoint& tip : tips) {
        const QPoint back = tip - 8 * d;
        const QPoint side(d.y(), d.x());
        const QPoint a = back - side, b = back + side;
        EXPECT_EQ(at(image, a.x(), a.y()) == kBlack && at(image, b.x(), b.y()) == kBlack, present)
            << "head at " << tip.x() << "," << tip.y();
    }
}

TEST(DimensionSchematic, OneTrapeziumAndItsArrows) {
    const QImage image = schematic(1);
    // Trapezium 1 white inside with aqua edges of width 4; the x axis down the
    // left edge, the y axis along row 31, the root and tip chord arrows; nothing
    // of trapeziums 2 to 4.
    expectColourAt(image, kWhite, {QPoint(200, 120)});
    test::expectNear(image, schematicAqua(), {QPoint(210, 51), QPoint(210, 191), QPoint(316, 130)});
    expectColourAt(image, kBlack, {QPoint(3, 100), QPoint(600, 31), QPoint(107, 120), QPoint(314, 130)});
    expectColourAt(image, schematicSilver(),
                   {QPoint(700, 230), QPoint(420, 130), QPoint(519, 130), QPoint(688, 90), QPoint(655, 160)});
    // Axes, root chord, offset 1, tip chord 1, span 1 and the gap arrow.
    expectHeads(image, kDown, {QPoint(3, 199), QPoint(107, 196), QPoint(314, 72), QPoint(314, 187)});
    expectHeads(image, kUp, {QPoint(107, 31), QPoint(314, 72)});
    expectHeads(image, kRight, {QPoint(740, 31), QPoint(314, 31), QPoint(107, 31)});
    expectHeads(image, kLeft, {QPoint(3, 31), QPoint(107, 31)});
    expectHeads(image, kRight, {QPoint(519, 31)}, false);
    // The single-headed offset arrow has no head at its start; a head is 11
    // pixels long and 4 wide, nothing beyond.
    expectHeads(image, kUp, {QPoint(314, 31)}, false);
    expectColourAt(image, schematicSilver(), {QPoint(3, 200), QPoint(6, 190)});
}

TEST(DimensionSchematic, FourTrapeziumsAndTheirArrows) {
    const QImage image = schematic(4);
    expectColourAt(image, kWhite, {QPoint(420, 130), QPoint(570, 140), QPoint(655, 160)});
    test::expectNear(image, schematicAqua(), {QPoint(653, 130), QPoint(653, 185)});
    expectColourAt(image, kBlack, {QPoint(519, 60), QPoint(619, 60), QPoint(688, 60)});
    expectColourAt(image, schematicSilver(), {QPoint(710, 170)});  // beyond trapezium 4
    expectHeads(image, kRight, {QPoint(519, 31), QPoint(619, 31), QPoint(688, 31)});
    expectHeads(image, kDown,
                {QPoint(519, 86), QPoint(619, 115), QPoint(688, 145), QPoint(688, 195), QPoint(619, 175),
                 QPoint(519, 187)});
    expectHeads(image, kUp, {QPoint(688, 145)});
}

TEST(DimensionSchematic, FewerTrapeziumsRemoveTheOuterOnesOnRedraw) {
    const QImage image = test::painted(923, 246, [](Canvas& c) {
        d_w(c, 4);
        d_w(c, 2);
    });
    expectColourAt(image, kWhite, {QPoint(420, 130)});
    expectColourAt(image, schematicSilver(), {QPoint(570, 140), QPoint(619, 60), QPoint(688, 90)});
    expectHeads(image, kRight, {QPoint(519, 31)});
}

TEST(DimensionSchematic, FlightDirectionInTheLanguageChosen) {
    const QImage english = schematic(1, Language::English);
    const QImage german = schematic(1, Language::German);
    expectColourAt(english, QColor(255, 0, 0), {QPoint(10, 20), QPoint(10, 3), QPoint(11, 10)});
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
