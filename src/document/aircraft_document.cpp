#include "document/aircraft_document.h"

#include <QCoreApplication>
#include <QEvent>
#include <QUndoCommand>
#include <QUndoStack>
#include <algorithm>

#include "model/entry_rule.h"
#include "texts/balance_texts.h"
#include "texts/catalogue.h"
#include "texts/translation.h"

namespace ws {

namespace {

// Steps that merge with the one before while the same thing is typed.
constexpr int kTypingId = 1;
constexpr int kRemarksId = 2;
constexpr int kBalanceTypingId = 3;

}  // namespace

bool DocumentResults::printable() const {
    return !running && ResultsValid && calc.done();
}

bool DocumentResults::messagesShown() const {
    return std::any_of(messages.begin(), messages.end(),
                       [](const Message& m) { return m.code != MessageCode::ErrorHead; });
}

double StabilityChoice::marginDesired() const {
    return marginFromText(marginText.toStdString());
}

// One change of the aircraft: the whole text before and after (the strings
// are shared, so this is cheap) and what the pages must redraw.
class AircraftStep : public QUndoCommand {
  public:
    AircraftStep(AircraftDocument* doc, AircraftText before, AircraftText after, AircraftChange change,
                 int mergeId)
        : doc_(doc),
          before_(std::move(before)),
          after_(std::move(after)),
          change_(std::move(change)),
          mergeId_(mergeId) {
        setText(stepName(change_));
    }

    void redo() override {
        doc_->apply(after_, change_);
        // Undone and done again, the heights are a change like any other.
        change_.quiet = false;
    }
    void undo() override { doc_->apply(before_, change_); }
    // Field (w, field) of the text before or after this step shows `shown`
    // where it showed `typed`.
    void settle(bool after, int w, int field, const QString& typed, const QString& shown) {
        QString& text = (after ? after_ : before_).field[w][field];
        if (text == typed) text = shown;
    }
    // Both texts written in another unit.
    void convert(Units from, Units to) {
        before_ = inUnits(std::move(before_), from, to);
        after_ = inUnits(std::move(after_), from, to);
    }
    int id() const override { return mergeId_; }
    const AircraftChange& change() const { return change_; }
    bool mergeWith(const QUndoCommand* other) override {
        const auto* next = static_cast<const AircraftStep*>(other);
        if (next->change_.kind != change_.kind || next->change_.fields != change_.fields ||
            next->change_.balance != change_.balance || next->change_.balanceRow != change_.balanceRow)
            return false;
        after_ = next->after_;
        // Typed and taken back: no step at all.
        setObsolete(after_.field == before_.field && after_.remarks == before_.remarks &&
                    after_.balance == before_.balance);
        return true;
    }

  private:
    AircraftDocument* doc_;
    AircraftText before_, after_;
    AircraftChange change_;
    int mergeId_;
};

namespace {

// The estimate in place of the window's lattice's values, so that the views,
// the print, the file and the exports follow it.
void adoptEstimate(const ConvergedResult& run, CalcResult& calc) {
    Evaluation& e = calc.evaluation;
    e.AnpAircraft = run.AnpAircraft.value;
    for (int w = 1; w <= calc.CalcWingCount; ++w) {
        e.LiftSlopeWing[w] = run.LiftSlopeWing[w].value;
        calc.wings[w].AnpRelative += run.AnpWing[w].value - e.AnpWing[w];
        e.AnpWing[w] = run.AnpWing[w].value;
    }
    calc.stability = run.stability;
}

}  // namespace

AircraftDocument::AircraftDocument(Language language, QObject* parent)
    : QObject(parent), undo_(new QUndoStack(this)) {
    useLanguage(language);
    useUnits(units_);
    text_ = startupText();
    recompute();
    connect(undo_, &QUndoStack::cleanChanged, this, &AircraftDocument::stateChanged);
}

AircraftDocument::~AircraftDocument() {
    // The history's last signals must not reach a document half taken down,
    // nor what follows it (the recovery).
    undo_->disconnect();
}

bool AircraftDocument::isModified() const {
    return !undo_->isClean();
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

void AircraftDocument::settleField(int w, int field) {
    const QString typed = text_.field[w][field];
    const EntryReading reading = readLength(typed.toStdString(), units_, entryKind(field));
    if (!reading.differs) return;
    const QString shown = fieldText(reading.value);
    text_.field[w][field] = shown;
    // The steps on either side of the present state hold its text.
    const int present = undo_->index();
    for (int i : {present - 1, present}) {
        if (i < 0 || i >= undo_->count()) continue;
        auto* step = const_cast<AircraftStep*>(static_cast<const AircraftStep*>(undo_->command(i)));
        step->settle(i < present, w, field, typed, shown);
    }
    AircraftChange change(AircraftChange::Kind::Typed);
    change.fields.emplace_back(w, field);
    change.quiet = true;
    emit aircraftChanged(change);
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

void AircraftDocument::adoptStudyValue(const StudyParameter& parameter, double value) {
    const int w = parameter.wing;
    if (studyParameterProblem(parameter, model_)) return;
    const auto before = loadOrderValues(entryFromParams(model_.wing[w]));
    const auto values =
        loadOrderValues(entryFromParams(studyVariant(model_, parameter, value).model.wing[w]));
    AircraftText after = text_;
    AircraftChange change(AircraftChange::Kind::Study, w);
    for (int i = 0; i < kWingValueCount; ++i) {
        if (values[i] == before[i]) continue;
        after.field[w][i] = QString::number(values[i]);
        change.fields.emplace_back(w, i);
    }
    if (change.fields.empty()) return;
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

void AircraftDocument::editBalance(BalanceData after, BalanceField field, int row) {
    if (after == text_.balance) return;
    AircraftText text = text_;
    text.balance = std::move(after);
    AircraftChange change(AircraftChange::Kind::Balance);
    change.balance = field;
    change.balanceRow = row;
    const bool typing = field == BalanceField::ItemName || field == BalanceField::ItemMass ||
                        field == BalanceField::ItemX || field == BalanceField::SupportX ||
                        field == BalanceField::SupportReading || field == BalanceField::BallastAt;
    push(std::move(text), std::move(change), typing ? kBalanceTypingId : -1);
}

void AircraftDocument::apply(const AircraftText& text, const AircraftChange& change) {
    text_ = text;
    recompute();
    if (change.kind == AircraftChange::Kind::Balance) {
        emit balanceChanged();
        return;
    }
    // The calculation's own heights, and the remarks, leave the results as they are.
    if (change.quiet || change.kind == AircraftChange::Kind::Remarks) {
        emit aircraftChanged(change);
        return;
    }
    const bool hadResults = results_.ResultsValid;
    withdraw();
    results_.calculated = false;
    emit aircraftChanged(change);
    if (change.wholeAircraft())
        recalculate();
    else if (hadResults)
        emit resultsChanged();
    emit stateChanged();
}

void AircraftDocument::addNotice(const Message& notice) {
    notices_.push_back(notice);
    results_.messages.push_back(notice);
    emit resultsChanged();
    emit stateChanged();
}

void AircraftDocument::recompute() {
    model_.WingCount = model_.CalcWingCount = text_.WingCount;
    for (int w = 1; w <= kMaxWings; ++w) {
        const auto& f = text_.field[w];
        auto value = [&f, this](int i) { return lengthValue(f[i].toStdString(), units_); };
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
    model_.balance = text_.balance;
}

void AircraftDocument::withdraw() {
    results_.ResultsValid = false;
    results_.LatticeValid = false;
}

void AircraftDocument::recalculate() {
    withdraw();
    results_.messages = {{MessageCode::ErrorHead}};
    // A resize or page change recalculates too; the window's notices stay until a calculation or an open.
    results_.messages.insert(results_.messages.end(), notices_.begin(), notices_.end());
    if (bars_.topZoom != 100) {
        bars_.topZoom = 100;
        emit viewBarsChanged();
    }
    emit recalculated();
    emit resultsChanged();
    emit stateChanged();
}

void AircraftDocument::calculate(const ProgressFn& progress) {
    results_.running = true;
    recalculate();
    CalcOptions options;
    options.marginDesired = choice_.marginDesired();
    options.progress = progress;
    CalcResult& calc = results_.calc;
    results_.anpError.reset();
    if (converged_) {
        std::swap(convergedRun_.window, calc);
        runConvergedCalculation(model_, options, workspace_, convergedRun_);
        std::swap(convergedRun_.window, calc);
        if (convergedRun_.done()) adoptEstimate(convergedRun_, calc);
        results_.anpError = convergedRun_.AnpAircraft.error;
    } else {
        runCalculation(model_, options, workspace_, calc);
    }
    notices_.clear();
    results_.messages = calc.memo;
    if (converged_ && convergedRun_.done())
        results_.messages.insert(results_.messages.end(), convergedRun_.notes.begin(),
                                 convergedRun_.notes.end());
    if (calc.WingsMoved) {
        AircraftText after = text_;
        AircraftChange change(AircraftChange::Kind::MovedHeights);
        change.quiet = true;
        for (int w = 1; w <= kMaxWings; ++w) {
            if (calc.WingPosZ[w] == model_.wing[w].WingPosZ) continue;
            after.field[w][kPosZField] = fieldText(calc.WingPosZ[w]);
            change.fields.emplace_back(w, kPosZField);
        }
        if (!change.fields.empty()) push(std::move(after), std::move(change), -1);
    }
    results_.ResultsValid = results_.LatticeValid = calc.done();
    results_.calculated = true;
    results_.running = false;
    emit resultsChanged();
    emit stateChanged();
}

void AircraftDocument::setConvergedNeutralPoint(bool on) {
    if (converged_ == on) return;
    converged_ = on;
    results_.calculated = false;
    recalculate();
}

void AircraftDocument::chooseStability(bool manual) {
    if (choice_.manual == manual) return;
    choice_.manual = manual;
    // Either choice starts from the fitted top view.
    if (bars_.topZoom != 100) {
        bars_.topZoom = 100;
        emit viewBarsChanged();
    }
    emit stabilityChanged();
    emit stateChanged();
}

void AircraftDocument::editMargin(const QString& text) {
    if (choice_.marginText == text) return;
    choice_.marginText = text;
    emit stabilityChanged();
}

bool AircraftDocument::marginImplausible() const {
    return choice_.manual && !plausibleMargin(choice_.marginDesired());
}

StabilityNumbers AircraftDocument::stability() const {
    if (!results_.ResultsValid) return {};
    const Evaluation& e = results_.calc.evaluation;
    return stabilityNumbers(model_.CalcWingCount, e.AnpAircraft, e.RefChord, choice_.marginDesired());
}

ExportSource AircraftDocument::exportSource() const {
    ExportSource source{model_, std::nullopt, {}};
    source.units = units_;
    const Evaluation& e = results_.calc.evaluation;
    if (results_.ResultsValid)
        source.marks = stabilityMarks(model_.CalcWingCount, e.AnpAircraft, e.RefArea, e.RefChord,
                                      choice_.marginDesired(), choice_.manual);
    source.words = exportWords(source.marks);
    if (const BalanceFigures balance = balanceFigures(); balance.known) {
        source.actualCg = balance.cg;
        source.words.actualCg = actualCgRow(balance.cg);
    }
    return source;
}

void AircraftDocument::setViewBars(const BarPositions& bars) {
    if (bars == bars_) return;
    bars_ = bars;
    emit viewBarsChanged();
}

Language AircraftDocument::language() const {
    return languageInForce();
}

void AircraftDocument::setLanguage(Language language) {
    useLanguage(language);
    nameSteps();
    // The change event reaches every window now, not at the next turn of the loop.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

void AircraftDocument::setUnits(Units units) {
    if (units == units_) return;
    useUnits(units);
    text_ = inUnits(std::move(text_), units_, units);
    for (int i = 0; i < undo_->count(); ++i) {
        auto* step = const_cast<AircraftStep*>(static_cast<const AircraftStep*>(undo_->command(i)));
        step->convert(units_, units);
    }
    units_ = units;
    recompute();
    nameSteps();
    // Every page shows the fields, labels and results anew; the windows
    // rewrite their captions and drawn words as on a language switch.
    emit aircraftChanged(AircraftChange());
    emit resultsChanged();
    emit balanceChanged();
    if (QCoreApplication* app = QCoreApplication::instance()) {
        QCoreApplication::postEvent(app, new QEvent(QEvent::LanguageChange));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    }
}

QString AircraftDocument::fieldText(std::int32_t mm) const {
    return QString::fromStdString(ws::fieldText(mm, units_));
}

void AircraftDocument::nameSteps() {
    for (int i = 0; i < undo_->count(); ++i) {
        // The stack hands out its steps as const; they are this document's own.
        auto* step = const_cast<AircraftStep*>(static_cast<const AircraftStep*>(undo_->command(i)));
        step->setText(stepName(step->change()));
    }
}

}  // namespace ws
