// How the text of an entry field (or a line of a file) becomes a number.
// Never fails: text that is not a number reads as far as it is one, else 0.
#pragma once

#include <cstdint>
#include <string_view>

namespace ws {

// Whole millimetres: leading blanks skipped, optional sign, decimal digits
// ("$1F" and "0x1F" hexadecimal). Reading stops at the first character that
// does not belong ("12.5" reads 12, "-12.5" reads -12); no digits give 0.
// Values beyond the 32-bit range saturate at its limits.
std::int32_t entryValue(std::string_view text);

// Lengths (chords, spans, the gap) are used as their absolute value;
// offsets and positions keep their sign.
enum class EntryKind { Length, Signed };

// What a field's text stands for: the value used, and whether the text reads
// as something other than it says: decimals, letters or units after the
// digits, a sign a length ignores, no digits at all, a number beyond the
// 32-bit range. Blanks around the number, a plus sign, leading zeros and a
// hexadecimal number written out in full say what they are.
struct EntryReading {
    std::int32_t value = 0;
    bool differs = false;
};
EntryReading readEntry(std::string_view text, EntryKind kind);

// A decimal number with "." as separator (file results, the margin field):
// leading blanks skipped, the longest numeric prefix taken, anything else 0.
// Never returns NaN or infinity.
double decimalValue(std::string_view text);

}  // namespace ws
