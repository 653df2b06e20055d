// A small GDI-like drawing surface over QPainter: a pen, a brush, a font, a
// current position. Coordinates are the drawing's logical pixels, whatever
// the device: a bitmap at its device pixel ratio, a part of another canvas,
// or a printer page. No antialiasing on lines and fills, so on a bitmap of
// ratio 1 a line lands on exactly the pixels it names; at other ratios a
// named pixel is the block of device pixels it covers, and lines, fills and
// text are drawn at the device's own resolution.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <vector>

namespace ws {

// Device pixels a bitmap of `logical` size needs at `ratio` (at least 1).
QSize deviceSizeFor(QSize logical, qreal ratio);
// The logical size of a bitmap made by deviceSizeFor at its own ratio.
QSize logicalSizeOf(const QImage& image);

class Canvas {
  public:
    // A bitmap, drawn at its devicePixelRatio in logical pixels; a line of
    // width w is w logical pixels wide.
    explicit Canvas(QImage& image);
    // A part of `parent`: a drawing of `size` logical pixels shown in `place`
    // (parent pixels), clipped to it. Lines keep the parent's width rule.
    Canvas(Canvas& parent, QSize size, const QRect& place);
    // A drawing of `size` logical pixels on the device of `painter`, mapped
    // onto `target` (device pixels). A line of width w is w device pixels
    // wide: the finest the device draws.
    Canvas(QPainter& painter, QSize size, const QRectF& target);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    int width() const { return size_.width(); }
    int height() const { return size_.height(); }

    void setPenColor(const QColor& color);
    void setPenWidth(int width);
    void setPenStyle(Qt::PenStyle style);
    void setBrushColor(const QColor& color);
    void setFont(const QFont& font);
    void setFontColor(const QColor& color);
    const QFont& font() const { return font_; }

    void moveTo(int x, int y);
    // From the current position to (x, y), both ends drawn; (x, y) becomes current.
    void lineTo(int x, int y);
    void line(int x1, int y1, int x2, int y2);
    // Filled in the brush colour and outlined with the pen.
    void polygon(const std::vector<QPoint>& points);
    // Pixels x1..x2-1, y1..y2-1: filled with the brush, outlined with the pen.
    void rectangle(int x1, int y1, int x2, int y2);
    // Brush-coloured rectangle without outline over the same pixels.
    void fillRect(int x1, int y1, int x2, int y2);
    // Text whose cell (advance × line height) is filled with the brush colour;
    // (x, y) is the cell's top-left corner.
    void textOut(int x, int y, const QString& text);

  private:
    void begin();
    void applyPen();
    // The centre of pixel (x, y) where pixels are not device pixels.
    QPointF centre(int x, int y) const { return {x + 0.5, y + 0.5}; }

    QPainter own_;
    QPainter* painter_;
    bool nested_ = false;  // borrowed painter: its state is saved and restored
    QSize size_;
    // Logical pixels are device pixels: the exact integer rules apply.
    bool exact_ = true;
    double lineScale_ = 1;  // device pixels per pen-width unit
    QPen pen_;
    QColor brush_{Qt::white};
    QFont font_;
    QColor fontColor_{Qt::black};
    QPoint position_{0, 0};
};

// The default font of drawing surfaces.
QFont defaultCanvasFont();

}  // namespace ws
