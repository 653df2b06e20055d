// The interface texts, English and German, keyed by the object name of the
// control that shows them. The language switch rewrites the captions and the
// accessible names from these tables; the window starts with its design texts.
#pragma once

#include <QString>
#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "ui/aircraft_document.h"

namespace ws {

struct TextRow {
    std::string name;  // object name of the control
    QString english;
    QString german;
};

// Captions the language switch rewrites: labels, buttons, radio buttons,
// tab pages and menu items.
const std::vector<TextRow>& captionTable();

// Words a screen reader says for every entry field, image and scroll bar.
const std::vector<TextRow>& accessibleNameTable();

// The caption a control shows at start-up: its design text where that
// differs from the English one (tab pages, the wing menu items), else the
// English caption; also the texts no switch touches (hints, "%", "Info",
// the value labels' placeholders). Empty for an unknown name.
QString designCaption(const std::string& name);

QString captionText(const std::string& name, bool english);
QString accessibleNameText(const std::string& name, bool english);

// Drawn into the position sketches (Image5, Image55, Image555); the blanks
// overwrite what the longer German text left there.
QString wingPictureName(int w, bool english);

// The two lines of the centre-gap warning.
std::pair<QString, QString> gapWarningLines(bool english);

// What the message box holds before a calculation writes into it.
QString errorBoxText(bool english);

// The info dialog's lines, keyed by the names of its labels (Label1 ... Label8).
const std::vector<TextRow>& infoTextTable();
QString infoText(const std::string& name, bool english);

// The titles of the open and save dialogs, and their filter "*.da4".
QString openDialogTitle(bool english);
QString saveDialogTitle(bool english);
QString aircraftFileFilter();

// A failed aircraft save: a first line, then `reason`, which names the file.
QString saveFailedText(const QString& reason, bool english);

// ---- Texts of the document commands --------------------------------------
// Undo and Redo named after the step they take back or do again.
QString stepName(const AircraftChange& step, bool english);
QString undoText(const std::optional<AircraftChange>& step, bool english);
QString redoText(const std::optional<AircraftChange>& step, bool english);
// The question before unsaved changes would be lost, and its three buttons.
QString askSaveText(bool english);
std::array<QString, 3> askSaveButtons(bool english);  // Save, Discard, Cancel
// A file that did not open: a first line, then `reason`.
QString openFailedText(const QString& reason, bool english);
QString vanishedFileText(const QString& path, bool english);
// Remarks characters the file's character set has no place for.
QString unstorableRemarksText(int count, bool english);

}  // namespace ws
