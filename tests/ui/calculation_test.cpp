// The calculate command in the window: its states, its texts and what it
// leaves in the fields and the top view.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include "solver/calculation.h"
#include "ui/image_widget.h"
#include "ui/wing_controls.h"
#include "window_test_support.h"

namespace ws::testing {
namespace {

const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);

// A pointer's level start in row y: ten pixels of the colour side by side, which no text has.
bool pointerIn(const QImage& image, int y, const QColor& colour) {
    int run = 0;
    for (int x = 0; x < image.width() / 2; ++x) {
        run = image.pixelColor(x, y) == colour ? run + 1 : 0;
        if (run >= 10) return true;
    }
    return false;
}

class Calculation : public MainWindowTest {
  protected:
    void calculate() { get<QPushButton>("Button4")->click(); }
    QStringList memoLines() { return get<QPlainTextEdit>("Memo1")->toPlainText().split('\n'); }
    QLabel* anp(int w) { return get<QLabel>(wingControlNames(w).anpValue); }
    QLineEdit* field(const char* name) { return get<QLineEdit>(name); }
    ImageWidget* top() { return get<ImageWidget>("Image2"); }
    const QImage& topView() { return top()->image(); }

    // Button4 and SpeedButton4 as a finished run (off) or an edit (on) leaves them.
    void expectCalculateOn(bool on) {
        EXPECT_FALSE(get<QPushButton>("Button4")->isHidden());
        EXPECT_EQ(get<QPushButton>("Button4")->isEnabled(), on);
        EXPECT_EQ(get<QToolButton>("SpeedButton4")->isEnabled(), on);
        EXPECT_TRUE(get<QLabel>("Label_w")->isHidden());
        EXPECT_TRUE(get<QLabel>("Label24")->isHidden());
    }

    void expectResultsShown(bool shown) {
        EXPECT_EQ(results().ResultsValid, shown);
        for (int w = 1; w <= 3; ++w) {
            EXPECT_EQ(anp(w)->isHidden(), !shown) << w;
            EXPECT_EQ(get<QLabel>(wingControlNames(w).anpCaption)->isEnabled(), shown) << w;
        }
        EXPECT_EQ(get<QPushButton>("Button6")->isHidden(), !shown);
        EXPECT_EQ(get<QToolButton>("SpeedButton5")->isEnabled(), shown);
        EXPECT_EQ(top()->testAttribute(Qt::WA_SetCursor), shown);
        if (shown) {
            EXPECT_EQ(top()->cursor().shape(), Qt::OpenHandCursor);
        }
    }

    void expectReady() {
        expectCalculateOn(true);
        expectResultsShown(false);
    }

    void expectDone() {
        EXPECT_TRUE(results().LatticeValid);
        expectCalculateOn(false);
        expectResultsShown(true);
    }
};

TEST_F(Calculation, StartUpAircraftShowsTheBatchProgramsLabelsOnTheAircraftPage) {
    const CalcResult batch = runCalculation(startupAircraft());
    ASSERT_TRUE(batch.done());
    auto* tabs = get<QTabWidget>("PageControl1");
    tabs->setCurrentWidget(get<QWidget>("TabSheet1"));
    calculate();
    expectDone();
    EXPECT_EQ(tabs->currentWidget()->objectName(), "TabSheet5");
    // What winstabix-calc prints for the start-up aircraft.
    for (int w = 1; w <= 3; ++w)
        EXPECT_EQ(anp(w)->text().toStdString(), anpLabelText(batch.wings[w].AnpRelative)) << w;
    EXPECT_EQ(results().calc.evaluation.AnpAircraft, batch.evaluation.AnpAircraft);
    EXPECT_TRUE(get<QPlainTextEdit>("Memo1")->isHidden());
    EXPECT_TRUE(get<QAction>("Print1")->isEnabled());

    // The calculate tool button is off too, so nothing calculates twice.
    get<QToolButton>("SpeedButton4")->click();
    EXPECT_TRUE(results().ResultsValid);

    field("Edit_x2")->setText("690");
    expectReady();
    get<QToolButton>("SpeedButton4")->click();
    expectDone();
    EXPECT_NE(results().calc.evaluation.AnpAircraft, batch.evaluation.AnpAircraft);
}

TEST_F(Calculation, TooSlenderWingIsRefusedWithoutResults) {
    form->show();
    QApplication::processEvents();
    const WingControlNames& n = wingControlNames(1);
    field(n.chord[1])->setText("10");
    field(n.chord[2])->setText("10");
    field(n.span[1])->setText("3000");
    calculate();
    EXPECT_FALSE(results().LatticeValid);
    expectCalculateOn(false);
    expectResultsShown(false);
    const QStringList lines = memoLines();
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(lines[lines.size() - 2], "Can not calculate wing-1. ");
    EXPECT_EQ(lines.back(), "Please change this wing (less aspect ratio)!");
    EXPECT_FALSE(get<QPlainTextEdit>("Memo1")->isHidden());

    field(n.span[1])->setText("550");
    expectReady();
}

TEST_F(Calculation, MovedHeightsReachTheFieldsAfterTheNotice) {
    field("Edit_z2")->setText("0");
    const CalcResult expected = runCalculation(doc().model());
    ASSERT_TRUE(expected.WingsMoved);
    calculate();
    expectDone();
    const QStringList lines = memoLines();
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(lines[0], "Attention:");
    EXPECT_EQ(lines[1], "Wings are moved automatically in z-direction!");
    EXPECT_FALSE(get<QPlainTextEdit>("Memo1")->isHidden());
    for (int w = 1; w <= 3; ++w)
        EXPECT_EQ(field(wingControlNames(w).posZ)->text(), QString::number(expected.WingPosZ[w])) << w;
}

TEST_F(Calculation, TheManualMarginHasItsFieldAndItsTick) {
    calculate();
    const char* manual[] = {"Edit31", "Label22", "Label21"};
    for (const char* name : manual) EXPECT_TRUE(get<QWidget>(name)->isHidden()) << name;
    get<QRadioButton>("RadioButton16")->click();
    for (const char* name : manual) EXPECT_FALSE(get<QWidget>(name)->isHidden()) << name;
    // Every keystroke redraws.
    field("Edit31")->setText("12.25");
    EXPECT_EQ(doc().stabilityChoice().marginText, "12.25");
    EXPECT_DOUBLE_EQ(views().currentStabilityDisplay().CgDesired, doc().stability().CgDesired);
    get<QRadioButton>("RadioButton15")->click();
    for (const char* name : manual) EXPECT_TRUE(get<QWidget>(name)->isHidden()) << name;
}

TEST_F(Calculation, TheZoomBarMagnifiesAndKeepsTheOrigin) {
    calculate();
    auto* zoom = get<QScrollBar>("ScrollBar3");
    const TopViewTransform fitted = views().topViewTransform();
    zoom->setValue(75);
    const TopViewTransform& t = views().topViewTransform();
    EXPECT_DOUBLE_EQ(t.TopViewScale, fitted.TopViewBaseScale * 2);
    EXPECT_EQ(t.TopViewOriginY, fitted.TopViewOriginY);
    EXPECT_EQ(t.centreColumn, fitted.centreColumn);
    // The pointer from the neutral-point row ends beside the moved tick.
    EXPECT_TRUE(pointerIn(topView(), 306, kRed));

    zoom->setValue(50);
    EXPECT_DOUBLE_EQ(views().topViewTransform().TopViewScale, fitted.TopViewBaseScale * 3);
    EXPECT_DOUBLE_EQ(t.TopViewBaseScale, fitted.TopViewBaseScale);
}

TEST_F(Calculation, ResizeShowsNoResultsBeforeACalculationAndKeepsThemAfter) {
    form->show();
    form->resize(form->width() + 50, form->height() + 40);
    QApplication::processEvents();
    expectReady();
    calculate();
    const QString label1 = anp(1)->text();
    const QSize before = top()->size();
    form->resize(form->width() + 120, form->height() + 90);
    QApplication::processEvents();
    EXPECT_GT(top()->width(), before.width());
    EXPECT_GT(top()->height(), before.height());
    EXPECT_EQ(topView().size(), top()->size());
    expectDone();
    EXPECT_EQ(anp(1)->text(), label1);
    EXPECT_EQ(views().topViewTransform().width, top()->width());
}

TEST_F(Calculation, TopViewPressShowsPointersOnlyWithResults) {
    form->show();  // laid out, so the rows below fit the image before a calculation too
    QApplication::processEvents();
    ASSERT_GT(topView().height(), 306);
    const QPoint p(300, 100);
    QTest::mousePress(top(), Qt::LeftButton, {}, p);
    EXPECT_FALSE(pointerIn(topView(), 306, kRed));
    QTest::mouseRelease(top(), Qt::LeftButton, {}, p);

    calculate();
    EXPECT_FALSE(pointerIn(topView(), 306, kRed));
    QTest::mousePress(top(), Qt::LeftButton, {}, p);
    EXPECT_TRUE(pointerIn(topView(), 306, kRed));
    EXPECT_TRUE(pointerIn(topView(), 290, kBlue));
    EXPECT_EQ(top()->cursor().shape(), Qt::ClosedHandCursor);

    // Dragging down magnifies; the release returns to the fitted view.
    auto* zoom = get<QScrollBar>("ScrollBar3");
    const double base = views().topViewTransform().TopViewBaseScale;
    QTest::mouseMove(top(), p + QPoint(0, 30));
    EXPECT_EQ(zoom->value(), 90);
    EXPECT_GT(views().topViewTransform().TopViewScale, base);
    QTest::mouseRelease(top(), Qt::LeftButton, {}, p + QPoint(0, 60));
    EXPECT_EQ(zoom->value(), 100);
    EXPECT_DOUBLE_EQ(views().topViewTransform().TopViewScale, base);
    EXPECT_FALSE(pointerIn(topView(), 306, kRed));  // the pointers are gone
    EXPECT_EQ(top()->cursor().shape(), Qt::OpenHandCursor);
    EXPECT_TRUE(results().ResultsValid);
}

}  // namespace
}  // namespace ws::testing
