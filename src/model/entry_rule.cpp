#include "model/entry_rule.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace ws {
namespace {

int digitValue(char c, int base) {
    int d = -1;
    if (c >= '0' && c <= '9') d = c - '0';
    else if (c >= 'a' && c <= 'f') d = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') d = c - 'A' + 10;
    return d < base ? d : -1;
}

std::string_view skipBlanks(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    return text.substr(i);
}

}  // namespace

std::int32_t entryValue(std::string_view text) {
    text = skipBlanks(text);
    bool negative = false;
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (!text.empty() && text[0] == '$') {
        base = 16;
        text.remove_prefix(1);
    } else if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    constexpr std::int64_t limit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t magnitude = 0;
    for (char c : text) {
        const int d = digitValue(c, base);
        if (d < 0) break;
        magnitude = std::min(magnitude * base + d, limit);
    }
    const std::int64_t value = negative ? -magnitude : std::min(magnitude, limit - 1);
    return static_cast<std::int32_t>(value);
}

double decimalValue(std::string_view text) {
    text = skipBlanks(text);
    if (!text.empty() && text[0] == '+') text.remove_prefix(1);
    if (text.empty() || text[0] == '+') return 0.0;
    double value = 0.0;
    // Only plain decimal notation: from_chars would also take "inf" and "nan".
    const char first = text[0] == '-' && text.size() > 1 ? text[1] : text[0];
    if (!((first >= '0' && first <= '9') || first == '.')) return 0.0;
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value,
                                     std::chars_format::general);
    (void)ptr;
    if (ec != std::errc{} || !std::isfinite(value)) return 0.0;
    return value;
}

}  // namespace ws
