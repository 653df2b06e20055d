// The print command (Button6, SpeedButton5, Print1): the summary page of the
// last calculation, handed to the "Printer" dialog.
#include <QAction>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QToolButton>

#include "printing/Unit3.h"
#include "printing/print_job.h"
#include "ui/WinStabix2.h"
#include "ui/export_commands.h"

namespace ws {

TForm3* TForm1::standardPrintDialog(QWidget* parent) {
    return new TForm3(std::make_unique<SystemPrinterCatalog>(), parent);
}

void TForm1::Print1Click(QObject* sender) {
    // Only a finished calculation of the aircraft as it stands has a page;
    // the controls are off otherwise, this guards a stray call.
    if (!ResultsValid || !LatticeValid || !calc_.done()) return;
    // The centre-of-gravity numbers as the display shows them now (Edit31).
    STABIL(sender);

    PrintJobInput in;
    in.model = &model_;
    in.calc = &calc_;
    in.stability = calc_.stability;
    in.manual = aircraft_.RadioButton16->isChecked();
    in.LatticeValid = LatticeValid;
    in.UiEnglish = UiEnglish;
    in.ScrollBar1 = aircraft_.ScrollBar1->value();
    in.ScrollBar2 = aircraft_.ScrollBar2->value();
    page_ = composeSummaryPage(in);

    if (!form3_) form3_ = makePrintDialog(this);
    form3_->showPage(page_.print, pdfFileNameFor(model_.AircraftFileName));
}

void TForm1::connectPrintCommand() {
    connect(aircraft_.Button6, &QPushButton::clicked, this, [this] { Print1Click(aircraft_.Button6); });
    connect(chrome_.SpeedButton5, &QToolButton::clicked, this, [this] { Print1Click(chrome_.SpeedButton5); });
    connect(chrome_.Print1, &QAction::triggered, this, [this] { Print1Click(chrome_.Print1); });
    exports_ = new ExportCommands(
        this, [this] { return exportSource(); },
        [this] {
            if (!form3_) form3_ = makePrintDialog(this);
            return form3_;
        });
    exports_->addTo(chrome_.Open1, chrome_.Exit1);
    exports_->retitle(UiEnglish);
}

ExportSource TForm1::exportSource() const {
    ExportSource source{model_, std::nullopt, UiEnglish};
    const Evaluation& e = calc_.evaluation;
    if (ResultsValid)
        source.marks = stabilityMarks(model_.CalcWingCount, e.AnpAircraft, e.RefArea, e.RefChord,
                                      marginDesired(), aircraft_.RadioButton16->isChecked());
    return source;
}

}  // namespace ws
