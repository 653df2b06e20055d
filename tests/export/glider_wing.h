// The aircraft the template tests tile: a 3 m glider wing alone.
#pragma once

#include "model/aircraft.h"

namespace ws::test {

// Rectangular, chord 200 mm, half span 1500 mm.
inline AircraftModel glider3m() {
    AircraftModel model = startupAircraft();
    model.WingCount = model.CalcWingCount = 1;
    WingEntry entry{};
    entry.span[1] = 1500;
    entry.chord[1] = entry.chord[2] = 200;
    model.wing[1] = paramsFromEntry(entry, 1);
    return model;
}

}  // namespace ws::test
