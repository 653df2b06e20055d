#include "solver/entry_check.h"

#include <algorithm>

namespace ws {

bool refuseMissingEntries(const AircraftModel& model, int calcWingCount, CalcMessages& messages) {
    bool noSpan = false, noChord = false;
    for (int w = 1; w <= std::clamp(calcWingCount, 1, kMaxWings); ++w) {
        const WingParams& p = model.wing[w];
        const int traps = std::clamp(p.TrapCount, 1, kMaxTrapeziums);
        const auto hasSpan = [&p](int k) { return p.StationYMm[k + 1] > p.StationYMm[k]; };
        bool anySpan = false;
        for (int k = 1; k <= traps; ++k) anySpan = anySpan || hasSpan(k);
        if (!anySpan) {
            messages.append(MessageCode::NoSpan, w, traps);
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
            messages.lines.push_back({inner ? MessageCode::NoTipChord : MessageCode::NoRootChord, w,
                                      inner ? j - 1 : j, p.ChordMm[j]});
            noChord = true;
        }
    }
    // What the entries need, once below the lines naming them.
    if (noSpan) messages.append(MessageCode::WingNeedsSpan);
    if (noChord) messages.append(MessageCode::TrapeziumNeedsChords);
    if (!noSpan && !noChord) return false;
    messages.shown = true;
    messages.CalcAbort = true;
    return true;
}

}  // namespace ws
