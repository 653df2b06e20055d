// The document's file: opening replaces the aircraft and its history, saving
// marks it unmodified. The results a file claims are calculated again.
#include <QUndoStack>
#include <limits>
#include <variant>

#include "document/aircraft_document.h"
#include "solver/stored_results.h"

namespace ws {

namespace {

std::optional<std::size_t> contentsHash(const std::string& path) {
    const auto bytes = readWholeFile(std::filesystem::path(path), kMaxAircraftFileBytes, "");
    if (const auto* s = std::get_if<std::string>(&bytes)) return std::hash<std::string>{}(*s);
    return std::nullopt;
}

}  // namespace

std::optional<FileError> AircraftDocument::open(const std::string& path) {
    const auto read = loadAircraftFile(std::filesystem::path(path));
    if (const auto* error = std::get_if<FileError>(&read)) return *error;
    adopt(std::get<AircraftFileContent>(read), path);
    return std::nullopt;
}

std::optional<FileError> AircraftDocument::restore(std::string_view bytes, const std::string& name,
                                                   bool hasFile) {
    const auto read = parseAircraftFile(bytes);
    if (const auto* error = std::get_if<FileError>(&read)) return *error;
    adopt(std::get<AircraftFileContent>(read), name);
    hasFile_ = hasFile;
    if (!hasFile) diskContents_.reset();
    // Not what any file holds: Save, and a close, ask for it.
    undo_->resetClean();
    emit stateChanged();
    return std::nullopt;
}

void AircraftDocument::adopt(const AircraftFileContent& file, const std::string& path) {
    // Missing result lines keep the results as they are; loading makes them the file's.
    const Evaluation& e = results_.calc.evaluation;
    const LoadedAircraft loaded = applyAircraftFile(file, model_, {e.RefArea, e.RefChord, e.AnpAircraft});
    // The file's values first, so that the history's steps cannot reach back past them.
    undo_->clear();
    text_ = inUnits(aircraftText(loaded), Units::Millimetre, units_);
    model_.AircraftFileName = fileName_ = path;
    hasFile_ = true;
    diskContents_ = contentsHash(path);
    balanceNotes_ = loaded.balanceNotes;
    recompute();
    withdraw();
    results_.calculated = false;
    notices_.clear();
    results_.messages = {{MessageCode::ErrorHead}};
    bars_.topZoom = 100;

    StoredResults kept = loaded.results;
    bool keep = loaded.ResultsValid;
    if (const auto claimed = loaded.claimedResults()) {
        // Shown are the results of this aircraft, never the file's word for them.
        CalcOptions options;
        options.marginDesired = choice_.marginDesired();
        CalcResult& calc = results_.calc;
        calculateWithStoredResults(model_, claimed, options, workspace_, calc);
        results_.messages = calc.memo;
        keep = calc.done();
        kept = {calc.evaluation.RefArea, calc.evaluation.RefChord, calc.evaluation.AnpAircraft};
    }
    if (keep) {
        // A file keeps no lattice and no wing's own centre: the planform views mark none.
        Evaluation& shown = results_.calc.evaluation;
        shown.RefArea = kept.RefArea;
        shown.RefChord = kept.RefChord;
        shown.AnpAircraft = kept.AnpAircraft;
        shown.RefOutlineCount = 0;
        for (double& anp : shown.AnpWing) anp = std::numeric_limits<double>::quiet_NaN();
        results_.ResultsValid = true;
    }
    emit aircraftChanged(AircraftChange());
    emit viewBarsChanged();
    emit recalculated();
    emit resultsChanged();
    emit balanceChanged();
    emit stateChanged();
}

void AircraftDocument::newAircraft() {
    undo_->clear();
    text_ = inUnits(startupText(), Units::Millimetre, units_);
    model_.AircraftFileName = fileName_ = "Unknown.da4";
    hasFile_ = false;
    recompute();
    withdraw();
    results_.calculated = false;
    results_.messages = {{MessageCode::ErrorHead}};
    bars_.topZoom = 100;
    emit aircraftChanged(AircraftChange());
    emit viewBarsChanged();
    emit recalculated();
    emit resultsChanged();
    emit stateChanged();
}

std::optional<FileError> AircraftDocument::openCopy(const std::string& path) {
    if (auto error = open(path)) return error;
    model_.AircraftFileName = fileName_ = std::filesystem::path(path).filename().string();
    hasFile_ = false;
    emit stateChanged();
    return std::nullopt;
}

std::string AircraftDocument::fileBytes() const {
    std::optional<StoredResults> stored;
    if (results_.ResultsValid) {
        const Evaluation& e = results_.calc.evaluation;
        stored = StoredResults{e.RefArea, e.RefChord, e.AnpAircraft};
    }
    return aircraftFileBytes(model_, stored);
}

std::optional<FileError> AircraftDocument::save(const std::string& path) {
    if (auto failure = writeFileSafely(std::filesystem::path(path), fileBytes())) return failure;
    model_.AircraftFileName = fileName_ = path;
    hasFile_ = true;
    diskContents_ = contentsHash(path);
    undo_->setClean();
    emit stateChanged();
    return std::nullopt;
}

bool AircraftDocument::changedOnDisk(const std::string& path) const {
    if (!hasFile_ || !diskContents_ || !sameFile(path, fileName_)) return false;
    const auto now = contentsHash(path);
    return now && *now != *diskContents_;
}

void AircraftDocument::setFileName(const std::string& name) {
    model_.AircraftFileName = name;
}

}  // namespace ws
