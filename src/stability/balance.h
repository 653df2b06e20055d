// Balance: the model's mass and centre of gravity as built, from its mass
// items or from a weighing on two supports; where that centre of gravity
// stands against the neutral point and the recommended position; and what
// brings it there: ballast at a place, or the movable item moved.
// Masses g, lengths mm, aircraft frame (x rearwards from the main wing's
// root leading edge). Errors and notes are codes with their row; the text
// catalogue above the core words them.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/aircraft.h"
#include "model/balance_data.h"
#include "stability/stability.h"

namespace ws {

enum class BalanceCode {
    // Why there is no mass and centre of gravity.
    NoItems,            // the items method without an item
    MassNotNumber,      // row
    PositionNotNumber,  // row
    NegativeMass,       // row
    NoWeighing,         // the weighing method without readings
    SupportNotNumber,   // support 1 or 2
    NegativeReading,    // support
    SupportsTogether,   // both supports at one x: nothing to weigh by
    ZeroTotal,          // the masses or readings add up to 0 g
    // Notes beside the figures.
    BallastPlaceNotNumber,  // the frontmost point is taken instead
    MethodsDisagree,        // a: the weighing's mass, b: the items' mass (more than 5 % apart)
    MovableWithoutMass,     // row: the movable item has no mass to move
    // Why there is no ballast mass.
    BallastNotNeeded,     // within the recommended range
    BallastAheadNeeded,   // tail-heavy: a: the target; the place is not ahead of it
    BallastBehindNeeded,  // nose-heavy: a: the target; the place is not behind it
};

struct BalanceMessage {
    BalanceCode code = BalanceCode::NoItems;
    int index = 0;  // row of an item or number of a support, from 1
    double a = 0, b = 0;
    friend bool operator==(const BalanceMessage&, const BalanceMessage&) = default;
};

// A number as typed: "." or "," as the decimal point, blanks around, nothing
// else; finite. Nothing for an empty or other text.
std::optional<double> balanceNumber(std::string_view text);

struct MassAndCg {
    double mass = 0;  // g
    double cg = 0;    // x, mm
};

// Sum of the items (rows left entirely empty are skipped), or why not.
std::optional<MassAndCg> itemsMass(const BalanceData& data, std::vector<BalanceMessage>& errors);
// The two readings: mass R1 + R2 at (R1 x1 + R2 x2) / (R1 + R2), or why not.
std::optional<MassAndCg> weighingMass(const BalanceData& data, std::vector<BalanceMessage>& errors);

// The values a calculation gives the balance.
struct BalanceReference {
    double neutralPoint = 0;               // x of the aircraft's neutral point
    double chord = 0;                      // the reference chord l_m
    double chordLeadingEdge = 0;           // x of the reference wing's mean-chord leading edge
    double target = 0;                     // the recommended position of the stability choice
    double rangeFront = 0, rangeRear = 0;  // what counts as within the recommended range
};

// Within ±kManualTolerance % of the reference chord of a manual margin's
// position counts as on it; the automatic choice has its range.
constexpr double kManualTolerance = 1;

// From the results of aircraft `model`: the reference wing `refWing` (the
// evaluation's), its reference chord, the neutral point and the
// centre-of-gravity numbers of the current stability choice.
BalanceReference balanceReference(const AircraftModel& model, int refWing, double refChord,
                                  double neutralPoint, const StabilityNumbers& numbers, bool manual);

enum class BalanceStatus { InRange, NoseHeavy, TailHeavy };

struct MoveAdvice {
    int row = 0;  // the movable item's row, from 1
    std::string name;
    double toX = 0;  // where it puts the centre of gravity on the target
};

struct BalanceFigures {
    bool known = false;  // mass and cg are the model's
    double mass = 0, cg = 0;
    std::vector<BalanceMessage> messages;  // why not known; notes beside the figures
    // With a reference (the neutral point is calculated) and known:
    bool referenced = false;
    double cgChordPercent = 0;  // (cg − chordLeadingEdge) / l_m, percent
    double staticMargin = 0;    // (x_np − cg) / l_m, percent
    BalanceStatus status = BalanceStatus::InRange;
    double offBy = 0;       // mm beyond the range's nearer end
    bool unstable = false;  // at or behind the neutral point
    double target = 0;
    double ballastAt = 0;                     // the ballast place in use: typed, or the frontmost point
    std::optional<double> ballast;            // g that put the cg on the target
    std::optional<BalanceMessage> noBallast;  // why there is no ballast mass
    std::optional<MoveAdvice> move;           // with a movable item of a mass
};

// x of the frontmost point of the wings in use (leading edges, both halves).
double frontmostWingPoint(const AircraftModel& model);

// Everything the balance page shows. `frontmost`: the aircraft's frontmost
// point without the items (frontmostWingPoint); the default ballast place is
// the frontmost of it and the items.
BalanceFigures balanceFigures(const BalanceData& data, double frontmost,
                              const std::optional<BalanceReference>& reference);

}  // namespace ws
