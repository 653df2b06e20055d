// The print command (Print1, behind Button6 and SpeedButton5): the summary page of the
// last calculation, handed to the "Printer" dialog.
#include <QAction>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QToolButton>

#include "printing/Unit3.h"
#include "printing/print_job.h"
#include "texts/catalogue.h"
#include "ui/WinStabix2.h"
#include "ui/aircraft_document.h"
#include "ui/export_commands.h"

namespace ws {

TForm3* TForm1::standardPrintDialog(QWidget* parent) {
    return new TForm3(std::make_unique<SystemPrinterCatalog>(), parent);
}

void TForm1::setPrintDialogFactory(std::function<TForm3*(QWidget* parent)> factory) {
    makePrintDialog_ = std::move(factory);
}

void TForm1::Print1Click() {
    const CalcResult& calc = calculation();
    // Only a finished calculation of the aircraft as it stands has a page;
    // the controls are off otherwise, this guards a stray call.
    if (!doc_->ResultsValid() || !doc_->LatticeValid() || !calc.done()) return;
    // The centre-of-gravity numbers as the display shows them now (Edit31).
    STABIL();

    PrintJobInput in;
    in.model = &model();
    in.calc = &calc;
    in.stability = calc.stability;
    in.manual = aircraft_.RadioButton16->isChecked();
    in.LatticeValid = doc_->LatticeValid();
    in.ScrollBar1 = aircraft_.ScrollBar1->value();
    in.ScrollBar2 = aircraft_.ScrollBar2->value();
    page_ = composeSummaryPage(in);

    if (!form3_) form3_ = makePrintDialog_(this);
    form3_->showPage(page_.print, pdfFileNameFor(model().AircraftFileName));
}

void TForm1::connectPrintCommand() {
    connect(chrome_.Print1, &QAction::triggered, this, [this] { Print1Click(); });
    exports_ = new ExportCommands(
        this, [this] { return exportSource(); },
        [this] {
            if (!form3_) form3_ = makePrintDialog_(this);
            return form3_;
        });
    exports_->attach(chrome_.Export1, {chrome_.ExportSvg1, chrome_.ExportDxf1, chrome_.ExportAvl1},
                     chrome_.Template1);
    exports_->retitle();
}

ExportSource TForm1::exportSource() const {
    ExportSource source{model(), std::nullopt, {}};
    const Evaluation& e = calculation().evaluation;
    if (doc_->ResultsValid())
        source.marks = stabilityMarks(model().CalcWingCount, e.AnpAircraft, e.RefArea, e.RefChord,
                                      marginDesired(), aircraft_.RadioButton16->isChecked());
    source.words = exportWords(source.marks);
    return source;
}

}  // namespace ws
