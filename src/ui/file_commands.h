// The window's side of the aircraft files: the dialogs the Open and Save
// commands ask (a seam, so tests can answer them) and the field order in
// which a loaded aircraft is written into the entry fields.
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

struct FileDialogs {
    // The file chosen in the open dialog ("*.da4"), empty when cancelled.
    std::function<QString(QWidget* parent)> open;
    // The name chosen in the save dialog (initial name "*.da4"), empty when cancelled.
    std::function<QString(QWidget* parent)> save;
    // Tells the user that a save failed; `reason` names the file.
    std::function<void(QWidget* parent, const QString& reason)> saveFailed;
};

// QFileDialog with the filter "*.da4" and a warning QMessageBox.
FileDialogs standardFileDialogs();

// The sixteen fields of wing w in the order a load writes them: chords 1..5,
// gap, spans 1..4, offsets 2..5, x, z.
std::array<QLineEdit*, 16> loadOrder(const WingPage& wing, const AircraftPage& aircraft, int w);

// The values of `entry` in the same order.
std::array<std::int32_t, 16> loadOrderValues(const WingEntry& entry);

}  // namespace ws
