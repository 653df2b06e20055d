// Start-up and close: the settings file "Default.pa4" (settings_location.h
// says where), the screen density and the aircraft file named on the command line.
#include <QCloseEvent>
#include <QTabWidget>

#include "files/file_io.h"
#include "files/settings_file.h"
#include "texts/translation.h"
#include "ui/Unit2.h"
#include "ui/WinStabix2.h"
#include "ui/aircraft_document.h"
#include "ui/open_aircraft.h"
#include "ui/settings_location.h"

namespace ws {

void TForm1::checkScreenDensity() {
    ScreenDpi = logicalDpiX();
    Screen96Dpi = ScreenDpi == 96;
    // No rescaling here: the layout is in Qt's logical pixels, which Qt
    // itself maps to the device; scaling again would shrink the window twice.
}

void TForm1::applySettingsFile() {
    const Settings s = loadSettingsFile(settingsFileToRead());
    resize(s.width.value_or(width()), s.height.value_or(height()));
    if (s.left || s.top) move(s.left.value_or(pos().x()), s.top.value_or(pos().y()));
    // Now, so that the remarks' text is written in it; the window keeps its
    // design texts until the end of the start-up.
    UiLanguage_ = s.language;
    useLanguage(UiLanguage_);
}

void TForm1::openCommandLineFile() {
    // Used as given: on a case-sensitive file system a lower-cased path is another file.
    if (commandLine_.size() == 1) openAircraftFile(commandLine_.front());
}

void TForm1::FormClose() {
    Settings s;
    s.language = UiLanguage_;
    // The size as resize() takes it back, so a start after a close restores it exactly.
    s.width = width();
    s.height = height();
    s.left = pos().x();
    s.top = pos().y();
    // A folder that cannot take the file keeps its old one; nobody is told.
    (void)writeFileSafely(settingsFileToWrite(), settingsFileBytes(s));
    if (info_) info_->close();
    if (form3_) form3_->close();
}

void TForm1::closeEvent(QCloseEvent* event) {
    // Exit, Ctrl+Q and the close box: unsaved changes are asked about first.
    if (!mayDiscardChanges()) {
        event->ignore();
        return;
    }
    FormClose();
    QMainWindow::closeEvent(event);
}

}  // namespace ws
