// The window in inches and centimetres: the choice from the settings, the
// fields typed in the unit, and no text of the window left in millimetres.
#include <QHeaderView>
#include <QRegularExpression>
#include <QSettings>
#include <QTableWidget>
#include <QUndoStack>
#include <fstream>

#include "model/number_format.h"
#include "texts/catalogue.h"
#include "ui/wing_controls.h"
#include "window_test_support.h"

namespace ws::testing {
namespace {

class UnitsWindow : public WindowTest {
  protected:
    void TearDown() override {
        useUnits(Units::Millimetre);
        WindowTest::TearDown();
    }
    void startIn(const char* code) {
        const auto dir = folder.path() / "config" / QCoreApplication::applicationName().toStdString();
        std::filesystem::create_directories(dir);
        std::ofstream(dir / "WinStabix.ini") << "[General]\nunits=" << code << "\n";
        start();
    }
    void type(int w, int field, const char* text) {
        QLineEdit* edit = get<QLineEdit>(fieldObjectName(w, field));
        edit->setText(QString::fromLatin1(text));
        emit edit->editingFinished();
    }
    QString label(const char* name) { return get<QLabel>(name)->text(); }

    // Every text the window shows or says, but the remarks, which are the
    // user's, and the menu item that offers millimetres.
    QStringList everyText() {
        QStringList texts;
        for (QObject* o : form->findChildren<QObject*>()) {
            if (o->objectName() == QLatin1String("Memo2") || o->objectName() == QLatin1String("UnitMm1"))
                continue;
            if (auto* w = qobject_cast<QWidget*>(o)) texts << w->toolTip() << w->accessibleName();
            if (auto* l = qobject_cast<QLabel*>(o)) texts << l->text();
            if (auto* e = qobject_cast<QLineEdit*>(o)) texts << e->text() << e->placeholderText();
            if (auto* b = qobject_cast<QAbstractButton*>(o)) texts << b->text();
            if (auto* m = qobject_cast<QPlainTextEdit*>(o)) texts << m->toPlainText();
            if (auto* m = qobject_cast<QMenu*>(o)) texts << m->title();
            if (auto* a = qobject_cast<QAction*>(o)) texts << a->text() << a->toolTip();
            if (auto* t = qobject_cast<QTableWidget*>(o))
                for (int c = 0; c < t->columnCount(); ++c) texts << t->horizontalHeaderItem(c)->text();
        }
        texts << doc().undoStack()->undoText() << doc().undoStack()->redoText();
        return texts;
    }
};

TEST_F(UnitsWindow, StartedInInchesAStartUpAircraftAndA2mSailplane) {
    startIn("in");
    EXPECT_TRUE(get<QAction>("UnitIn1")->isChecked());
    EXPECT_EQ(label("Label_b1"), "43.31in");
    EXPECT_EQ(label("Label_s1"), "460.4in^2");
    doc().calculate();
    // The neutral point in inches is the millimetres' converted (93.7 mm).
    const Evaluation& e = doc().results().calc.evaluation;
    EXPECT_EQ(withoutTrailingBlanks(
                  stabilityRows(doc().stability(), e.RefArea, e.RefChord, e.AnpAircraft).neutralPoint),
              "x_ac: 3.69in");
    EXPECT_NEAR(e.AnpAircraft, 93.7, 0.05);
    // A 2 m sailplane: 39.37 in a half, chords 7.87 and 5.91 in.
    type(1, kChordField, "7.87");
    type(1, kChordField + 1, "5,91");
    type(1, kSpanField, "39.37");
    EXPECT_EQ(doc().model().wing[1].ChordMm[1], 200);
    EXPECT_EQ(doc().model().wing[1].ChordMm[2], 150);
    EXPECT_EQ(doc().model().wing[1].StationYMm[2], 1000);
    EXPECT_EQ(label("Label_b1"), "78.74in");
    type(1, kOffsetField, "1");  // 25.4 mm: used and shown as 25 mm
    EXPECT_EQ(get<QLineEdit>(fieldObjectName(1, kOffsetField))->text(), "0.98");
    BalanceData balance;
    balance.items = {{"Battery", "200", "1.5"}, {"Airframe", "600", "-20"}};
    doc().editBalance(balance, BalanceField::AddItem);
    get<QAction>("Calculate1")->trigger();
    ASSERT_TRUE(doc().results().ResultsValid);
    const QRegularExpression mm(QStringLiteral("\\bmm\\b"));
    for (const QString& text : everyText()) EXPECT_FALSE(text.contains(mm)) << text.toStdString();
}

TEST_F(UnitsWindow, TheChoiceIsRemembered) {
    startIn("furlongs");  // not a unit: millimetres
    EXPECT_TRUE(get<QAction>("UnitMm1")->isChecked());
    get<QAction>("UnitCm1")->trigger();
    EXPECT_EQ(label("Label_b1"), "110.0cm");
    EXPECT_EQ(get<QLineEdit>(fieldObjectName(1, kChordField))->text(), "31.0");
    EXPECT_EQ(programSettings(false)->value("units").toString(), "cm");
    form.reset();
    start();
    EXPECT_TRUE(get<QAction>("UnitCm1")->isChecked());
    EXPECT_EQ(doc().units(), Units::Centimetre);
}

}  // namespace
}  // namespace ws::testing
