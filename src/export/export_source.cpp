#include "export/export_source.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>

#include "model/number_format.h"
#include "model/reference_wing.h"

namespace ws {

StabilityMarks stabilityMarks(int calcWingCount, double anpAircraft, double refArea, double refChord,
                              double marginDesired, bool manual) {
    StabilityMarks m;
    m.AnpAircraft = anpAircraft;
    m.RefArea = refArea;
    m.RefChord = refChord;
    m.numbers = stabilityNumbers(calcWingCount, anpAircraft, refChord, marginDesired);
    m.manual = manual;
    return m;
}

double recommendedCg(const StabilityMarks& m) {
    return recommendedCg(m.numbers, m.manual);
}

namespace {

// Root to tip along the leading edge, then back along the trailing edge.
std::vector<PlanPoint> rightHalf(const WingPlanform& p) {
    std::vector<PlanPoint> half;
    const int n = p.StationCount;
    for (int j = 1; j <= n; ++j) half.push_back({p.StationX[j], p.StationY[j]});
    for (int j = n; j >= 1; --j) half.push_back({p.StationX[j] + p.StationChord[j], p.StationY[j]});
    return half;
}

// Consecutive equal points (a tip chord of 0, a step of zero width) would
// give CAD programs segments of no length.
std::vector<PlanPoint> withoutRepeats(const std::vector<PlanPoint>& points) {
    std::vector<PlanPoint> kept;
    for (const PlanPoint& p : points) {
        if (kept.empty() || p.x != kept.back().x || p.y != kept.back().y) kept.push_back(p);
    }
    while (kept.size() > 1 && kept.front().x == kept.back().x && kept.front().y == kept.back().y)
        kept.pop_back();
    return kept;
}

std::vector<std::vector<PlanPoint>> outlines(const WingPlanform& p) {
    const std::vector<PlanPoint> right = rightHalf(p);
    std::vector<PlanPoint> left;
    for (auto it = right.rbegin(); it != right.rend(); ++it) left.push_back({it->x, -it->y});
    if (p.StationY[1] != 0) return {withoutRepeats(right), withoutRepeats(left)};
    // Without a gap both halves share the root chord on the centre line: one
    // outline round both, each root point once.
    std::vector<PlanPoint> both = right;
    both.insert(both.end(), left.begin(), left.end());
    return {withoutRepeats(both)};
}

// y of the centroid of the half wing's area.
double centroidY(const WingPlanform& p) {
    double moment = 0, area = 0;
    for (int k = 1; k < p.StationCount; ++k) {
        const double y0 = p.StationY[k], y1 = p.StationY[k + 1];
        const double c0 = p.StationChord[k], c1 = p.StationChord[k + 1];
        moment += (y1 - y0) * (c0 * (2 * y0 + y1) + c1 * (y0 + 2 * y1)) / 6;
        area += (y1 - y0) * (c0 + c1) / 2;
    }
    return area > 0 ? moment / area : p.StationY[1];
}

}  // namespace

std::vector<WingGeometry> wingGeometries(const AircraftModel& model) {
    const int shown = clampedWingCount(model.WingCount);
    std::array<int, kMaxWings> order{1, 2, 3};
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return model.wing[a].WingPosZ < model.wing[b].WingPosZ; });
    std::vector<WingGeometry> wings;
    for (const int w : order) {
        if (w > shown) continue;
        const WingPlanform p = Calc_W(model.wing[w]);
        WingGeometry g;
        g.wing = w;
        g.outlines = outlines(p);
        g.rightHalf = withoutRepeats(rightHalf(p));
        g.macY = centroidY(p);
        g.r25 = p.WingR25 + model.wing[w].WingPosX;
        g.macFront = g.r25 - p.WingMAC / 4;
        g.macRear = g.r25 + 3 * p.WingMAC / 4;
        wings.push_back(std::move(g));
    }
    return wings;
}

PlanExtent planExtent(const std::vector<WingGeometry>& wings, const std::optional<StabilityMarks>& marks) {
    bool first = true;
    PlanExtent e;
    const auto take = [&](double x) {
        e.xMin = first ? x : std::min(e.xMin, x);
        e.xMax = first ? x : std::max(e.xMax, x);
        first = false;
    };
    for (const WingGeometry& w : wings) {
        for (const auto& outline : w.outlines) {
            for (const PlanPoint& p : outline) {
                take(p.x);
                e.yMax = std::max(e.yMax, std::abs(p.y));
            }
        }
    }
    if (marks) {
        take(marks->AnpAircraft);
        take(marks->numbers.CgFront);
        take(marks->numbers.CgRear);
        if (marks->manual) take(marks->numbers.CgDesired);
    }
    return e;
}

PlanExtent drawingExtent(const ExportSource& source) {
    PlanExtent e = planExtent(wingGeometries(source.model), source.marks);
    if (source.actualCg) {
        e.xMin = std::min(e.xMin, *source.actualCg);
        e.xMax = std::max(e.xMax, *source.actualCg);
    }
    return e;
}

ReferenceValues referenceValues(const AircraftModel& model, int calcWingCount) {
    const int count = clampedWingCount(calcWingCount);
    std::array<WingPlanform, kMaxWings + 1> p{};
    std::array<WingExtent, kMaxWings> extents{};
    for (int w = 1; w <= count; ++w) {
        p[w] = Calc_W(model.wing[w]);
        extents[std::size_t(w - 1)] = {p[w].StationY[p[w].StationCount] - p[w].StationY[1], p[w].WingArea};
    }
    ReferenceValues r;
    r.wing = referenceWing(std::span(extents.data(), std::size_t(count)));
    const WingPlanform& ref = p[r.wing];
    r.span = ref.WingSpan;
    // ∫c² dy over one half, from the mean chord.
    const ReferenceArea area = referenceArea(ref.WingArea, ref.WingMAC, ref.WingMAC * ref.WingArea / 2,
                                             ref.StationChord[1], ref.StationY[1]);
    r.area = area.area;
    r.chord = area.chord;
    return r;
}

std::string aircraftTitle(const AircraftModel& model) {
    std::string name = std::filesystem::path(model.AircraftFileName).filename().string();
    for (const char* ext : {".da4", ".DA4"}) {
        if (name.size() > 4 && name.ends_with(ext)) name.resize(name.size() - 4);
    }
    return name.empty() ? "Unknown" : name;
}

std::string exportFileName(const AircraftModel& model, const std::string& extension) {
    const std::filesystem::path folder = std::filesystem::path(model.AircraftFileName).parent_path();
    return (folder / (aircraftTitle(model) + "." + extension)).string();
}

std::string numberText(double value) {
    std::string text = fixed(value, 4);
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') text.pop_back();
    return text;
}

}  // namespace ws
