// The calculate command (its states are in the window golden).
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "solver/calculation.h"
#include "ui/image_widget.h"
#include "ui/wing_controls.h"
#include "window_test_support.h"

namespace ws::testing {
namespace {

// A pointer's level start in row y: ten red pixels side by side, which no text has.
bool pointerIn(const QImage& image, int y) {
    for (int x = 0, run = 0; x < image.width() / 2; ++x)
        if ((run = image.pixelColor(x, y) == QColor(255, 0, 0) ? run + 1 : 0) >= 10) return true;
    return false;
}

class Calculation : public MainWindowTest {
  protected:
    void calculate() { get<QPushButton>("Button4")->click(); }
    QLineEdit* field(const char* name) { return get<QLineEdit>(name); }
};

TEST_F(Calculation, ATooSlenderWingIsRefusedAndMovedHeightsReachTheFields) {
    const WingControlNames& n = wingControlNames(1);
    field(n.chord[1])->setText("10");
    field(n.chord[2])->setText("10");
    field(n.span[1])->setText("3000");
    calculate();
    EXPECT_FALSE(results().LatticeValid || results().ResultsValid);
    EXPECT_FALSE(get<QPushButton>("Button4")->isEnabled());
    EXPECT_TRUE(get<QLabel>("Label_anp1")->isHidden());
    EXPECT_TRUE(
        textOf("Memo1").endsWith("Can not calculate wing-1. \nPlease change this wing (less aspect ratio)!"));
    EXPECT_FALSE(get<QPlainTextEdit>("Memo1")->isHidden());

    changesAnswer = SaveAnswer::Discard;
    get<QAction>("New1")->trigger();
    field("Edit_z2")->setText("0");
    const CalcResult expected = runCalculation(doc().model());
    ASSERT_TRUE(expected.WingsMoved);
    calculate();
    EXPECT_TRUE(textOf("Memo1").startsWith("Attention:\nWings are moved automatically in z-direction!"));
    for (int w = 1; w <= 3; ++w)
        EXPECT_EQ(field(wingControlNames(w).posZ)->text(), QString::number(expected.WingPosZ[w])) << w;
}

TEST_F(Calculation, ZoomBarAndDragMagnifyAndPointersShowOnlyWithResults) {
    form->show();  // laid out, so the rows below fit the image before a calculation too
    QApplication::processEvents();
    auto* top = get<ImageWidget>("Image2");
    const QPoint p(300, 100);
    QTest::mousePress(top, Qt::LeftButton, {}, p);
    EXPECT_FALSE(pointerIn(top->image(), 306));
    QTest::mouseRelease(top, Qt::LeftButton, {}, p);

    calculate();
    auto* zoom = get<QScrollBar>("ScrollBar3");
    const TopViewTransform fitted = views().topViewTransform();
    zoom->setValue(75);
    EXPECT_DOUBLE_EQ(views().topViewTransform().TopViewScale, fitted.TopViewBaseScale * 2);
    EXPECT_EQ(views().topViewTransform().TopViewOriginY, fitted.TopViewOriginY);
    zoom->setValue(100);
    QTest::mousePress(top, Qt::LeftButton, {}, p);
    EXPECT_TRUE(pointerIn(top->image(), 306));
    EXPECT_EQ(top->cursor().shape(), Qt::ClosedHandCursor);
    // Dragging down magnifies; the release returns to the fitted view.
    QTest::mouseMove(top, p + QPoint(0, 30));
    EXPECT_EQ(zoom->value(), 90);
    QTest::mouseRelease(top, Qt::LeftButton, {}, p + QPoint(0, 60));
    EXPECT_EQ(zoom->value(), 100);
    EXPECT_DOUBLE_EQ(views().topViewTransform().TopViewScale, fitted.TopViewBaseScale);
    EXPECT_FALSE(pointerIn(top->image(), 306));
    EXPECT_EQ(top->cursor().shape(), Qt::OpenHandCursor);
}

TEST_F(Calculation, APageChangeRecalculatesOnlyWithoutValidResults) {
    auto* tabs = get<QTabWidget>("PageControl1");
    auto* zoom = get<QScrollBar>("ScrollBar3");  // a recalculation sets it back to 100
    calculate();
    zoom->setValue(60);
    get<QAction>("wing11")->trigger();
    EXPECT_EQ(zoom->value(), 60);
    EXPECT_TRUE(results().ResultsValid);

    field("Edit4")->setText("311");
    zoom->setValue(60);
    get<QAction>("aircraft1")->trigger();
    EXPECT_EQ(tabs->currentWidget()->objectName(), "TabSheet5");
    EXPECT_EQ(zoom->value(), 100);
}

}  // namespace
}  // namespace ws::testing
