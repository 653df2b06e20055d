// The parameter study in the window: opened from its menu entry, run off the
// event loop's thread, drawn, a point adopted as one undoable step, cancelled,
// and its outputs written.
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QSignalSpy>

#include "ui/study_dialog.h"
#include "window_test_support.h"

namespace ws::testing {
namespace {

class StudyDialogTest : public MainWindowTest {
  protected:
    StudyDialog& open() {
        get<QAction>("Study1")->trigger();
        return form->studyDialog();
    }
    static bool run(StudyDialog& study) {
        QSignalSpy finished(&study, &StudyDialog::studyFinished);
        study.start();
        return finished.wait(20000);
    }
};

TEST_F(StudyDialogTest, TailScaleStudyDrawsAndAdoptsOneStep) {
    StudyDialog& study = open();
    EXPECT_TRUE(study.isVisible());
    const QGraphicsScene* plot = study.findChild<QGraphicsView*>("StudyPlot")->scene();
    const qsizetype empty = plot->items().size();
    study.setStudy({2, StudyKind::Scale, 0}, 60, 160, 50);
    ASSERT_TRUE(run(study));
    ASSERT_EQ(study.rows().size(), 50u);
    EXPECT_TRUE(study.rows().front().done && study.rows().back().done);
    // The neutral point moves back as the tail grows.
    EXPECT_GT(study.rows().back().AnpAircraft, study.rows().front().AnpAircraft);
    EXPECT_GT(plot->items().size(), empty);  // the curves and points are drawn
    EXPECT_TRUE(study.rowText(49).contains("160.0 %"));

    // The row's own value goes in (the step itself: tests/document/study_adopt_test.cpp).
    study.adopt(0);  // 60 %
    EXPECT_EQ(form->document().text().field[2][kChordField], "54");

    const QString csv = QString::fromStdString((folder / "study.csv").string());
    const QString svg = QString::fromStdString((folder / "study.svg").string());
    EXPECT_EQ(study.exportCsv(csv), "");
    EXPECT_EQ(study.exportSvg(svg), "");
    const std::string csvBytes = readBytes(csv.toStdString());
    EXPECT_EQ(std::count(csvBytes.begin(), csvBytes.end(), '\n'), 51);
    EXPECT_NE(readBytes(svg.toStdString()).find("<svg"), std::string::npos);
}

TEST_F(StudyDialogTest, CancelStopsTheStudy) {
    form->document().setConvergedNeutralPoint(true);
    StudyDialog& study = open();
    study.setStudy({2, StudyKind::Scale, 0}, 60, 160, 200);
    QSignalSpy finished(&study, &StudyDialog::studyFinished);
    study.start();
    EXPECT_TRUE(study.running());
    study.cancel();
    ASSERT_TRUE(finished.wait(20000));
    EXPECT_LT(study.rows().size(), 200u);
    EXPECT_FALSE(study.running());
}

}  // namespace
}  // namespace ws::testing
