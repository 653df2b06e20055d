#include <QGuiApplication>
#include <QPalette>
#include <QSignalSpy>
#include <QTest>

#include "ui/image_widget.h"
#include "window_test_support.h"

namespace ws::testing {
namespace {

using DrawingSurfaces = MainWindowTest;

QColor background() {
    return QGuiApplication::palette().color(QPalette::ToolTipBase);
}

TEST_F(DrawingSurfaces, TopViewClearedWithItsGreyFrame) {
    const QImage& top = get<ImageWidget>("Image2")->image();
    const int right = top.width() - 1;
    const int bottom = top.height() - 1;
    for (const QPoint& p : {QPoint(0, 0), QPoint(right, bottom), QPoint(right, 100), QPoint(100, bottom)})
        EXPECT_EQ(top.pixelColor(p), QColor(128, 128, 128)) << p.x() << "," << p.y();
    for (const QPoint& p : {QPoint(1, 1), QPoint(right - 1, bottom - 1), QPoint(400, 200)})
        EXPECT_EQ(top.pixelColor(p), background()) << p.x() << "," << p.y();
    EXPECT_EQ(get<ImageWidget>("Image1")->image().pixelColor(300, 100), background());
}

TEST_F(DrawingSurfaces, WingNameCellTakesTheSilverBrush) {
    for (const char* name : {"Image5", "Image55", "Image555"}) {
        const QImage& picture = get<ImageWidget>(name)->image();
        const int x = int(0.7 * picture.width());
        EXPECT_EQ(picture.pixelColor(x, 2), QColor(192, 192, 192)) << name;
        bool ink = false;
        for (int y = 2; y < 14; ++y)
            for (int dx = 0; dx < 40; ++dx) ink = ink || picture.pixelColor(x + dx, y).value() < 80;
        EXPECT_TRUE(ink) << name;
    }
}

TEST_F(DrawingSurfaces, ImageOwnsBitmapOfItsSizeAndReportsTheMouseInItsPixels) {
    auto* view = get<ImageWidget>("Image3");
    EXPECT_EQ(view->image().size(), view->size());
    view->setImageSize(QSize(300, 200));
    EXPECT_EQ(view->image().size(), QSize(300, 200));
    EXPECT_EQ(view->image().pixelColor(10, 10), background());  // the old picture stays

    QSignalSpy down(view, &ImageWidget::mouseDown);
    QSignalSpy up(view, &ImageWidget::mouseUp);
    QTest::mousePress(view, Qt::RightButton, Qt::ShiftModifier, QPoint(17, 23));
    QTest::mouseRelease(view, Qt::RightButton, Qt::ShiftModifier, QPoint(40, 5));
    ASSERT_EQ(down.size(), 1);
    ASSERT_EQ(up.size(), 1);
    // Arguments: button, buttons, modifiers, x, y.
    EXPECT_EQ(down[0][0].value<Qt::MouseButton>(), Qt::RightButton);
    EXPECT_EQ(down[0][2].value<Qt::KeyboardModifiers>(), Qt::ShiftModifier);
    EXPECT_EQ(QPoint(down[0][3].toInt(), down[0][4].toInt()), QPoint(17, 23));
    EXPECT_EQ(up[0][0].value<Qt::MouseButton>(), Qt::RightButton);
    EXPECT_EQ(QPoint(up[0][3].toInt(), up[0][4].toInt()), QPoint(40, 5));
}

}  // namespace
}  // namespace ws::testing
