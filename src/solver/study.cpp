#include "solver/study.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

#include "model/number_format.h"
#include "solver/converged.h"
#include "stability/balance.h"

namespace ws {
namespace {

struct KindName {
    std::string_view word;
    StudyKind kind;
    bool indexed;
};
constexpr KindName kKindNames[] = {
    {"chord", StudyKind::Chord, true},  {"span", StudyKind::Span, true}, {"offset", StudyKind::Offset, true},
    {"gap", StudyKind::Gap, false},     {"x", StudyKind::X, false},      {"z", StudyKind::Z, false},
    {"scale", StudyKind::Scale, false},
};

std::optional<int> wholeNumber(std::string_view text) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::int32_t saturated(double value) {
    constexpr double low = std::numeric_limits<std::int32_t>::min();
    constexpr double high = std::numeric_limits<std::int32_t>::max();
    if (!(value > low)) return std::numeric_limits<std::int32_t>::min();
    if (value >= high) return std::numeric_limits<std::int32_t>::max();
    return roundInt(value);
}

std::int32_t scaled(std::int32_t length, double percent) {
    return saturated(double(length) * percent / 100);
}

}  // namespace

bool isLength(StudyKind kind) {
    return kind != StudyKind::Scale;
}

std::variant<StudyParameter, StudyProblem> studyParameter(std::string_view name, const AircraftModel& model) {
    const StudyProblem unknown{StudyProblemCode::UnknownName, std::string(name)};
    if (name.size() < 4 || name[0] != 'w' || name[2] != '.') return unknown;
    const std::optional<int> wing = wholeNumber(name.substr(1, 1));
    if (!wing || *wing < 1 || *wing > kMaxWings) return unknown;
    const std::string_view rest = name.substr(3);
    for (const KindName& k : kKindNames) {
        if (rest.substr(0, k.word.size()) != k.word) continue;
        const std::string_view tail = rest.substr(k.word.size());
        StudyParameter parameter{*wing, k.kind, 0};
        if (k.indexed) {
            const std::optional<int> index = wholeNumber(tail);
            if (!index || tail[0] == '+' || tail[0] == '-') return unknown;
            parameter.index = *index;
        } else if (!tail.empty()) {
            return unknown;
        }
        if (auto problem = studyParameterProblem(parameter, model)) return *problem;
        return parameter;
    }
    return unknown;
}

std::optional<StudyProblem> studyParameterProblem(const StudyParameter& p, const AircraftModel& model) {
    if (p.wing < 1 || p.wing > model.WingCount)
        return StudyProblem{StudyProblemCode::WingNotInUse, {}, p.wing, model.WingCount};
    const int trapeziums = model.wing[p.wing].TrapCount;
    switch (p.kind) {
        case StudyKind::Chord:
            if (p.index < 1 || p.index > trapeziums + 1)
                return StudyProblem{StudyProblemCode::NoSuchStation, {}, p.wing, p.index, trapeziums + 1};
            break;
        case StudyKind::Offset:
            if (p.index < 2 || p.index > trapeziums + 1)
                return StudyProblem{StudyProblemCode::NoSuchStation, {}, p.wing, p.index, trapeziums + 1};
            break;
        case StudyKind::Span:
            if (p.index < 1 || p.index > trapeziums)
                return StudyProblem{StudyProblemCode::NoSuchTrapezium, {}, p.wing, p.index, trapeziums};
            break;
        default:
            break;
    }
    return std::nullopt;
}

std::string studyParameterName(const StudyParameter& p) {
    for (const KindName& k : kKindNames)
        if (k.kind == p.kind)
            return "w" + std::to_string(p.wing) + "." + std::string(k.word) +
                   (k.indexed ? std::to_string(p.index) : std::string());
    return {};
}

double studyCurrentValue(const AircraftModel& model, const StudyParameter& p) {
    const WingEntry e = entryFromParams(model.wing[p.wing]);
    switch (p.kind) {
        case StudyKind::Chord:
            return e.chord[p.index];
        case StudyKind::Span:
            return e.span[p.index];
        case StudyKind::Offset:
            return e.offset[p.index];
        case StudyKind::Gap:
            return e.gap;
        case StudyKind::X:
            return e.posX;
        case StudyKind::Z:
            return e.posZ;
        case StudyKind::Scale:
            return 100;
    }
    return 0;
}

std::vector<double> studyValues(const StudyParameter& p, double from, double to, int steps) {
    std::vector<double> values;
    if (steps < kFewestStudySteps || steps > kMostStudySteps || !std::isfinite(from) || !std::isfinite(to))
        return values;
    for (int i = 0; i < steps; ++i) {
        const double v = i == steps - 1 ? to : from + (to - from) * i / (steps - 1);
        values.push_back(isLength(p.kind) ? double(saturated(v)) : v);
    }
    return values;
}

StudyVariant studyVariant(const AircraftModel& model, const StudyParameter& p, double value) {
    StudyVariant variant{model, false};
    WingParams& params = variant.model.wing[p.wing];
    WingEntry e = entryFromParams(params);
    const std::int32_t length = saturated(value);
    switch (p.kind) {
        case StudyKind::Chord:
            e.chord[p.index] = length;
            break;
        case StudyKind::Span:
            e.span[p.index] = length;
            break;
        case StudyKind::Offset:
            e.offset[p.index] = length;
            break;
        case StudyKind::Gap:
            e.gap = length;
            break;
        case StudyKind::X:
            e.posX = length;
            break;
        case StudyKind::Z:
            e.posZ = length;
            break;
        case StudyKind::Scale:
            for (int j = 1; j <= params.TrapCount + 1; ++j) {
                e.chord[j] = scaled(e.chord[j], value);
                if (j > 1) e.offset[j] = scaled(e.offset[j], value);
                if (j <= params.TrapCount) e.span[j] = scaled(e.span[j], value);
            }
            break;
    }
    const bool signedKind = p.kind == StudyKind::Offset || p.kind == StudyKind::X || p.kind == StudyKind::Z;
    variant.absoluteTaken = !signedKind && value < 0 && (p.kind != StudyKind::Scale || length != 0);
    params = paramsFromEntry(e, params.TrapCount);
    return variant;
}

StudyRow studyRow(const AircraftModel& model, const StudyParameter& parameter, double value,
                  const StudyOptions& options, SolverWorkspace& workspace) {
    const StudyVariant variant = studyVariant(model, parameter, value);
    StudyRow row;
    row.value = value;
    row.absoluteTaken = variant.absoluteTaken;
    CalcOptions calc;
    calc.marginDesired = options.marginDesired;
    calc.targetPanels = options.targetPanels;
    ConvergedResult run;
    if (options.converged)
        runConvergedCalculation(variant.model, calc, workspace, run);
    else
        runCalculation(variant.model, calc, workspace, run.window);
    const CalcResult& r = run.window;
    row.CalcWingCount = r.CalcWingCount;
    if (!r.done()) {
        row.refusal = r.memo;
        return row;
    }
    row.done = true;
    const Evaluation& e = r.evaluation;
    const StabilityNumbers& s = options.converged ? run.stability : r.stability;
    row.AnpAircraft = options.converged ? run.AnpAircraft.value : e.AnpAircraft;
    row.CgFront = s.CgFront;
    row.CgRear = s.CgRear;
    row.CgDesired = s.CgDesired;
    row.RefChord = e.RefChord;
    for (int w = 1; w <= r.CalcWingCount; ++w)
        row.LiftSlopeWing[w] = options.converged ? run.LiftSlopeWing[w].value : e.LiftSlopeWing[w];
    if (!variant.model.balance.empty()) {
        const BalanceReference reference =
            balanceReference(variant.model, e.RefWing, e.RefChord, row.AnpAircraft, s, options.manual);
        const BalanceFigures b =
            balanceFigures(variant.model.balance, frontmostWingPoint(variant.model), reference);
        if (b.known) row.actualCg = b.cg;
        if (b.known && b.referenced) row.staticMargin = b.staticMargin;
    }
    return row;
}

std::vector<StudyRow> runStudy(const AircraftModel& model, const StudyParameter& parameter,
                               const std::vector<double>& values, const StudyOptions& options,
                               const StudyProgressFn& progress) {
    std::vector<StudyRow> rows;
    rows.reserve(values.size());
    SolverWorkspace workspace;
    const int total = int(values.size());
    for (double value : values) {
        if (progress && !progress(int(rows.size()), total)) break;
        rows.push_back(studyRow(model, parameter, value, options, workspace));
    }
    if (progress) progress(int(rows.size()), total);
    return rows;
}

}  // namespace ws
