// Pixel coordinates from mm products. Rounding is THE rounding of the
// program (halves to even); the result is held far outside any image but
// well inside int, so adding an image offset can never overflow.
#pragma once

#include <algorithm>
#include <cmath>

#include "model/number_format.h"

namespace ws {

constexpr int kPixelLimit = 1 << 24;

inline int nearPixel(double v) {
    return std::clamp(roundInt(v), -kPixelLimit, kPixelLimit);
}

// Drops the fraction (towards zero); NaN gives 0.
inline int truncPixel(double v) {
    if (std::isnan(v)) return 0;
    return static_cast<int>(std::clamp(std::trunc(v), double(-kPixelLimit), double(kPixelLimit)));
}

}  // namespace ws
