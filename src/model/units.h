// The unit lengths are shown and typed in. The aircraft itself stays whole
// millimetres (inside and in files); a unit changes only the texts: how a
// length is written, how a typed length is read, and the area unit with it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/entry_rule.h"

namespace ws {

enum class Units { Millimetre, Centimetre, Inch };

// The unit's symbol, also its code on the command line: "mm", "cm", "in".
const char* unitSymbol(Units u);
std::optional<Units> unitsOfCode(std::string_view code);
// Areas: "dm^2" for mm and cm, "in^2" for inches.
const char* areaSymbol(Units u);

double mmPerUnit(Units u);

// Decimals a length gets in `u` that has `mmDecimals` in millimetres:
// the same in mm, one more in cm, at least 2 in inches.
int lengthDecimals(Units u, int mmDecimals);

// The number of `mm` in `u` (no symbol), fixed-point as number_format.h
// writes it; in mm exactly fixed(mm, mmDecimals, minWidth).
std::string lengthText(double mm, Units u, int mmDecimals = 0, int minWidth = 0);
// The same followed by the symbol, without a blank: "1100mm", "43.31in".
std::string lengthWithSymbol(double mm, Units u, int mmDecimals = 0, int minWidth = 0);
// An area of `mm2` square millimetres in the unit's area unit (dm^2 with 2
// decimals, in^2 with 1), with its symbol.
std::string areaWithSymbol(double mm2, Units u, int minWidth = 0);
// The same number without the symbol.
std::string areaText(double mm2, Units u, int minWidth = 0);

// The text an entry field shows for `mm`: whole mm, cm with 1 decimal,
// inches with 2; reading it back in `u` gives `mm` again.
std::string fieldText(std::int32_t mm, Units u);

// A typed length in `u` as whole millimetres (nearest, halves to even). In
// mm exactly the entry rule (readEntry). In cm and in: leading blanks,
// optional sign, digits with "." or "," as decimal separator; the reading
// stops where the number does, no digits give 0. `differs` also when the
// typed number is not exactly what the millimetres used show in `u`.
EntryReading readLength(std::string_view text, Units u, EntryKind kind);
// The signed millimetres of `text` in `u` (entryValue in mm).
std::int32_t lengthValue(std::string_view text, Units u);

}  // namespace ws
