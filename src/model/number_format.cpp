#include "model/number_format.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace ws {

std::string fixed(double value, int decimals, int minWidth) {
    std::array<char, 400> buffer{};
    auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                   std::chars_format::fixed, decimals);
    std::string text = ec == std::errc{} ? std::string(buffer.data(), end) : std::string("0");
    // "-0.0" would suggest a direction that the value does not have.
    if (text.size() > 1 && text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos)
        text.erase(0, 1);
    if (static_cast<int>(text.size()) < minWidth)
        text.insert(0, static_cast<std::size_t>(minWidth) - text.size(), ' ');
    return text;
}

std::string padded(std::int64_t value, int minWidth) {
    std::string text = std::to_string(value);
    if (static_cast<int>(text.size()) < minWidth)
        text.insert(0, static_cast<std::size_t>(minWidth) - text.size(), ' ');
    return text;
}

int roundInt(double value) {
    if (std::isnan(value)) return 0;
    const double r = std::nearbyint(value);
    if (r >= static_cast<double>(std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
    if (r <= static_cast<double>(std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
    return static_cast<int>(r);
}

std::string withoutTrailingBlanks(std::string text) {
    const std::size_t end = text.find_last_not_of(' ');
    text.erase(end == std::string::npos ? 0 : end + 1);
    return text;
}

}  // namespace ws
