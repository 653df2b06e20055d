// A parameter study: one value of the aircraft (an entry field of a wing in
// use, or a wing's size in percent) stepped over a range, each variant
// calculated through the same chain as the aircraft itself. The aircraft
// given is never changed. Lengths mm (x rearwards, z up), percent for a
// scale, lift slopes per radian.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "model/aircraft.h"
#include "solver/calculation.h"
#include "solver/messages.h"
#include "solver/workspace.h"

namespace ws {

enum class StudyKind { Chord, Span, Offset, Gap, X, Z, Scale };

// What is varied: wing 1..3 and, for chords and offsets the station, for
// spans the trapezium (from 1). A scale multiplies the wing's chords, spans
// and offsets (its shape and aspect ratio stay; its area goes with the
// square); its gap and position stay.
struct StudyParameter {
    int wing = 1;
    StudyKind kind = StudyKind::Scale;
    int index = 0;
    friend bool operator==(const StudyParameter&, const StudyParameter&) = default;
};

// The steps of a study: its number of values, ends included.
constexpr int kFewestStudySteps = 2;
constexpr int kMostStudySteps = 200;

enum class StudyProblemCode {
    UnknownName,      // text: the name
    WingNotInUse,     // a: the wing, b: the wings in use
    NoSuchStation,    // a: the wing, b: the station, c: its stations (with an offset: from 2)
    NoSuchTrapezium,  // a: the wing, b: the trapezium, c: its trapeziums
    StepsOutOfRange,  // a: the steps asked for
    NotANumber,       // text: the end of the range that is none
};

struct StudyProblem {
    StudyProblemCode code = StudyProblemCode::UnknownName;
    std::string text;
    long long a = 0, b = 0, c = 0;
};

// "wN.chordK", "wN.spanK", "wN.offsetK", "wN.gap", "wN.x", "wN.z",
// "wN.scale" of `model`, or why not.
std::variant<StudyParameter, StudyProblem> studyParameter(std::string_view name, const AircraftModel& model);
// Whether `parameter` can be varied on `model`: its wing in use, its station or trapezium there.
std::optional<StudyProblem> studyParameterProblem(const StudyParameter& parameter,
                                                  const AircraftModel& model);
std::string studyParameterName(const StudyParameter& parameter);
// A length in mm, or a scale in percent.
bool isLength(StudyKind kind);

// The value `model` has now: whole mm as the entry rule reads it, 100 for a scale.
double studyCurrentValue(const AircraftModel& model, const StudyParameter& parameter);

// `steps` values from `from` to `to`, evenly spaced, ends included; a length
// is taken in whole mm (halves to even). Nothing when steps is outside
// kFewestStudySteps..kMostStudySteps.
std::vector<double> studyValues(const StudyParameter& parameter, double from, double to, int steps);

// The aircraft with `value` put in: the entries of the wing changed, then
// read by the entry rule, so a negative chord, span or gap is taken as its
// absolute value (said by `absoluteTaken`).
struct StudyVariant {
    AircraftModel model;
    bool absoluteTaken = false;
};
StudyVariant studyVariant(const AircraftModel& model, const StudyParameter& parameter, double value);

struct StudyOptions {
    double marginDesired = kDefaultMargin;  // percent
    bool manual = false;                    // the balance's target is the desired position
    bool converged = false;                 // the converged estimate instead of the lattice's values
    int targetPanels = kTargetPanels;
};

// One variant's numbers; with balance data also the centre of gravity as
// built and its static margin (percent of the reference chord).
struct StudyRow {
    double value = 0;
    bool absoluteTaken = false;
    bool done = false;
    std::vector<Message> refusal;  // the calculation's lines, when not done
    int CalcWingCount = 0;
    double AnpAircraft = 0, CgFront = 0, CgRear = 0, CgDesired = 0, RefChord = 0;
    std::array<double, kMaxWings + 1> LiftSlopeWing{};  // [1..CalcWingCount]
    std::optional<double> actualCg, staticMargin;
};

// The variant of `value` calculated as the window calculates the aircraft
// (the workspace is reused between calls).
StudyRow studyRow(const AircraftModel& model, const StudyParameter& parameter, double value,
                  const StudyOptions& options, SolverWorkspace& workspace);

// Told the rows finished so far of all; returns false to stop the study.
using StudyProgressFn = std::function<bool(int done, int total)>;

// A row per value in order, or fewer when `progress` stopped it.
std::vector<StudyRow> runStudy(const AircraftModel& model, const StudyParameter& parameter,
                               const std::vector<double>& values, const StudyOptions& options,
                               const StudyProgressFn& progress = {});

}  // namespace ws
