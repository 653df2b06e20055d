// The centre-of-gravity recommendation: static margins in percent of the
// reference chord ahead of the aircraft's neutral point. mm, x rearwards.
#pragma once

namespace ws {

struct StabilityNumbers {
    double MarginLow = 0, MarginHigh = 0;  // automatic range, percent: 4 and 8 for one wing, else 8 and 16
    double MarginDesired = 0;              // typed margin, percent
    double CgRear = 0;                     // AnpAircraft − RefChord × MarginLow %
    double CgFront = 0;                    // AnpAircraft − RefChord × MarginHigh %
    double CgDesired = 0;                  // AnpAircraft − RefChord × MarginDesired %
};

constexpr double kDefaultMargin = 7.5;  // Edit31 at start

// The numbers of STABIL (its drawing belongs to the top view).
StabilityNumbers stabilityNumbers(int calcWingCount, double anpAircraft, double refChord,
                                  double marginDesired);

}  // namespace ws
