#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>

#include "window_test_support.h"

namespace ws::testing {
namespace {

class Behaviour : public MainWindowTest {
  protected:
    bool hidden(const char* name) { return get<QWidget>(name)->isHidden(); }
};

TEST_F(Behaviour, StartUpValueLabelsOfWings1And2) {
    const char* expected[][2] = {{"Label_b1", "1100mm"},   {"Label_s1", "29.70dm^2"},
                                 {"Label_lm1", "272.0mm"}, {"Label_r251", "82.3mm"},
                                 {"Label_lam1", " 4.1"},   {"Label_b2", " 240mm"},
                                 {"Label_s2", "1.92dm^2"}, {"Label_lm2", "80.4mm"},
                                 {"Label_r252", "24.9mm"}, {"Label_lam2", " 3.0"}};
    for (const auto& [name, text] : expected) EXPECT_EQ(textOf(name), text) << name;
    // Wing 2 stands at its position from the first recalculation on.
    EXPECT_DOUBLE_EQ(form->planform(2).StationX[1], 680);
    EXPECT_FALSE(doc().ResultsValid());
}

TEST_F(Behaviour, TypingIntoRootChordUpdatesAreaAtOnce) {
    auto* chord = get<QLineEdit>("Edit4");
    // As if a calculation had finished: the keystroke must withdraw its result.
    doc().setStoredResults(297000, 272, 90);
    get<QLabel>("Label_anp1")->show();

    QTest::keyClick(chord, Qt::Key_End);
    QTest::keyClick(chord, Qt::Key_0);
    EXPECT_EQ(chord->text(), "3100");
    EXPECT_EQ(textOf("Label_s1"), "183.15dm^2");  // (3100 + 230) * 550 mm²
    EXPECT_FALSE(doc().ResultsValid());
    EXPECT_TRUE(hidden("Label_anp1"));

    QTest::keyClick(chord, Qt::Key_Backspace);
    EXPECT_EQ(textOf("Label_s1"), "29.70dm^2");
    // The entry rule: a sign is dropped for a chord, a stray letter ends the number.
    chord->setText("-310x5");
    EXPECT_EQ(textOf("Label_s1"), "29.70dm^2");
    chord->clear();
    EXPECT_EQ(textOf("Label_s1"), "12.65dm^2");  // root chord 0
}

TEST_F(Behaviour, ThreeTrapeziumsOnWing2ShowTheirFieldsAndKeepTheValues) {
    const char* six[] = {"Edit12", "Edit16", "Edit19", "Edit13", "Edit17", "Edit20"};
    get<QRadioButton>("RadioButton9")->click();
    for (const char* name : six) EXPECT_FALSE(hidden(name)) << name;
    for (const char* name : {"Edit24x", "Edit24xx", "Edit24y"}) EXPECT_TRUE(hidden(name)) << name;
    EXPECT_EQ(textOf("Label_b2"), " 640mm");
    EXPECT_EQ(textOf("Label_s2"), "4.42dm^2");  // 19200 + 13500 + 11500 mm²
    // Wing 1 is not touched.
    EXPECT_TRUE(hidden("Edit2"));
    EXPECT_EQ(textOf("Label_b1"), "1100mm");

    get<QLineEdit>("Edit12")->setText("200");
    EXPECT_EQ(textOf("Label_b2"), " 840mm");
    get<QRadioButton>("RadioButton7")->click();
    for (const char* name : six) EXPECT_TRUE(hidden(name)) << name;
    EXPECT_EQ(textOf("Label_b2"), " 240mm");
    EXPECT_EQ(get<QLineEdit>("Edit12")->text(), "200");
    EXPECT_EQ(get<QLineEdit>("Edit20")->text(), "50");
    get<QRadioButton>("RadioButton9")->click();
    EXPECT_EQ(textOf("Label_b2"), " 840mm");
}

TEST_F(Behaviour, GapWarnsOnItsOwnWingOnly) {
    auto* gap = get<QLineEdit>("Edit03");
    gap->setText("20");
    EXPECT_EQ(textOf("Label_sp5"), "Are you sure this wing shall ");
    EXPECT_EQ(textOf("Label_Sp6"), "have a gap in the middle?");
    for (const char* name : {"Label_sp1", "Label_sp2", "Label_sp3", "Label_sp4"})
        EXPECT_TRUE(textOf(name).isEmpty()) << name;
    EXPECT_EQ(textOf("Label_b3"), " 240mm");    // 2 * (20 + 100)
    EXPECT_EQ(textOf("Label_s3"), "1.70dm^2");  // the gap adds no area

    gap->setText("0");
    EXPECT_TRUE(textOf("Label_sp5").isEmpty());
    EXPECT_TRUE(textOf("Label_Sp6").isEmpty());
    EXPECT_EQ(textOf("Label_b3"), " 200mm");
    gap->setText("-20");
    EXPECT_EQ(textOf("Label_Sp6"), "have a gap in the middle?");
    EXPECT_EQ(textOf("Label_b3"), " 240mm");
}

TEST_F(Behaviour, WingCountTable) {
    auto* tabs = get<QTabWidget>("PageControl1");
    auto visible = [&](const char* page) { return tabs->isTabVisible(tabs->indexOf(get<QWidget>(page))); };
    auto expectWings = [&](int k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(form->model().WingCount, k);
        EXPECT_EQ(form->model().CalcWingCount, k);
        EXPECT_TRUE(visible("TabSheet1"));
        EXPECT_EQ(visible("TabSheet2"), k >= 2);
        EXPECT_EQ(visible("TabSheet3"), k >= 3);
        EXPECT_FALSE(hidden("Image5"));
        for (const char* name : {"Image55", "Edit_x2", "Edit_z2"}) EXPECT_EQ(hidden(name), k < 2) << name;
        for (const char* name : {"Image555", "Edit_x3", "Edit_z3"}) EXPECT_EQ(hidden(name), k < 3) << name;
        EXPECT_EQ(get<QAction>("wing21")->isEnabled(), k >= 2);
        EXPECT_EQ(get<QAction>("wing31")->isEnabled(), k >= 3);
    };
    get<QLineEdit>("Edit11")->setText("150");
    tabs->setCurrentWidget(get<QWidget>("TabSheet2"));

    get<QRadioButton>("RadioButton1")->click();
    expectWings(1);
    EXPECT_NE(tabs->currentWidget()->objectName(), "TabSheet2");

    get<QRadioButton>("RadioButton3")->click();
    expectWings(3);
    // The hidden wings come back as they were.
    EXPECT_EQ(get<QLineEdit>("Edit11")->text(), "150");
    EXPECT_EQ(textOf("Label_b2"), " 300mm");
    EXPECT_EQ(get<QLineEdit>("Edit_x2")->text(), "680");
    EXPECT_EQ(get<QLineEdit>("Edit_z3")->text(), "33");
    EXPECT_EQ(textOf("Label_b3"), " 200mm");
    EXPECT_EQ(form->model().wing[3].WingPosX, -130);

    get<QRadioButton>("RadioButton2")->click();
    expectWings(2);
}

TEST_F(Behaviour, PageChangeRecalculatesOnlyWithoutValidResults) {
    auto* tabs = get<QTabWidget>("PageControl1");
    auto* zoom = get<QScrollBar>("ScrollBar3");  // a recalculation sets it back to 100
    doc().setStoredResults(297000, 272, 90);
    get<QLabel>("Label_anp1")->show();
    zoom->setValue(60);
    get<QAction>("wing11")->trigger();
    EXPECT_EQ(tabs->currentWidget()->objectName(), "TabSheet1");
    EXPECT_EQ(zoom->value(), 60);
    EXPECT_TRUE(doc().ResultsValid());
    EXPECT_FALSE(hidden("Label_anp1"));

    doc().withdrawResults();
    zoom->setValue(60);
    get<QAction>("aircraft1")->trigger();
    EXPECT_EQ(tabs->currentWidget()->objectName(), "TabSheet5");
    EXPECT_EQ(zoom->value(), 100);
    EXPECT_TRUE(hidden("Label_anp1"));
    get<QAction>("wing21")->trigger();
    EXPECT_EQ(tabs->currentWidget()->objectName(), "TabSheet2");
}

}  // namespace
}  // namespace ws::testing
