// Open, Save as and Save: the aircraft file between the core's reader and
// writer and the window's fields.
#include "ui/file_commands.h"

#include <QAction>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QToolButton>
#include <filesystem>
#include <vector>

#include "files/aircraft_file.h"
#include "files/file_io.h"
#include "model/entry_rule.h"
#include "model/number_format.h"
#include "ui/WinStabix2.h"
#include "ui/aircraft_page.h"
#include "ui/open_aircraft.h"
#include "ui/ui_texts.h"
#include "ui/wing_binding.h"

namespace ws {

namespace {

// On Linux the name's UTF-8 bytes are the path.
std::filesystem::path pathOf(const std::string& name) {
    return std::filesystem::path(name);
}

}  // namespace

FileDialogs standardFileDialogs() {
    FileDialogs d;
    d.open = [](QWidget* parent) {
        return QFileDialog::getOpenFileName(parent, openDialogTitle(), QString(), aircraftFileFilter());
    };
    d.save = [](QWidget* parent) {
        return QFileDialog::getSaveFileName(parent, saveDialogTitle(), QStringLiteral("*.da4"),
                                            aircraftFileFilter());
    };
    d.saveFailed = [](QWidget* parent, const QString& reason) {
        QMessageBox::warning(parent, QStringLiteral("WinStabix4"), saveFailedText(reason));
    };
    return d;
}

std::array<QLineEdit*, 16> loadOrder(const WingPage& g, const AircraftPage& a, int w) {
    return {g.chord[1], g.chord[2], g.chord[3],  g.chord[4],  g.chord[5],  g.gap,       g.span[1], g.span[2],
            g.span[3],  g.span[4],  g.offset[2], g.offset[3], g.offset[4], g.offset[5], a.posX[w], a.posZ[w]};
}

std::array<std::int32_t, 16> loadOrderValues(const WingEntry& e) {
    return {e.chord[1], e.chord[2], e.chord[3],  e.chord[4],  e.chord[5],  e.gap,       e.span[1], e.span[2],
            e.span[3],  e.span[4],  e.offset[2], e.offset[3], e.offset[4], e.offset[5], e.posX,    e.posZ};
}

void TForm1::connectFileCommands() {
    connect(chrome_.Open2, &QAction::triggered, this, [this] { Load1Click(chrome_.Open2); });
    connect(chrome_.SpeedButton1, &QToolButton::clicked, this, [this] { Load1Click(chrome_.SpeedButton1); });
    connect(chrome_.Save2, &QAction::triggered, this, [this] { Save1Click(chrome_.Save2); });
    connect(chrome_.SpeedButton2, &QToolButton::clicked, this, [this] { Save1Click(chrome_.SpeedButton2); });
    connect(chrome_.Save3, &QAction::triggered, this, [this] { Save1Click(chrome_.Save3); });
    connect(chrome_.SpeedButton3, &QToolButton::clicked, this, [this] { Save1Click(chrome_.SpeedButton3); });
    // "Save" waits for a file name, from Save as or Open.
    for (QAction* a : {chrome_.Open2, chrome_.Save2}) a->setEnabled(true);
    for (QToolButton* b : {chrome_.SpeedButton1, chrome_.SpeedButton2}) b->setEnabled(true);
}

void TForm1::Load1Click(QObject* sender) {
    std::optional<StoredResults> claimed;
    const QString chosen = fileDialogs.open ? fileDialogs.open(this) : QString();
    // A file that cannot be opened leaves the aircraft, its name and its results as they were.
    if (!chosen.isEmpty() && !Load2(nativeFileName(chosen), claimed)) return;
    Calc(sender);
    setSaveControlsEnabled(true);
    PageControl1->setCurrentWidget(aircraft_.page);
    showStoredResults(claimed, sender);
}

void TForm1::writeLoadedAircraft(const LoadedAircraft& loaded) {
    const AircraftModel& m = loaded.model;
    {
        // All values first, then one recalculation: the same end state as
        // letting every field run its handler, and the same with or without
        // the handlers connected yet (start-up loads before they are).
        std::vector<QObject*> controls;
        for (int w = 1; w <= kMaxWings; ++w) {
            controls.push_back(aircraft_.wingCount[w]);
            for (int k = 1; k <= kMaxTrapeziums; ++k) controls.push_back(wings_[w].trap[k]);
            for (QLineEdit* field : loadOrder(wings_[w], aircraft_, w)) controls.push_back(field);
        }
        std::vector<QSignalBlocker> quiet;
        quiet.reserve(controls.size());
        for (QObject* control : controls) quiet.emplace_back(control);

        aircraft_.wingCount[m.WingCount]->setChecked(true);
        for (int w = 1; w <= kMaxWings; ++w) {
            wings_[w].trap[m.wing[w].TrapCount]->setChecked(true);
            const auto fields = loadOrder(wings_[w], aircraft_, w);
            const auto values = loadOrderValues(loaded.entries[w]);
            for (std::size_t i = 0; i < fields.size(); ++i)
                fields[i]->setText(QString::fromStdString(padded(values[i], 4)));
        }
    }
    remarks_.Memo2->setPlainText(QString::fromStdString(m.remarks));

    applyWingCountTable(m.WingCount);
    for (int w = 1; w <= kMaxWings; ++w) {
        showTrapeziumFields(wings_[w], m.wing[w].TrapCount);
        drawSchematic(w);
    }
    Calc(nullptr);
    Space1(nullptr);
}

void TForm1::Save1Click(QObject* sender) {
    const bool saveAs = sender == chrome_.Save2 || sender == chrome_.SpeedButton2;
    const std::string previousName = model_.AircraftFileName;
    const bool saveWasEnabled = chrome_.Save3->isEnabled();
    model_.CalcWingCount = model_.WingCount;

    bool confirmed = true;
    if (saveAs) {
        const QString chosen = fileDialogs.save ? fileDialogs.save(this) : QString();
        confirmed = !chosen.isEmpty();
        if (confirmed) {
            model_.AircraftFileName = nativeFileName(chosen);
            setSaveControlsEnabled(true);
        }
    }
    model_.AircraftFileName = withAircraftExtension(model_.AircraftFileName);
    if (!confirmed) return;

    std::optional<StoredResults> results;
    if (ResultsValid) {
        const Evaluation& e = calculation().evaluation;
        results = StoredResults{e.RefArea, e.RefChord, e.AnpAircraft};
    }
    const std::string bytes = aircraftFileBytes(aircraftFromFields(), results);
    if (const auto failure = writeFileSafely(pathOf(model_.AircraftFileName), bytes)) {
        // A failed Save as leaves the window as it was: the shown name is still the file a Save writes.
        if (saveAs) {
            model_.AircraftFileName = previousName;
            setSaveControlsEnabled(saveWasEnabled);
        }
        if (fileDialogs.saveFailed) fileDialogs.saveFailed(this, QString::fromStdString(failure->reason));
        return;
    }
    chrome_.Lab_FName->setText(displayedFileName(model_.AircraftFileName));
}

AircraftModel TForm1::aircraftFromFields() const {
    AircraftModel m = model_;
    for (int k = 1; k <= kMaxWings; ++k)
        if (aircraft_.wingCount[k]->isChecked()) m.WingCount = k;
    m.CalcWingCount = m.WingCount;
    for (int w = 1; w <= kMaxWings; ++w) {
        WingEntry entry = readWingEntry(wings_[w]);
        entry.posX = entryValue(aircraft_.posX[w]->text().toStdString());
        entry.posZ = entryValue(aircraft_.posZ[w]->text().toStdString());
        m.wing[w] = paramsFromEntry(entry, selectedTrapCount(wings_[w]));
    }
    m.remarks = remarks_.Memo2->toPlainText().toStdString();
    return m;
}

void TForm1::setSaveControlsEnabled(bool enabled) {
    chrome_.Save3->setEnabled(enabled);
    chrome_.SpeedButton3->setEnabled(enabled);
}

}  // namespace ws
