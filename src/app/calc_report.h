// What winstabix-calc prints for a calculated aircraft: a text report or one
// JSON object. Pure functions of the aircraft and the chain's result.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/aircraft.h"
#include "model/units.h"
#include "solver/calculation.h"
#include "solver/converged.h"
#include "stability/balance.h"

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
// than `requestedPanels`. With balance data, "balance:" lines follow the
// stability rows: mass and centre of gravity, and with results the % of
// the reference chord, the static margin, the status, the ballast and the
// move, then the balance's messages.
// With a converged estimate, its block follows: the lattices, per wing its
// lift slope and aerodynamic centre (from the wing's position) with their
// error bars, the neutral point and centre-of-gravity rows of the estimate
// and its notes.
struct ReportWording {
    std::string neutralPoint, cgFront, cgRear;       // the stability rows
    std::vector<std::string> messages;               // one per entry of result.memo
    std::string macLe{}, cgFrontMac{}, cgRearMac{};  // "lm leading edge: 14.3mm", "= 13.2% lm"
    std::vector<std::string> balanceMessages = {};   // one per entry of the balance figures' messages
    std::string balanceStatus = {}, ballast = {}, move = {};  // worded balance results, when referenced
    // The same of the converged estimate, when there is one.
    std::string convergedNeutralPoint, convergedCgFront, convergedCgRear;
    std::vector<std::string> convergedNotes;  // one per entry of converged->notes
    // The unit the text report and the JSON's label texts are in (mm when
    // none was asked for); the JSON's numbers stay mm and mm², and it names
    // the unit (`units`) only when one was asked for.
    std::optional<Units> units = std::nullopt;
    Units unitsOrMm() const { return units.value_or(Units::Millimetre); }
};

// The balance of `model` as the batch program reports it (the automatic
// stability choice), nothing when the model has no balance data.
std::optional<BalanceFigures> reportBalance(const AircraftModel& model, const CalcResult& result);
std::string textReport(const AircraftModel& model, const CalcResult& result, const ReportWording& wording,
                       int requestedPanels = kTargetPanels, const ConvergedResult* converged = nullptr);

// One JSON object (keys: file, wing_count, wings, panel_total, target_panels, wings_moved,
// anp_aircraft, ref_wing, ref_area, ref_chord, mac_le, margin_low, margin_high,
// margin_desired, cg_front, cg_rear, cg_desired, cg_front_mac_percent,
// cg_rear_mac_percent, cg_desired_mac_percent, calculated, messages,
// balance; with an estimate also `converged`: status, anp_aircraft,
// anp_error, wings (wing, lift_slope, lift_slope_error, anp, anp_error),
// panel_totals, target_panels, margin_low, margin_high, margin_desired,
// cg_front, cg_rear, cg_desired, messages; null when the aircraft was
// refused). Each wing has its tail_volume (null for wing 1). `balance` is
// null without balance data, else mass_g, cg, cg_mac_percent,
// static_margin_percent, status (in_range, nose_heavy, tail_heavy), target,
// ballast_at, ballast_g, move_item ({name, to_x}), each null when unknown;
// its messages join `messages`.
// Numbers in shortest round-trip form; results of a refused run are null,
// and so is an error bar of a value that did not converge.
// Always valid UTF-8: bytes of a file name that are not are replaced.
std::string jsonReport(const std::string& file, const AircraftModel& model, const CalcResult& result,
                       const ReportWording& wording, const ConvergedResult* converged = nullptr);

// 0 when the aircraft was calculated, 1 when it was refused.
int calcExitStatus(const CalcResult& result);

}  // namespace ws
