// The print command: the summary page composed from plain values, then the
// "Printer" dialog that sends it to a printer or a PDF file, where it is
// drawn at the printer's resolution.
// The window's print controls (ui/print_controls.h) fill the input from the
// document; available only while a finished calculation's results are valid.
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
