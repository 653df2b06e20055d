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
