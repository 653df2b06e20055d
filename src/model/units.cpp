#include "model/units.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "model/number_format.h"

namespace ws {
namespace {

// A decimal number as typed: digits * 10^-decimals, exactly.
struct Decimal {
    bool negative = false;
    std::int64_t digits = 0;
    int decimals = 0;
    bool any = false;        // a digit was read
    bool saturated = false;  // more digits than a length can use
    std::string_view rest;
};

// Up to here the numerator digits * 254 stays exact in a double.
constexpr std::int64_t kDigitLimit = std::int64_t{1} << 44;

std::string_view skipBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    return text;
}

Decimal parseDecimal(std::string_view text) {
    Decimal d;
    text = skipBlanks(text);
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        d.negative = text[0] == '-';
        text.remove_prefix(1);
    }
    bool point = false;
    std::size_t i = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if ((c == '.' || c == ',') && !point) {
            // A separator needs a digit after it to belong to the number.
            if (i + 1 >= text.size() || text[i + 1] < '0' || text[i + 1] > '9') break;
            point = true;
            continue;
        }
        if (c < '0' || c > '9') break;
        d.any = true;
        if (d.digits >= kDigitLimit / 10) {
            // Further whole digits overflow any length; further decimals are below a millimetre's use.
            d.saturated = d.saturated || !point;
            continue;
        }
        d.digits = d.digits * 10 + (c - '0');
        if (point) ++d.decimals;
    }
    d.rest = text.substr(i);
    return d;
}

double pow10(int n) {
    double p = 1;
    for (int i = 0; i < n; ++i) p *= 10;
    return p;
}

// Millimetres per unit as numerator / denominator: 10 / 1 and 254 / 10.
std::int64_t unitNumerator(Units u) {
    return u == Units::Inch ? 254 : u == Units::Centimetre ? 10 : 1;
}
double unitDenominator(Units u) {
    return u == Units::Inch ? 10 : 1;
}

// The millimetres of a typed decimal, rounded; the magnitude only.
std::int64_t magnitudeMm(const Decimal& d, Units u, bool& saturated) {
    const double exact = double(d.digits * unitNumerator(u)) / (unitDenominator(u) * pow10(d.decimals));
    constexpr double kLimit = double(std::numeric_limits<std::int32_t>::max()) + 1;
    if (d.saturated || exact >= kLimit) {
        saturated = true;
        return std::int64_t(kLimit);
    }
    return roundInt(exact);
}

}  // namespace

const char* unitSymbol(Units u) {
    switch (u) {
        case Units::Centimetre:
            return "cm";
        case Units::Inch:
            return "in";
        default:
            return "mm";
    }
}

std::optional<Units> unitsOfCode(std::string_view code) {
    for (Units u : {Units::Millimetre, Units::Centimetre, Units::Inch})
        if (code == unitSymbol(u)) return u;
    return std::nullopt;
}

const char* areaSymbol(Units u) {
    return u == Units::Inch ? "in^2" : "dm^2";
}

double mmPerUnit(Units u) {
    return double(unitNumerator(u)) / unitDenominator(u);
}

int lengthDecimals(Units u, int mmDecimals) {
    switch (u) {
        case Units::Centimetre:
            return mmDecimals + 1;
        case Units::Inch:
            return std::max(2, mmDecimals + 1);
        default:
            return mmDecimals;
    }
}

std::string lengthText(double mm, Units u, int mmDecimals, int minWidth) {
    if (u == Units::Millimetre) return fixed(mm, mmDecimals, minWidth);
    return fixed(mm / mmPerUnit(u), lengthDecimals(u, mmDecimals), minWidth);
}

std::string lengthWithSymbol(double mm, Units u, int mmDecimals, int minWidth) {
    return lengthText(mm, u, mmDecimals, minWidth) + unitSymbol(u);
}

std::string areaText(double mm2, Units u, int minWidth) {
    if (u == Units::Inch) return fixed(mm2 / (25.4 * 25.4), 1, minWidth);
    return fixed(mm2 / 10000, 2, minWidth);
}

std::string areaWithSymbol(double mm2, Units u, int minWidth) {
    return areaText(mm2, u, minWidth) + areaSymbol(u);
}

std::string fieldText(std::int32_t mm, Units u) {
    if (u == Units::Millimetre) return std::to_string(mm);
    return fixed(mm / mmPerUnit(u), lengthDecimals(u, 0));
}

EntryReading readLength(std::string_view text, Units u, EntryKind kind) {
    if (u == Units::Millimetre) return readEntry(text, kind);
    const Decimal d = parseDecimal(text);
    bool saturated = false;
    const std::int64_t magnitude = magnitudeMm(d, u, saturated);
    const bool negative = d.negative && kind == EntryKind::Signed;
    const std::int64_t lowest = std::numeric_limits<std::int32_t>::min();
    const std::int64_t highest = std::numeric_limits<std::int32_t>::max();
    EntryReading r;
    r.value = std::int32_t(negative ? std::max(-magnitude, lowest) : std::min(magnitude, highest));
    const bool signIgnored = kind == EntryKind::Length && d.negative && d.digits != 0;
    // What the field will show, read back: the same number, or the typed one said something else.
    const Decimal shown = parseDecimal(fieldText(r.value, u));
    const double typedValue = double(d.digits) / pow10(d.decimals) * (negative ? -1 : 1);
    const double shownValue = double(shown.digits) / pow10(shown.decimals) * (shown.negative ? -1 : 1);
    const bool rounded = std::abs(typedValue - shownValue) > 1e-9 * std::max(1.0, std::abs(typedValue));
    r.differs = !d.any || !skipBlanks(d.rest).empty() || signIgnored || saturated || rounded;
    return r;
}

std::int32_t lengthValue(std::string_view text, Units u) {
    if (u == Units::Millimetre) return entryValue(text);
    return readLength(text, u, EntryKind::Signed).value;
}

}  // namespace ws
