#include "model/entry_rule.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace ws {
namespace {

int digitValue(char c, int base) {
    int d = -1;
    if (c >= '0' && c <= '9')
        d = c - '0';
    else if (c >= 'a' && c <= 'f')
        d = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        d = c - 'A' + 10;
    return d < base ? d : -1;
}

std::string_view skipBlanks(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    return text.substr(i);
}

constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;

// The number at the start of `text` as the entry rule takes it.
struct Parsed {
    bool negative = false;
    std::int64_t magnitude = 0;  // at most kLimit
    bool digits = false;
    bool saturated = false;
    std::string_view rest;  // after the digits
};

Parsed parse(std::string_view text) {
    Parsed p;
    text = skipBlanks(text);
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        p.negative = text[0] == '-';
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
    std::size_t i = 0;
    for (; i < text.size(); ++i) {
        const int d = digitValue(text[i], base);
        if (d < 0) break;
        const std::int64_t next = p.magnitude * base + d;
        p.saturated = p.saturated || next > kLimit;
        p.magnitude = std::min(next, kLimit);
    }
    p.digits = i > 0;
    p.rest = text.substr(i);
    return p;
}

}  // namespace

std::int32_t entryValue(std::string_view text) {
    const Parsed p = parse(text);
    const std::int64_t value = p.negative ? -p.magnitude : std::min(p.magnitude, kLimit - 1);
    return static_cast<std::int32_t>(value);
}

EntryReading readEntry(std::string_view text, EntryKind kind) {
    const Parsed p = parse(text);
    EntryReading r;
    r.value = entryValue(text);
    const bool signIgnored = kind == EntryKind::Length && p.negative && p.magnitude != 0;
    if (kind == EntryKind::Length) r.value = static_cast<std::int32_t>(std::min(p.magnitude, kLimit - 1));
    const bool overflow = p.saturated || (p.magnitude == kLimit && (!p.negative || signIgnored));
    r.differs = !p.digits || !skipBlanks(p.rest).empty() || signIgnored || overflow;
    return r;
}

double decimalValue(std::string_view text) {
    text = skipBlanks(text);
    if (!text.empty() && text[0] == '+') text.remove_prefix(1);
    if (text.empty() || text[0] == '+') return 0.0;
    double value = 0.0;
    // Only plain decimal notation: from_chars would also take "inf" and "nan".
    const char first = text[0] == '-' && text.size() > 1 ? text[1] : text[0];
    if (!((first >= '0' && first <= '9') || first == '.')) return 0.0;
    auto [ptr, ec] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    (void)ptr;
    if (ec != std::errc{} || !std::isfinite(value)) return 0.0;
    return value;
}

}  // namespace ws
