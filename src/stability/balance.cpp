#include "stability/balance.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "model/planform.h"
#include "model/reference_wing.h"

namespace ws {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool blank(std::string_view text) {
    return std::all_of(text.begin(), text.end(), isBlank);
}

// The weighing and the items farther apart than this are worth a word.
constexpr double kDisagreement = 0.05;

}  // namespace

std::optional<double> balanceNumber(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    std::string decimal(text);
    std::replace(decimal.begin(), decimal.end(), ',', '.');
    if (decimal.empty() || decimal.find_first_of("eEinfINF") != std::string::npos) return std::nullopt;
    double value = 0;
    const char* end = decimal.data() + decimal.size();
    const auto [stop, ec] = std::from_chars(decimal.data(), end, value);
    if (ec != std::errc{} || stop != end || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<MassAndCg> itemsMass(const BalanceData& d, std::vector<BalanceMessage>& errors) {
    const std::size_t before = errors.size();
    double mass = 0, moment = 0;
    int counted = 0;
    for (std::size_t i = 0; i < d.items.size(); ++i) {
        const MassItemText& item = d.items[i];
        if (blank(item.name) && blank(item.mass) && blank(item.x)) continue;
        const int row = int(i) + 1;
        const auto m = balanceNumber(item.mass);
        const auto x = balanceNumber(item.x);
        if (!m)
            errors.push_back({BalanceCode::MassNotNumber, row});
        else if (*m < 0)
            errors.push_back({BalanceCode::NegativeMass, row});
        if (!x) errors.push_back({BalanceCode::PositionNotNumber, row});
        if (!m || !x) continue;
        mass += *m;
        moment += *m * *x;
        ++counted;
    }
    if (errors.size() > before) return std::nullopt;
    if (counted == 0) {
        errors.push_back({BalanceCode::NoItems});
        return std::nullopt;
    }
    if (!(mass > 0)) {
        errors.push_back({BalanceCode::ZeroTotal});
        return std::nullopt;
    }
    return MassAndCg{mass, moment / mass};
}

std::optional<MassAndCg> weighingMass(const BalanceData& d, std::vector<BalanceMessage>& errors) {
    const bool nothing = std::all_of(d.supports.begin(), d.supports.end(),
                                     [](const SupportText& s) { return blank(s.x) && blank(s.reading); });
    if (nothing) {
        errors.push_back({BalanceCode::NoWeighing});
        return std::nullopt;
    }
    const std::size_t before = errors.size();
    double x[2] = {}, r[2] = {};
    for (int k = 0; k < 2; ++k) {
        const auto at = balanceNumber(d.supports[std::size_t(k)].x);
        const auto reading = balanceNumber(d.supports[std::size_t(k)].reading);
        if (!at || !reading) {
            errors.push_back({BalanceCode::SupportNotNumber, k + 1});
            continue;
        }
        if (*reading < 0) errors.push_back({BalanceCode::NegativeReading, k + 1});
        x[k] = *at;
        r[k] = *reading;
    }
    if (errors.size() > before) return std::nullopt;
    if (x[0] == x[1]) {
        errors.push_back({BalanceCode::SupportsTogether});
        return std::nullopt;
    }
    const double mass = r[0] + r[1];
    if (!(mass > 0)) {
        errors.push_back({BalanceCode::ZeroTotal});
        return std::nullopt;
    }
    return MassAndCg{mass, (r[0] * x[0] + r[1] * x[1]) / mass};
}

BalanceReference balanceReference(const AircraftModel& model, int refWing, double refChord,
                                  double neutralPoint, const StabilityNumbers& numbers, bool manual) {
    const WingPlanform p = Calc_W(model.wing[std::size_t(std::clamp(refWing, 1, kMaxWings))]);
    BalanceReference r;
    r.neutralPoint = neutralPoint;
    r.chord = refChord;
    r.chordLeadingEdge = meanChordLeadingEdge(p);
    r.target = recommendedCg(numbers, manual);
    if (manual) {
        const double tolerance = std::abs(refChord) * kManualTolerance / 100;
        r.rangeFront = r.target - tolerance;
        r.rangeRear = r.target + tolerance;
    } else {
        r.rangeFront = std::min(numbers.CgFront, numbers.CgRear);
        r.rangeRear = std::max(numbers.CgFront, numbers.CgRear);
    }
    return r;
}

double frontmostWingPoint(const AircraftModel& model) {
    double front = 0;
    bool first = true;
    for (int w = 1; w <= std::clamp(model.WingCount, 1, kMaxWings); ++w) {
        const WingPlanform p = Calc_W(model.wing[std::size_t(w)]);
        for (int j = 1; j <= p.StationCount; ++j) {
            front = first ? p.StationX[std::size_t(j)] : std::min(front, p.StationX[std::size_t(j)]);
            first = false;
        }
    }
    return front;
}

namespace {

void placeBallast(BalanceFigures& f, const BalanceReference& ref) {
    if (f.status == BalanceStatus::InRange) {
        f.noBallast = BalanceMessage{BalanceCode::BallastNotNeeded};
        return;
    }
    const double mass = f.mass * (ref.target - f.cg) / (f.ballastAt - ref.target);
    if (std::isfinite(mass) && mass > 0) {
        f.ballast = mass;
        return;
    }
    const BalanceCode why = f.status == BalanceStatus::TailHeavy ? BalanceCode::BallastAheadNeeded
                                                                 : BalanceCode::BallastBehindNeeded;
    f.noBallast = BalanceMessage{why, 0, ref.target};
}

}  // namespace

BalanceFigures balanceFigures(const BalanceData& d, double frontmost,
                              const std::optional<BalanceReference>& reference) {
    BalanceFigures f;
    std::vector<BalanceMessage> itemErrors, weighingErrors;
    const std::optional<MassAndCg> items = itemsMass(d, itemErrors);
    const std::optional<MassAndCg> weighing =
        d.method == BalanceMethod::Weighing ? weighingMass(d, weighingErrors) : std::nullopt;
    const std::optional<MassAndCg>& built = d.method == BalanceMethod::Items ? items : weighing;
    if (!built) {
        f.messages = d.method == BalanceMethod::Items ? itemErrors : weighingErrors;
        return f;
    }
    f.known = true;
    f.mass = built->mass;
    f.cg = built->cg;
    if (weighing && items && std::abs(weighing->mass - items->mass) > kDisagreement * weighing->mass)
        f.messages.push_back({BalanceCode::MethodsDisagree, 0, weighing->mass, items->mass});

    f.ballastAt = frontmost;
    for (const MassItemText& item : d.items)
        if (const auto x = balanceNumber(item.x)) f.ballastAt = std::min(f.ballastAt, *x);
    if (!blank(d.ballastAt)) {
        if (const auto at = balanceNumber(d.ballastAt))
            f.ballastAt = *at;
        else
            f.messages.push_back({BalanceCode::BallastPlaceNotNumber});
    }

    // The movable item's mass and x, when it has both.
    double movableMass = 0, movableX = 0;
    if (d.movable >= 1 && d.movable <= int(d.items.size())) {
        const MassItemText& item = d.items[std::size_t(d.movable - 1)];
        const auto m = balanceNumber(item.mass);
        const auto x = balanceNumber(item.x);
        if (m && *m > 0 && x) {
            movableMass = *m;
            movableX = *x;
        } else {
            f.messages.push_back({BalanceCode::MovableWithoutMass, d.movable});
        }
    }

    if (!reference || !(reference->chord > 0)) return f;
    const BalanceReference& ref = *reference;
    f.referenced = true;
    f.cgChordPercent = (f.cg - ref.chordLeadingEdge) / ref.chord * 100;
    f.staticMargin = (ref.neutralPoint - f.cg) / ref.chord * 100;
    f.target = ref.target;
    f.unstable = f.cg >= ref.neutralPoint;
    if (f.cg < ref.rangeFront) {
        f.status = BalanceStatus::NoseHeavy;
        f.offBy = ref.rangeFront - f.cg;
    } else if (f.cg > ref.rangeRear) {
        f.status = BalanceStatus::TailHeavy;
        f.offBy = f.cg - ref.rangeRear;
    }
    placeBallast(f, ref);
    if (movableMass > 0) {
        const MassItemText& item = d.items[std::size_t(d.movable - 1)];
        f.move = MoveAdvice{d.movable, item.name, movableX + f.mass * (ref.target - f.cg) / movableMass};
    }
    return f;
}

}  // namespace ws
