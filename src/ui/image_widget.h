// An image control: a widget that owns a bitmap of its own size, shows it and
// reports the mouse in bitmap pixels (which are the widget's logical pixels).
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

    // Draw into the bitmap, then call update() to show it.
    QImage& image() { return image_; }
    const QImage& image() const { return image_; }

    // Makes the widget and its bitmap `size` large; the old picture stays in
    // the top-left corner, new pixels are white.
    void setImageSize(const QSize& size);

  signals:
    void mouseDown(Qt::MouseButton button, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x,
                   int y);
    void mouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x, int y);
    void mouseUp(Qt::MouseButton button, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x,
                 int y);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void fitBitmap(const QSize& size);

    QImage image_;
};

}  // namespace ws
