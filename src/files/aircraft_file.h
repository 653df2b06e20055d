// The aircraft file (*.da4): one value per line, CR LF, Windows-1252.
//   1       wing count
//   2       trapezium count of wing 1
//   3..7    chords 1..5 of wing 1         (mm, absolute)
//   8       centre gap of wing 1          (mm, absolute)
//   9..12   spans 1..4 of wing 1          (mm, absolute)
//   13..16  leading-edge offsets 2..5     (mm, x rearwards from the root, signed)
//   17, 18  x and z of the root leading edge of wing 1 (mm, aircraft frame)
//   19..35  wing 2 as lines 2..18, 36..52 wing 3
//   53      always 0, ignored
//   54      " "
//   55..57  RefArea (mm², 1 decimal), RefChord (mm, 2), AnpAircraft (x mm, 2); "0" without results
//   58      " "
//   59..    remarks, then a final line end
//   then    the balance block, when there is balance data (files/balance_block.h)
// Integers are right-aligned in at least four characters.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "files/balance_block.h"
#include "files/file_io.h"
#include "model/aircraft.h"

namespace ws {

// The aerodynamic results the file keeps with an aircraft.
struct StoredResults {
    double RefArea = 0;      // reference area, mm²
    double RefChord = 0;     // reference chord, mm
    double AnpAircraft = 0;  // x of the aircraft's aerodynamic centre, mm, aircraft frame
    bool complete = true;    // read: the file did not end inside lines 55..57
};

// ---- Writing ---------------------------------------------------------------

// The exact bytes of the file for `model`: the model's values (absolute chords,
// spans as station differences, the current counts), all three wings and
// hidden trapeziums included. `results` are written only when given, that is
// when they belong to the model; otherwise each result line is "0". Remarks
// (UTF-8) are split at '\n', '\r' is dropped, and every line ends in CR LF.
std::string aircraftFileBytes(const AircraftModel& model, const std::optional<StoredResults>& results);

// ---- Reading ---------------------------------------------------------------

// What a file holds, read but not yet checked against the model.
struct AircraftFileContent {
    int wingCount = 0;                                     // line 1, possibly out of range
    std::array<int, kMaxWings + 1> trapCount{};            // [1..3], lines 2, 19, 36
    std::array<WingEntry, kMaxWings + 1> wing{};           // [1..3], the sixteen values as written
    std::optional<double> RefArea, RefChord, AnpAircraft;  // lines 55..57 when present
    std::optional<std::string> remarks;                    // line 59 onwards, UTF-8, '\n' between lines
    BalanceData balance;                                   // the balance block, taken out of the remarks
    std::vector<BalanceFileNote> balanceNotes;             // what a damaged block lost
};

// Files larger than this are no aircraft files (a full one is about 2 KiB).
constexpr std::uintmax_t kMaxAircraftFileBytes = std::uintmax_t{1} << 20;

// Lines 1..53 must each hold an optionally signed whole number with blanks
// around it, as every writer of the format made them; otherwise the file is
// refused with the first offending line ("line 12 is not a whole number",
// "the file ends after line 26; an aircraft file has at least 53 lines").
// Numbers beyond the 32-bit range saturate. The result lines read leniently:
// a line that is not a number reads 0. Accepts CR LF, LF and CR line ends
// and skips a UTF-8 byte-order mark; bytes of any value pass into the remarks.
// A balance block is taken out of the remarks; a damaged one never refuses
// the file.
std::variant<AircraftFileContent, FileError> parseAircraftFile(std::string_view bytes);

// The aircraft after loading a file into `current`.
struct LoadedAircraft {
    AircraftModel model;
    std::array<WingEntry, kMaxWings + 1> entries{};  // [1..3], values for the entry fields
    StoredResults results;
    std::vector<BalanceFileNote> balanceNotes;
    bool ResultsValid = false;   // RefArea > 0
    bool resultsStored = false;  // a result line is not 0: the file claims results, right or wrong
    std::optional<StoredResults> claimedResults() const {
        return resultsStored ? std::optional(results) : std::nullopt;
    }
};

// The loading rules: a wing count outside 1..3 or a trapezium count outside
// 1..4 takes the nearest end of its range (clampedWingCount,
// clampedTrapCount); CalcWingCount follows WingCount; the remarks become a
// single blank unless the file has some; a missing RefArea line gives 0,
// missing RefChord and AnpAircraft lines keep `currentResults`, and
// `results.complete` says whether the file ended inside its result lines;
// the balance is the file's (none without a block).
// Of `current` only AircraftFileName is kept, which is left to the caller.
LoadedAircraft applyAircraftFile(const AircraftFileContent& file, const AircraftModel& current,
                                 const StoredResults& currentResults = {});

// Reads and parses the file at `path`: an aircraft, or a refusal whose reason
// names the file and says why (missing, unreadable, "not a regular file",
// "too large for an aircraft file", or the parser's reason). Never blocks.
std::variant<AircraftFileContent, FileError> loadAircraftFile(const std::filesystem::path& path);

// ---- File names ------------------------------------------------------------

// The dialogs' pattern "*.da4" or "*.DA4" names no file: loading it reads nothing.
bool isFileNamePattern(std::string_view name);

// `name` with ".da4" appended unless its last component already holds ".da4"
// or ".DA4" anywhere (plane -> plane.da4; plane.DA4 and x.da4.bak unchanged;
// models.da4/plane -> models.da4/plane.da4).
std::string withAircraftExtension(std::string_view name);

}  // namespace ws
