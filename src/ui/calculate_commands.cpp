// The calculate command (Button4, SpeedButton4): runs the calculation chain
// and shows its outcome, in the order the user sees it appear.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QToolButton>

#include "model/entry_rule.h"
#include "texts/catalogue.h"
#include "ui/WinStabix2.h"
#include "ui/controls.h"
#include "ui/countdown_label.h"
#include "ui/image_widget.h"
#include "views/lattice_from_solver.h"

namespace ws {

void TForm1::Button4Click(QObject* sender) {
    if (PageControl1->currentWidget() != aircraft_.page) PageControl1->setCurrentWidget(aircraft_.page);

    showCalculationRunning();
    Calc(sender);
    // The recalculation offers the calculate command again; not while it runs.
    chrome_.SpeedButton4->setEnabled(false);
    repaint();

    CountdownLabel countdown(aircraft_.Label24);
    CalcOptions options;
    options.marginDesired = marginDesired();
    options.progress = [&countdown](int stepsLeft) { countdown(stepsLeft); };
    runCalculation(model_, options, workspace_, calc_);
    countdown.finish();

    showCalculation(sender);
    model_.CalcWingCount = model_.WingCount;
    QApplication::beep();
}

void TForm1::showCalculationRunning() {
    aircraft_.Label_w->show();
    aircraft_.Button4->hide();
    chrome_.SpeedButton4->setEnabled(false);
    aircraft_.Memo1->clear();
    aircraft_.Memo1->hide();
}

void TForm1::showCalculation(QObject* sender) {
    // The notice of moved wings comes before the heights it announces.
    aircraft_.Memo1->setPlainText(messageBoxText(calc_.memo));
    aircraft_.Memo1->setVisible(calc_.memoShown);
    if (calc_.WingsMoved) writeMovedHeights();

    if (calc_.done()) {
        latticeDrawing_ = latticeDrawing(calc_.lattice);
        for (int w = 1; w <= kMaxWings; ++w)
            setCaption(wings_[w].anpValue, QString::fromStdString(calc_.wings[w].anpLabel));
        ResultsValid = true;
        LatticeValid = true;
        applyTopViewCursor();
        STABIL(sender);
        FormResize(sender);
        aircraft_.Button6->show();
        chrome_.SpeedButton5->setEnabled(true);
        chrome_.Print1->setEnabled(true);
    }

    aircraft_.Label_w->hide();
    aircraft_.Button4->show();
    aircraft_.Button4->setEnabled(false);
    chrome_.SpeedButton4->setEnabled(false);
    if (calc_.done()) {
        for (int w = 1; w <= kMaxWings; ++w) {
            wings_[w].anpCaption->setEnabled(true);
            wings_[w].anpValue->show();
        }
    }
}

void TForm1::writeMovedHeights() {
    for (int w = 1; w <= kMaxWings; ++w) {
        const int z = calc_.WingPosZ[w];
        if (z == model_.wing[w].WingPosZ) continue;
        // A height written by the calculation is no edit: it must not withdraw the run.
        const QSignalBlocker quiet(aircraft_.posZ[w]);
        aircraft_.posZ[w]->setText(QString::number(z));
        model_.wing[w].WingPosZ = z;
    }
}

double TForm1::marginDesired() const {
    return marginFromText(aircraft_.Edit31->text().toStdString());
}

}  // namespace ws
