#include "ui/print_controls.h"

#include <QAction>
#include <QWidget>

#include "printing/Unit3.h"

namespace ws {

PrintControls::PrintControls(const AircraftDocument& doc, QWidget* window, QAction* print)
    : QObject(window), doc_(doc), window_(window), makeDialog_([](QWidget* parent) {
          return new TForm3(std::make_unique<SystemPrinterCatalog>(), parent);
      }) {
    connect(print, &QAction::triggered, this, &PrintControls::Print1Click);
}

void PrintControls::setPrintDialogFactory(std::function<TForm3*(QWidget* parent)> factory) {
    makeDialog_ = std::move(factory);
}

TForm3* PrintControls::dialog() {
    if (!dialog_) dialog_ = makeDialog_(window_);
    return dialog_;
}

void PrintControls::Print1Click() {
    const DocumentResults& r = doc_.results();
    // Only a finished calculation of the aircraft as it stands has a page;
    // the controls are off otherwise, this guards a stray call.
    if (!r.printable()) return;
    PrintJobInput in;
    in.model = &doc_.model();
    in.calc = &r.calc;
    in.stability = doc_.stability();
    in.manual = doc_.stabilityChoice().manual;
    in.LatticeValid = r.LatticeValid;
    in.elevation = doc_.viewBars().elevation;
    in.azimuth = doc_.viewBars().azimuth;
    in.balance = doc_.balanceFigures();
    page_ = composeSummaryPage(in);
    dialog()->showPage(page_.print, pdfFileNameFor(doc_.model().AircraftFileName));
}

}  // namespace ws
