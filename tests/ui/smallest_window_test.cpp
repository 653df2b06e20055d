#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

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

TEST_F(SmallestWindow, HoldsEveryControlAfterACalculation) {
    EXPECT_GE(form->minimumWidth(), form->minimumSizeHint().width());
    get<QRadioButton>("RadioButton3")->setChecked(true);
    for (const char* four : {"RadioButton41t", "RadioButton42t", "RadioButton43t"})
        get<QRadioButton>(four)->setChecked(true);
    form->show();
    QApplication::processEvents();
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
