// The window hands every change to its views: the planform of the edited
// wing, the schematic of its trapezium count, the top and the 3-D view.
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <cmath>

#include "ui/image_widget.h"
#include "views/planform_view.h"
#include "window_test_support.h"

namespace ws::testing {
namespace {

class ViewWiring : public MainWindowTest {
  protected:
    QImage image(const char* name) { return get<ImageWidget>(name)->image(); }
};

TEST_F(ViewWiring, WingEditRedrawsItsPlanformAtTheScaleTheEditingReads) {
    const QImage before = image("Image1");
    get<QLineEdit>("Edit4")->setText("400");
    const QImage after = image("Image1");
    EXPECT_NE(before, after);
    EXPECT_EQ(planformScale(1), ws::PlanformScale(doc().planform(1), after.width(), after.height()));
    EXPECT_GT(planformScale(1), 0);
}

TEST_F(ViewWiring, TrapeziumChoiceRedrawsTheSchematic) {
    const QImage one = image("Image_W");
    get<QRadioButton>("RadioButton41t")->click();
    EXPECT_NE(one, image("Image_W"));
    get<QRadioButton>("RadioButton4")->click();
    EXPECT_EQ(one, image("Image_W"));
}

TEST_F(ViewWiring, PositionAndAngleChangesRedrawTheAircraftViews) {
    const QImage top = image("Image2");
    QImage view3D = image("Image3");
    get<QLineEdit>("Edit_x2")->setText("500");
    EXPECT_NE(top, image("Image2"));
    EXPECT_NE(view3D, image("Image3"));
    // Turning and zooming the 3-D view.
    for (const auto& [bar, value] : {std::pair{"ScrollBar2", 200}, std::pair{"ScrollBar4", 50}}) {
        view3D = image("Image3");
        get<QScrollBar>(bar)->setValue(value);
        EXPECT_NE(view3D, image("Image3")) << bar;
    }
}

TEST_F(ViewWiring, PlanformMarksTheWingsOwnCentreOnlyAfterACalculation) {
    get<QPushButton>("Button4")->click();
    ASSERT_TRUE(results().ResultsValid);
    const double anp = results().calc.evaluation.AnpWing[1] - doc().model().wing[1].WingPosX;
    const QImage marked = image("Image1");
    const int x0 = marked.width() / 2;
    const int third = marked.height() / 3;
    const int row = int(std::nearbyint(anp * planformScale(1) + third));
    EXPECT_EQ(marked.pixelColor(x0 + 4, row), QColor(Qt::black));

    // Results kept in a file name no wing's centre: the old mark must go.
    const std::string file = (folder / "calculated.da4").string();
    ASSERT_FALSE(doc().save(file));
    ASSERT_FALSE(doc().open(file));
    ASSERT_TRUE(results().ResultsValid);
    EXPECT_NE(image("Image1").pixelColor(x0 + 4, row), QColor(Qt::black));
}

}  // namespace
}  // namespace ws::testing
