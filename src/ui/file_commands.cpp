#include "ui/file_commands.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <algorithm>

#include "files/cp1252.h"
#include "ui/documentation.h"
#include "ui/open_aircraft.h"
#include "ui/ui_texts.h"

namespace ws {

namespace {

// Remarks characters that the file's character set cannot hold and so are written as "?".
int unstorableCharacters(const std::string& remarks) {
    const std::string stored = utf8ToCp1252(remarks);
    return int(std::count(stored.begin(), stored.end(), '?') -
               std::count(remarks.begin(), remarks.end(), '?'));
}

}  // namespace

FileDialogs standardFileDialogs() {
    FileDialogs d;
    d.open = [](QWidget* parent, const QString& folder) {
        return QFileDialog::getOpenFileName(parent, openDialogTitle(), folder, aircraftFileFilter());
    };
    d.save = [](QWidget* parent, const QString& suggested) {
        return QFileDialog::getSaveFileName(parent, saveDialogTitle(), suggested, aircraftFileFilter());
    };
    d.askOverwrite = [](QWidget* parent, const QString& name) {
        QMessageBox box(QMessageBox::Warning, QStringLiteral("WinStabix4"), changedOnDiskText(name),
                        QMessageBox::Save | QMessageBox::SaveAll | QMessageBox::Cancel, parent);
        const auto texts = changedOnDiskButtons();
        box.button(QMessageBox::Save)->setText(texts[0]);
        box.button(QMessageBox::SaveAll)->setText(texts[1]);
        box.button(QMessageBox::Cancel)->setText(texts[2]);
        box.setDefaultButton(QMessageBox::Cancel);
        switch (box.exec()) {
            case QMessageBox::Save:
                return ChangedAnswer::Overwrite;
            case QMessageBox::SaveAll:
                return ChangedAnswer::SaveAs;
            default:
                return ChangedAnswer::Cancel;
        }
    };
    d.askSave = [](QWidget* parent) {
        QMessageBox box(QMessageBox::Question, QStringLiteral("WinStabix4"), askSaveText(),
                        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
        const auto texts = askSaveButtons();
        box.button(QMessageBox::Save)->setText(texts[0]);
        box.button(QMessageBox::Discard)->setText(texts[1]);
        box.button(QMessageBox::Cancel)->setText(texts[2]);
        box.setDefaultButton(QMessageBox::Save);
        switch (box.exec()) {
            case QMessageBox::Save:
                return SaveAnswer::Save;
            case QMessageBox::Discard:
                return SaveAnswer::Discard;
            default:
                return SaveAnswer::Cancel;
        }
    };
    d.askRestore = [](QWidget* parent, const QString& name, const QString& time) {
        QMessageBox box(QMessageBox::Question, QStringLiteral("WinStabix4"), restoreText(name, time),
                        QMessageBox::Yes | QMessageBox::Discard | QMessageBox::Ignore, parent);
        const auto texts = restoreButtons();
        box.button(QMessageBox::Yes)->setText(texts[0]);
        box.button(QMessageBox::Discard)->setText(texts[1]);
        box.button(QMessageBox::Ignore)->setText(texts[2]);
        box.setDefaultButton(QMessageBox::Yes);
        switch (box.exec()) {
            case QMessageBox::Yes:
                return RestoreAnswer::Restore;
            case QMessageBox::Discard:
                return RestoreAnswer::Discard;
            default:
                return RestoreAnswer::Later;
        }
    };
    d.askReload = [](QWidget* parent, const QString& name) {
        QMessageBox box(QMessageBox::Information, QStringLiteral("WinStabix4"), reloadText(name),
                        QMessageBox::Yes | QMessageBox::No, parent);
        const auto texts = reloadButtons();
        box.button(QMessageBox::Yes)->setText(texts[0]);
        box.button(QMessageBox::No)->setText(texts[1]);
        box.setDefaultButton(QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes;
    };
    d.warn = [](QWidget* parent, const QString& text) {
        QMessageBox::warning(parent, QStringLiteral("WinStabix4"), text);
    };
    return d;
}

QString droppedAircraftFile(const QMimeData* data) {
    if (!data || !data->hasUrls()) return {};
    for (const QUrl& url : data->urls())
        if (url.isLocalFile() && url.toLocalFile().endsWith(QStringLiteral(".da4"), Qt::CaseInsensitive))
            return url.toLocalFile();
    return {};
}

FileCommands::FileCommands(AircraftDocument& doc, QWidget* window, FileDialogs dialogs, QAction* open,
                           QAction* saveAs, QAction* save, QMenu* recent)
    : QObject(window), doc_(doc), window_(window), dialogs_(std::move(dialogs)), recentMenu_(recent) {
    connect(open, &QAction::triggered, this, [this] { Load1Click(); });
    connect(saveAs, &QAction::triggered, this, [this] { SaveAs(); });
    connect(save, &QAction::triggered, this, [this] { Save(); });
    connect(recent, &QMenu::aboutToShow, this, &FileCommands::rebuildRecentMenu);
    rebuildRecentMenu();
}

void FileCommands::attachNewAndExamples(QAction* newAircraft, QMenu* examples, const QString& folder) {
    connect(newAircraft, &QAction::triggered, this, [this] { New1Click(); });
    examplesMenu_ = examples;
    examplesFolder_ = folder;
    connect(examples, &QMenu::aboutToShow, this, &FileCommands::rebuildExamplesMenu);
    rebuildExamplesMenu();
}

bool FileCommands::New1Click() {
    if (!mayDiscardChanges()) return false;
    doc_.newAircraft();
    emit opened();
    return true;
}

bool FileCommands::openExample(const QString& path) {
    if (!mayDiscardChanges()) return false;
    if (const auto error = doc_.openCopy(nativeFileName(path))) {
        if (dialogs_.warn) dialogs_.warn(window_, openFailedText(QString::fromStdString(error->reason)));
        return false;
    }
    emit opened();
    return true;
}

void FileCommands::rebuildExamplesMenu() {
    for (QAction* old : examplesMenu_->actions()) {
        examplesMenu_->removeAction(old);
        old->deleteLater();
    }
    const QStringList files = exampleFiles(examplesFolder_);
    for (const QString& path : files) {
        QAction* entry = examplesMenu_->addAction(QFileInfo(path).completeBaseName());
        connect(entry, &QAction::triggered, this, [this, path] { openExample(path); });
    }
    examplesMenu_->setEnabled(!files.isEmpty());
}

bool FileCommands::mayDiscardChanges() {
    if (!doc_.isModified()) return true;
    switch (dialogs_.askSave ? dialogs_.askSave(window_) : SaveAnswer::Cancel) {
        case SaveAnswer::Save:
            return Save();
        case SaveAnswer::Discard:
            return true;
        case SaveAnswer::Cancel:
            break;
    }
    return false;
}

bool FileCommands::Load1Click() {
    if (!mayDiscardChanges()) return false;
    const QString folder =
        doc_.hasFile() ? QFileInfo(QString::fromStdString(doc_.model().AircraftFileName)).path() : QString();
    const QString chosen = dialogs_.open ? dialogs_.open(window_, folder) : QString();
    // A cancelled Open changes nothing at all.
    if (chosen.isEmpty()) return false;
    return openAircraftFile(chosen);
}

bool FileCommands::openAircraftFile(const QString& path) {
    const std::string name = nativeFileName(path);
    if (isFileNamePattern(name)) return false;
    if (const auto error = doc_.open(name)) {
        if (dialogs_.warn) dialogs_.warn(window_, openFailedText(QString::fromStdString(error->reason)));
        return false;
    }
    recent_.add(path);
    rebuildRecentMenu();
    emit opened();
    return true;
}

void FileCommands::openRecent(const QString& path) {
    if (!QFileInfo::exists(path)) {
        recent_.remove(path);
        rebuildRecentMenu();
        if (dialogs_.warn) dialogs_.warn(window_, vanishedFileText(path));
        return;
    }
    if (mayDiscardChanges()) openAircraftFile(path);
}

void FileCommands::rebuildRecentMenu() {
    // Later, not now: this may run inside an entry's own trigger.
    for (QAction* old : recentMenu_->actions()) {
        recentMenu_->removeAction(old);
        old->deleteLater();
    }
    const QStringList paths = recent_.paths();
    int n = 0;
    for (const QString& path : paths) {
        QAction* entry = recentMenu_->addAction(QStringLiteral("&%1 %2").arg(++n).arg(path));
        connect(entry, &QAction::triggered, this, [this, path] { openRecent(path); });
    }
    recentMenu_->setEnabled(!paths.isEmpty());
}

bool FileCommands::SaveAs() {
    const std::string& current = doc_.model().AircraftFileName;
    // In the current file's folder with its name; an aircraft never saved gets
    // the pattern, an example's copy its name.
    const QString name = QString::fromStdString(current);
    const QString suggested = doc_.hasFile()                         ? QFileInfo(name).absoluteFilePath()
                              : name != QLatin1String("Unknown.da4") ? name
                                                                     : QStringLiteral("*.da4");
    const QString chosen = dialogs_.save ? dialogs_.save(window_, suggested) : QString();
    if (chosen.isEmpty()) {
        // The extension rule holds for the name a later Save writes to.
        doc_.setFileName(withAircraftExtension(current));
        return false;
    }
    return saveTo(withAircraftExtension(nativeFileName(chosen)));
}

bool FileCommands::Save() {
    if (!doc_.hasFile()) return SaveAs();
    return saveTo(withAircraftExtension(doc_.model().AircraftFileName));
}

bool FileCommands::saveTo(const std::string& fileName) {
    if (doc_.changedOnDisk(fileName) && dialogs_.askOverwrite) {
        switch (dialogs_.askOverwrite(window_, displayedFileName(fileName))) {
            case ChangedAnswer::Overwrite:
                break;
            case ChangedAnswer::SaveAs:
                return SaveAs();
            case ChangedAnswer::Cancel:
                return false;
        }
    }
    if (const auto failure = doc_.save(fileName)) {
        // The window stays as it was: the shown name is still the file a Save writes.
        if (dialogs_.warn) dialogs_.warn(window_, saveFailedText(QString::fromStdString(failure->reason)));
        return false;
    }
    recent_.add(QString::fromStdString(fileName));
    rebuildRecentMenu();
    if (const int lost = unstorableCharacters(doc_.model().remarks); lost > 0 && dialogs_.warn)
        dialogs_.warn(window_, unstorableRemarksText(lost));
    return true;
}

}  // namespace ws
