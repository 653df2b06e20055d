// What winstabix-calc prints for a calculated aircraft: a text report or one
// JSON object. Pure functions of the aircraft and the chain's result.
#pragma once

#include <string>
#include <vector>

#include "model/aircraft.h"
#include "solver/calculation.h"

namespace ws {

// Five planform labels per wing in use, then per wing in the calculation its
// chordwise panels, strips (per trapezium), lift slope and Label_anp; the
// panel total, the reference wing, the neutral point and the automatic
// centre-of-gravity range as STABIL writes them (trailing blanks dropped),
// (with the leading edge of the reference wing's mean chord and each
// position in % of the reference chord behind it), then the lines of Memo1
// when the run left it shown. Those rows and lines
// come worded in the language of the run; the report's own words stay English.
// A line after the panel total tells when the sizing took a coarser target
// than `requestedPanels`.
struct ReportWording {
    std::string neutralPoint, cgFront, cgRear;       // the stability rows
    std::vector<std::string> messages;               // one per entry of result.memo
    std::string macLe{}, cgFrontMac{}, cgRearMac{};  // "lm leading edge: 14.3mm", "= 13.2% lm"
};
std::string textReport(const AircraftModel& model, const CalcResult& result, const ReportWording& wording,
                       int requestedPanels = kTargetPanels);

// One JSON object (keys: file, wing_count, wings, panel_total, target_panels, wings_moved,
// anp_aircraft, ref_wing, ref_area, ref_chord, mac_le, margin_low, margin_high,
// margin_desired, cg_front, cg_rear, cg_desired, cg_front_mac_percent,
// cg_rear_mac_percent, cg_desired_mac_percent, calculated, messages).
// Numbers in shortest round-trip form; results of a refused run are null.
// Always valid UTF-8: bytes of a file name that are not are replaced.
std::string jsonReport(const std::string& file, const AircraftModel& model, const CalcResult& result,
                       const ReportWording& wording);

// 0 when the aircraft was calculated, 1 when it was refused.
int calcExitStatus(const CalcResult& result);

}  // namespace ws
