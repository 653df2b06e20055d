#include <QApplication>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QUndoStack>
#include <utility>

#include "texts/catalogue.h"
#include "ui/screen_fit.h"
#include "window_test_support.h"

namespace ws::testing {
namespace {

using PlainResults = MainWindowTest;

TEST_F(PlainResults, TabWalksStationByStationXThenZAndLeavesTheMassTable) {
    get<QAbstractButton>("RadioButton5")->click();  // two trapeziums
    get<QAbstractButton>("RadioButton3")->click();
    BalanceData balance;
    balance.items = {{"A", "1", "2"}, {"B", "3", "4"}};
    doc().editBalance(balance, BalanceField::AddItem);
    get<QTableWidget>("BalanceTable")->setCurrentCell(0, 0);
    const struct {
        const char *page, *walk;
    } cases[] = {{"TabSheet1", "Edit4 Edit5 Edit1 Edit8 Edit6 Edit2 Edit9 Edit01 SpeedButton1"},
                 {"TabSheet5", "Edit_x1 Edit_z1 Edit_x2 Edit_z2 Edit_x3 Edit_z3 Button4 RadioButton15"},
                 {"TabSheet6", "BalanceTable BalanceAdd"}};
    form->show();
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    for (const auto& c : cases) {
        get<QTabWidget>("PageControl1")->setCurrentWidget(get<QWidget>(c.page));
        const QStringList walk = QString::fromLatin1(c.walk).split(' ');
        get<QWidget>(walk[0].toLatin1().constData())->setFocus();
        QStringList names{QApplication::focusWidget()->objectName()};
        while (names.size() < walk.size()) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            names << QApplication::focusWidget()->objectName();
        }
        EXPECT_EQ(names, walk);
    }
}

TEST_F(PlainResults, NewExamplesAndSaveOnAnAircraftNeverSaved) {
    // Save on the start-up aircraft and on an example (a copy never saved) asks for a name.
    get<QAction>("Save3")->trigger();
    EXPECT_EQ(saveSuggested, "*.da4");
    QStringList names;
    for (QAction* a : get<QMenu>("Examples1")->actions()) names << a->text();
    EXPECT_EQ(names.join(' '), "canard flying-wing glider startup");
    get<QMenu>("Examples1")->actions().at(2)->trigger();
    EXPECT_EQ(get<QLabel>("Lab_FName")->text(), "glider.da4");
    get<QAction>("Save3")->trigger();
    EXPECT_EQ(saveAsked, 2);
    EXPECT_EQ(saveSuggested, "glider.da4");

    get<QLineEdit>("Edit4")->setText("250");
    get<QAction>("New1")->trigger();
    EXPECT_EQ(changesAsked, 1);
    EXPECT_EQ(get<QLineEdit>("Edit4")->text(), "250");  // cancelled
    changesAnswer = SaveAnswer::Discard;
    get<QAction>("New1")->trigger();
    EXPECT_EQ(get<QLineEdit>("Edit4")->text(), "310");
    EXPECT_EQ(get<QLabel>("Lab_FName")->text(), "Unknown.da4");
    EXPECT_EQ(doc().undoStack()->count(), 0);
}

TEST_F(PlainResults, AManualMarginOutsideMinus10To40IsUsedWithAWarning) {
    get<QAbstractButton>("RadioButton16")->click();
    auto* box = get<QPlainTextEdit>("Memo1");
    for (const auto& [margin, warned] :
         {std::pair{"40", false}, std::pair{"60", true}, std::pair{"-10", false}, std::pair{"-10.5", true}}) {
        get<QLineEdit>("Edit31")->setText(margin);
        EXPECT_EQ(box->isHidden() ? "" : box->toPlainText(),
                  warned ? marginWarningText(doc().stabilityChoice().marginDesired()) : "")
            << margin;
    }
    EXPECT_DOUBLE_EQ(doc().stabilityChoice().marginDesired(), -10.5);
}

// Screens of 1600 × 1200 and, right of it, 1280 × 1024; the smallest window 800 × 600.
TEST(ScreenFit, AWindowOffTheScreensIsMovedAndShrunkOntoTheOneItOverlapsMost) {
    const QList<QRect> screens{{0, 0, 1600, 1200}, {1600, 0, 1280, 1024}};
    const QSize minimum(800, 600);
    const struct {
        QRect window, fitted;
    } cases[] = {
        {{100, 50, 1000, 800}, {100, 50, 1000, 800}},      // wholly on one: unchanged
        {{1000, 50, 1000, 800}, {600, 50, 1000, 800}},     // mostly on the first
        {{2000, 500, 1000, 800}, {1880, 224, 1000, 800}},  // mostly on the second
        {{0, 0, 1800, 2400}, {0, 0, 1600, 1200}},          // taller than the screen
        {{-5000, -5000, 900, 700}, {0, 0, 900, 700}},      // on none: the first
        {{1700, 0, 2000, 500}, {1600, 0, 1280, 600}},      // never below the minimum
    };
    for (const auto& c : cases) EXPECT_EQ(fittedWindow(c.window, screens, minimum), c.fitted) << c.window.x();
    EXPECT_EQ(fittedWindow({0, 0, 1000, 800}, {{0, 0, 700, 500}}, minimum), QRect(0, 0, 800, 600));
}

}  // namespace
}  // namespace ws::testing
