// The print command: the summary page composed from plain values, then the
// "Printer" dialog that sends it to a printer or a PDF file, where it is
// drawn at the printer's resolution.
//
// Hookup in the main window (Button6, SpeedButton5 and Print1 all call it):
//   ws::PrintJobInput in;
//   in.model = &model();  in.calc = &calculation();  in.stability = calculation().stability;
//   in.manual = RadioButton16->isChecked();  in.LatticeValid = LatticeValid;
//   in.ScrollBar1 = ScrollBar1->value();  in.ScrollBar2 = ScrollBar2->value();
//   const ws::SummaryPage page = ws::composeSummaryPage(in);
//   form3->showPage(page.print, ws::pdfFileNameFor(model().AircraftFileName));
// where form3 is one ws::TForm3 made beside the main window.
// Available only while ResultsValid holds for a finished calculation.
#pragma once

#include <QImage>
#include <QString>
#include <string>

#include "printing/Unit3.h"
#include "printing/print_copies.h"
#include "printing/print_page.h"
#include "printing/summary_page.h"

namespace ws {

struct SummaryPage {
    QImage Image4;    // the top view at print size (736 x 406)
    QImage Image7;    // the 3-D view at print size (776 x 246)
    QImage Image_P;   // the page as a bitmap of its layout size (985 x 1502)
    PrintPage print;  // the page itself, what the dialog prints; it keeps its own copy of the values
};

// The whole page of `input`: views at print size, then every text in the
// language in force. Reads no widget; the window's own views are
// left as they are. The page's title is the aircraft file's name.
SummaryPage composeSummaryPage(const PrintJobInput& input);

// The name the PDF file dialog offers: the aircraft file's with ".pdf"
// in place of its extension ("Unknown.da4" -> "Unknown.pdf").
QString pdfFileNameFor(const std::string& AircraftFileName);

}  // namespace ws
