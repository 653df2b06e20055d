// The aircraft being edited and all that belongs to it: the entry fields'
// texts as typed, the trapezium and wing counts, the remarks, the file name,
// whether it changed since it was opened or saved, the last calculation's
// results with their validity, and the history of changes. It changes only
// through its own operations and tells the window what changed by signals;
// the window's fields and views only show it.
//
// Every change of the aircraft is one undoable step and withdraws the
// results, which no longer belong to it. Lengths are mm, x rearwards.
#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "files/aircraft_file.h"
#include "model/aircraft.h"
#include "model/planform.h"
#include "solver/calculation.h"

class QUndoStack;

namespace ws {

// The sixteen values of a wing in the order the aircraft file loads them.
enum WingFieldIndex : int {
    kChordField = 0,  // chords 1..5 at 0..4
    kGapField = 5,
    kSpanField = 6,     // spans 1..4 at 6..9
    kOffsetField = 10,  // offsets 2..5 at 10..13
    kPosXField = 14,
    kPosZField = 15,
    kWingValueCount = 16
};

// The aircraft as its controls show it.
struct AircraftText {
    int WingCount = 2;
    std::array<int, kMaxWings + 1> TrapCount{0, 1, 1, 1};                     // [1..3]
    std::array<std::array<QString, kWingValueCount>, kMaxWings + 1> field{};  // [1..3]
    QString remarks;
};

// What one step changed, so that the window redraws only that.
struct AircraftChange {
    enum class Kind { Typed, Drag, MovedHeights, TrapCount, WingCount, Remarks, Everything };
    explicit AircraftChange(Kind k = Kind::Everything, int w = 0) : kind(k), wing(w) {}
    Kind kind;
    std::vector<std::pair<int, int>> fields;  // Typed, Drag, MovedHeights: (wing, field index)
    int wing;                                 // Drag, TrapCount
    // The calculation's own write of moved heights: only the fields follow,
    // nothing is recalculated or withdrawn.
    bool quiet = false;
};

class AircraftDocument : public QObject {
    Q_OBJECT
  public:
    // The start-up aircraft, unmodified, with `remarks` as its remarks.
    explicit AircraftDocument(const QString& remarks, QObject* parent = nullptr);
    ~AircraftDocument() override;

    const AircraftText& text() const { return text_; }
    // By the entry rule from text(); the file name included.
    const AircraftModel& model() const { return model_; }
    const WingPlanform& planform(int w) const { return planform_[w]; }

    // ---- Steps, each undoable -------------------------------------------
    // One field typed: keystrokes in the same field make one step.
    void editField(int w, int field, const QString& text);
    // Several fields of wing w written at once (a planform drag).
    void writeFields(int w, const std::vector<std::pair<int, QString>>& writes);
    void chooseTrapCount(int w, int k);
    void chooseWingCount(int k);
    // The remarks typed: consecutive edits make one step.
    void editRemarks(const QString& text);
    // Heights the calculation moved (z per wing [1..3]); the results it
    // computed for them stay.
    void writeMovedHeights(const std::array<int, kMaxWings + 1>& z);

    // ---- The document as a whole ----------------------------------------
    // A loaded aircraft replaces this one: a fresh history, unmodified, the
    // stored results when the file carried some.
    void load(const LoadedAircraft& loaded, const std::string& fileName);
    // Saved under `fileName`: unmodified from here on.
    void saved(const std::string& fileName);
    // The name a Save would write to; no change of the aircraft.
    void setFileName(const std::string& fileName);
    // Opened from or saved to a file (else Save goes through Save as).
    bool hasFile() const { return hasFile_; }
    bool isModified() const;
    QUndoStack* undoStack() const { return undo_; }
    // What Undo and Redo would take back or do again, to name them.
    std::optional<AircraftChange> undoStep() const;
    std::optional<AircraftChange> redoStep() const;

    // ---- Results ------------------------------------------------------
    bool ResultsValid() const { return resultsValid_; }
    bool LatticeValid() const { return latticeValid_; }
    const CalcResult& calculation() const { return calc_; }
    // The calculation writes here; calculationFinished() then takes it on.
    CalcResult& calculationTarget() { return calc_; }
    void calculationFinished();
    // Results kept in a file: no lattice, no wing's own centre.
    void setStoredResults(double RefArea, double RefChord, double AnpAircraft);
    // What a file saved now keeps.
    std::optional<StoredResults> storedResults() const;
    void withdrawResults();

  signals:
    void aircraftChanged(const ws::AircraftChange& change);
    // Every change of the aircraft, before aircraftChanged.
    void resultsWithdrawn();
    void fileNameChanged();
    void modifiedChanged(bool modified);

  private:
    friend class AircraftStep;
    void push(AircraftText after, AircraftChange change, int mergeId);
    void apply(const AircraftText& text, const AircraftChange& change);
    void recompute();

    AircraftText text_;
    AircraftModel model_;
    std::array<WingPlanform, kMaxWings + 1> planform_{};
    QUndoStack* undo_;
    bool hasFile_ = false;
    bool resultsValid_ = false;
    bool latticeValid_ = false;
    CalcResult calc_;
};

// The values of `entry` in the field order above.
std::array<std::int32_t, kWingValueCount> loadOrderValues(const WingEntry& entry);

// The texts a loaded aircraft puts into the fields: right-aligned in four.
AircraftText aircraftText(const LoadedAircraft& loaded);

}  // namespace ws
