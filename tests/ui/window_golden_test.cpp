// The window's controls as a user meets them: every named control's place,
// state, text and colours, and every action's, compared with
// tests/data/golden/ (tests/golden.h regenerates them).
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>

#include "golden.h"
#include "model/number_format.h"
#include "window_test_support.h"

namespace ws::testing {
namespace {

class GoldenWindow : public MainWindowTest {
  protected:
    std::string controls() {
        form->show();
        QApplication::processEvents();
        std::string out = "window [" + form->windowTitle().toStdString() + "]" +
                          (form->isWindowModified() ? " modified\n" : "\n");
        const auto colour = [](const char* what, QWidget* w, QPalette::ColorRole role) {
            const QColor c = w->palette().color(role);
            return c == QApplication::palette(w).color(role) ? std::string() : what + c.name().toStdString();
        };
        for (QWidget* w : form->findChildren<QWidget*>()) {
            const QString name = w->objectName();
            if (name.isEmpty() || name.startsWith("qt_")) continue;
            const QRect g = w->geometry();
            out +=
                name.toStdString() + " " + w->metaObject()->className() + " " + std::to_string(g.x()) + "," +
                std::to_string(g.y()) + " " + std::to_string(g.width()) + "x" + std::to_string(g.height()) +
                (w->isHidden() ? " hidden" : "") + (w->isEnabled() ? "" : " disabled") + " [" +
                textOf(w).toStdString() + "]" + colour(" text ", w, QPalette::WindowText) +
                colour(" base ", w, QPalette::Base) +
                (w->accessibleName().isEmpty() ? "" : " name [" + w->accessibleName().toStdString() + "]") +
                (w->toolTip().isEmpty() ? "" : " hint [" + w->toolTip().toStdString() + "]");
            if (auto* button = qobject_cast<QAbstractButton*>(w); button && button->isChecked())
                out += " checked";
            if (auto* tabs = qobject_cast<QTabWidget*>(w))
                for (int i = 0; i < tabs->count(); ++i) out += tabs->isTabVisible(i) ? " +" : " -";
            if (auto* table = qobject_cast<QTableWidget*>(w))
                for (int r = 0; r < table->rowCount(); ++r)
                    for (int c = 0; c < table->columnCount(); ++c)
                        if (auto* item = table->item(r, c))
                            out += " |" + item->text().toStdString() +
                                   (item->checkState() == Qt::Checked ? "*" : "");
            out += "\n";
        }
        for (QAction* a : form->findChildren<QAction*>()) {
            if (a->objectName().isEmpty() || a->objectName().startsWith("qt_")) continue;
            out += "action " + a->objectName().toStdString() + (a->isEnabled() ? "" : " disabled") +
                   (a->isChecked() ? " checked" : "") + " [" + a->text().toStdString() + "] " +
                   a->shortcut().toString().toStdString() + "\n";
        }
        return QString::fromStdString(out)
            .replace(WINSTABIX_VERSION, "<version>")
            .replace(QString(WINSTABIX_EXAMPLES).chopped(9), "<source>")  // without "/examples"
            .toStdString();
    }
    void page(const char* name) { get<QTabWidget>("PageControl1")->setCurrentWidget(get<QWidget>(name)); }
};

TEST_F(GoldenWindow, StartUpCalculatedAndResized) {
    test::expectGolden("window-startup.txt", controls());
    page("TabSheet1");
    get<QPushButton>("Button4")->click();  // shows the aircraft page
    form->resize(form->width() + 120, form->height() + 90);
    test::expectGolden("window-calculated.txt", controls());
}

// One wing with a gap, a chord read otherwise than typed, a manual margin out
// of range, and a mass item in the balance after a calculation.
TEST_F(GoldenWindow, OneWingEditedAndItsBalance) {
    get<QRadioButton>("RadioButton1")->click();
    get<QLineEdit>("Edit4")->setText("-310x5");
    get<QLineEdit>("Edit01")->setText("20");
    get<QRadioButton>("RadioButton16")->click();
    get<QLineEdit>("Edit31")->setText("12.25");
    get<QPushButton>("Button4")->click();
    BalanceData balance;
    const std::string target = fixed(doc().stability().CgDesired, 1);
    balance.items = {{"Airframe", "500", target}, {"Battery", "80", target}};
    doc().editBalance(balance, BalanceField::AddItem);
    page("TabSheet6");
    get<QTableWidget>("BalanceTable")->setCurrentCell(0, 1);
    test::expectGolden("window-edited.txt", controls());
}

TEST_F(GoldenWindow, GermanWithThreeWingsFourTrapeziumsAndTheInfo) {
    get<QAction>("german1")->trigger();
    get<QRadioButton>("RadioButton3")->click();
    get<QRadioButton>("RadioButton41t")->click();
    page("TabSheet1");
    get<QAction>("Info1")->trigger();
    test::expectGolden("window-german.txt", controls());
}

// Back in English every text is the table's (the start shows the design's).
TEST_F(GoldenWindow, GermanAndBackToEnglish) {
    get<QAction>("german1")->trigger();
    get<QAction>("german1")->trigger();
    test::expectGolden("window-english-again.txt", controls());
}

TEST_F(GoldenWindow, GliderOpenedFromTheRemarksPage) {
    page("TabSheet4");
    openAnswer = text(std::filesystem::path(WINSTABIX_EXAMPLES) / "glider.da4");
    get<QToolButton>("SpeedButton1")->click();
    test::expectGolden("window-glider.txt", controls());
}

}  // namespace
}  // namespace ws::testing
