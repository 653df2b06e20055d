#include "ui/image_widget.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "views/canvas.h"

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
    fitBitmap(geometry.size(), devicePixelRatioF());
}

void ImageWidget::setImageSize(const QSize& size) {
    resize(size);
    fitBitmap(size, devicePixelRatioF());
}

void ImageWidget::fitBitmap(const QSize& size, qreal ratio) {
    const QSize device = deviceSizeFor(size, ratio);
    if (image_.size() == device && image_.devicePixelRatio() == ratio) return;
    QImage next(device, QImage::Format_RGB32);
    next.setDevicePixelRatio(ratio);
    next.fill(Qt::white);
    if (!image_.isNull()) {
        QPainter painter(&next);
        // In logical pixels: at another ratio the old picture is scaled, a
        // stand-in until the owner draws anew.
        painter.drawImage(QRectF(QPointF(0, 0), QSizeF(logicalSizeOf(image_))), image_);
    }
    image_ = next;
}

bool ImageWidget::followDevicePixelRatio() {
    if (image_.devicePixelRatio() != devicePixelRatioF()) {
        fitBitmap(size(), devicePixelRatioF());
        stale_ = true;
    }
    const bool stale = stale_;
    stale_ = false;
    return stale;
}

void ImageWidget::checkRatio() {
    if (image_.devicePixelRatio() == devicePixelRatioF()) return;
    fitBitmap(size(), devicePixelRatioF());
    stale_ = true;
    // By name: the analyzer takes the functor overload's slot object for a leak.
    QMetaObject::invokeMethod(this, "devicePixelRatioChanged", Qt::QueuedConnection);
}

bool ImageWidget::event(QEvent* event) {
    if (event->type() == QEvent::ScreenChangeInternal) checkRatio();
    return QWidget::event(event);
}

void ImageWidget::paintEvent(QPaintEvent*) {
    checkRatio();
    QPainter painter(this);
    painter.drawImage(QPointF(0, 0), image_);
}

void ImageWidget::resizeEvent(QResizeEvent* event) {
    fitBitmap(event->size(), image_.devicePixelRatio());
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
