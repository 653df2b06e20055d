#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "ui/image_widget.h"
#include "window_test_support.h"

namespace ws::testing {
namespace {

using SmallestWindow = MainWindowTest;

// Shown controls of the current page that do not lie wholly in the window.
QStringList outside(QMainWindow* window, QWidget* page) {
    QStringList names;
    for (QWidget* control : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!control->isVisibleTo(page)) continue;
        const QRect r(control->mapTo(window, QPoint(0, 0)), control->size());
        if (!window->rect().contains(r)) names << control->objectName();
    }
    return names;
}

TEST_F(SmallestWindow, HoldsEveryControlAfterACalculationAndItsPicturesFollowTheScreen) {
    EXPECT_GE(form->minimumWidth(), form->minimumSizeHint().width());
    get<QRadioButton>("RadioButton3")->setChecked(true);
    for (const char* four : {"RadioButton41t", "RadioButton42t", "RadioButton43t"})
        get<QRadioButton>(four)->setChecked(true);
    form->show();
    QApplication::processEvents();
    // A picture of another density than the screen's is drawn anew at the screen's.
    for (const char* name : {"Image2", "Image_W"}) {
        get<ImageWidget>(name)->image().setDevicePixelRatio(2);
        get<ImageWidget>(name)->image().fill(Qt::white);
    }
    get<ImageWidget>("Image2")->repaint();
    QApplication::processEvents();
    for (const char* name : {"Image2", "Image_W"}) {
        const QImage& picture = get<ImageWidget>(name)->image();
        EXPECT_EQ(picture.devicePixelRatio(), get<ImageWidget>(name)->devicePixelRatioF()) << name;
        EXPECT_EQ(picture.size(), get<ImageWidget>(name)->size()) << name;
    }
    EXPECT_EQ(get<ImageWidget>("Image2")->image().pixelColor(0, 0), QColor(128, 128, 128));
    EXPECT_EQ(get<ImageWidget>("Image_W")->image().pixelColor(0, 0), QColor(192, 192, 192));
    get<QPushButton>("Button4")->click();
    ASSERT_TRUE(results().ResultsValid);
    auto* tabs = get<QTabWidget>("PageControl1");
    for (const QSize& size : {form->minimumSize(), form->minimumSize() + QSize(37, 23)}) {
        form->resize(size);
        QApplication::processEvents();
        ASSERT_EQ(form->size(), size);
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            QApplication::processEvents();
            EXPECT_EQ(outside(form.get(), tabs->widget(i)), QStringList())
                << tabs->widget(i)->objectName().toStdString();
        }
        EXPECT_FALSE(get<QPushButton>("Button6")->isHidden());
    }
}

}  // namespace
}  // namespace ws::testing
