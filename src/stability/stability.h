// The centre-of-gravity recommendation: static margins in percent of the
// reference chord ahead of the aircraft's neutral point. mm, x rearwards.
#pragma once

#include <string>
#include <string_view>

namespace ws {

struct StabilityNumbers {
    double MarginLow = 0, MarginHigh = 0;  // automatic range, percent: 4 and 8 for one wing, else 8 and 16
    double MarginDesired = 0;              // typed margin, percent
    double CgRear = 0;                     // AnpAircraft − RefChord × MarginLow %
    double CgFront = 0;                    // AnpAircraft − RefChord × MarginHigh %
    double CgDesired = 0;                  // AnpAircraft − RefChord × MarginDesired %
};

constexpr double kDefaultMargin = 7.5;  // Edit31 at start
constexpr double kMarginLimit = 1000;   // percent either way; beyond it a margin is taken as the limit

// The margin typed in Edit31, percent: "." or "," as the decimal point
// ("7,5" is 7.5), the longest number at the start, 0 without one; limited
// to ±kMarginLimit, so never infinite or NaN.
double marginFromText(std::string_view text);
double limitedMargin(double margin);  // NaN gives 0

// The numbers of STABIL (its drawing belongs to the top view). The desired
// margin is limited like marginFromText's (NaN gives 0).
StabilityNumbers stabilityNumbers(int calcWingCount, double anpAircraft, double refChord,
                                  double marginDesired);

// The x that stands for the recommended centre of gravity: the desired
// position with a manual margin, the middle of the range otherwise.
double recommendedCg(const StabilityNumbers& numbers, bool manual);

// The centre-of-gravity positions in percent of the reference chord behind
// `macLe`, the leading edge of the reference wing's mean chord ("% MAC");
// 0 without a reference chord.
struct MacPercent {
    double CgFront = 0, CgRear = 0, CgDesired = 0;
};
MacPercent macPercent(const StabilityNumbers& numbers, double macLe, double refChord);

// A desired margin outside this range is used, with a warning.
constexpr double kPlausibleMarginLow = -10, kPlausibleMarginHigh = 40;  // percent
bool plausibleMargin(double margin);

// The text rows STABIL writes into the top view, trailing blanks included
// (they overwrite what a longer row left there). Worded in the language of
// the interface by the text catalogue above the core.
struct StabilityRows {
    std::string refArea;       // "Reference area (S): 29.70dm^2 "
    std::string refChord;      // "Reference length (lm): 272.0mm "
    std::string cgFront;       // automatic, upper row: "x_cg (16%): 68.0mm   "
    std::string cgRear;        // automatic, lower row: "x_cg (8%): 84.0mm   "
    std::string cgDesired;     // manual: "x_cg (7.5%): 85.0mm     "
    std::string neutralPoint;  // "x_ac: 100.0mm    "
};

}  // namespace ws
