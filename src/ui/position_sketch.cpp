#include "ui/position_sketch.h"

#include <QFontMetrics>

#include "ui/controls.h"
#include "ui/design_scale.h"
#include "ui/ui_texts.h"
#include "views/canvas.h"

namespace ws {

namespace {

// Places in design pixels of the picture; the fields cover (39..90, 20..44)
// and (108..158, 49..73) of it.
constexpr int kZeroX = 10;         // the x = 0 line
constexpr int kDatumY = 92;        // the z = 0 line
constexpr int kLeadingEdge = 165;  // the profile's nose
constexpr int kChordY = 56;
constexpr int kXArrowY = 47;
constexpr int kZArrowX = 170;

void head(Canvas& c, QPoint tip, int dx, int dy) {
    // An arrow head pointing along (dx, dy), one of the four axis directions.
    const int length = design(7);
    const int half = design(3);
    const QPoint back = tip - QPoint(dx * length, dy * length);
    const QPoint side(dy * half, dx * half);
    c.polygon({tip, back + side, back - side});
}

}  // namespace

void drawPositionSketch(QImage& image, int w) {
    Canvas c(image);
    const int W = c.width();
    const int H = c.height();
    c.setBrushColor(silverColour());
    c.fillRect(0, 0, W, H);

    const int zeroX = design(kZeroX);
    const int datumY = design(kDatumY);
    const int le = design(kLeadingEdge);
    const int chordY = design(kChordY);
    const int xArrowY = design(kXArrowY);
    const int zArrowX = design(kZArrowX);

    c.setPenColor(Qt::darkGray);
    c.line(design(6), datumY, W - design(4), datumY);
    c.line(zeroX, design(36), zeroX, H - design(4));

    // A slender profile in the wing's colour, nose at x.
    c.setPenColor(wingColour(w));
    c.setBrushColor(wingColour(w));
    auto at = [&](int dx, int dy) { return QPoint(le + design(dx), chordY + design(dy)); };
    c.polygon({at(0, 0), at(3, -4), at(10, -6), at(20, -5), QPoint(W - design(7), chordY), at(20, 2),
               at(7, 2), at(1, 1)});

    c.setPenColor(Qt::black);
    c.setBrushColor(Qt::black);
    c.line(zeroX, xArrowY, le, xArrowY);
    head(c, {zeroX, xArrowY}, -1, 0);
    head(c, {le, xArrowY}, 1, 0);
    c.line(le, xArrowY - design(3), le, chordY);
    const int zTop = chordY + design(3);
    c.line(zArrowX, datumY, zArrowX, zTop);
    head(c, {zArrowX, zTop}, 0, -1);
    head(c, {zArrowX, datumY}, 0, 1);

    c.setBrushColor(silverColour());
    c.setFontColor(Qt::black);
    c.textOut(design(24), design(28), QStringLiteral("x"));
    c.textOut(zArrowX + design(5), design(66), QStringLiteral("z"));
}

void drawWingPictureName(QImage& image, int w) {
    Canvas c(image);
    c.setBrushColor(silverColour());
    c.setFontColor(Qt::black);
    // A shorter name than the last one leaves nothing of it behind.
    const int left = int(0.7 * c.width());
    const QString name = wingPictureName(w);
    c.fillRect(left, 2, c.width(), 2 + QFontMetrics(c.font()).height());
    c.textOut(left, 2, name);
}

}  // namespace ws
