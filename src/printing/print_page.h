// A page to print: a drawing made through a Canvas in its own logical
// pixels, put onto any paint device (a printer, a PDF writer, a bitmap) at
// that device's resolution. Lines come out as whole device pixels, texts as
// the device's own glyphs, and a PDF keeps both as vectors and text.
#pragma once

#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <functional>
#include <variant>
#include <vector>

#include "views/canvas.h"

namespace ws {

struct PrintPage {
    QSize size;                         // logical pixels of the drawing
    std::function<void(Canvas&)> draw;  // empty: there is no page
    QString title;                      // of the document: the PDF's title, the job's name
    explicit operator bool() const { return bool(draw); }
};

// A document laid out for the paper it prints on, such as a drawing at true
// scale tiled over sheets. Its pages are sized in hundredths of a millimetre
// and each fills one sheet's printable area from its top-left corner.
constexpr int kPaperUnitsPerMm = 100;
struct Paper {
    QSizeF printable;      // mm
    double dotsPerMm = 0;  // device pixels
};
struct PaperDocument {
    // The pages for `paper`, or why the document cannot go onto it.
    std::function<std::variant<std::vector<PrintPage>, QString>(const Paper& paper)> pages;
    QString title;  // of the document: the PDF's title, the job's name
    explicit operator bool() const { return bool(pages); }
};

// Draws `page` onto the device of `painter` so that it fills `target`
// (device pixels of that device). The painter's state is left as it was.
void drawPage(QPainter& painter, const QRectF& target, const PrintPage& page);

// The page as a white bitmap of its logical size, `ratio` device pixels each.
QImage pageImage(const PrintPage& page, qreal ratio = 1);

}  // namespace ws
