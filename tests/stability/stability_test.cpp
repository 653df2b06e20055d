#include <gtest/gtest.h>

#include "stability/stability.h"

namespace ws {
namespace {

TEST(Stability, MarginsByWingCount) {
    for (int wings : {1, 2, 3}) {
        const StabilityNumbers s = stabilityNumbers(wings, 100, 200, 7.5);
        EXPECT_EQ(s.MarginLow, wings == 1 ? 4 : 8) << wings;
        EXPECT_EQ(s.MarginHigh, wings == 1 ? 8 : 16) << wings;
    }
}

TEST(Stability, WorkedExample) {
    const StabilityNumbers s = stabilityNumbers(2, 100, 200, 7.5);
    const StabilityRows en = stabilityRows(s, 297000, 200, 100, true);
    EXPECT_EQ(en.cgFront, "x_cg (16%): 68.0mm   ");
    EXPECT_EQ(en.cgRear, "x_cg (8%): 84.0mm   ");
    EXPECT_EQ(en.cgDesired, "x_cg (7.5%): 85.0mm     ");
    EXPECT_EQ(en.neutralPoint, "x_ac: 100.0mm    ");
    EXPECT_EQ(en.refArea, "Reference area (S): 29.70dm^2 ");
    EXPECT_EQ(en.refChord, "Reference length (lm): 200.0mm ");
    const StabilityRows de = stabilityRows(s, 297000, 200, 100, false);
    EXPECT_EQ(de.cgFront, "x_SP (16%): 68.0mm   ");
    EXPECT_EQ(de.neutralPoint, "x_NP: 100.0mm    ");
    EXPECT_EQ(de.refArea, "Bezugsfläche (S): 29.70dm^2 ");
    EXPECT_EQ(de.refChord, "Bezugstiefe (lm): 200.0mm ");
}

TEST(Stability, NegativeAndZeroMargins) {
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
