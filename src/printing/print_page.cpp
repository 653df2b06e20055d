#include "printing/print_page.h"

namespace ws {

void drawPage(QPainter& painter, const QRectF& target, const PrintPage& page) {
    if (!page || page.size.isEmpty()) return;
    Canvas canvas(painter, page.size, target);
    page.draw(canvas);
}

QImage pageImage(const PrintPage& page, qreal ratio) {
    QImage image(deviceSizeFor(page.size, ratio), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    if (page) {
        Canvas canvas(image);
        page.draw(canvas);
    }
    return image;
}

}  // namespace ws
