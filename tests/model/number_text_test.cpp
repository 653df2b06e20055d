#include <gtest/gtest.h>

#include <clocale>
#include <cstdint>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "../golden.h"
#include "model/entry_rule.h"
#include "model/number_format.h"

namespace ws {
namespace {

// What a field's text is read as (tests/golden.h regenerates the file): the
// value of entryValue, then value and mark of a signed field (offset,
// position) and of a length field (chord, span, gap), and the decimal value.
TEST(GoldenEntryRule, Readings) {
    std::string all;
    const auto read = [&](const std::vector<const char*>& texts) {
        for (const char* text : texts) {
            const EntryReading s = readEntry(text, EntryKind::Signed), l = readEntry(text, EntryKind::Length);
            all += "[" + std::string(text) + "] " + std::to_string(entryValue(text)) + " signed " +
                   std::to_string(s.value) + (s.differs ? " marked" : "") + " length " +
                   std::to_string(l.value) + (l.differs ? " marked" : "") + " decimal " +
                   fixed(decimalValue(text), 4) + "\n";
        }
    };
    read({"310", " 310 ", "\t42", "+25", "007", "-130", "-0", "212.5", "-12.5", "21,5cm"});
    read({"12abc", "abc", "", "-", "- 5", "$1F", "0X1f", "-$10", "0x", "$G"});
    read({"2147483647", "2147483648", "99999999999999999999", "$FFFFFFFFFF", "-2147483648",
          "-99999999999999999999", "297000.0", " 271.98", "-12.25", "+7.5"});
    read({".5", "7.5%", " ", "x", "nan", "inf", "-inf", "1e999", "++1"});
    test::expectGolden("entry-rule.txt", all);
}

// One fixed-point formatter, one rounding (ties to even); a German C locale
// (Qt sets it from the environment) must not turn "." into ",".
TEST(NumberFormat, FixedPaddedAndRounded) {
    const char* old = std::setlocale(LC_ALL, nullptr);
    const std::string saved = old ? old : "C";
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "scripts/install-deps generates de_DE.UTF-8";
    const struct {
        double value;
        int decimals, width;
        const char* text;
    } cases[] = {
        {1100, 0, 4, "1100"},
        {0, 0, 4, "   0"},
        {29.7, 2, 4, "29.70"},
        {4.074, 1, 4, " 4.1"},
        {-680, 1, 4, "-680.0"},
        {-0.04, 1, 4, " 0.0"},
        {1234567.891, 2, 0, "1234567.89"},
        {0.125, 2, 0, "0.12"},
        {-1234.5, 1, 0, "-1234.5"},
    };
    for (const auto& c : cases) EXPECT_EQ(fixed(c.value, c.decimals, c.width), c.text);
    EXPECT_EQ(fixed(1e300, 0).size(), 301u);
    EXPECT_DOUBLE_EQ(decimalValue("271.98"), 271.98);
    std::setlocale(LC_ALL, saved.c_str());
    for (const auto& [value, text] :
         {std::pair{310, " 310"}, {0, "   0"}, {-130, "-130"}, {123456, "123456"}})
        EXPECT_EQ(padded(value, 4), text);
    constexpr int kMax = std::numeric_limits<int>::max(), kMin = std::numeric_limits<int>::min();
    for (const auto& [value, rounded] : {std::pair{32.5, 32},
                                         {33.5, 34},
                                         {-2.5, -2},
                                         {12.65, 13},
                                         {1e300, kMax},
                                         {-1e300, kMin},
                                         {std::numeric_limits<double>::quiet_NaN(), 0}})
        EXPECT_EQ(roundInt(value), rounded) << value;
}

}  // namespace
}  // namespace ws
