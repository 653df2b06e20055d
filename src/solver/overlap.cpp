#include "solver/overlap.h"

#include <cmath>

#include "model/number_format.h"

namespace ws {

bool UEBERSCHNEID(double tipQ, double rootQ, double tipP, double rootP) {
    return tipQ > rootP && rootQ < tipP;
}

namespace {

struct Separation {
    const WingPlanforms& wings;
    std::array<double, kMaxWings + 1>& z;
    bool& moved;

    double root(int w) const { return wings[w].StationY[1]; }
    double tip(int w) const { return wings[w].StationY[wings[w].StationCount]; }

    // Moves q (behind p); true when it moved.
    bool separate(int p, int q, double factor) {
        const double gap = 0.12 * wings[q].WingMAC;
        const double step = 0.01 * wings[q].WingMAC;
        bool movedHere = false;
        // Each step widens the gap by a fixed amount, so a dozen steps end it;
        // the bound only guards against a step lost in rounding.
        for (int n = 0;
             n < 100000 && std::fabs(z[q] - z[p]) < gap && UEBERSCHNEID(tip(q), root(q), tip(p), root(p));
             ++n) {
            const double sign = z[q] - z[p] > 0 ? 1.0 : -1.0;
            z[q] = z[q] + sign * step * factor;
            movedHere = true;
        }
        moved = moved || movedHere;
        return movedHere;
    }
};

}  // namespace

OverlapResult KONFLIKT(int calcWingCount, const std::array<int, kMaxWings + 1>& WingPosX,
                       const std::array<int, kMaxWings + 1>& WingPosZ, const WingPlanforms& wings) {
    OverlapResult result;
    result.WingPosZ = WingPosZ;
    if (calcWingCount < 2) return result;

    // Front to back. A wing already taken is left out of the later choices
    // (rather than pushed 10^6 mm back, which can still leave it in front).
    static constexpr int kTieOrder[] = {1, 3, 2};
    std::array<int, 4> order{};
    std::array<bool, kMaxWings + 1> taken{};
    for (int n = 1; n <= calcWingCount; ++n) {
        int best = 0;
        for (int w : kTieOrder) {
            if (w > calcWingCount || taken[w]) continue;
            if (best == 0 || WingPosX[w] < WingPosX[best]) best = w;
        }
        order[n] = best;
        taken[best] = true;
    }

    std::array<double, kMaxWings + 1> z{};
    for (int w = 1; w <= kMaxWings; ++w) z[w] = WingPosZ[w];
    Separation sep{wings, z, result.WingsMoved};
    sep.separate(order[1], order[2], 1.0);
    if (calcWingCount == 3) {
        for (int pass = 0; pass < 2; ++pass) {
            sep.separate(order[2], order[3], 1.0);
            if (!sep.separate(order[1], order[3], 1.3)) break;
        }
    }

    if (result.WingsMoved) {
        const int last = calcWingCount == 3 ? 3 : 2;
        for (int w = 1; w <= last; ++w) result.WingPosZ[w] = roundInt(z[w]);
    }
    return result;
}

}  // namespace ws
