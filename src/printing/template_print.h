// The 1:1 building template of one wing as a document for the print
// dialog: the template's pages laid out for the printer's paper and drawn
// through the print surface at the printer's resolution, so a page's
// millimetre is a millimetre on the sheet.
#pragma once

#include "export/export_source.h"
#include "printing/print_page.h"

namespace ws {

// `wing` 1..3, both halves or the right half against the centre line;
// texts in the source's language. A paper too small for the template, or a
// wing without area, is refused with the reason.
PaperDocument templateDocument(const ExportSource& source, int wing, bool bothHalves);

}  // namespace ws
