// The window's texts. Each control's English text is the source text of Qt's
// translation system (context "Window"); the language in force translates it
// (texts/translation.h). The window starts with its design texts and
// retranslates on QEvent::LanguageChange.
#pragma once

#include <QString>
#include <array>
#include <string>
#include <utility>
#include <vector>

namespace ws {

// One control's text: its object name and its English source text, which
// may hold %1 (the wing) and %2 (the trapezium) for the accessible names;
// `comment` tells apart one English text that has two translations.
struct TextRow {
    std::string name;
    const char* source = "";
    const char* comment = nullptr;
    int wing = 0;
    int trapezium = 0;
    QString text() const;  // in the language in force
};

// Captions the language switch rewrites: labels, buttons, radio buttons,
// tab pages and menu items.
const std::vector<TextRow>& captionTable();

// Words a screen reader says for every entry field, image and scroll bar.
const std::vector<TextRow>& accessibleNameTable();

// What each result label and the top view's rows mean, as their hints.
const std::vector<TextRow>& hintTable();

// The caption a control shows at start-up: its design text where that
// differs from the English one (tab pages, the wing menu items), else the
// English caption; also the texts no switch touches (hints, "%", "Info",
// the value labels' placeholders). Empty for an unknown name.
QString designCaption(const std::string& name);

// In the language in force; empty for an unknown name.
QString captionText(const std::string& name);
QString accessibleNameText(const std::string& name);

// The hint's line for a field read as another value than its text says.
QString readAsText(int value);

// Drawn into the position sketches (Image5, Image55, Image555); the blanks
// overwrite what a longer text left there.
QString wingPictureName(int w);

// The two lines of the centre-gap warning.
std::pair<QString, QString> gapWarningLines();

// What the message box holds before a calculation writes into it.
QString errorBoxText();

// The info dialog's lines, keyed by the names of its labels (Label1 ... Label8).
const std::vector<TextRow>& infoTextTable();
QString infoText(const std::string& name);
QString closeButtonText();

// The titles of the open and save dialogs, and their filter "*.da4".
QString openDialogTitle();
QString saveDialogTitle();
QString aircraftFileFilter();

// A failed aircraft save: a first line, then `reason`, which names the file.
QString saveFailedText(const QString& reason);

// The question before unsaved changes would be lost, and its three buttons.
QString askSaveText();
std::array<QString, 3> askSaveButtons();  // Save, Discard, Cancel
QString changedOnDiskText(const QString& name);
std::array<QString, 3> changedOnDiskButtons();  // Overwrite, Save as, Cancel
// The offer of a dead window's unsaved changes, and the reload of a file changed on disk.
QString restoreText(const QString& name, const QString& time);
std::array<QString, 3> restoreButtons();  // Restore, Discard, Later
QString reloadText(const QString& name);
std::array<QString, 2> reloadButtons();  // Reload, Keep
// A file that did not open: a first line, then `reason`.
QString openFailedText(const QString& reason);
QString vanishedFileText(const QString& path);
// Remarks characters the file's character set has no place for.
QString unstorableRemarksText(int count);

}  // namespace ws
