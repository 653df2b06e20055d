// A small GDI-like drawing surface over QPainter on a QImage: a pen, a brush,
// a font, a current position. Coordinates are image pixels; no antialiasing
// on lines and fills, so a line lands on exactly the pixels it names.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QString>
#include <vector>

namespace ws {

class Canvas {
public:
    explicit Canvas(QImage& image);
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    QImage& image() { return image_; }
    int width() const { return image_.width(); }
    int height() const { return image_.height(); }

    void setPenColor(const QColor& color);
    void setPenWidth(int width);
    void setPenStyle(Qt::PenStyle style);
    void setBrushColor(const QColor& color);
    void setFont(const QFont& font);
    void setFontColor(const QColor& color);
    QColor penColor() const { return pen_.color(); }
    int penWidth() const { return pen_.width(); }
    QColor brushColor() const { return brush_; }
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
    int textWidth(const QString& text) const;
    int textHeight() const;
    void copyRect(const QRect& dest, const QImage& source, const QRect& sourceRect);
    void stretchDraw(const QRect& dest, const QImage& picture);

private:
    void applyPen();

    QImage& image_;
    QPainter painter_;
    QPen pen_;
    QColor brush_{Qt::white};
    QFont font_;
    QColor fontColor_{Qt::black};
    QPoint position_{0, 0};
};

// The default font of drawing surfaces.
QFont defaultCanvasFont();

}  // namespace ws
