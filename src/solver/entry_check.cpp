#include "solver/entry_check.h"

namespace ws {

std::optional<Refusal> refusedForMissingEntries(const AircraftModel& model, int calcWingCount) {
    Refusal refusal;
    bool noSpan = false, noChord = false;
    for (int w = 1; w <= clampedWingCount(calcWingCount); ++w) {
        const WingParams& p = model.wing[w];
        const int traps = clampedTrapCount(p.TrapCount);
        const auto hasSpan = [&p](int k) { return p.StationYMm[k + 1] > p.StationYMm[k]; };
        bool anySpan = false;
        for (int k = 1; k <= traps; ++k) anySpan = anySpan || hasSpan(k);
        if (!anySpan) {
            refusal.lines.push_back({MessageCode::NoSpan, w, traps});
            noSpan = true;
            continue;
        }
        // Each chord field once, though it may end two trapeziums: named as
        // the tip of the inner one, or as the root of the outer one when
        // only that one has span.
        for (int j = 1; j <= traps + 1; ++j) {
            if (p.ChordMm[j] != 0) continue;
            const bool inner = j > 1 && hasSpan(j - 1);
            const bool outer = j <= traps && hasSpan(j);
            if (!inner && !outer) continue;
            refusal.lines.push_back({inner ? MessageCode::NoTipChord : MessageCode::NoRootChord, w,
                                     inner ? j - 1 : j, p.ChordMm[j]});
            noChord = true;
        }
    }
    // What the entries need, once below the lines naming them.
    if (noSpan) refusal.lines.push_back({MessageCode::WingNeedsSpan});
    if (noChord) refusal.lines.push_back({MessageCode::TrapeziumNeedsChords});
    if (refusal.lines.empty()) return std::nullopt;
    return refusal;
}

}  // namespace ws
