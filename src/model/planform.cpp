#include "model/planform.h"

#include <algorithm>

#include "model/number_format.h"

namespace ws {

NtrapResult NTRAP_SPEZIAL(int n, const std::array<double, 6>& x, const std::array<double, 6>& y,
                          const std::array<double, 6>& c) {
    double A = 0, M = 0, R = 0;
    for (int i = 1; i <= n - 1; ++i) {
        const double dy = y[i + 1] - y[i];
        const double c0 = c[i];
        const double c1 = c[i + 1];
        const double d = c0 - c1;
        A += (c0 + c1) * dy;
        M += (c0 * c0 - c0 * d + d * d / 3) * dy;
        const double q0 = x[i] + c0 / 4;
        const double dq = x[i + 1] + c1 / 4 - q0;
        R += (q0 * c0 + (dq * c0 - q0 * d) / 2 - dq * d / 3) * dy;
    }
    NtrapResult out;
    if (A == 0) return out;
    out.s = A;
    out.lm = 2 * M / A;
    out.r = 2 * R / A;
    out.b = 2 * y[n];
    out.lam = out.b * out.b / A;
    return out;
}

WingPlanform Calc_W(const WingParams& p) {
    WingPlanform w;
    w.StationCount = clampedTrapCount(p.TrapCount) + 1;
    for (int j = 1; j <= kMaxStations; ++j) {
        w.StationX[j] = double(p.WingPosX) + (j == 1 ? 0.0 : double(p.OffsetMm[j]));
        w.StationY[j] = j == 1 ? double(p.WingGap) : double(p.StationYMm[j]);
        w.StationChord[j] = double(p.ChordMm[j]);
    }
    const NtrapResult r = NTRAP_SPEZIAL(w.StationCount, w.StationX, w.StationY, w.StationChord);
    w.WingR25 = r.r - double(p.WingPosX);
    w.WingSpan = r.b;
    w.WingArea = r.s;
    w.WingMAC = r.lm;
    w.WingAspect = r.lam;
    return w;
}

WingLabelTexts wingLabelTexts(const WingPlanform& w, Units u) {
    return {lengthWithSymbol(w.WingSpan, u, 0, 4), areaWithSymbol(w.WingArea, u, 4),
            lengthWithSymbol(w.WingMAC, u, 1, 4), lengthWithSymbol(w.WingR25, u, 1, 4),
            fixed(w.WingAspect, 1, 4)};
}

std::string anpLabelText(double anpRelative, Units u) {
    return lengthWithSymbol(anpRelative, u, 1, 4);
}

}  // namespace ws
