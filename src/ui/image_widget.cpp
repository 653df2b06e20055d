#include "ui/image_widget.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace ws {

namespace {

// The pixel under the pointer, also on screens with fractional scaling.
QPoint pixelOf(const QMouseEvent* event) {
    const QPointF p = event->position();
    return {int(std::floor(p.x())), int(std::floor(p.y()))};
}

}  // namespace

ImageWidget::ImageWidget(QWidget* parent, const QString& name, const QRect& geometry) : QWidget(parent) {
    setObjectName(name);
    setGeometry(geometry);
    // Mouse moves arrive without a button held, as the editing needs them.
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    fitBitmap(geometry.size());
}

void ImageWidget::setImageSize(const QSize& size) {
    resize(size);
    fitBitmap(size);
}

void ImageWidget::fitBitmap(const QSize& size) {
    if (image_.size() == size) return;
    QImage next(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    next.fill(Qt::white);
    if (!image_.isNull()) {
        QPainter painter(&next);
        painter.drawImage(0, 0, image_);
    }
    image_ = next;
}

void ImageWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, image_);
}

void ImageWidget::resizeEvent(QResizeEvent* event) {
    fitBitmap(event->size());
    QWidget::resizeEvent(event);
}

void ImageWidget::mousePressEvent(QMouseEvent* event) {
    const QPoint p = pixelOf(event);
    emit mouseDown(event->button(), event->buttons(), event->modifiers(), p.x(), p.y());
}

void ImageWidget::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = pixelOf(event);
    emit mouseMove(event->buttons(), event->modifiers(), p.x(), p.y());
}

void ImageWidget::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint p = pixelOf(event);
    emit mouseUp(event->button(), event->buttons(), event->modifiers(), p.x(), p.y());
}

}  // namespace ws
