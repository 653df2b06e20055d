// Any bytes may arrive as an aircraft file: they must load or be refused
// without harm, and what was loaded must survive being written and read again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "files/aircraft_file.h"
#include "model/aircraft.h"

namespace {

bool sameWing(const ws::WingParams& a, const ws::WingParams& b) {
    return a.TrapCount == b.TrapCount && a.WingGap == b.WingGap && a.ChordMm == b.ChordMm &&
           a.StationYMm == b.StationYMm && a.OffsetMm == b.OffsetMm && a.WingPosX == b.WingPosX &&
           a.WingPosZ == b.WingPosZ;
}

bool sameModel(const ws::AircraftModel& a, const ws::AircraftModel& b) {
    for (int w = 1; w <= ws::kMaxWings; ++w)
        if (!sameWing(a.wing[w], b.wing[w])) return false;
    return a.WingCount == b.WingCount && a.CalcWingCount == b.CalcWingCount && a.remarks == b.remarks &&
           a.AircraftFileName == b.AircraftFileName;
}

std::optional<ws::StoredResults> resultsOf(const ws::LoadedAircraft& loaded) {
    return loaded.ResultsValid ? std::optional(loaded.results) : std::nullopt;
}

void check(bool condition) {
    if (!condition) std::abort();
}

ws::LoadedAircraft reload(std::string_view bytes, const ws::AircraftModel& start) {
    auto content = ws::parseAircraftFile(bytes);
    check(std::holds_alternative<ws::AircraftFileContent>(content));
    return ws::applyAircraftFile(std::get<ws::AircraftFileContent>(content), start);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const ws::AircraftModel start = ws::startupAircraft();
    auto content = ws::parseAircraftFile(bytes);
    if (const auto* refusal = std::get_if<ws::FileError>(&content)) {
        check(!refusal->reason.empty());
        return 0;
    }
    const ws::LoadedAircraft first = ws::applyAircraftFile(std::get<ws::AircraftFileContent>(content), start);
    check(first.model.WingCount >= 1 && first.model.WingCount <= ws::kMaxWings);

    const std::string written = ws::aircraftFileBytes(first.model, resultsOf(first));
    const ws::LoadedAircraft second = reload(written, start);
    check(sameModel(first.model, second.model));
    // Results are written to a fixed number of decimals; from then on they stay put.
    const std::string rewritten = ws::aircraftFileBytes(second.model, resultsOf(second));
    check(second.ResultsValid != first.ResultsValid || rewritten == written);
    const ws::LoadedAircraft third = reload(rewritten, start);
    check(ws::aircraftFileBytes(third.model, resultsOf(third)) == rewritten);
    return 0;
}
