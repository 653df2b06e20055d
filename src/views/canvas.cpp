#include "views/canvas.h"

#include <QFontMetrics>
#include <QPen>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

namespace ws {

QFont defaultCanvasFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    return font;
}

namespace {

qreal usableRatio(qreal ratio) {
    return ratio > 1 ? ratio : 1;
}

}  // namespace

QSize deviceSizeFor(QSize logical, qreal ratio) {
    const qreal r = usableRatio(ratio);
    // Rounded up, so that rounding down in logicalSizeOf gives `logical` back.
    const auto up = [r](int v) { return std::max(1, int(std::ceil(v * r - 1e-6))); };
    return {up(logical.width()), up(logical.height())};
}

QSize logicalSizeOf(const QImage& image) {
    const qreal r = usableRatio(image.devicePixelRatio());
    const auto down = [r](int v) { return std::max(1, int(std::floor(v / r + 1e-6))); };
    return {down(image.width()), down(image.height())};
}

Canvas::Canvas(QImage& image) : painter_(&own_), size_(logicalSizeOf(image)), font_(defaultCanvasFont()) {
    own_.begin(&image);
    lineScale_ = usableRatio(image.devicePixelRatio());
    exact_ = lineScale_ == 1;
    begin();
}

Canvas::Canvas(Canvas& parent, QSize size, const QRect& place)
    : painter_(parent.painter_),
      nested_(true),
      size_(size),
      lineScale_(parent.lineScale_),
      font_(defaultCanvasFont()) {
    painter_->save();
    painter_->translate(place.topLeft());
    painter_->scale(double(place.width()) / std::max(size.width(), 1),
                    double(place.height()) / std::max(size.height(), 1));
    exact_ = parent.exact_ && place.size() == size;
    begin();
}

Canvas::Canvas(QPainter& painter, QSize size, const QRectF& target)
    : painter_(&painter), nested_(true), size_(size), font_(defaultCanvasFont()) {
    painter_->save();
    painter_->translate(target.topLeft());
    painter_->scale(target.width() / std::max(size.width(), 1), target.height() / std::max(size.height(), 1));
    exact_ = false;
    begin();
}

Canvas::~Canvas() {
    if (nested_)
        painter_->restore();
    else
        own_.end();
}

void Canvas::begin() {
    if (nested_) painter_->setClipRect(QRect(QPoint(0, 0), size_), Qt::IntersectClip);
    painter_->setRenderHint(QPainter::Antialiasing, false);
    pen_ = QPen(QColor(Qt::black), 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    applyPen();
    painter_->setFont(font_);
}

void Canvas::applyPen() {
    QPen pen = pen_;
    if (exact_) {
        // Width 1 draws as a cosmetic pen: exactly one pixel at the named coordinates.
        if (pen.width() <= 1) pen.setWidth(0);
    } else {
        // Whole device pixels, whatever the mapping: sharp, never smeared.
        pen.setCosmetic(true);
        pen.setWidth(std::max(1, int(std::lround(pen_.width() * lineScale_))));
    }
    painter_->setPen(pen);
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

void Canvas::setBrushColor(const QColor& color) {
    brush_ = color;
}

void Canvas::setFont(const QFont& font) {
    font_ = font;
    painter_->setFont(font_);
}

void Canvas::setFontColor(const QColor& color) {
    fontColor_ = color;
}

void Canvas::moveTo(int x, int y) {
    position_ = QPoint(x, y);
}

void Canvas::lineTo(int x, int y) {
    painter_->setBrush(Qt::NoBrush);
    if (exact_)
        painter_->drawLine(position_, QPoint(x, y));
    else
        painter_->drawLine(centre(position_.x(), position_.y()), centre(x, y));
    position_ = QPoint(x, y);
}

void Canvas::line(int x1, int y1, int x2, int y2) {
    moveTo(x1, y1);
    lineTo(x2, y2);
}

void Canvas::polygon(const std::vector<QPoint>& points) {
    if (points.empty()) return;
    painter_->setBrush(brush_);
    if (exact_) {
        painter_->drawPolygon(points.data(), static_cast<int>(points.size()));
    } else {
        QPolygonF shape;
        for (const QPoint& p : points) shape << centre(p.x(), p.y());
        painter_->drawPolygon(shape);
    }
    painter_->setBrush(Qt::NoBrush);
}

void Canvas::rectangle(int x1, int y1, int x2, int y2) {
    if (x2 <= x1 || y2 <= y1) return;
    fillRect(x1, y1, x2, y2);
    painter_->setBrush(Qt::NoBrush);
    if (exact_)
        painter_->drawRect(QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1)).adjusted(0, 0, -1, -1));
    else
        painter_->drawRect(QRectF(centre(x1, y1), centre(x2 - 1, y2 - 1)));
}

void Canvas::fillRect(int x1, int y1, int x2, int y2) {
    if (x2 <= x1 || y2 <= y1) return;
    painter_->fillRect(QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1)), brush_);
}

void Canvas::textOut(int x, int y, const QString& text) {
    const QFontMetrics metrics(font_);
    painter_->fillRect(QRect(x, y, metrics.horizontalAdvance(text), metrics.height()), brush_);
    painter_->save();
    painter_->setPen(fontColor_);
    painter_->drawText(QPoint(x, y + metrics.ascent()), text);
    painter_->restore();
    applyPen();
}

}  // namespace ws
