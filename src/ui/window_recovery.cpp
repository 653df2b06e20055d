// The window's side of recovery and of files changed on disk: where the
// recovery file goes, the offer at start, and the reload offered when the
// window becomes active.
#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QLocale>

#include "document/recovery.h"
#include "ui/WinStabix2.h"
#include "ui/open_aircraft.h"
#include "ui/settings_location.h"
#include "ui/ui_texts.h"

namespace ws {

void TForm1::startRecovery() {
    recovery_ = new DocumentRecovery(*doc_, applicationFolder(UserFolderKind::State, false).path,
                                     QCoreApplication::applicationPid());
}

void TForm1::offerRecovery() {
    const auto folder = recovery_->path();
    const FileDialogs& dialogs = files_->dialogs();
    if (!folder || !dialogs.askRestore) return;
    for (const RecoveryFile& file : orphanedRecoveryFiles(folder->parent_path())) {
        const QString time =
            QLocale().toString(QDateTime::fromSecsSinceEpoch(file.writtenAt), QLocale::ShortFormat);
        switch (dialogs.askRestore(this, displayedFileName(file.fileName), time)) {
            case RestoreAnswer::Restore:
                // This window's changes go first; a refusal leaves the file for a later start.
                if (!files_->mayDiscardChanges()) return;
                if (const auto error = recovery_->restore(file)) {
                    if (dialogs.warn)
                        dialogs.warn(this, openFailedText(QString::fromStdString(error->reason)));
                    continue;
                }
                return;
            case RestoreAnswer::Discard: {
                std::error_code ec;
                std::filesystem::remove(file.path, ec);
                break;
            }
            case RestoreAnswer::Later:
                break;
        }
    }
}

void TForm1::checkFileOnDisk() {
    // With unsaved changes the question waits for the save, which asks it.
    if (!doc_->hasFile() || doc_->isModified()) return;
    const std::string& name = doc_->fileName();
    if (!doc_->changedOnDisk(name)) return;
    const QFileInfo info(QString::fromStdString(name));
    const std::pair<qint64, qint64> seen{info.lastModified().toMSecsSinceEpoch(), info.size()};
    // The question's own box takes the activation and gives it back.
    if (seen == declinedReload_ || askingReload_) return;
    const FileDialogs& dialogs = files_->dialogs();
    askingReload_ = true;
    const bool reload = dialogs.askReload && dialogs.askReload(this, displayedFileName(name));
    askingReload_ = false;
    if (reload)
        files_->openAircraftFile(QString::fromStdString(name));
    else
        declinedReload_ = seen;
}

}  // namespace ws
