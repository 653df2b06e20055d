// What a modeller meets entering an aircraft: fields that say how they are
// read, refusals that name the place, results in words, the keyboard's way
// through the pages, and the mends of what used to go wrong on the way.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "window_test_support.h"

namespace ws::testing {
namespace {

class PlainResults : public MainWindowTest {
  protected:
    // The fields Tab visits from `first` on, `count` of them.
    QStringList tabWalk(const char* first, int count) {
        form->show();
        QApplication::setActiveWindow(form.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
        get<QWidget>(first)->setFocus();
        QStringList names{QApplication::focusWidget()->objectName()};
        for (int i = 1; i < count; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            names << QApplication::focusWidget()->objectName();
        }
        return names;
    }
};

TEST_F(PlainResults, TabWalksStationByStationThroughTheSketch) {
    get<QTabWidget>("PageControl1")->setCurrentWidget(get<QWidget>("TabSheet1"));
    get<QAbstractButton>("RadioButton5")->click();  // two trapeziums
    EXPECT_EQ(tabWalk("Edit4", 9).join(' ').toStdString(),
              "Edit4 Edit5 Edit1 Edit8 Edit6 Edit2 Edit9 Edit01 SpeedButton1");
}

TEST_F(PlainResults, TabOnTheAircraftPageTakesXThenZOfEachWing) {
    get<QAbstractButton>("RadioButton3")->click();
    EXPECT_EQ(tabWalk("Edit_x1", 8).join(' ').toStdString(),
              "Edit_x1 Edit_z1 Edit_x2 Edit_z2 Edit_x3 Edit_z3 Button4 RadioButton15");
}

TEST_F(PlainResults, CtrlZAfterARefusedCalculationUndoesTheLastEdit) {
    tabWalk("Edit_x1", 1);
    get<QLineEdit>("Edit4")->setText("0");
    QTest::mouseClick(get<QPushButton>("Button4"), Qt::LeftButton);
    ASSERT_TRUE(results().messagesShown());
    // Also where the reader clicked into the message box.
    auto* box = get<QPlainTextEdit>("Memo1");
    QTest::mouseClick(box->viewport(), Qt::LeftButton);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(doc().text().field[1][kChordField], "310");
}

}  // namespace
}  // namespace ws::testing
