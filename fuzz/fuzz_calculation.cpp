// An aircraft made from the fuzz input goes through the whole chain:
// calculation, both reports, the file with its results, and opening that
// file again. Every run is calculated or refused, every number of a
// calculated one is finite, and a file the program saved gives back the
// same aircraft without the notice of foreign results.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <variant>

#include "app/calc_report.h"
#include "files/aircraft_file.h"
#include "solver/stored_results.h"
#include "stability/stability.h"

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

// Mostly model-sized values, now and then any 32-bit one.
std::int32_t length(FuzzedDataProvider& in) {
    if (in.ConsumeIntegralInRange(0, 15) == 0) return in.ConsumeIntegral<std::int32_t>();
    return in.ConsumeIntegralInRange<std::int32_t>(-3000, 3000);
}

ws::AircraftModel aircraftFrom(FuzzedDataProvider& in) {
    ws::AircraftModel m = ws::startupAircraft();
    m.WingCount = m.CalcWingCount = in.ConsumeIntegralInRange(1, ws::kMaxWings);
    for (int w = 1; w <= ws::kMaxWings; ++w) {
        ws::WingEntry e;
        e.gap = length(in);
        for (int j = 1; j <= ws::kMaxStations; ++j) e.chord[j] = length(in);
        for (int j = 1; j <= ws::kMaxTrapeziums; ++j) e.span[j] = length(in);
        for (int j = 2; j <= ws::kMaxStations; ++j) e.offset[j] = length(in);
        e.posX = length(in);
        e.posZ = length(in);
        m.wing[w] = ws::paramsFromEntry(e, in.ConsumeIntegralInRange(1, ws::kMaxTrapeziums));
    }
    m.remarks = in.ConsumeRandomLengthString(64);
    return m;
}

bool finite(const ws::CalcResult& r) {
    const ws::Evaluation& e = r.evaluation;
    bool ok = std::isfinite(e.AnpAircraft) && std::isfinite(e.RefArea) && std::isfinite(e.RefChord);
    for (int w = 1; w <= r.CalcWingCount; ++w)
        ok = ok && std::isfinite(e.LiftSlopeWing[w]) && std::isfinite(e.AnpWing[w]) &&
             std::isfinite(e.WingArea[w]);
    const ws::StabilityNumbers& s = r.stability;
    return ok && std::isfinite(s.CgFront) && std::isfinite(s.CgRear) && std::isfinite(s.CgDesired);
}

bool readable(const std::string& text) {
    return text.find("inf") == std::string::npos && text.find("nan") == std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const ws::AircraftModel model = aircraftFrom(in);
    ws::CalcOptions options;
    options.threads = 1;
    // Coarse lattices keep a run short; the sizing rules are the same.
    options.targetPanels = in.ConsumeIntegralInRange(1, 200);
    options.marginDesired = ws::marginFromText(in.ConsumeRandomLengthString(16));

    ws::SolverWorkspace workspace;
    ws::CalcResult result;
    ws::runCalculation(model, options, workspace, result);
    check(result.outcome == ws::CalcOutcome::Done || result.outcome == ws::CalcOutcome::Refused);
    check(!result.done() || finite(result));
    const std::string text = ws::textReport(model, result, true, options.targetPanels);
    check(readable(text));
    (void)ws::jsonReport(model.remarks, model, result);

    std::optional<ws::StoredResults> results;
    if (result.done())
        results = ws::StoredResults{result.evaluation.RefArea, result.evaluation.RefChord,
                                    result.evaluation.AnpAircraft};
    const std::string bytes = ws::aircraftFileBytes(model, results);
    auto content = ws::parseAircraftFile(bytes);
    check(std::holds_alternative<ws::AircraftFileContent>(content));
    const ws::LoadedAircraft loaded =
        ws::applyAircraftFile(std::get<ws::AircraftFileContent>(content), ws::startupAircraft());
    check(ws::aircraftFileBytes(loaded.model, results) == bytes);

    ws::CalcResult again;
    ws::calculateWithStoredResults(loaded.model, loaded.claimedResults(), options, workspace, again);
    check(again.done() == result.done());
    check(!again.done() || !again.memoShown ||
          again.memo.back() != ws::storedResultsReplacedLine(options.language));
    return 0;
}
