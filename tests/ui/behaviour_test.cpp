#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
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

TEST_F(Behaviour, TypingIntoRootChordUpdatesAreaAtOnce) {
    auto* chord = get<QLineEdit>("Edit4");
    // The keystroke must withdraw the calculation's result.
    get<QPushButton>("Button4")->click();
    EXPECT_FALSE(hidden("Label_anp1"));

    QTest::keyClick(chord, Qt::Key_End);
    QTest::keyClick(chord, Qt::Key_0);
    EXPECT_EQ(chord->text(), "3100");
    EXPECT_EQ(textOf("Label_s1"), "183.15dm^2");  // (3100 + 230) * 550 mm²
    EXPECT_FALSE(results().ResultsValid);
    EXPECT_TRUE(hidden("Label_anp1"));

    QTest::keyClick(chord, Qt::Key_Backspace);
    EXPECT_EQ(textOf("Label_s1"), "29.70dm^2");
    // The entry rule: a sign is dropped for a chord, a stray letter ends the number.
    chord->setText("-310x5");
    EXPECT_EQ(textOf("Label_s1"), "29.70dm^2");
    chord->clear();
    EXPECT_EQ(textOf("Label_s1"), "12.65dm^2");  // root chord 0
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
        EXPECT_EQ(doc().model().WingCount, k);
        EXPECT_EQ(doc().model().CalcWingCount, k);
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
    EXPECT_EQ(doc().model().wing[3].WingPosX, -130);

    get<QRadioButton>("RadioButton2")->click();
    expectWings(2);
}

TEST_F(Behaviour, PageChangeRecalculatesOnlyWithoutValidResults) {
    auto* tabs = get<QTabWidget>("PageControl1");
    auto* zoom = get<QScrollBar>("ScrollBar3");  // a recalculation sets it back to 100
    get<QPushButton>("Button4")->click();
    zoom->setValue(60);
    get<QAction>("wing11")->trigger();
    EXPECT_EQ(tabs->currentWidget()->objectName(), "TabSheet1");
    EXPECT_EQ(zoom->value(), 60);
    EXPECT_TRUE(results().ResultsValid);
    EXPECT_FALSE(hidden("Label_anp1"));

    get<QLineEdit>("Edit4")->setText("311");
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
