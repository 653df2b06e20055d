#include "stability/tail_volume.h"

#include <cmath>
#include <limits>

namespace ws {

double tailVolume(const WingPlanform& main, const WingPlanform& wing) {
    const double reference = main.WingArea * main.WingMAC;
    if (!(reference > 0)) return std::numeric_limits<double>::quiet_NaN();
    const double arm = (wing.StationX[1] + wing.WingR25) - (main.StationX[1] + main.WingR25);
    return wing.WingArea * std::abs(arm) / reference;
}

}  // namespace ws
