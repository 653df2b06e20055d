// An image control: a widget that owns a bitmap of its own size, shows it and
// reports the mouse in bitmap pixels (which are the widget's logical pixels).
// The bitmap holds device pixels at the device pixel ratio of the widget's
// screen, so what is drawn into it through a Canvas is as sharp as the
// screen allows; drawing coordinates stay logical.
#pragma once

#include <QImage>
#include <QRect>
#include <QWidget>

namespace ws {

class ImageWidget : public QWidget {
    Q_OBJECT
  public:
    // The bitmap starts white at the size of `geometry`.
    ImageWidget(QWidget* parent, const QString& name, const QRect& geometry);

    // Draw into the bitmap through a Canvas, then call update() to show it.
    QImage& image() { return image_; }
    const QImage& image() const { return image_; }

    // Makes the widget and its bitmap `size` large; the old picture stays in
    // the top-left corner, new pixels are white.
    void setImageSize(const QSize& size);

    // Brings the bitmap to the widget's present device pixel ratio. True when
    // its picture is a stand-in since the ratio changed and must be drawn anew;
    // the call answers that once.
    bool followDevicePixelRatio();

  signals:
    void mouseDown(Qt::MouseButton button, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x,
                   int y);
    void mouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x, int y);
    void mouseUp(Qt::MouseButton button, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x,
                 int y);
    // The screen's density changed under the widget (another screen, another
    // scale): its picture wants drawing anew. Delivered after the paint.
    void devicePixelRatioChanged();

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void fitBitmap(const QSize& size, qreal ratio);
    void checkRatio();

    QImage image_;
    bool stale_ = false;  // the picture was carried over from another ratio
};

}  // namespace ws
