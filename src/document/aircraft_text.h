// The aircraft as its entry fields show it: the texts as typed, the
// trapezium and wing counts and the remarks; what one step of the history
// changed; and the words that name a step. Lengths are mm, x rearwards.
#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <utility>
#include <vector>

#include "files/aircraft_file.h"
#include "model/aircraft.h"
#include "model/balance_data.h"
#include "model/entry_rule.h"
#include "model/units.h"

namespace ws {

// The sixteen values of a wing in the order the aircraft file loads them.
enum WingFieldIndex : int {
    kChordField = 0,  // chords 1..5 at 0..4
    kGapField = 5,
    kSpanField = 6,     // spans 1..4 at 6..9
    kOffsetField = 10,  // offsets 2..5 at 10..13
    kPosXField = 14,
    kPosZField = 15,
    kWingValueCount = 16
};

struct AircraftText {
    int WingCount = 2;
    std::array<int, kMaxWings + 1> TrapCount{0, 1, 1, 1};                     // [1..3]
    std::array<std::array<QString, kWingValueCount>, kMaxWings + 1> field{};  // [1..3]
    QString remarks;
    BalanceData balance;
};

// What a balance step changed, and so its name.
enum class BalanceField {
    None,
    ItemName,  // row
    ItemMass,  // row
    ItemX,     // row
    SupportX,  // row: the support, 1 or 2
    SupportReading,
    BallastAt,
    Method,
    AddItem,
    RemoveItem,  // row
    ItemOrder,
    Movable,
};

// What one step changed, so that the pages redraw only that.
struct AircraftChange {
    enum class Kind { Typed, Drag, Study, MovedHeights, TrapCount, WingCount, Remarks, Balance, Everything };
    explicit AircraftChange(Kind k = Kind::Everything, int w = 0) : kind(k), wing(w) {}
    Kind kind;
    std::vector<std::pair<int, int>> fields;  // Typed, Drag, Study, MovedHeights: (wing, field index)
    int wing;                                 // Drag, Study, TrapCount
    // The calculation's own write of moved heights: only the fields follow,
    // nothing is recalculated or withdrawn.
    bool quiet = false;
    BalanceField balance = BalanceField::None;  // Balance: what, and in which row
    int balanceRow = 0;
    // A position, the wing count or everything: the whole aircraft is recalculated.
    bool wholeAircraft() const;
};

// Chords, spans and the gap are lengths; offsets and positions keep their sign.
EntryKind entryKind(int field);

// The start-up aircraft with the start-up remarks in the language in force.
AircraftText startupText();

// The values of `entry` in the field order above.
std::array<std::int32_t, kWingValueCount> loadOrderValues(const WingEntry& entry);

// Every field of `text`, typed in `from`, written as its millimetres show in
// `to`: the aircraft stays the same, to the millimetre.
AircraftText inUnits(AircraftText text, Units from, Units to);

// The texts a loaded aircraft puts into the fields: right-aligned in four.
AircraftText aircraftText(const LoadedAircraft& loaded);

// The source text (context "Window") naming field `field` of a wing, with
// %1 for the wing and %2 for the trapezium (0: none): "Root chord of wing %1, mm".
struct FieldWords {
    const char* source;
    int trapezium;
};
FieldWords fieldWords(int field);

// The source text (context "Window") naming a balance field, with %1 for
// its row or support: "Mass of item %1, g".
const char* balanceFieldWords(BalanceField field);

// A step's name in the language in force, as Undo and Redo show it.
QString stepName(const AircraftChange& step);

}  // namespace ws
