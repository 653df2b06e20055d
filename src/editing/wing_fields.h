// The fourteen planform entry fields of a wing as the mouse editing names them.
// Trapezium i = 1..4 runs from station i to station i + 1; its offset and
// chord are those of station i + 1 (OffsetMm[i + 1], ChordMm[i + 1]).
#pragma once

#include <array>
#include <cstdint>

namespace ws {

enum class WingField : std::uint8_t {
    Gap,        // centre gap g
    RootChord,  // c0
    Span1,
    Span2,
    Span3,
    Span4,
    Offset1,  // o_1 .. o_4, signed, mm behind the root leading edge
    Offset2,
    Offset3,
    Offset4,
    Chord1,  // c_1 .. c_4, tip chords
    Chord2,
    Chord3,
    Chord4,
};

constexpr int kWingFieldCount = 14;

// Trapezium i = 1..4.
constexpr WingField spanField(int i) {
    return static_cast<WingField>(static_cast<int>(WingField::Span1) + i - 1);
}
constexpr WingField offsetField(int i) {
    return static_cast<WingField>(static_cast<int>(WingField::Offset1) + i - 1);
}
constexpr WingField chordField(int i) {
    return static_cast<WingField>(static_cast<int>(WingField::Chord1) + i - 1);
}

// The fourteen fields as the window lists them: gap, root chord, then span,
// offset and chord of each trapezium from root to tip.
extern const std::array<WingField, kWingFieldCount> kWingFieldsInTableOrder;

// A set of fields, e.g. those a hovered handle colours yellow.
class FieldSet {
  public:
    constexpr void insert(WingField f) { bits_ |= bit(f); }
    constexpr bool contains(WingField f) const { return (bits_ & bit(f)) != 0; }
    constexpr bool empty() const { return bits_ == 0; }
    constexpr int size() const {
        int n = 0;
        for (std::uint16_t b = bits_; b != 0; b &= static_cast<std::uint16_t>(b - 1)) ++n;
        return n;
    }
    friend constexpr bool operator==(FieldSet, FieldSet) = default;

  private:
    static constexpr std::uint16_t bit(WingField f) {
        return static_cast<std::uint16_t>(1u << static_cast<unsigned>(f));
    }
    std::uint16_t bits_ = 0;
};

}  // namespace ws
