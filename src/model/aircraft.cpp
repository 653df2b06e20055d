#include "model/aircraft.h"

#include <cstdlib>
#include <limits>

namespace ws {

const char* const kRemarksPlaceholderEnglish = "insert your remarks her:";
const char* const kRemarksPlaceholderGerman = "Bemerkungen können in diesem Feld eingegeben werden:";

namespace {

std::int32_t clamp32(std::int64_t v) {
    if (v > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
    if (v < std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(v);
}

std::int32_t absolute(std::int32_t v) {
    return clamp32(std::llabs(std::int64_t{v}));
}

}  // namespace

WingParams paramsFromEntry(const WingEntry& e, int trapCount) {
    WingParams p;
    p.TrapCount = trapCount;
    p.WingGap = absolute(e.gap);
    p.StationYMm[1] = p.WingGap;
    for (int j = 1; j <= kMaxStations; ++j) p.ChordMm[j] = absolute(e.chord[j]);
    for (int j = 2; j <= kMaxStations; ++j) {
        p.StationYMm[j] = p.StationYMm[j - 1] + absolute(e.span[j - 1]);
        p.OffsetMm[j] = e.offset[j];
    }
    p.WingPosX = e.posX;
    p.WingPosZ = e.posZ;
    return p;
}

WingEntry entryFromParams(const WingParams& p) {
    WingEntry e;
    e.gap = p.WingGap;
    for (int j = 1; j <= kMaxStations; ++j) e.chord[j] = p.ChordMm[j];
    for (int j = 2; j <= kMaxStations; ++j) {
        e.span[j - 1] = clamp32(p.StationYMm[j] - p.StationYMm[j - 1]);
        e.offset[j] = p.OffsetMm[j];
    }
    e.posX = p.WingPosX;
    e.posZ = p.WingPosZ;
    return e;
}

WingEntry defaultWingEntry(int w) {
    struct Row {
        std::array<std::int32_t, 4> span;
        std::array<std::int32_t, 5> chord;
        std::array<std::int32_t, 4> offset;
        std::int32_t x, z;
    };
    static const Row rows[kMaxWings] = {
        {{550, 550, 80, 20}, {310, 230, 180, 40, 6}, {30, 60, 220, 300}, 0, 0},
        {{120, 100, 100, 10}, {90, 70, 65, 50, 6}, {10, 20, 50, 100}, 680, 60},
        {{100, 60, 40, 10}, {90, 80, 70, 50, 8}, {40, 60, 70, 90}, -130, 33},
    };
    const Row& r = rows[w - 1];
    WingEntry e;
    for (int j = 1; j <= kMaxTrapeziums; ++j) e.span[j] = r.span[j - 1];
    for (int j = 1; j <= kMaxStations; ++j) e.chord[j] = r.chord[j - 1];
    for (int j = 2; j <= kMaxStations; ++j) e.offset[j] = r.offset[j - 2];
    e.posX = r.x;
    e.posZ = r.z;
    return e;
}

AircraftModel startupAircraft() {
    AircraftModel m;
    for (int w = 1; w <= kMaxWings; ++w) m.wing[w] = paramsFromEntry(defaultWingEntry(w), 1);
    m.remarks = kRemarksPlaceholderEnglish;
    return m;
}

}  // namespace ws
