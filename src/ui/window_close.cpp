// Close: the settings file "Default.pa4" (settings_location.h says where)
// keeps the language, the size and the place for the next start.
#include <QCloseEvent>

#include "files/file_io.h"
#include "files/settings_file.h"
#include "printing/Unit3.h"
#include "ui/Unit2.h"
#include "ui/WinStabix2.h"
#include "ui/print_controls.h"
#include "ui/settings_location.h"

namespace ws {

void TForm1::FormClose() {
    Settings s;
    s.language = doc_->language();
    // The size as resize() takes it back, so a start after a close restores it exactly.
    s.width = width();
    s.height = height();
    s.left = pos().x();
    s.top = pos().y();
    // A folder that cannot take the file keeps its old one; nobody is told.
    (void)writeFileSafely(settingsFileToWrite(), settingsFileBytes(s));
    if (info_) info_->close();
    if (TForm3* dialog = print_->printDialog()) dialog->close();
}

}  // namespace ws
