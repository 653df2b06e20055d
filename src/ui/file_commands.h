// Open, Save as and Save: the file dialogs, the question before unsaved
// changes are lost, the recent files and files dropped on the window; the
// document reads and writes the file. The dialogs and messages are a seam,
// so tests can answer them.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "document/aircraft_document.h"
#include "ui/recent_files.h"

class QAction;
class QMenu;
class QMimeData;
class QWidget;

namespace ws {

// The answer to "save the changes first?".
enum class SaveAnswer { Save, Discard, Cancel };
enum class ChangedAnswer { Overwrite, SaveAs, Cancel };
// The answer to "restore the unsaved changes of a window no longer running?".
enum class RestoreAnswer { Restore, Discard, Later };

struct FileDialogs {
    // The file chosen in the open dialog ("*.da4", starting in `folder`), empty when cancelled.
    std::function<QString(QWidget* parent, const QString& folder)> open;
    // The name chosen in the save dialog, starting at `suggested`, empty when cancelled.
    std::function<QString(QWidget* parent, const QString& suggested)> save;
    // Asked before unsaved changes would be lost.
    std::function<SaveAnswer(QWidget* parent)> askSave;
    // Asked before a save replaces a file changed on disk since; none overwrites.
    std::function<ChangedAnswer(QWidget* parent, const QString& name)> askOverwrite;
    // Asked at start for a recovery file of a window no longer running.
    std::function<RestoreAnswer(QWidget* parent, const QString& name, const QString& time)> askRestore;
    // Offered when the window becomes active and its file, unmodified here, changed on disk.
    std::function<bool(QWidget* parent, const QString& name)> askReload;
    // A file that did not open or save, or what a save could not keep.
    std::function<void(QWidget* parent, const QString& text)> warn;
};

// QFileDialog with the filter "*.da4", QMessageBox for the rest.
FileDialogs standardFileDialogs();

// The local *.da4 file among dropped ones; empty when there is none.
QString droppedAircraftFile(const QMimeData* data);

class FileCommands : public QObject {
    Q_OBJECT
  public:
    // On the File menu's Open (Open2), Save as (Save2) and Save (Save3) and its recent files.
    FileCommands(AircraftDocument& doc, QWidget* window, FileDialogs dialogs, QAction* open, QAction* saveAs,
                 QAction* save, QMenu* recent);
    // New (New1) and the examples found in `folder`/examples (documentation.h).
    void attachNewAndExamples(QAction* newAircraft, QMenu* examples, const QString& folder);

    // Each asks before an unsaved change would be lost; false when nothing was opened or saved.
    bool New1Click();
    bool Load1Click();
    bool openAircraftFile(const QString& path);
    // An example opened as a copy never saved: Save asks where it goes.
    bool openExample(const QString& path);
    bool Save();
    bool SaveAs();
    // True unless the user keeps the changes (Cancel, or a save that failed).
    bool mayDiscardChanges();

    const FileDialogs& dialogs() const { return dialogs_; }

  signals:
    void opened();

  private:
    bool saveTo(const std::string& fileName);
    void openRecent(const QString& path);
    void rebuildRecentMenu();
    void rebuildExamplesMenu();

    AircraftDocument& doc_;
    QWidget* window_;
    FileDialogs dialogs_;
    QMenu* recentMenu_;
    QMenu* examplesMenu_ = nullptr;
    QString examplesFolder_;
    RecentFiles recent_;
};

}  // namespace ws
