// The window hands every change to its views.
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <cmath>
#include <functional>

#include "ui/image_widget.h"
#include "views/planform_view.h"
#include "window_test_support.h"

namespace ws::testing {
namespace {

class ViewWiring : public MainWindowTest {
  protected:
    QImage image(const char* name) { return get<ImageWidget>(name)->image(); }
};

TEST_F(ViewWiring, EveryChangeRedrawsItsViewAndThePlanformAtTheScaleTheEditingReads) {
    const struct {
        const char* view;
        std::function<void()> change;
    } cases[] = {
        {"Image1", [&] { get<QLineEdit>("Edit4")->setText("400"); }},
        {"Image_W", [&] { get<QRadioButton>("RadioButton41t")->click(); }},
        {"Image2", [&] { get<QLineEdit>("Edit_x2")->setText("500"); }},
        {"Image3", [&] { get<QLineEdit>("Edit_x2")->setText("520"); }},
        {"Image3", [&] { get<QScrollBar>("ScrollBar2")->setValue(200); }},
        {"Image3", [&] { get<QScrollBar>("ScrollBar4")->setValue(50); }},
    };
    for (const auto& c : cases) {
        const QImage before = image(c.view);
        c.change();
        EXPECT_NE(before, image(c.view)) << c.view;
    }
    const QImage planform = image("Image1");
    EXPECT_EQ(planformScale(1), ws::PlanformScale(doc().planform(1), planform.width(), planform.height()));
}

TEST_F(ViewWiring, PlanformMarksTheWingsOwnCentreOnlyAfterACalculation) {
    get<QPushButton>("Button4")->click();
    const double anp = results().calc.evaluation.AnpWing[1] - doc().model().wing[1].WingPosX;
    const QImage marked = image("Image1");
    const QPoint mark(marked.width() / 2 + 4,
                      int(std::nearbyint(anp * planformScale(1) + marked.height() / 3)));
    EXPECT_EQ(marked.pixelColor(mark), QColor(Qt::black));
    // Results kept in a file name no wing's centre: the old mark must go.
    const std::string file = (folder / "calculated.da4").string();
    ASSERT_FALSE(doc().save(file));
    ASSERT_FALSE(doc().open(file));
    ASSERT_TRUE(results().ResultsValid);
    EXPECT_NE(image("Image1").pixelColor(mark), QColor(Qt::black));
}

}  // namespace
}  // namespace ws::testing
