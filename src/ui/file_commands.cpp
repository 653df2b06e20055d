// Open, Save as and Save: the aircraft file between the core's reader and
// writer and the document; the question before unsaved changes are lost,
// the recent files and files dropped on the window.
#include "ui/file_commands.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <algorithm>
#include <filesystem>

#include "files/aircraft_file.h"
#include "files/cp1252.h"
#include "files/file_io.h"
#include "solver/stored_results.h"
#include "ui/WinStabix2.h"
#include "ui/aircraft_document.h"
#include "ui/aircraft_page.h"
#include "ui/open_aircraft.h"
#include "ui/recent_files.h"
#include "ui/ui_texts.h"

namespace ws {

namespace {

// On Linux the name's UTF-8 bytes are the path.
std::filesystem::path pathOf(const std::string& name) {
    return std::filesystem::path(name);
}

// Remarks characters that the file's character set cannot hold and so are written as "?".
int unstorableCharacters(const std::string& remarks) {
    const std::string stored = utf8ToCp1252(remarks);
    return int(std::count(stored.begin(), stored.end(), '?') -
               std::count(remarks.begin(), remarks.end(), '?'));
}

// The local *.da4 file among dropped ones.
QString droppedAircraftFile(const QMimeData* data) {
    if (!data || !data->hasUrls()) return {};
    for (const QUrl& url : data->urls())
        if (url.isLocalFile() && url.toLocalFile().endsWith(QStringLiteral(".da4"), Qt::CaseInsensitive))
            return url.toLocalFile();
    return {};
}

}  // namespace

FileDialogs standardFileDialogs() {
    FileDialogs d;
    d.open = [](QWidget* parent, bool english, const QString& folder) {
        return QFileDialog::getOpenFileName(parent, openDialogTitle(english), folder, aircraftFileFilter());
    };
    d.save = [](QWidget* parent, bool english, const QString& suggested) {
        return QFileDialog::getSaveFileName(parent, saveDialogTitle(english), suggested,
                                            aircraftFileFilter());
    };
    d.askSave = [](QWidget* parent, bool english) {
        QMessageBox box(QMessageBox::Question, QStringLiteral("WinStabix4"), askSaveText(english),
                        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
        const auto texts = askSaveButtons(english);
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
    d.warn = [](QWidget* parent, const QString& text) {
        QMessageBox::warning(parent, QStringLiteral("WinStabix4"), text);
    };
    return d;
}

std::array<QLineEdit*, 16> loadOrder(const WingPage& g, const AircraftPage& a, int w) {
    return {g.chord[1], g.chord[2], g.chord[3],  g.chord[4],  g.chord[5],  g.gap,       g.span[1], g.span[2],
            g.span[3],  g.span[4],  g.offset[2], g.offset[3], g.offset[4], g.offset[5], a.posX[w], a.posZ[w]};
}

void TForm1::connectFileCommands() {
    connect(chrome_.Open2, &QAction::triggered, this, [this] { Load1Click(); });
    connect(chrome_.Save2, &QAction::triggered, this, [this] { SaveAs(); });
    connect(chrome_.Save3, &QAction::triggered, this, [this] { Save(); });
    connect(chrome_.Recent1, &QMenu::aboutToShow, this, [this] { rebuildRecentMenu(); });
    // "Save" waits for a file, from Save as or Open.
    chrome_.Open2->setEnabled(true);
    chrome_.Save2->setEnabled(true);
    rebuildRecentMenu();
}

bool TForm1::mayDiscardChanges() {
    if (!doc_->isModified()) return true;
    switch (dialogs_.askSave ? dialogs_.askSave(this, UiEnglish_) : SaveAnswer::Cancel) {
        case SaveAnswer::Save:
            return Save();
        case SaveAnswer::Discard:
            return true;
        case SaveAnswer::Cancel:
            break;
    }
    return false;
}

bool TForm1::Load1Click() {
    if (!mayDiscardChanges()) return false;
    const QString folder =
        doc_->hasFile() ? QFileInfo(QString::fromStdString(model().AircraftFileName)).path() : QString();
    const QString chosen = dialogs_.open ? dialogs_.open(this, UiEnglish_, folder) : QString();
    // A cancelled Open changes nothing at all.
    if (chosen.isEmpty()) return false;
    return openAircraftFile(chosen);
}

bool TForm1::openAircraftFile(const QString& path) {
    const std::string name = nativeFileName(path);
    if (isFileNamePattern(name)) return false;
    const auto read = loadAircraftFile(pathOf(name));
    if (const auto* error = std::get_if<FileError>(&read)) {
        if (dialogs_.warn)
            dialogs_.warn(this, openFailedText(QString::fromStdString(error->reason), UiEnglish_));
        return false;
    }
    // Missing result lines keep the results as they are; loading makes them the file's.
    const Evaluation& e = calculation().evaluation;
    const LoadedAircraft loaded = applyAircraftFile(std::get<AircraftFileContent>(read), model(),
                                                    {e.RefArea, e.RefChord, e.AnpAircraft});
    doc_->load(loaded, name);
    recent_->add(path);
    rebuildRecentMenu();
    chrome_.Save3->setEnabled(true);
    PageControl1->setCurrentWidget(aircraft_.page);
    showStoredResults(loaded.claimedResults());
    return true;
}

void TForm1::showStoredResults(const std::optional<StoredResults>& claimed) {
    if (claimed) {
        // Shown are the results of this aircraft, never the file's word for them.
        CalcOptions options;
        options.language = UiEnglish_ ? Language::English : Language::German;
        options.marginDesired = marginDesired();
        CalcResult& calc = doc_->calculationTarget();
        calculateWithStoredResults(model(), claimed, options, workspace_, calc);
        QStringList memo;
        for (const std::string& line : calc.memo) memo.append(QString::fromStdString(line));
        aircraft_.Memo1->setPlainText(memo.join(QLatin1Char('\n')));
        aircraft_.Memo1->setVisible(calc.memoShown);
        if (calc.done())
            // A file keeps no lattice and no wing's own centre: shown as stored results.
            doc_->setStoredResults(calc.evaluation.RefArea, calc.evaluation.RefChord,
                                   calc.evaluation.AnpAircraft);
        else
            doc_->withdrawResults();
    }
    if (doc_->ResultsValid()) {
        applyTopViewCursor();
        // Shown like a calculation's, without the lattice a file does not keep.
        STABIL();
    }
}

void TForm1::openRecent(const QString& path) {
    if (!QFileInfo::exists(path)) {
        recent_->remove(path);
        rebuildRecentMenu();
        if (dialogs_.warn) dialogs_.warn(this, vanishedFileText(path, UiEnglish_));
        return;
    }
    if (mayDiscardChanges()) openAircraftFile(path);
}

void TForm1::rebuildRecentMenu() {
    QMenu* menu = chrome_.Recent1;
    // Later, not now: this may run inside an entry's own trigger.
    for (QAction* old : menu->actions()) {
        menu->removeAction(old);
        old->deleteLater();
    }
    const QStringList paths = recent_->paths();
    int n = 0;
    for (const QString& path : paths) {
        QAction* entry = menu->addAction(QStringLiteral("&%1 %2").arg(++n).arg(path));
        connect(entry, &QAction::triggered, this, [this, path] { openRecent(path); });
    }
    menu->setEnabled(!paths.isEmpty());
}

void TForm1::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedAircraftFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent* event) {
    const QString path = droppedAircraftFile(event->mimeData());
    if (path.isEmpty()) return;
    event->acceptProposedAction();
    if (mayDiscardChanges()) openAircraftFile(path);
}

bool TForm1::SaveAs() {
    const QFileInfo current(QString::fromStdString(model().AircraftFileName));
    // In the current file's folder with its name; an aircraft never saved gets the pattern.
    const QString suggested = doc_->hasFile() ? current.absoluteFilePath() : QStringLiteral("*.da4");
    const QString chosen = dialogs_.save ? dialogs_.save(this, UiEnglish_, suggested) : QString();
    if (chosen.isEmpty()) {
        // The extension rule holds for the name a later Save writes to.
        doc_->setFileName(withAircraftExtension(model().AircraftFileName));
        return false;
    }
    return saveTo(withAircraftExtension(nativeFileName(chosen)));
}

bool TForm1::Save() {
    if (!doc_->hasFile()) return SaveAs();
    return saveTo(withAircraftExtension(model().AircraftFileName));
}

bool TForm1::saveTo(const std::string& fileName) {
    const std::string bytes = aircraftFileBytes(model(), doc_->storedResults());
    if (const auto failure = writeFileSafely(pathOf(fileName), bytes)) {
        // The window stays as it was: the shown name is still the file a Save writes.
        if (dialogs_.warn)
            dialogs_.warn(this, saveFailedText(QString::fromStdString(failure->reason), UiEnglish_));
        return false;
    }
    doc_->saved(fileName);
    recent_->add(QString::fromStdString(fileName));
    rebuildRecentMenu();
    chrome_.Save3->setEnabled(true);
    if (const int lost = unstorableCharacters(model().remarks); lost > 0 && dialogs_.warn)
        dialogs_.warn(this, unstorableRemarksText(lost, UiEnglish_));
    return true;
}

void TForm1::showFileName() {
    const QString name = displayedFileName(model().AircraftFileName);
    chrome_.Lab_FName->setText(name);
    setWindowTitle(QStringLiteral(" WinStabix4  V2.5 - %1[*]").arg(QFileInfo(name).fileName()));
}

}  // namespace ws
