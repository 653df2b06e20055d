// What winstabix-calc prints for a calculated aircraft: a text report or one
// JSON object. Pure functions of the aircraft and the chain's result.
#pragma once

#include <string>

#include "model/aircraft.h"
#include "solver/calculation.h"

namespace ws {

// Five planform labels per wing in use, then per wing in the calculation its
// chordwise panels, strips (per trapezium), lift slope and Label_anp; the
// panel total, the reference wing, the neutral point and the automatic
// centre-of-gravity range as STABIL writes them (trailing blanks dropped),
// then the lines of Memo1 when the run left it shown. A line after the panel
// total tells when the sizing took a coarser target than `requestedPanels`.
// `english` picks the language of the program's own texts; the report's
// words stay English.
std::string textReport(const AircraftModel& model, const CalcResult& result, bool english,
                       int requestedPanels = kTargetPanels);

// One JSON object (keys: file, wing_count, wings, panel_total, target_panels, wings_moved,
// anp_aircraft, ref_wing, ref_area, ref_chord, margin_low, margin_high,
// margin_desired, cg_front, cg_rear, cg_desired, calculated, messages).
// Numbers in shortest round-trip form; results of a refused run are null.
// Always valid UTF-8: bytes of a file name that are not are replaced.
std::string jsonReport(const std::string& file, const AircraftModel& model, const CalcResult& result);

// 0 when the aircraft was calculated, 1 when it was refused.
int calcExitStatus(const CalcResult& result);

}  // namespace ws
