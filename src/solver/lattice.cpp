#include "solver/lattice.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <utility>

#include "model/number_format.h"

namespace ws {

namespace {

int clampToInt(long long v) {
    return static_cast<int>(std::min<long long>(v, std::numeric_limits<int>::max()));
}

// Why a wing cannot be sized at all: the rule would divide by its area, its
// span or a trapezium's mean chord.
std::optional<MessageCode> unsizable(const WingPlanform& p) {
    const int last = p.StationCount;
    if (!(p.WingArea > 0) || !(p.StationY[last] - p.StationY[1] > 0)) return MessageCode::NoArea;
    for (int k = 1; k < last; ++k)
        if (p.StationY[k + 1] - p.StationY[k] > 0 && p.StationChord[k] + p.StationChord[k + 1] == 0)
            return MessageCode::TrapeziumNoChord;
    return std::nullopt;
}

class StripSpacing : public Residuals {
  public:
    void operator()(int nvar, int neq, double* F, const double* x) const override { FCN(nvar, neq, F, x); }
};

}  // namespace

double Lattice::controlX(int i, int s, int w) const {
    if (i == 0) return StripLeadX[stripIndex(s, w)];
    if (i == sizes.ChordPanels[w] + 1) return StripTrailX[stripIndex(s, w)];
    return ControlX[panelIndex(i, s, w)];
}

LatticeSizes latticeSizes(const WingPlanforms& wings, int calcWingCount, int targetPanels) {
    LatticeSizes sizes;
    sizes.CalcWingCount = calcWingCount;

    const int largestTarget = std::max(1, targetPanels);
    double largestArea = 0;
    for (int w = 1; w <= calcWingCount; ++w) largestArea = std::max(largestArea, wings[w].WingArea);

    for (int w = 1; w <= calcWingCount; ++w) {
        const WingPlanform& p = wings[w];
        if (unsizable(p)) continue;
        const int last = p.StationCount;
        const double area = p.WingArea;
        const double span = 2 * (p.StationY[last] - p.StationY[1]);
        const int target = roundInt(largestTarget * area / largestArea);
        const double aspect = span * span / area;
        const int chordPanels = std::max(1, roundInt(std::sqrt(2.0 * target / aspect)));
        sizes.ChordPanels[w] = chordPanels;
        long long strips = 0;
        for (int k = 1; k < last; ++k) {
            const double dy = p.StationY[k + 1] - p.StationY[k];
            if (!(dy > 0)) continue;
            const double meanChord = (p.StationChord[k] + p.StationChord[k + 1]) / 2;
            sizes.StripCount[w][k] = std::max(1, roundInt(chordPanels * dy / meanChord));
            strips += sizes.StripCount[w][k];
        }
        sizes.WingStrips[w] = clampToInt(strips);
    }

    long long total = 0;
    for (int w = 1; w <= calcWingCount; ++w)
        total += static_cast<long long>(sizes.WingStrips[w]) * sizes.ChordPanels[w];
    sizes.PanelTotal = clampToInt(total);
    return sizes;
}

Outcome<LatticeSizes> GRID(const WingPlanforms& wings, int calcWingCount, int targetPanels) {
    LatticeSizes sizes = latticeSizes(wings, calcWingCount, targetPanels);
    Refusal refusal;
    for (int w = 1; w <= calcWingCount; ++w)
        if (const std::optional<MessageCode> why = unsizable(wings[w]))
            refusal.add({MessageCode::CannotCalculateWing, w}, {*why});
    for (int w = 1; w <= kMaxWings; ++w)
        if (sizes.WingStrips[w] >= kMaxStrips)
            refusal.add({MessageCode::CannotCalculateWing, w}, {MessageCode::LessAspectRatio});
    for (int w = 1; w <= kMaxWings; ++w)
        if (sizes.ChordPanels[w] > kMaxChordPanels)
            refusal.add({MessageCode::CannotCalculateWing, w}, {MessageCode::MoreAspectRatio});
    if (refusal.lines.empty() && sizes.PanelTotal > kMaxUnknowns)
        refusal.add({MessageCode::CannotCalculateAircraft}, {MessageCode::TooManyPanels, sizes.PanelTotal});
    if (!refusal.lines.empty()) return refusal;
    return sizes;
}

void FCN(int /*nvar*/, int neq, double* F, const double* x) {
    const int ns = neq;
    const double dy = x[ns];
    const double c0 = x[ns + 1];
    const double c1 = x[ns + 2];
    double sum = 0;
    double previous = c0;
    for (int e = 1; e <= ns; ++e) {
        const double d = x[e - 1];
        sum += d;
        const double chord = e == ns ? c1 : c0 + (c1 - c0) * sum / dy;
        F[e - 1] = d / ((previous + chord) / 2);
        previous = chord;
    }
    const double outermost = F[ns - 1];
    for (int e = 1; e < ns; ++e) F[e - 1] -= outermost;
    F[ns - 1] = dy - sum;
}

Outcome<StripFractions> TRAPEZ_TRIM(int wing, int trapezium, double dy, double c0, double c1, int ns,
                                    NewtonScratch& scratch) {
    std::array<double, kMaxStrips + 3> x{};
    std::array<bool, kMaxStrips + 3> free{};
    const int nvar = ns + 3;
    for (int e = 0; e < ns; ++e) {
        x[e] = dy / ns;
        free[e] = true;
    }
    x[ns] = dy;
    x[ns + 1] = c0;
    x[ns + 2] = c1;
    const StripSpacing residuals;

    if (!TRIM9M(wing, trapezium, x.data(), free.data(), kTrimIterations, ns, nvar, residuals, scratch)) {
        // The exact solution of the same equations: chords in geometric
        // progression. Newton from equal widths overshoots on pointed tips.
        const bool geometric = c0 != c1 && c0 != 0 && c1 != 0;
        double before = 0;
        for (int e = 1; e <= ns; ++e) {
            double fraction = double(e) / ns;
            if (geometric) fraction = (c0 - c0 * std::pow(c1 / c0, double(e) / ns)) / (c0 - c1);
            x[e - 1] = dy * (fraction - before);
            before = fraction;
        }
        Outcome<int> second =
            TRIM9M(wing, trapezium, x.data(), free.data(), kTrimIterations, ns, nvar, residuals, scratch);
        if (!second) return std::move(second).refusal();
    }

    StripFractions t{};
    double sum = 0;
    for (int e = 1; e <= ns; ++e) {
        sum += x[e - 1];
        t[e] = sum / dy;
    }
    return t;
}

Outcome<Lattice> TRAWY2(const LatticeSizes& sizes, const WingPlanforms& wings,
                        const std::array<int, kMaxWings + 1>& WingPosZ, NewtonScratch& scratch,
                        Lattice lattice) {
    lattice.sizes = sizes;
    lattice.WingZ = {};
    lattice.firstStrip = {};
    lattice.firstPanel = {};
    lattice.firstCorner = {};
    int strips = 0, panels = 0, corners = 0;
    for (int w = 1; w <= sizes.CalcWingCount; ++w) {
        lattice.firstStrip[w] = strips;
        lattice.firstPanel[w] = panels;
        lattice.firstCorner[w] = corners;
        strips += sizes.WingStrips[w];
        panels += sizes.WingStrips[w] * sizes.ChordPanels[w];
        corners += sizes.WingStrips[w] * (sizes.ChordPanels[w] + 1);
    }
    for (std::vector<double>* v : {&lattice.VortexYL, &lattice.VortexYR, &lattice.ControlY,
                                   &lattice.StripChord, &lattice.StripLeadX, &lattice.StripTrailX})
        v->assign(std::size_t(strips), 0.0);
    for (std::vector<double>* v : {&lattice.VortexXL, &lattice.VortexXR, &lattice.ControlX})
        v->assign(std::size_t(panels), 0.0);
    for (std::vector<double>* v : {&lattice.CornerXL, &lattice.CornerXR})
        v->assign(std::size_t(corners), 0.0);

    // Every trapezium is spaced, so that the refusal names all that fail.
    Refusal refusal;
    for (int w = 1; w <= sizes.CalcWingCount; ++w) {
        const WingPlanform& p = wings[w];
        const int chordPanels = sizes.ChordPanels[w];
        int s = 0;
        for (int k = 1; k < p.StationCount; ++k) {
            const int ns = sizes.StripCount[w][k];
            if (ns < 1 || ns > kMaxStrips) continue;
            const double dx = p.StationX[k + 1] - p.StationX[k];
            const double dy = p.StationY[k + 1] - p.StationY[k];
            const double c0 = p.StationChord[k];
            const double c1 = p.StationChord[k + 1];
            StripFractions t{0, 1};
            if (ns > 1) {
                Outcome<StripFractions> spaced = TRAPEZ_TRIM(w, k, dy, c0, c1, ns, scratch);
                if (!spaced) {
                    const std::vector<Message>& lines = spaced.refusal().lines;
                    refusal.lines.insert(refusal.lines.end(), lines.begin(), lines.end());
                    s += ns;
                    continue;
                }
                t = *spaced;
            }
            for (int m = 1; m <= ns; ++m) {
                ++s;
                const std::size_t strip = lattice.stripIndex(s, w);
                for (int edge = 0; edge < 2; ++edge) {
                    const double f = t[m - 1 + edge];
                    const double lead = p.StationX[k] + dx * f;
                    const double y = p.StationY[k] + dy * f;
                    const double c = c0 + (c1 - c0) * f;
                    const double panelChord = c / chordPanels;
                    std::vector<double>& vortexX = edge == 0 ? lattice.VortexXL : lattice.VortexXR;
                    std::vector<double>& cornerX = edge == 0 ? lattice.CornerXL : lattice.CornerXR;
                    (edge == 0 ? lattice.VortexYL : lattice.VortexYR)[strip] = y;
                    for (int i = 1; i <= chordPanels; ++i) {
                        vortexX[lattice.panelIndex(i, s, w)] = lead + panelChord * (i - 0.75);
                        cornerX[lattice.cornerIndex(i, s, w)] = lead + panelChord * (i - 1);
                    }
                    cornerX[lattice.cornerIndex(chordPanels + 1, s, w)] = lead + c;
                }
            }
        }
        for (int st = 1; st <= sizes.WingStrips[w]; ++st) {
            const std::size_t strip = lattice.stripIndex(st, w);
            const double lead = (lattice.cornerXL(1, st, w) + lattice.cornerXR(1, st, w)) / 2;
            const double trail =
                (lattice.cornerXL(chordPanels + 1, st, w) + lattice.cornerXR(chordPanels + 1, st, w)) / 2;
            lattice.StripLeadX[strip] = lead;
            lattice.StripTrailX[strip] = trail;
            for (int i = 1; i <= chordPanels; ++i)
                lattice.ControlX[lattice.panelIndex(i, st, w)] =
                    0.125 * (lattice.cornerXL(i, st, w) + lattice.cornerXR(i, st, w)) +
                    0.375 * (lattice.cornerXL(i + 1, st, w) + lattice.cornerXR(i + 1, st, w));
            lattice.ControlY[strip] = (lattice.VortexYL[strip] + lattice.VortexYR[strip]) / 2;
            lattice.StripChord[strip] = trail - lead;
        }
        lattice.WingZ[w] = WingPosZ[w];
    }
    if (!refusal.lines.empty()) return refusal;
    return lattice;
}

}  // namespace ws
