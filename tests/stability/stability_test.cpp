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
    EXPECT_DOUBLE_EQ(s.CgFront, 68);
    EXPECT_DOUBLE_EQ(s.CgRear, 84);
    EXPECT_DOUBLE_EQ(s.CgDesired, 85);
}

TEST(Stability, NegativeAndZeroMargins) {
    EXPECT_DOUBLE_EQ(stabilityNumbers(2, 100, 200, -5).CgDesired, 110);
    EXPECT_DOUBLE_EQ(stabilityNumbers(2, 100, 200, 0).CgDesired, 100);
}

}  // namespace
}  // namespace ws
