// What winstabix-calc prints for a calculated aircraft: a text report or one
// JSON object. Pure functions of the aircraft and the chain's result.
#pragma once

#include <string>
#include <vector>

#include "model/aircraft.h"
#include "solver/calculation.h"
#include "solver/converged.h"

namespace ws {

// Five planform labels per wing in use, then per wing in the calculation its
// chordwise panels, strips (per trapezium), lift slope and Label_anp; the
// panel total, the reference wing, the neutral point and the automatic
// centre-of-gravity range as STABIL writes them (trailing blanks dropped),
// then the lines of Memo1 when the run left it shown. Those rows and lines
// come worded in the language of the run; the report's own words stay English.
// A line after the panel total tells when the sizing took a coarser target
// than `requestedPanels`.
// With a converged estimate, its block follows: the lattices, per wing its
// lift slope and aerodynamic centre (from the wing's position) with their
// error bars, the neutral point and centre-of-gravity rows of the estimate
// and its notes.
struct ReportWording {
    std::string neutralPoint, cgFront, cgRear;  // the stability rows
    std::vector<std::string> messages;          // one per entry of result.memo
    // The same of the converged estimate, when there is one.
    std::string convergedNeutralPoint, convergedCgFront, convergedCgRear;
    std::vector<std::string> convergedNotes;  // one per entry of converged->notes
};
std::string textReport(const AircraftModel& model, const CalcResult& result, const ReportWording& wording,
                       int requestedPanels = kTargetPanels, const ConvergedResult* converged = nullptr);

// One JSON object (keys: file, wing_count, wings, panel_total, target_panels, wings_moved,
// anp_aircraft, ref_wing, ref_area, ref_chord, margin_low, margin_high,
// margin_desired, cg_front, cg_rear, cg_desired, calculated, messages; with
// an estimate also `converged`: status, anp_aircraft, anp_error, wings (wing,
// lift_slope, lift_slope_error, anp, anp_error), panel_totals,
// target_panels, margin_low, margin_high, margin_desired, cg_front,
// cg_rear, cg_desired, messages; null when the aircraft was refused).
// Numbers in shortest round-trip form; results of a refused run are null,
// and so is an error bar of a value that did not converge.
// Always valid UTF-8: bytes of a file name that are not are replaced.
std::string jsonReport(const std::string& file, const AircraftModel& model, const CalcResult& result,
                       const ReportWording& wording, const ConvergedResult* converged = nullptr);

// 0 when the aircraft was calculated, 1 when it was refused.
int calcExitStatus(const CalcResult& result);

}  // namespace ws
