#include "ui/aircraft_document.h"

#include <QUndoCommand>
#include <QUndoStack>
#include <limits>

#include "model/entry_rule.h"
#include "model/number_format.h"

namespace ws {

namespace {

// Steps that merge with the one before while the same thing is typed.
constexpr int kTypingId = 1;
constexpr int kRemarksId = 2;

AircraftText startupText(const QString& remarks) {
    AircraftText t;
    for (int w = 1; w <= kMaxWings; ++w) {
        const auto values = loadOrderValues(defaultWingEntry(w));
        for (int i = 0; i < kWingValueCount; ++i) t.field[w][i] = QString::number(values[i]);
    }
    t.remarks = remarks;
    return t;
}

}  // namespace

std::array<std::int32_t, kWingValueCount> loadOrderValues(const WingEntry& e) {
    return {e.chord[1], e.chord[2], e.chord[3],  e.chord[4],  e.chord[5],  e.gap,       e.span[1], e.span[2],
            e.span[3],  e.span[4],  e.offset[2], e.offset[3], e.offset[4], e.offset[5], e.posX,    e.posZ};
}

AircraftText aircraftText(const LoadedAircraft& loaded) {
    AircraftText t;
    t.WingCount = loaded.model.WingCount;
    for (int w = 1; w <= kMaxWings; ++w) {
        t.TrapCount[w] = loaded.model.wing[w].TrapCount;
        const auto values = loadOrderValues(loaded.entries[w]);
        for (int i = 0; i < kWingValueCount; ++i)
            t.field[w][i] = QString::fromStdString(padded(values[i], 4));
    }
    t.remarks = QString::fromStdString(loaded.model.remarks);
    return t;
}

// One change of the aircraft: the whole text before and after (the strings
// are shared, so this is cheap) and what the window must redraw.
class AircraftStep : public QUndoCommand {
  public:
    AircraftStep(AircraftDocument* doc, AircraftText before, AircraftText after, AircraftChange change,
                 int mergeId)
        : doc_(doc),
          before_(std::move(before)),
          after_(std::move(after)),
          change_(std::move(change)),
          mergeId_(mergeId) {}

    void redo() override {
        doc_->apply(after_, change_);
        // Undone and done again, the heights are a change like any other.
        change_.quiet = false;
    }
    void undo() override { doc_->apply(before_, change_); }
    int id() const override { return mergeId_; }
    const AircraftChange& change() const { return change_; }
    bool mergeWith(const QUndoCommand* other) override {
        const auto* next = static_cast<const AircraftStep*>(other);
        if (next->change_.kind != change_.kind || next->change_.fields != change_.fields) return false;
        after_ = next->after_;
        // Typed and taken back: no step at all.
        setObsolete(after_.field == before_.field && after_.remarks == before_.remarks);
        return true;
    }

  private:
    AircraftDocument* doc_;
    AircraftText before_, after_;
    AircraftChange change_;
    int mergeId_;
};

AircraftDocument::AircraftDocument(const QString& remarks, QObject* parent)
    : QObject(parent), text_(startupText(remarks)), undo_(new QUndoStack(this)) {
    recompute();
    connect(undo_, &QUndoStack::cleanChanged, this, [this](bool clean) { emit modifiedChanged(!clean); });
}

AircraftDocument::~AircraftDocument() = default;

bool AircraftDocument::isModified() const {
    return !undo_->isClean();
}

std::optional<AircraftChange> AircraftDocument::undoStep() const {
    if (!undo_->canUndo()) return std::nullopt;
    return static_cast<const AircraftStep*>(undo_->command(undo_->index() - 1))->change();
}

std::optional<AircraftChange> AircraftDocument::redoStep() const {
    if (!undo_->canRedo()) return std::nullopt;
    return static_cast<const AircraftStep*>(undo_->command(undo_->index()))->change();
}

void AircraftDocument::push(AircraftText after, AircraftChange change, int mergeId) {
    undo_->push(new AircraftStep(this, text_, std::move(after), std::move(change), mergeId));
}

void AircraftDocument::editField(int w, int field, const QString& text) {
    if (text_.field[w][field] == text) return;
    AircraftText after = text_;
    after.field[w][field] = text;
    AircraftChange change(AircraftChange::Kind::Typed);
    change.fields.emplace_back(w, field);
    push(std::move(after), std::move(change), kTypingId);
}

void AircraftDocument::writeFields(int w, const std::vector<std::pair<int, QString>>& writes) {
    AircraftText after = text_;
    AircraftChange change(AircraftChange::Kind::Drag, w);
    for (const auto& [field, text] : writes) {
        after.field[w][field] = text;
        change.fields.emplace_back(w, field);
    }
    if (after.field == text_.field) return;
    push(std::move(after), std::move(change), -1);
}

void AircraftDocument::chooseTrapCount(int w, int k) {
    if (text_.TrapCount[w] == k) return;
    AircraftText after = text_;
    after.TrapCount[w] = k;
    push(std::move(after), AircraftChange(AircraftChange::Kind::TrapCount, w), -1);
}

void AircraftDocument::chooseWingCount(int k) {
    if (text_.WingCount == k) return;
    AircraftText after = text_;
    after.WingCount = k;
    push(std::move(after), AircraftChange(AircraftChange::Kind::WingCount), -1);
}

void AircraftDocument::editRemarks(const QString& text) {
    if (text_.remarks == text) return;
    AircraftText after = text_;
    after.remarks = text;
    push(std::move(after), AircraftChange(AircraftChange::Kind::Remarks), kRemarksId);
}

void AircraftDocument::writeMovedHeights(const std::array<int, kMaxWings + 1>& z) {
    AircraftText after = text_;
    AircraftChange change(AircraftChange::Kind::MovedHeights);
    change.quiet = true;
    for (int w = 1; w <= kMaxWings; ++w) {
        if (z[w] == model_.wing[w].WingPosZ) continue;
        after.field[w][kPosZField] = QString::number(z[w]);
        change.fields.emplace_back(w, kPosZField);
    }
    if (change.fields.empty()) return;
    push(std::move(after), std::move(change), -1);
}

void AircraftDocument::apply(const AircraftText& text, const AircraftChange& change) {
    text_ = text;
    recompute();
    if (!change.quiet) withdrawResults();
    emit aircraftChanged(change);
}

void AircraftDocument::recompute() {
    const std::string fileName = model_.AircraftFileName;
    model_.WingCount = model_.CalcWingCount = text_.WingCount;
    for (int w = 1; w <= kMaxWings; ++w) {
        const auto& f = text_.field[w];
        auto value = [&f](int i) { return entryValue(f[i].toStdString()); };
        WingEntry e;
        for (int j = 1; j <= kMaxStations; ++j) e.chord[j] = value(kChordField + j - 1);
        e.gap = value(kGapField);
        for (int k = 1; k <= kMaxTrapeziums; ++k) e.span[k] = value(kSpanField + k - 1);
        for (int j = 2; j <= kMaxStations; ++j) e.offset[j] = value(kOffsetField + j - 2);
        e.posX = value(kPosXField);
        e.posZ = value(kPosZField);
        model_.wing[w] = paramsFromEntry(e, text_.TrapCount[w]);
        planform_[w] = Calc_W(model_.wing[w]);
    }
    model_.remarks = text_.remarks.toStdString();
    model_.AircraftFileName = fileName;
}

void AircraftDocument::load(const LoadedAircraft& loaded, const std::string& fileName) {
    // The file's values first, so that the history's steps cannot reach back past them.
    undo_->clear();
    text_ = aircraftText(loaded);
    model_.AircraftFileName = fileName;
    hasFile_ = true;
    recompute();
    withdrawResults();
    if (loaded.ResultsValid)
        setStoredResults(loaded.results.RefArea, loaded.results.RefChord, loaded.results.AnpAircraft);
    emit fileNameChanged();
    emit aircraftChanged(AircraftChange());
    emit modifiedChanged(false);
}

void AircraftDocument::saved(const std::string& fileName) {
    setFileName(fileName);
    hasFile_ = true;
    undo_->setClean();
    emit fileNameChanged();
}

void AircraftDocument::setFileName(const std::string& fileName) {
    model_.AircraftFileName = fileName;
}

void AircraftDocument::calculationFinished() {
    if (!calc_.done()) return;
    resultsValid_ = true;
    latticeValid_ = true;
}

void AircraftDocument::setStoredResults(double RefArea, double RefChord, double AnpAircraft) {
    Evaluation& e = calc_.evaluation;
    e.RefArea = RefArea;
    e.RefChord = RefChord;
    e.AnpAircraft = AnpAircraft;
    e.RefOutlineCount = 0;
    // A file keeps no wing's own aerodynamic centre; the planform views must not mark an old one.
    for (double& anp : e.AnpWing) anp = std::numeric_limits<double>::quiet_NaN();
    resultsValid_ = true;
    latticeValid_ = false;
}

std::optional<StoredResults> AircraftDocument::storedResults() const {
    if (!resultsValid_) return std::nullopt;
    const Evaluation& e = calc_.evaluation;
    return StoredResults{e.RefArea, e.RefChord, e.AnpAircraft};
}

void AircraftDocument::withdrawResults() {
    resultsValid_ = false;
    latticeValid_ = false;
    emit resultsWithdrawn();
}

}  // namespace ws
