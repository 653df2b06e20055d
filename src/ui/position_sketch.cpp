#include "ui/position_sketch.h"

#include "ui/controls.h"
#include "ui/ui_texts.h"
#include "views/canvas.h"

namespace ws {

namespace {

// Fixed places in picture pixels; the fields cover (39..90, 20..44) and (108..158, 49..73).
constexpr int kZeroX = 10;         // the x = 0 line
constexpr int kDatumY = 92;        // the z = 0 line
constexpr int kLeadingEdge = 165;  // the profile's nose
constexpr int kChordY = 56;
constexpr int kXArrowY = 47;
constexpr int kZArrowX = 170;

void headLeft(Canvas& c, int x, int y) {
    c.polygon({{x, y}, {x + 7, y - 3}, {x + 7, y + 3}});
}
void headRight(Canvas& c, int x, int y) {
    c.polygon({{x, y}, {x - 7, y - 3}, {x - 7, y + 3}});
}
void headUp(Canvas& c, int x, int y) {
    c.polygon({{x, y}, {x - 3, y + 7}, {x + 3, y + 7}});
}
void headDown(Canvas& c, int x, int y) {
    c.polygon({{x, y}, {x - 3, y - 7}, {x + 3, y - 7}});
}

}  // namespace

void drawPositionSketch(QImage& image, int w) {
    Canvas c(image);
    const int W = c.width();
    c.setBrushColor(silverColour());
    c.fillRect(0, 0, W, c.height());

    c.setPenColor(Qt::darkGray);
    c.line(6, kDatumY, W - 4, kDatumY);
    c.line(kZeroX, 36, kZeroX, c.height() - 4);

    c.setPenColor(wingColour(w));
    c.setBrushColor(wingColour(w));
    const int le = kLeadingEdge;
    c.polygon({{le, kChordY},
               {le + 3, kChordY - 4},
               {le + 10, kChordY - 6},
               {le + 20, kChordY - 5},
               {W - 7, kChordY},
               {le + 20, kChordY + 2},
               {le + 7, kChordY + 2},
               {le + 1, kChordY + 1}});

    c.setPenColor(Qt::black);
    c.setBrushColor(Qt::black);
    c.line(kZeroX, kXArrowY, le, kXArrowY);
    headLeft(c, kZeroX, kXArrowY);
    headRight(c, le, kXArrowY);
    c.line(le, kXArrowY - 3, le, kChordY);
    c.line(kZArrowX, kDatumY, kZArrowX, kChordY + 3);
    headUp(c, kZArrowX, kChordY + 3);
    headDown(c, kZArrowX, kDatumY);

    c.setBrushColor(silverColour());
    c.setFontColor(Qt::black);
    c.textOut(24, 28, QStringLiteral("x"));
    c.textOut(kZArrowX + 5, 66, QStringLiteral("z"));
}

void drawWingPictureName(QImage& image, int w, bool english) {
    Canvas c(image);
    c.setBrushColor(silverColour());
    c.setFontColor(Qt::black);
    c.textOut(int(0.7 * c.width()), 2, wingPictureName(w, english));
}

}  // namespace ws
