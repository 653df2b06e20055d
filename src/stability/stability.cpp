#include "stability/stability.h"

#include "model/number_format.h"

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

StabilityRows stabilityRows(const StabilityNumbers& n, double refArea, double refChord, double anpAircraft,
                            bool english) {
    const std::string cg = english ? "x_cg (" : "x_SP (";
    StabilityRows r;
    r.refArea =
        (english ? "Reference area (S): " : "Bezugsfläche (S): ") + fixed(refArea / 10000, 2) + "dm^2 ";
    r.refChord = (english ? "Reference length (lm): " : "Bezugstiefe (lm): ") + fixed(refChord, 1) + "mm ";
    r.cgFront = cg + fixed(n.MarginHigh, 0) + "%): " + fixed(n.CgFront, 1) + "mm   ";
    r.cgRear = cg + fixed(n.MarginLow, 0) + "%): " + fixed(n.CgRear, 1) + "mm   ";
    r.cgDesired = cg + fixed(n.MarginDesired, 1) + "%): " + fixed(n.CgDesired, 1) + "mm     ";
    r.neutralPoint = (english ? "x_ac: " : "x_NP: ") + fixed(anpAircraft, 1) + "mm    ";
    return r;
}

}  // namespace ws
