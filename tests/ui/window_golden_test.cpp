// The window's controls as a user meets them: every named control's place, state,
// text, colours and picture, and every action's (tests/golden.h regenerates them).
#include <QApplication>
#include <QHashFunctions>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QUndoStack>
#include <fstream>

#include "golden.h"
#include "model/number_format.h"
#include "texts/catalogue.h"
#include "ui/image_widget.h"
#include "ui/remarks_page.h"
#include "ui/wing_controls.h"
#include "window_test_support.h"

namespace ws::testing {
namespace {

class GoldenWindow : public MainWindowTest {
  protected:
    void TearDown() override {
        useUnits(Units::Millimetre);
        MainWindowTest::TearDown();
    }
    std::string controls() {
        form->show();
        QApplication::processEvents();
        QString out =
            "window [" + form->windowTitle() + "]" + (form->isWindowModified() ? " modified\n" : "\n");
        const auto colour = [](const char* what, QWidget* w, QPalette::ColorRole role) {
            const QColor c = w->palette().color(role);
            return c == QApplication::palette(w).color(role) ? QString() : what + c.name();
        };
        const auto quoted = [](const char* what, const QString& s) {
            return s.isEmpty() ? s : what + s + "]";
        };
        const auto flag = [](QObject* o, const char* name, const char* said) {
            return o->property(name).toBool() ? said : "";
        };
        for (QWidget* w : form->findChildren<QWidget*>()) {
            if (w->objectName().isEmpty() || w->objectName().startsWith("qt_")) continue;
            const QRect g = w->geometry();
            out += QString("%1 %2 %3,%4 %5x%6")
                       .arg(w->objectName(), w->metaObject()->className())
                       .arg(g.x())
                       .arg(g.y())
                       .arg(g.width())
                       .arg(g.height()) +
                   (w->isHidden() ? " hidden" : "") + (w->isEnabled() ? "" : " disabled") + " [" + textOf(w) +
                   "]" + colour(" text ", w, QPalette::WindowText) + colour(" base ", w, QPalette::Base) +
                   quoted(" name [", w->accessibleName()) + quoted(" hint [", w->toolTip()) +
                   flag(w, "checked", " checked") +
                   quoted(" placeholder [", w->property("placeholderText").toString()) +
                   flag(w, "readOnly", " read-only");
            if (auto* image = qobject_cast<ImageWidget*>(w))
                out += " picture " + QString::number(qHash(QByteArrayView(image->image().constBits(),
                                                                          image->image().sizeInBytes())));
            if (auto* tabs = qobject_cast<QTabWidget*>(w))
                for (int i = 0; i < tabs->count(); ++i) out += tabs->isTabVisible(i) ? " +" : " -";
            if (auto* table = qobject_cast<QTableWidget*>(w)) {
                out += " @" + QString::number(table->currentRow());
                for (int c = 0; c < table->columnCount(); ++c)
                    out += " {" + table->horizontalHeaderItem(c)->text() + "}";
                for (int r = 0; r < table->rowCount(); ++r)
                    for (int c = 0; c < table->columnCount(); ++c)
                        if (auto* item = table->item(r, c))
                            out += " |" + item->text() + (item->checkState() == Qt::Checked ? "*" : "");
            }
            out += "\n";
        }
        for (QAction* a : form->findChildren<QAction*>())
            if (!a->objectName().isEmpty() && !a->objectName().startsWith("qt_"))
                out += "action " + a->objectName() + (a->isEnabled() ? "" : " disabled") +
                       flag(a, "checked", " checked") + " [" + a->text() + "] " + a->shortcut().toString() +
                       (a->toolTip() == a->text() ? QString() : quoted(" hint [", a->toolTip())) + "\n";
        out += "undo [" + doc().undoStack()->undoText() + "]\n";
        return out.replace(WINSTABIX_VERSION, "<version>")
            .replace(QString(WINSTABIX_EXAMPLES).chopped(9), "<source>")  // without "/examples"
            .toStdString();
    }
    void page(const char* name) { get<QTabWidget>("PageControl1")->setCurrentWidget(get<QWidget>(name)); }
    QTableWidget* balance() { return get<QTableWidget>("BalanceTable"); }
};

TEST_F(GoldenWindow, StartUpCalculatedAndResized) {
    test::expectGolden("window-startup.txt", controls());
    page("TabSheet1");
    get<QPushButton>("Button4")->click();  // shows the aircraft page
    form->resize(form->width() + 120, form->height() + 90);
    test::expectGolden("window-calculated.txt", controls());
}

// One wing with a gap, a chord read otherwise than typed, a manual margin out
// of range, and mass items added, typed and one removed after a calculation.
TEST_F(GoldenWindow, OneWingEditedAndItsBalance) {
    get<QRadioButton>("RadioButton1")->click();
    get<QLineEdit>("Edit4")->setText("-310x5");
    get<QLineEdit>("Edit01")->setText("20");
    get<QRadioButton>("RadioButton16")->click();
    get<QLineEdit>("Edit31")->setText("12.25");
    get<QPushButton>("Button4")->click();
    page("TabSheet6");
    const std::string target = fixed(doc().stability().CgDesired, 1);
    for (const char* mass : {"500", "80", "20"}) {
        get<QPushButton>("BalanceAdd")->click();
        const int row = balance()->currentRow();
        ASSERT_GE(row, 0);
        balance()->item(row, 0)->setText(QStringLiteral("item ") + mass);
        balance()->item(row, 1)->setText(mass);
        balance()->item(row, 2)->setText(QString::fromStdString(target));
    }
    balance()->setCurrentCell(0, 1);
    get<QPushButton>("BalanceRemove")->click();
    test::expectGolden("window-edited.txt", controls());
}

// Inches from the menu: what is typed is read in them and every text says them.
TEST_F(GoldenWindow, InchesAndA2mSailplaneRemembered) {
    get<QAction>("UnitIn1")->trigger();
    get<QAction>("Calculate1")->trigger();  // the start-up aircraft's 93.7 mm
    const Evaluation& e = doc().results().calc.evaluation;
    EXPECT_EQ(withoutTrailingBlanks(
                  stabilityRows(doc().stability(), e.RefArea, e.RefChord, e.AnpAircraft).neutralPoint),
              "x_ac: 3.69in");
    doc().editField(1, kChordField, "7.87");
    doc().editField(1, kChordField + 1, "5,91");
    doc().editField(1, kSpanField, "39.37");
    get<QLineEdit>("Edit8")->setText("1");  // 25.4 mm: used and shown as 25 mm
    emit get<QLineEdit>("Edit8")->editingFinished();
    BalanceData items;
    items.items = {{"Battery", "200", "1.5"}, {"Airframe", "600", "-20"}};
    doc().editBalance(items, BalanceField::AddItem);
    get<QLineEdit>("Edit_x2")->setText("27");
    get<QScrollBar>("ScrollBar2")->setValue(200);
    get<QScrollBar>("ScrollBar4")->setValue(50);
    page("TabSheet6");
    balance()->item(0, 2)->setText("1.5");  // stands for what is kept: left as typed
    get<QAction>("Calculate1")->trigger();
    test::expectGolden("window-inches.txt", controls());
    form.reset();  // remembered; a unit not known is millimetres
    start();
    EXPECT_TRUE(get<QAction>("UnitIn1")->isChecked());
    form.reset();
    std::ofstream(configSettingsFile().parent_path() / "WinStabix.ini") << "[General]\nunits=furlongs\n";
    start();
    EXPECT_TRUE(get<QAction>("UnitMm1")->isChecked());
}

// The gap's warning and the drawn words follow the language too.
TEST_F(GoldenWindow, GermanWithThreeWingsFourTrapeziumsAGapAndTheInfo) {
    get<QRadioButton>("RadioButton3")->click();
    get<QRadioButton>("RadioButton41t")->click();
    page("TabSheet1");
    get<QLineEdit>("Edit01")->setText("20");
    get<QAction>("german1")->trigger();
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
    // A file's results name no wing's centre: the calculated one's mark goes.
    get<QPushButton>("Button4")->click();
    openAnswer = text(std::filesystem::path(WINSTABIX_TEST_DATA) / "with-results.da4");
    get<QToolButton>("SpeedButton1")->click();
    test::expectGolden("window-with-results.txt", controls());
}

// Remarks past the box are shown read-only: their first lines, each cut short.
TEST_F(GoldenWindow, RemarksTooLongForTheBox) {
    auto* memo = get<QPlainTextEdit>("Memo2");
    for (const auto& [remarks, fits] : {std::pair{"\n" + QString(kMaxRemarksLine, u'x'), true},
                                        {QString(kMaxRemarksLines - 1, u'\n'), true},
                                        {QString(kMaxRemarksLines, u'\n'), false}}) {
        doc().editRemarks(remarks);
        EXPECT_EQ(memo->isReadOnly(), !fits) << remarks.size();
    }
    QString remarks = QString(kMaxRemarksLine + 1, u'x');
    for (int k = 1; k <= 200; ++k) remarks += "\n" + QString::number(k).leftJustified(k == 1 ? 200 : 0, u'-');
    doc().editRemarks(remarks);
    page("TabSheet4");
    const std::string english = memo->toPlainText().toStdString();
    get<QAction>("german1")->trigger();
    test::expectGolden("window-remarks.txt", english + "\n" + controls());
}

}  // namespace
}  // namespace ws::testing
