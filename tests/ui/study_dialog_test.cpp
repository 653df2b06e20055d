// The parameter study in the window: run off the event loop's thread, drawn, a
// point adopted, its outputs written from its buttons, and cancelled.
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QGraphicsObject>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QGraphicsView>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

#include "golden.h"
#include "ui/study_dialog.h"
#include "window_test_support.h"

namespace ws::testing {
namespace {

class GoldenStudy : public MainWindowTest {
  protected:
    // The dialog's controls, its plot's axes, series and legend, and each row's hover text.
    static std::string shown(StudyDialog& study) {
        QApplication::processEvents();
        std::string out = study.windowTitle().toStdString() + "\n";
        for (QWidget* w : study.findChildren<QWidget*>()) {
            if (auto* box = qobject_cast<QComboBox*>(w))
                for (int i = 0; i < box->count(); ++i)
                    out += " item [" + box->itemText(i).toStdString() + "]\n";
            const QVariant text = w->property("text");  // labels, buttons, boxes and the bar
            if (!text.isValid()) continue;
            out += std::to_string(w->x()) + "," + std::to_string(w->y()) +
                   (w->isEnabled() ? " [" : " disabled [") + text.toString().toStdString() + "]\n";
        }
        // Qt Charts only through its objects' properties: the window keeps the library to itself.
        const auto property = [](QObject* o, const char* name) {
            return o->property(name).toString().toStdString();
        };
        for (QGraphicsItem* item : study.findChild<QGraphicsView*>("StudyPlot")->scene()->items()) {
            QGraphicsObject* o = item->toGraphicsObject();
            const std::string kind = o ? o->metaObject()->className() : "";
            if (kind == "QChart") {
                out += "plot [" + property(o, "title") + "]\n";
                for (QObject* part : o->findChildren<QObject*>()) {
                    const std::string c = part->metaObject()->className();
                    if (c == "QValueAxis")
                        out += "axis [" + property(part, "titleText") + "] " + property(part, "min") + " " +
                               property(part, "max") + "\n";
                    else if (c.ends_with("Series"))
                        out += c + " [" + property(part, "name") + "] " + property(part, "color") + "\n";
                }
            }
            if (kind == "LegendMarkerItem")
                for (QGraphicsItem* label : item->childItems())
                    if (auto* words = dynamic_cast<QGraphicsTextItem*>(label))
                        out += (item->isVisible() ? "legend [" : "hidden [") +
                               words->toPlainText().toStdString() + "]\n";
        }
        for (int i = 0; i < int(study.rows().size()); ++i) out += study.rowText(i).toStdString() + "\n";
        return out;
    }
};

// Wing 1 scaled through zero: a refused variant between two runs of calculated ones.
TEST_F(GoldenStudy, ScaleThroughZeroDrawsTwoRunsAdoptsWritesAndIsCancelled) {
    get<QAction>("Study1")->trigger();
    StudyDialog& study = form->studyDialog();
    EXPECT_TRUE(study.isVisible());
    study.setStudy({1, StudyKind::Scale, 0}, -100, 100, 5);
    QSignalSpy finished(&study, &StudyDialog::studyFinished);
    study.start();
    ASSERT_TRUE(finished.wait(20000));
    test::expectGolden("study-dialog.txt", shown(study));
    study.adopt(3);  // 50 %
    EXPECT_EQ(form->document().text().field[1][kChordField], "155");

    for (const char* button : {"Export CSV…", "Export SVG…", "Export PNG…"}) {
        QTimer::singleShot(0, [this] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialog->selectFile(text(folder / "study"));
            QMetaObject::invokeMethod(dialog, "accept");
        });
        for (QPushButton* b : study.findChildren<QPushButton*>())
            if (b->text() == button) b->click();
    }
    const std::string csv = readBytes(folder / "study.csv");
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 6);
    EXPECT_NE(readBytes(folder / "study.svg").find("<svg"), std::string::npos);
    EXPECT_EQ(readBytes(folder / "study.png").substr(1, 3), "PNG");

    form->document().setConvergedNeutralPoint(true);  // slow enough to be cancelled
    study.setStudy({2, StudyKind::Scale, 0}, 60, 160, 200);
    study.start();
    EXPECT_TRUE(study.running());
    study.cancel();
    ASSERT_TRUE(finished.wait(20000));
    EXPECT_LT(study.rows().size(), 200u);
}

}  // namespace
}  // namespace ws::testing
