// The window's side of the aircraft files: the dialogs and questions the
// file commands ask and the messages they show (a seam, so tests can answer
// them), and the entry fields in the order a loaded aircraft fills them.
#pragma once

#include <QString>
#include <array>
#include <functional>

#include "model/aircraft.h"
#include "ui/wing_page.h"

class QLineEdit;
class QWidget;

namespace ws {

struct AircraftPage;

// The answer to "save the changes first?".
enum class SaveAnswer { Save, Discard, Cancel };

struct FileDialogs {
    // The file chosen in the open dialog ("*.da4", starting in `folder`), empty when cancelled.
    std::function<QString(QWidget* parent, bool english, const QString& folder)> open;
    // The name chosen in the save dialog, starting at `suggested`, empty when cancelled.
    std::function<QString(QWidget* parent, bool english, const QString& suggested)> save;
    // Asked before unsaved changes would be lost.
    std::function<SaveAnswer(QWidget* parent, bool english)> askSave;
    // A file that did not open or save, or what a save could not keep.
    std::function<void(QWidget* parent, const QString& text)> warn;
};

// QFileDialog with the filter "*.da4", QMessageBox for the rest.
FileDialogs standardFileDialogs();

// The sixteen fields of wing w in the order a load writes them: chords 1..5,
// gap, spans 1..4, offsets 2..5, x, z.
std::array<QLineEdit*, 16> loadOrder(const WingPage& wing, const AircraftPage& aircraft, int w);

}  // namespace ws
