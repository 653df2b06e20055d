// The print command: the summary page composed from plain values, then the
// "Printer" dialog that sends it to a printer or a PDF file.
//
// Hookup in the main window (Button6, SpeedButton5 and Print1 all call it):
//   ws::PrintJobInput in;
//   in.model = &model();  in.calc = &calculation();  in.stability = calculation().stability;
//   in.manual = RadioButton16->isChecked();  in.LatticeValid = LatticeValid;
//   in.ScrollBar1 = ScrollBar1->value();  in.ScrollBar2 = ScrollBar2->value();
//   const ws::SummaryPage page = ws::composeSummaryPage(in);
//   Image4->image() = page.Image4;  Image7->image() = page.Image7;  Image_P->image() = page.Image_P;
//   form3->showPage(page.Image_P, ws::pdfFileNameFor(model().AircraftFileName));
// where form3 is one ws::TForm3 made at start-up beside the main window
// (new ws::TForm3(), no parent so it stays a window of its own).
// Available only while ResultsValid holds for a finished calculation.
#pragma once

#include <QImage>
#include <QString>
#include <string>

#include "printing/Unit3.h"
#include "printing/print_copies.h"
#include "printing/summary_page.h"

namespace ws {

struct SummaryPage {
    QImage Image4;   // the top view at print size (736 x 406)
    QImage Image7;   // the 3-D view at print size (776 x 246)
    QImage Image_P;  // the page (985 x 1502), what the dialog prints
};

// The whole page of `input`: views at print size, then every text in the
// language in force. Reads no widget; the window's own views are
// left as they are.
SummaryPage composeSummaryPage(const PrintJobInput& input);

// The name the PDF file dialog offers: the aircraft file's with ".pdf"
// in place of its extension ("Unknown.da4" -> "Unknown.pdf").
QString pdfFileNameFor(const std::string& AircraftFileName);

}  // namespace ws
