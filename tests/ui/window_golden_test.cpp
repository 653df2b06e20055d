// The window's controls as a user meets them: every named control's place,
// state and text, and every action's, compared with tests/data/golden/
// (tests/golden.h regenerates them).
#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "golden.h"
#include "window_test_support.h"

namespace ws::testing {
namespace {

class GoldenWindow : public MainWindowTest {
  protected:
    void settle() {
        form->show();
        QApplication::processEvents();
    }

    std::string controls() {
        std::string out;
        for (QWidget* w : form->findChildren<QWidget*>()) {
            const QString name = w->objectName();
            if (name.isEmpty() || name.startsWith("qt_")) continue;
            const QRect g = w->geometry();
            out +=
                name.toStdString() + " " + w->metaObject()->className() + " " + std::to_string(g.x()) + "," +
                std::to_string(g.y()) + " " + std::to_string(g.width()) + "x" + std::to_string(g.height()) +
                (w->isHidden() ? " hidden" : "") + (w->isEnabled() ? "" : " disabled") + " [" +
                textOf(name.toStdString()).toStdString() + "]" +
                (w->accessibleName().isEmpty() ? "" : " name [" + w->accessibleName().toStdString() + "]") +
                (w->toolTip().isEmpty() ? "" : " hint [" + w->toolTip().toStdString() + "]") + "\n";
        }
        for (QAction* a : form->findChildren<QAction*>()) {
            if (a->objectName().isEmpty() || a->objectName().startsWith("qt_")) continue;
            out += "action " + a->objectName().toStdString() + (a->isEnabled() ? "" : " disabled") +
                   (a->isChecked() ? " checked" : "") + " [" + a->text().toStdString() + "] " +
                   a->shortcut().toString().toStdString() + "\n";
        }
        return out;
    }
};

TEST_F(GoldenWindow, StartUpCalculatedAndResized) {
    settle();
    test::expectGolden("window-startup.txt", controls());
    get<QPushButton>("Button4")->click();
    form->resize(form->width() + 120, form->height() + 90);
    settle();
    test::expectGolden("window-calculated.txt", controls());
}

TEST_F(GoldenWindow, GermanWithThreeWingsAndFourTrapeziums) {
    get<QAction>("german1")->trigger();
    get<QRadioButton>("RadioButton3")->click();
    get<QRadioButton>("RadioButton41t")->click();
    get<QTabWidget>("PageControl1")->setCurrentWidget(get<QWidget>("TabSheet1"));
    settle();
    test::expectGolden("window-german.txt", controls());
}

}  // namespace
}  // namespace ws::testing
