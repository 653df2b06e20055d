// A parameter study as comma-separated values, one row per variant:
//   value,anp_aircraft,cg_front,cg_rear,ref_chord,lift_slope_1,lift_slope_2,lift_slope_3,refused
// mm (the value in percent for a scale), lift slopes per radian, numbers in
// shortest round-trip form. A refused row and a wing outside the
// calculation leave their cells empty; the last cell holds why a row was
// refused, or that a negative length was taken as its absolute value.
#pragma once

#include <string>
#include <vector>

#include "solver/study.h"

namespace ws {

extern const char* const kStudyCsvHeader;

// `notes[i]`: the words for row i's last cell (empty: none), worded above the core.
std::string studyCsv(const std::vector<StudyRow>& rows, const std::vector<std::string>& notes);

}  // namespace ws
