#include <QGuiApplication>
#include <QPalette>

#include "ui/image_widget.h"
#include "window_test_support.h"

namespace ws::testing {
namespace {

using DrawingSurfaces = MainWindowTest;

// The mouse reaching the views in their pixels is what tests/ui/mouse_editing_test.cpp drives.
TEST_F(DrawingSurfaces, ANewBitmapSizeKeepsTheOldPictureUntilTheRedraw) {
    auto* view = get<ImageWidget>("Image3");
    EXPECT_EQ(view->image().size(), view->size());
    view->setImageSize(QSize(300, 200));
    EXPECT_EQ(view->image().size(), QSize(300, 200));
    EXPECT_EQ(view->image().pixelColor(10, 10), QGuiApplication::palette().color(QPalette::ToolTipBase));
}

}  // namespace
}  // namespace ws::testing
