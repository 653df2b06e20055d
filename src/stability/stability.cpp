#include "stability/stability.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

#include "model/entry_rule.h"

namespace ws {

double limitedMargin(double margin) {
    return std::isnan(margin) ? 0.0 : std::clamp(margin, -kMarginLimit, kMarginLimit);
}

double marginFromText(std::string_view text) {
    std::string decimal(text);
    std::replace(decimal.begin(), decimal.end(), ',', '.');
    const double value = decimalValue(decimal);
    if (value != 0) return limitedMargin(value);
    // A number too large for a double is still beyond the limit.
    const std::size_t start = decimal.find_first_not_of(" \t");
    if (start == std::string::npos) return 0;
    const bool negative = decimal[start] == '-';
    const std::size_t digits = decimal.find_first_not_of("+-", start);
    if (digits == std::string::npos || decimal[digits] < '0' || decimal[digits] > '9') return 0;
    double ignored = 0;
    const char* first = decimal.data() + digits;
    const auto [end, ec] = std::from_chars(first, decimal.data() + decimal.size(), ignored);
    const std::string_view number(first, static_cast<std::size_t>(end - first));
    const std::size_t e = number.find_first_of("eE");
    const bool overflow = ec == std::errc::result_out_of_range && e != std::string_view::npos &&
                          e + 1 < number.size() && number[e + 1] != '-';
    return overflow ? (negative ? -kMarginLimit : kMarginLimit) : 0;
}

StabilityNumbers stabilityNumbers(int calcWingCount, double anpAircraft, double refChord,
                                  double marginDesired) {
    StabilityNumbers s;
    if (calcWingCount > 1) {
        s.MarginLow = 8;
        s.MarginHigh = 16;
    } else {
        s.MarginLow = 4;
        s.MarginHigh = 8;
    }
    s.MarginDesired = limitedMargin(marginDesired);
    s.CgRear = anpAircraft - refChord * s.MarginLow * 0.01;
    s.CgFront = anpAircraft - refChord * s.MarginHigh * 0.01;
    s.CgDesired = anpAircraft - refChord * s.MarginDesired * 0.01;
    return s;
}

double recommendedCg(const StabilityNumbers& s, bool manual) {
    return manual ? s.CgDesired : (s.CgFront + s.CgRear) / 2;
}

MacPercent macPercent(const StabilityNumbers& s, double macLe, double refChord) {
    if (!(refChord > 0)) return {};
    const auto percent = [&](double x) { return (x - macLe) / refChord * 100; };
    return {percent(s.CgFront), percent(s.CgRear), percent(s.CgDesired)};
}

bool plausibleMargin(double margin) {
    return margin >= kPlausibleMarginLow && margin <= kPlausibleMarginHigh;
}

}  // namespace ws
