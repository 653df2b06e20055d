#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTest>

#include "window_test_support.h"

namespace ws::testing {
namespace {

using Behaviour = MainWindowTest;

TEST_F(Behaviour, StartUpValueLabelsOfWings1And2) {
    EXPECT_EQ(get<QLabel>("Label_b1")->text(), "1100mm");
    EXPECT_EQ(get<QLabel>("Label_s1")->text(), "29.70dm^2");
    EXPECT_EQ(get<QLabel>("Label_lm1")->text(), "272.0mm");
    EXPECT_EQ(get<QLabel>("Label_r251")->text(), "82.3mm");
    EXPECT_EQ(get<QLabel>("Label_lam1")->text(), " 4.1");
    EXPECT_EQ(get<QLabel>("Label_b2")->text(), " 240mm");
    EXPECT_EQ(get<QLabel>("Label_s2")->text(), "1.92dm^2");
    EXPECT_EQ(get<QLabel>("Label_lm2")->text(), "80.4mm");
    EXPECT_EQ(get<QLabel>("Label_r252")->text(), "24.9mm");
    EXPECT_EQ(get<QLabel>("Label_lam2")->text(), " 3.0");
    // Wing 2 stands at its position from the first recalculation on.
    EXPECT_DOUBLE_EQ(form->planform(2).StationX[1], 680);
    EXPECT_FALSE(form->ResultsValid);
}

TEST_F(Behaviour, TypingIntoRootChordUpdatesAreaAtOnce) {
    auto* chord = get<QLineEdit>("Edit4");
    auto* area = get<QLabel>("Label_s1");
    // As if a calculation had finished: the keystroke must withdraw its result.
    form->ResultsValid = true;
    get<QLabel>("Label_anp1")->show();

    QTest::keyClick(chord, Qt::Key_End);
    QTest::keyClick(chord, Qt::Key_0);
    EXPECT_EQ(chord->text(), "3100");
    EXPECT_EQ(area->text(), "183.15dm^2");  // (3100 + 230) * 550 mm²
    EXPECT_FALSE(form->ResultsValid);
    EXPECT_TRUE(get<QLabel>("Label_anp1")->isHidden());

    QTest::keyClick(chord, Qt::Key_Backspace);
    EXPECT_EQ(area->text(), "29.70dm^2");
    // The entry rule: a sign is dropped for a chord, a stray letter ends the number.
    chord->setText("-310x5");
    EXPECT_EQ(area->text(), "29.70dm^2");
    chord->clear();
    EXPECT_EQ(area->text(), "12.65dm^2");  // root chord 0
}

TEST_F(Behaviour, ThreeTrapeziumsOnWing2ShowTheirFieldsAndKeepTheValues) {
    const char* six[] = {"Edit12", "Edit16", "Edit19", "Edit13", "Edit17", "Edit20"};
    const char* fourth[] = {"Edit24x", "Edit24xx", "Edit24y"};
    get<QRadioButton>("RadioButton9")->click();
    for (const char* name : six) EXPECT_FALSE(get<QLineEdit>(name)->isHidden()) << name;
    for (const char* name : fourth) EXPECT_TRUE(get<QLineEdit>(name)->isHidden()) << name;
    EXPECT_EQ(get<QLabel>("Label_b2")->text(), " 640mm");
    EXPECT_EQ(get<QLabel>("Label_s2")->text(), "4.42dm^2");  // 19200 + 13500 + 11500 mm²
    // Wing 1 is not touched.
    EXPECT_TRUE(get<QLineEdit>("Edit2")->isHidden());
    EXPECT_EQ(get<QLabel>("Label_b1")->text(), "1100mm");

    get<QLineEdit>("Edit12")->setText("200");
    EXPECT_EQ(get<QLabel>("Label_b2")->text(), " 840mm");

    get<QRadioButton>("RadioButton7")->click();
    for (const char* name : six) EXPECT_TRUE(get<QLineEdit>(name)->isHidden()) << name;
    EXPECT_EQ(get<QLabel>("Label_b2")->text(), " 240mm");
    EXPECT_EQ(get<QLineEdit>("Edit12")->text(), "200");
    EXPECT_EQ(get<QLineEdit>("Edit17")->text(), "50");
    EXPECT_EQ(get<QLineEdit>("Edit20")->text(), "50");

    get<QRadioButton>("RadioButton9")->click();
    EXPECT_EQ(get<QLabel>("Label_b2")->text(), " 840mm");
}

TEST_F(Behaviour, GapWarnsOnItsOwnWingOnly) {
    const char* others[] = {"Label_sp1", "Label_sp2", "Label_sp3", "Label_sp4"};
    auto* gap = get<QLineEdit>("Edit03");
    gap->setText("20");
    EXPECT_EQ(get<QLabel>("Label_sp5")->text(), "Are you sure this wing shall ");
    EXPECT_EQ(get<QLabel>("Label_Sp6")->text(), "have a gap in the middle?");
    for (const char* name : others) EXPECT_TRUE(get<QLabel>(name)->text().isEmpty()) << name;
    EXPECT_EQ(get<QLabel>("Label_b3")->text(), " 240mm");    // 2 * (20 + 100)
    EXPECT_EQ(get<QLabel>("Label_s3")->text(), "1.70dm^2");  // the gap adds no area

    gap->setText("0");
    EXPECT_TRUE(get<QLabel>("Label_sp5")->text().isEmpty());
    EXPECT_TRUE(get<QLabel>("Label_Sp6")->text().isEmpty());
    EXPECT_EQ(get<QLabel>("Label_b3")->text(), " 200mm");

    gap->setText("-20");
    EXPECT_EQ(get<QLabel>("Label_Sp6")->text(), "have a gap in the middle?");
    EXPECT_EQ(get<QLabel>("Label_b3")->text(), " 240mm");
}

TEST_F(Behaviour, WingCountTable) {
    auto* tabs = get<QTabWidget>("PageControl1");
    auto visible = [&](const char* page) {
        return tabs->isTabVisible(tabs->indexOf(form->findChild<QWidget*>(page)));
    };
    get<QLineEdit>("Edit11")->setText("150");
    tabs->setCurrentWidget(form->findChild<QWidget*>("TabSheet2"));

    get<QRadioButton>("RadioButton1")->click();
    EXPECT_EQ(form->model().WingCount, 1);
    EXPECT_EQ(form->model().CalcWingCount, 1);
    EXPECT_TRUE(visible("TabSheet1"));
    EXPECT_FALSE(visible("TabSheet2"));
    EXPECT_FALSE(visible("TabSheet3"));
    EXPECT_NE(tabs->currentWidget()->objectName(), "TabSheet2");
    EXPECT_FALSE(get<QWidget>("Image5")->isHidden());
    for (const char* hidden : {"Image55", "Image555", "Edit_x2", "Edit_z2", "Edit_x3", "Edit_z3"})
        EXPECT_TRUE(get<QWidget>(hidden)->isHidden()) << hidden;
    EXPECT_FALSE(get<QAction>("wing21")->isEnabled());
    EXPECT_FALSE(get<QAction>("wing31")->isEnabled());

    get<QRadioButton>("RadioButton3")->click();
    EXPECT_EQ(form->model().WingCount, 3);
    for (const char* page : {"TabSheet1", "TabSheet2", "TabSheet3"}) EXPECT_TRUE(visible(page)) << page;
    for (const char* shown : {"Image5", "Image55", "Image555", "Edit_x2", "Edit_z2", "Edit_x3", "Edit_z3"})
        EXPECT_FALSE(get<QWidget>(shown)->isHidden()) << shown;
    EXPECT_TRUE(get<QAction>("wing21")->isEnabled());
    EXPECT_TRUE(get<QAction>("wing31")->isEnabled());
    // The hidden wings come back as they were.
    EXPECT_EQ(get<QLineEdit>("Edit11")->text(), "150");
    EXPECT_EQ(get<QLabel>("Label_b2")->text(), " 300mm");
    EXPECT_EQ(get<QLineEdit>("Edit_x2")->text(), "680");
    EXPECT_EQ(get<QLineEdit>("Edit_z3")->text(), "33");
    EXPECT_EQ(get<QLabel>("Label_b3")->text(), " 200mm");
    EXPECT_EQ(form->model().wing[3].WingPosX, -130);

    get<QRadioButton>("RadioButton2")->click();
    EXPECT_TRUE(visible("TabSheet2"));
    EXPECT_FALSE(visible("TabSheet3"));
    EXPECT_TRUE(get<QWidget>("Edit_x3")->isHidden());
    EXPECT_TRUE(get<QAction>("wing21")->isEnabled());
    EXPECT_FALSE(get<QAction>("wing31")->isEnabled());
}

TEST_F(Behaviour, PageChangeRecalculatesOnlyWithoutValidResults) {
    auto* tabs = get<QTabWidget>("PageControl1");
    auto* area = get<QLabel>("Label_s1");
    auto* anp = get<QLabel>("Label_anp1");
    {
        // A field changed behind the handlers' back: only a recalculation shows it.
        const QSignalBlocker quiet(get<QLineEdit>("Edit4"));
        get<QLineEdit>("Edit4")->setText("400");
    }
    form->ResultsValid = true;
    anp->show();
    get<QAction>("wing11")->trigger();
    EXPECT_EQ(tabs->currentWidget()->objectName(), "TabSheet1");
    EXPECT_EQ(area->text(), "29.70dm^2");
    EXPECT_TRUE(form->ResultsValid);
    EXPECT_FALSE(anp->isHidden());

    form->ResultsValid = false;
    get<QAction>("aircraft1")->trigger();
    EXPECT_EQ(tabs->currentWidget()->objectName(), "TabSheet5");
    EXPECT_EQ(area->text(), "34.65dm^2");  // (400 + 230) * 550 mm²
    EXPECT_TRUE(anp->isHidden());

    get<QAction>("wing21")->trigger();
    EXPECT_EQ(tabs->currentWidget()->objectName(), "TabSheet2");
}

}  // namespace
}  // namespace ws::testing
