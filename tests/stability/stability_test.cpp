#include <gtest/gtest.h>

#include "stability/stability.h"

namespace ws {
namespace {

// Neutral point 100, chord 200: the margins by wing count, the desired position at the margin typed.
TEST(Stability, WorkedExampleByWingCountAndMargin) {
    for (int wings : {1, 2, 3}) {
        const StabilityNumbers s = stabilityNumbers(wings, 100, 200, 7.5);
        EXPECT_EQ(s.MarginLow, wings == 1 ? 4 : 8) << wings;
        EXPECT_EQ(s.MarginHigh, wings == 1 ? 8 : 16) << wings;
        EXPECT_DOUBLE_EQ(s.CgFront, wings == 1 ? 84 : 68) << wings;
        EXPECT_DOUBLE_EQ(s.CgRear, wings == 1 ? 92 : 84) << wings;
        EXPECT_DOUBLE_EQ(s.CgDesired, 85) << wings;
    }
    EXPECT_DOUBLE_EQ(stabilityNumbers(2, 100, 200, -5).CgDesired, 110);
    EXPECT_DOUBLE_EQ(stabilityNumbers(2, 100, 200, 0).CgDesired, 100);
}

TEST(Stability, MarginTextWithPointOrCommaWithinTheLimit) {
    const std::pair<const char*, double> cases[] = {
        {"7.5", 7.5},  {"7,5", 7.5},     {" -2,25", -2.25}, {"", 0},
        {"abc", 0},    {"inf", 0},       {"1e400", 1000},   {"-1e400", -1000},
        {"1e-400", 0}, {"1000.5", 1000}, {"-99999", -1000}, {"1e300", 1000},
    };
    for (const auto& [text, margin] : cases) EXPECT_EQ(marginFromText(text), margin) << text;
}

}  // namespace
}  // namespace ws
