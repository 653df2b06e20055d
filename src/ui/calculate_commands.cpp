// The calculate command (Button4, SpeedButton4, F5): runs the calculation chain
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
#include "ui/WinStabix2.h"
#include "ui/aircraft_document.h"
#include "ui/controls.h"
#include "ui/countdown_label.h"
#include "ui/image_widget.h"
#include "views/lattice_from_solver.h"

namespace ws {

namespace {

QString memoText(const std::vector<std::string>& lines) {
    QStringList text;
    text.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::string& line : lines) text.append(QString::fromStdString(line));
    return text.join(QLatin1Char('\n'));
}

}  // namespace

void TForm1::Button4Click() {
    if (PageControl1->currentWidget() != aircraft_.page) PageControl1->setCurrentWidget(aircraft_.page);

    showCalculationRunning();
    doc_->withdrawResults();
    Calc();
    // The recalculation offers the calculate command again; not while it runs.
    chrome_.Calculate1->setEnabled(false);
    aircraft_.Button4->hide();
    repaint();

    CountdownLabel countdown(aircraft_.Label24);
    CalcOptions options;
    options.language = UiEnglish_ ? Language::English : Language::German;
    options.marginDesired = marginDesired();
    options.progress = [&countdown](int stepsLeft) { countdown(stepsLeft); };
    runCalculation(model(), options, workspace_, doc_->calculationTarget());
    countdown.finish();

    showCalculation();
    QApplication::beep();
}

void TForm1::showCalculationRunning() {
    aircraft_.Label_w->show();
    aircraft_.Button4->hide();
    chrome_.Calculate1->setEnabled(false);
    aircraft_.Memo1->clear();
    aircraft_.Memo1->hide();
}

void TForm1::showCalculation() {
    const CalcResult& calc = calculation();
    // The notice of moved wings comes before the heights it announces.
    aircraft_.Memo1->setPlainText(memoText(calc.memo));
    aircraft_.Memo1->setVisible(calc.memoShown);
    if (calc.WingsMoved) {
        std::array<int, kMaxWings + 1> heights{};
        for (int w = 1; w <= kMaxWings; ++w) heights[w] = calc.WingPosZ[w];
        doc_->writeMovedHeights(heights);
    }

    if (calc.done()) {
        latticeDrawing_ = latticeDrawing(calc.lattice);
        for (int w = 1; w <= kMaxWings; ++w)
            setCaption(wings_[w].anpValue, QString::fromStdString(calc.wings[w].anpLabel));
        doc_->calculationFinished();
        applyTopViewCursor();
        STABIL();
        FormResize();
        aircraft_.Button6->show();
        chrome_.Print1->setEnabled(true);
    }

    aircraft_.Label_w->hide();
    aircraft_.Button4->show();
    chrome_.Calculate1->setEnabled(false);
    if (calc.done()) {
        for (int w = 1; w <= kMaxWings; ++w) {
            wings_[w].anpCaption->setEnabled(true);
            wings_[w].anpValue->show();
        }
    }
}

double TForm1::marginDesired() const {
    return marginFromText(aircraft_.Edit31->text().toStdString());
}

}  // namespace ws
