#include "stability/stability.h"

namespace ws {

StabilityNumbers stabilityNumbers(int calcWingCount, double anpAircraft, double refChord,
                                  double marginDesired) {
    StabilityNumbers s;
    if (calcWingCount > 1) {
        s.MarginLow = 8;
        s.MarginHigh = 16;
    } else {
        s.MarginLow = 4;
        s.MarginHigh = 8;
    }
    s.MarginDesired = marginDesired;
    s.CgRear = anpAircraft - refChord * s.MarginLow * 0.01;
    s.CgFront = anpAircraft - refChord * s.MarginHigh * 0.01;
    s.CgDesired = anpAircraft - refChord * s.MarginDesired * 0.01;
    return s;
}

}  // namespace ws
