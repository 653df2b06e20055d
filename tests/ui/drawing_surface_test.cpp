#include <QGuiApplication>
#include <QPalette>
#include <QTest>

#include "ui/image_widget.h"
#include "window_test_support.h"

namespace ws::testing {
namespace {

using DrawingSurfaces = MainWindowTest;

bool hasInk(const QImage& image, const QRect& area) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y).value() < 80) return true;
    return false;
}

TEST_F(DrawingSurfaces, TopViewClearedWithItsGreyFrame) {
    const QImage& top = get<ImageWidget>("Image2")->image();
    const QColor grey(128, 128, 128);
    const QColor background = QGuiApplication::palette().color(QPalette::ToolTipBase);
    const int right = top.width() - 1;
    const int bottom = top.height() - 1;
    EXPECT_EQ(top.pixelColor(0, 0), grey);
    EXPECT_EQ(top.pixelColor(right, bottom), grey);
    EXPECT_EQ(top.pixelColor(right, 100), grey);
    EXPECT_EQ(top.pixelColor(100, bottom), grey);
    EXPECT_EQ(top.pixelColor(1, 1), background);
    EXPECT_EQ(top.pixelColor(right - 1, bottom - 1), background);
    EXPECT_EQ(top.pixelColor(400, 200), background);
    EXPECT_EQ(get<ImageWidget>("Image1")->image().pixelColor(300, 100), background);
}

TEST_F(DrawingSurfaces, WingNameCellTakesTheSilverBrush) {
    for (const char* name : {"Image5", "Image55", "Image555"}) {
        const QImage& picture = get<ImageWidget>(name)->image();
        const int x = int(0.7 * picture.width());
        EXPECT_EQ(picture.pixelColor(x, 2), QColor(192, 192, 192)) << name;
        EXPECT_TRUE(hasInk(picture, QRect(x, 2, 40, 12))) << name;
    }
}

TEST_F(DrawingSurfaces, ImageOwnsBitmapOfItsSizeAndReportsTheMouseInItsPixels) {
    auto* view = get<ImageWidget>("Image3");
    EXPECT_EQ(view->image().size(), view->size());
    view->setImageSize(QSize(300, 200));
    EXPECT_EQ(view->image().size(), QSize(300, 200));
    EXPECT_EQ(view->image().pixelColor(10, 10), QGuiApplication::palette().color(QPalette::ToolTipBase));

    struct Press {
        Qt::MouseButton button = Qt::NoButton;
        Qt::KeyboardModifiers modifiers;
        QPoint at;
    } down, up;
    QObject::connect(view, &ImageWidget::mouseDown,
                     [&](Qt::MouseButton b, Qt::MouseButtons, Qt::KeyboardModifiers m, int x, int y) {
                         down = {b, m, {x, y}};
                     });
    QObject::connect(view, &ImageWidget::mouseUp,
                     [&](Qt::MouseButton b, Qt::MouseButtons, Qt::KeyboardModifiers m, int x, int y) {
                         up = {b, m, {x, y}};
                     });
    QTest::mousePress(view, Qt::RightButton, Qt::ShiftModifier, QPoint(17, 23));
    QTest::mouseRelease(view, Qt::RightButton, Qt::ShiftModifier, QPoint(40, 5));
    EXPECT_EQ(down.button, Qt::RightButton);
    EXPECT_EQ(down.modifiers, Qt::ShiftModifier);
    EXPECT_EQ(down.at, QPoint(17, 23));
    EXPECT_EQ(up.button, Qt::RightButton);
    EXPECT_EQ(up.at, QPoint(40, 5));
}

}  // namespace
}  // namespace ws::testing
