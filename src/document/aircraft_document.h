// The aircraft being edited and every choice around it: the entries and
// remarks (aircraft_text.h), the last calculation's results with their
// validity and messages, the stability choice and desired margin, the bars
// of the aircraft views, the language in force, the file, whether it
// changed since it was opened or saved, and the history of changes. It
// changes only through its own operations and tells the pages what changed
// by signals; the pages only show it. QtCore and QtGui (QUndoStack) only.
//
// Every change of the aircraft is one undoable step and withdraws the
// results, which no longer belong to it; the remarks are a step that keeps
// them. Lengths are mm, x rearwards.
#pragma once

#include <QObject>
#include <QString>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "document/aircraft_text.h"
#include "editing/view_drag.h"
#include "export/export_source.h"
#include "files/aircraft_file.h"
#include "files/file_io.h"
#include "model/language.h"
#include "model/planform.h"
#include "solver/calculation.h"
#include "solver/converged.h"
#include "solver/study.h"
#include "solver/workspace.h"
#include "stability/balance.h"

class QUndoStack;

namespace ws {

// The last calculation and what it means for the aircraft as it stands.
struct DocumentResults {
    CalcResult calc;            // its numbers count only while ResultsValid
    bool ResultsValid = false;  // results of this aircraft: a calculation's or a file's
    bool LatticeValid = false;  // calc's lattice is this aircraft's (a finished calculation)
    bool calculated = false;    // the calculate command ran on the aircraft as it stands
    bool running = false;       // the calculate command is running
    // With the converged neutral point: calc's evaluation and stability hold
    // the estimate (its lattice stays the window's), and this its error
    // bar; none when not converged or not asked for.
    std::optional<double> anpError;
    // The message box (Memo1), one entry per line; the head line alone has
    // nothing to say and stays hidden.
    std::vector<Message> messages{{MessageCode::ErrorHead}};
    bool messagesShown() const;
    // A calculation of the aircraft as it stands, also the one an Open made:
    // its summary can be printed.
    bool printable() const;
};

// Automatic range or one desired margin (RadioButton15/16, Edit31).
struct StabilityChoice {
    bool manual = false;
    QString marginText = QStringLiteral("7.5");  // percent, as typed
    double marginDesired() const;
};

class AircraftDocument : public QObject {
    Q_OBJECT
  public:
    // The start-up aircraft, unmodified; `language` is put in force first,
    // so the start-up remarks are written in it.
    explicit AircraftDocument(Language language = Language::English, QObject* parent = nullptr);
    ~AircraftDocument() override;

    const AircraftText& text() const { return text_; }
    // By the entry rule from text(); AircraftFileName is the name Save writes to.
    const AircraftModel& model() const { return model_; }
    const WingPlanform& planform(int w) const { return planform_[w]; }

    // ---- Steps, each undoable and named by stepName() -----------------
    // One field typed: keystrokes in the same field make one step.
    void editField(int w, int field, const QString& text);
    // The field left by the user shows the value it is read as, when its
    // text said something else ("212.5" becomes "212"). No step: the
    // aircraft is the same; the history's texts follow, so that Undo and
    // Redo come back to what the field shows.
    void settleField(int w, int field);
    // Several fields of wing w written at once (a planform drag).
    void writeFields(int w, const std::vector<std::pair<int, QString>>& writes);
    // A study's value put into the aircraft: the fields of its wing it
    // changes, written as the entry rule reads them.
    void adoptStudyValue(const StudyParameter& parameter, double value);
    void chooseTrapCount(int w, int k);
    void chooseWingCount(int k);
    // The remarks typed: consecutive edits make one step.
    void editRemarks(const QString& text);
    QUndoStack* undoStack() const { return undo_; }
    bool isModified() const;

    // ---- The balance: the model as built -----------------------------------
    const BalanceData& balance() const { return text_.balance; }
    // One balance edit, `after` made by model/balance_data.h's edits; typing
    // in one field of one row makes one step. The results stay: the
    // aerodynamics did not change.
    void editBalance(BalanceData after, BalanceField field, int row = 0);
    // Mass and centre of gravity and, while results are valid, what they mean.
    BalanceFigures balanceFigures() const;
    // What a damaged balance block of the file opened lost.
    const std::vector<BalanceFileNote>& balanceNotes() const { return balanceNotes_; }

    // ---- The calculation ------------------------------------------------
    // The whole-aircraft recalculation: results withdrawn, the message box
    // back to its hidden head line, the top view fitted again.
    void recalculate();
    // The calculate command: the recalculation, the whole chain, then its
    // results, their validity and the heights it moved (one step of their
    // own) together. `progress` hears the elimination's steps still to go.
    void calculate(const ProgressFn& progress = {});
    const DocumentResults& results() const { return results_; }
    // Calculate gives the converged estimate instead of the window's
    // lattice's values; a change withdraws the results.
    bool convergedNeutralPoint() const { return converged_; }
    void setConvergedNeutralPoint(bool on);
    // A line of the window's own (not the calculation's) added to the
    // message box; it stays until the next calculation or open.
    void addNotice(const Message& notice);

    // ---- The stability choice ---------------------------------------------
    const StabilityChoice& stabilityChoice() const { return choice_; }
    void chooseStability(bool manual);
    void editMargin(const QString& text);
    // A manual margin outside kPlausibleMarginLow..High: used, and warned of
    // in the message box.
    bool marginImplausible() const;
    // The centre-of-gravity numbers of the results and the margin as they
    // stand; zero without results.
    StabilityNumbers stability() const;
    // What the exports read: the aircraft and, while results are valid, its marks.
    ExportSource exportSource() const;

    // ---- The aircraft views' bars (printing reads the 3-D angles) ---------
    const BarPositions& viewBars() const { return bars_; }
    void setViewBars(const BarPositions& bars);

    // ---- The language in force, kept by the texts library -----------------
    Language language() const;
    // Puts `language` in force: every window gets QEvent::LanguageChange
    // now, and the history's steps are named in it.
    void setLanguage(Language language);

    // ---- The unit the fields are typed in and every text shows ------------
    // A display choice like the language: no step, the aircraft unchanged to
    // the millimetre; the fields (and the history's texts) are rewritten in
    // the new unit, and every page shows everything anew.
    Units units() const { return units_; }
    void setUnits(Units units);
    // What field text the unit in force gives `mm`.
    QString fieldText(std::int32_t mm) const;

    // ---- The file ----------------------------------------------------------
    // The file last opened or saved ("Unknown.da4" before), as title and label show it.
    const std::string& fileName() const { return fileName_; }
    // Opened from or saved to a file (else Save goes through Save as).
    bool hasFile() const { return hasFile_; }
    // Reads the aircraft file at `path` (the system's bytes), its name from
    // here on: a fresh history, unmodified, and the results it claims
    // calculated again. A refused file changes nothing and says why.
    std::optional<FileError> open(const std::string& path);
    // The start-up aircraft, never saved ("Unknown.da4"): a fresh history,
    // unmodified, without results.
    void newAircraft();
    // Opens `path` as a copy that was never saved: its name without folder,
    // so that Save asks where to write it.
    std::optional<FileError> openCopy(const std::string& path);
    // Writes the aircraft, with its results while valid: unmodified from here on.
    std::optional<FileError> save(const std::string& path);
    // The bytes save() writes.
    std::string fileBytes() const;
    // The aircraft of a recovery file's `bytes`, under `name` (opened or
    // saved before when `hasFile`): a fresh history, modified, so that Save
    // writes it to `name`. Unreadable bytes change nothing and say why.
    std::optional<FileError> restore(std::string_view bytes, const std::string& name, bool hasFile);
    // The name a Save would write to; the file shown stays.
    void setFileName(const std::string& name);
    // True when `path` is the file last opened or saved and its contents are
    // no longer those this document read or wrote (another program or window
    // wrote it since). A file gone or unreadable counts as unchanged: a save
    // loses nothing there.
    bool changedOnDisk(const std::string& path) const;

  signals:
    void aircraftChanged(const ws::AircraftChange& change);
    // The whole aircraft drawn anew (a position, the wing count, a file, the
    // start of a calculation).
    void recalculated();
    void resultsChanged();
    void stabilityChanged();
    void viewBarsChanged();
    // Anything the commands' states follow: running, calculated, validity,
    // the wing count, the file and its modified mark.
    void stateChanged();
    // The balance data (a step, a file); the figures follow results and stability too.
    void balanceChanged();

  private:
    friend class AircraftStep;
    void push(AircraftText after, AircraftChange change, int mergeId);
    void apply(const AircraftText& text, const AircraftChange& change);
    void recompute();
    void withdraw();
    void nameSteps();
    void adopt(const AircraftFileContent& file, const std::string& name);

    AircraftText text_;
    AircraftModel model_;
    std::array<WingPlanform, kMaxWings + 1> planform_{};
    QUndoStack* undo_;
    std::string fileName_ = "Unknown.da4";
    bool hasFile_ = false;
    std::optional<std::size_t> diskContents_;  // hash of the file's bytes when opened or saved
    DocumentResults results_;
    std::vector<Message> notices_;  // the window's own lines in the message box
    SolverWorkspace workspace_;
    bool converged_ = false;
    ConvergedResult convergedRun_;
    StabilityChoice choice_;
    BarPositions bars_;
    Units units_ = Units::Millimetre;
    std::vector<BalanceFileNote> balanceNotes_;
};

}  // namespace ws
