// Number formatting and rounding shared by labels, views, files and print.
// Locale-proof: "." is always the decimal point, whatever the process locale.
#pragma once

#include <cstdint>
#include <string>

namespace ws {

// Fixed-point text of `value` with `decimals` digits after ".", blank-padded on
// the left to at least `minWidth` characters; "-" for negatives, no thousands
// separator. A value that rounds to zero is written without a sign.
std::string fixed(double value, int decimals, int minWidth = 0);

// Whole number right-aligned in at least `minWidth` characters ("%4d").
std::string padded(std::int64_t value, int minWidth);

// `text` without the blanks at its end (rows padded to overwrite a longer one).
std::string withoutTrailingBlanks(std::string text);

// Nearest integer, halves to the even neighbour; saturates at the int range.
int roundInt(double value);

}  // namespace ws
