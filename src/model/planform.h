// Planform geometry of one wing: station arrays and the five planform values.
// mm and mm², aircraft frame (x rearwards); station x includes WingPosX.
#pragma once

#include <array>
#include <string>

#include "model/aircraft.h"
#include "model/units.h"

namespace ws {

struct WingPlanform {
    int StationCount = 2;                  // TrapCount + 1; only 1..StationCount belong to the wing
    std::array<double, 6> StationX{};      // [1..5] leading-edge x
    std::array<double, 6> StationY{};      // [1..5] spanwise y
    std::array<double, 6> StationChord{};  // [1..5]
    double WingSpan = 0;                   // b, tip to tip including the centre gap
    double WingArea = 0;                   // s, both halves, gap excluded
    double WingMAC = 0;                    // lm
    double WingR25 = 0;                    // quarter point of lm, measured from WingPosX
    double WingAspect = 0;                 // lam = b² / s
};

struct NtrapResult {
    double b = 0, s = 0, lm = 0, r = 0, lam = 0;  // r is absolute x
};

// Integrates stations 1..n of a wing (trapezium by trapezium).
NtrapResult NTRAP_SPEZIAL(int n, const std::array<double, 6>& x, const std::array<double, 6>& y,
                          const std::array<double, 6>& c);

// Recalculation of one wing from its station table, using its own WingPosX.
WingPlanform Calc_W(const WingParams& params);

// The five value-label texts of a wing page.
struct WingLabelTexts {
    std::string b, s, lm, r25, lam;  // "1100mm", "29.70dm^2", "272.0mm", "82.3mm", " 4.1"
};
// In `units` (areas dm^2 or in^2): "43.31in", "460.4in^2".
WingLabelTexts wingLabelTexts(const WingPlanform& planform, Units units = Units::Millimetre);

// The aerodynamic-centre label: AnpWing − WingPosX, "85.3mm", " 5.0mm".
std::string anpLabelText(double anpRelative, Units units = Units::Millimetre);

}  // namespace ws
