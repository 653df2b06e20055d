// The aircraft being edited: up to three wings ("wings": main wing, tail,
// canard), each a half planform of one to four trapeziums.
// Frame: mm, x rearwards (against the flight direction), y spanwise from the
// centre line, z upwards. Indices run from 1 like the rest of the program:
// element 0 of every station array is unused.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/balance_data.h"

namespace ws {

constexpr int kMaxWings = 3;
constexpr int kMaxTrapeziums = 4;
constexpr int kMaxStations = kMaxTrapeziums + 1;

// The one rule for counts from outside (files, command lines): a count
// beyond its range takes the nearest end, so that what is read never
// depends on what was shown before.
constexpr int clampedWingCount(int count) {
    return count < 1 ? 1 : count > kMaxWings ? kMaxWings : count;
}
constexpr int clampedTrapCount(int count) {
    return count < 1 ? 1 : count > kMaxTrapeziums ? kMaxTrapeziums : count;
}

// One wing as the user typed it: the sixteen entry fields, signs as entered.
struct WingEntry {
    std::int32_t gap = 0;                  // Edit01: half width of the centre gap
    std::array<std::int32_t, 5> span{};    // [1..4] span of trapezium j
    std::array<std::int32_t, 6> chord{};   // [1..5] chord at station j
    std::array<std::int32_t, 6> offset{};  // [2..5] leading-edge x behind the root
    std::int32_t posX = 0;                 // Edit_x: root leading edge
    std::int32_t posZ = 0;                 // Edit_z: height
};

// The integer station table of one wing (whole mm): absolute chords, spans
// and gap, cumulative stations, offsets and positions with their sign.
struct WingParams {
    int TrapCount = 1;                      // 1..4
    std::int32_t WingGap = 0;               // |gap|
    std::array<std::int32_t, 6> ChordMm{};  // [1..5] |chord|
    std::array<std::int64_t, 6>
        StationYMm{};  // [1..5] distance from the centre line; five saturated spans still add up
    std::array<std::int32_t, 6> OffsetMm{};  // [2..5] signed
    std::int32_t WingPosX = 0;
    std::int32_t WingPosZ = 0;
};

// The entry rule's reading of a wing's fields: absolute values where they
// must be, spans summed into stations. Saturates instead of overflowing.
WingParams paramsFromEntry(const WingEntry& entry, int trapCount);

// The fields that reproduce `params` (spans as station differences).
WingEntry entryFromParams(const WingParams& params);

struct AircraftModel {
    int WingCount = 2;                             // 1..3, the wing-count choice
    int CalcWingCount = 2;                         // the calculation's copy of WingCount
    std::array<WingParams, kMaxWings + 1> wing{};  // [1..3]
    std::string remarks;                           // UTF-8, lines separated by '\n'
    BalanceData balance;                           // mass items, weighing, ballast place
    std::string AircraftFileName = "Unknown.da4";
};

// The wing set the program starts with (two wings in use, one trapezium each).
WingEntry defaultWingEntry(int w);
AircraftModel startupAircraft();

extern const char* const kRemarksPlaceholderEnglish;  // "insert your remarks her:"

}  // namespace ws
