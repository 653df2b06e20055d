#include "views/canvas.h"

#include <QFontMetrics>
#include <QPen>
#include <QPolygon>

namespace ws {

QFont defaultCanvasFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    return font;
}

Canvas::Canvas(QImage& image) : image_(image), font_(defaultCanvasFont()) {
    painter_.begin(&image_);
    painter_.setRenderHint(QPainter::Antialiasing, false);
    pen_ = QPen(QColor(Qt::black), 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    applyPen();
    painter_.setFont(font_);
}

void Canvas::applyPen() {
    // Width 1 draws as a cosmetic pen: exactly one pixel at the named coordinates.
    QPen pen = pen_;
    if (pen.width() <= 1) pen.setWidth(0);
    painter_.setPen(pen);
}

void Canvas::setPenColor(const QColor& color) {
    pen_.setColor(color);
    applyPen();
}

void Canvas::setPenWidth(int width) {
    pen_.setWidth(width < 1 ? 1 : width);
    applyPen();
}

void Canvas::setPenStyle(Qt::PenStyle style) {
    pen_.setStyle(style);
    applyPen();
}

void Canvas::setBrushColor(const QColor& color) { brush_ = color; }

void Canvas::setFont(const QFont& font) {
    font_ = font;
    painter_.setFont(font_);
}

void Canvas::setFontColor(const QColor& color) { fontColor_ = color; }

void Canvas::moveTo(int x, int y) { position_ = QPoint(x, y); }

void Canvas::lineTo(int x, int y) {
    painter_.setBrush(Qt::NoBrush);
    painter_.drawLine(position_, QPoint(x, y));
    position_ = QPoint(x, y);
}

void Canvas::line(int x1, int y1, int x2, int y2) {
    moveTo(x1, y1);
    lineTo(x2, y2);
}

void Canvas::polygon(const std::vector<QPoint>& points) {
    if (points.empty()) return;
    painter_.setBrush(brush_);
    painter_.drawPolygon(points.data(), static_cast<int>(points.size()));
    painter_.setBrush(Qt::NoBrush);
}

void Canvas::rectangle(int x1, int y1, int x2, int y2) {
    if (x2 <= x1 || y2 <= y1) return;
    painter_.fillRect(QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1)), brush_);
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1)).adjusted(0, 0, -1, -1));
}

void Canvas::fillRect(int x1, int y1, int x2, int y2) {
    if (x2 <= x1 || y2 <= y1) return;
    painter_.fillRect(QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1)), brush_);
}

int Canvas::textWidth(const QString& text) const { return QFontMetrics(font_).horizontalAdvance(text); }

int Canvas::textHeight() const { return QFontMetrics(font_).height(); }

void Canvas::textOut(int x, int y, const QString& text) {
    const QFontMetrics metrics(font_);
    painter_.fillRect(QRect(x, y, metrics.horizontalAdvance(text), metrics.height()), brush_);
    painter_.save();
    painter_.setPen(fontColor_);
    painter_.drawText(QPoint(x, y + metrics.ascent()), text);
    painter_.restore();
    applyPen();
}

void Canvas::copyRect(const QRect& dest, const QImage& source, const QRect& sourceRect) {
    painter_.drawImage(dest, source, sourceRect);
}

void Canvas::stretchDraw(const QRect& dest, const QImage& picture) {
    painter_.save();
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter_.drawImage(dest, picture);
    painter_.restore();
}

}  // namespace ws
