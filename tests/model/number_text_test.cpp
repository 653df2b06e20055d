#include <gtest/gtest.h>

#include <clocale>
#include <cstdint>
#include <limits>
#include <string>
#include <utility>

#include "model/entry_rule.h"
#include "model/number_format.h"

namespace ws {
namespace {

// What a field's text is read as: the value a signed field (offset,
// position) and a length field (chord, span, gap) use, and whether the text
// says something else, which the field marks.
TEST(EntryRule, Table) {
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    struct Case {
        const char* text;
        std::int32_t value;   // signed
        std::int32_t length;  // absolute
        bool differs;         // as a signed field
        bool lengthDiffers;
    };
    const Case cases[] = {
        {"310", 310, 310, false, false},
        {" 310 ", 310, 310, false, false},
        {"\t42", 42, 42, false, false},
        {"+25", 25, 25, false, false},
        {"007", 7, 7, false, false},
        {"-130", -130, 130, false, true},
        {"-0", 0, 0, false, false},
        {"212.5", 212, 212, true, true},
        {"-12.5", -12, 12, true, true},
        {"21,5cm", 21, 21, true, true},
        {"12abc", 12, 12, true, true},
        {"abc", 0, 0, true, true},
        {"", 0, 0, true, true},
        {"-", 0, 0, true, true},
        {"- 5", 0, 0, true, true},
        {"$1F", 31, 31, false, false},
        {"0X1f", 31, 31, false, false},
        {"-$10", -16, 16, false, true},
        {"0x", 0, 0, true, true},
        {"$G", 0, 0, true, true},
        {"2147483647", kMax, kMax, false, false},
        {"2147483648", kMax, kMax, true, true},
        {"99999999999999999999", kMax, kMax, true, true},
        {"$FFFFFFFFFF", kMax, kMax, true, true},
        {"-2147483648", kMin, kMax, false, true},
        {"-99999999999999999999", kMin, kMax, true, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(entryValue(c.text), c.value) << '"' << c.text << '"';
        const EntryReading asSigned = readEntry(c.text, EntryKind::Signed);
        const EntryReading asLength = readEntry(c.text, EntryKind::Length);
        EXPECT_EQ(asSigned.value, c.value) << '"' << c.text << '"';
        EXPECT_EQ(asLength.value, c.length) << '"' << c.text << '"';
        EXPECT_EQ(asSigned.differs, c.differs) << '"' << c.text << '"';
        EXPECT_EQ(asLength.differs, c.lengthDiffers) << '"' << c.text << '"';
    }
}

TEST(EntryRule, DecimalValues) {
    const std::pair<const char*, double> cases[] = {{"297000.0", 297000.0},
                                                    {" 271.98", 271.98},
                                                    {"-12.25", -12.25},
                                                    {"+7.5", 7.5},
                                                    {".5", 0.5},
                                                    {"7.5%", 7.5},
                                                    {"0", 0},
                                                    {"", 0},
                                                    {" ", 0},
                                                    {"x", 0},
                                                    {"-", 0},
                                                    {"nan", 0},
                                                    {"inf", 0},
                                                    {"-inf", 0},
                                                    {"1e999", 0},
                                                    {"++1", 0}};
    for (const auto& [text, value] : cases) EXPECT_DOUBLE_EQ(decimalValue(text), value) << '"' << text << '"';
}

TEST(NumberFormat, FixedPoint) {
    EXPECT_EQ(fixed(1100, 0, 4), "1100");
    EXPECT_EQ(fixed(0, 0, 4), "   0");
    EXPECT_EQ(fixed(29.7, 2, 4), "29.70");
    EXPECT_EQ(fixed(4.074, 1, 4), " 4.1");
    EXPECT_EQ(fixed(-680, 1, 4), "-680.0");
    EXPECT_EQ(fixed(-0.04, 1, 4), " 0.0");
    EXPECT_EQ(fixed(1234567.891, 2), "1234567.89");
    EXPECT_EQ(fixed(0.125, 2), "0.12");  // exact binary tie goes to even
    EXPECT_EQ(fixed(1e300, 0).size(), 301u);
}

TEST(NumberFormat, PaddedIntegers) {
    EXPECT_EQ(padded(310, 4), " 310");
    EXPECT_EQ(padded(0, 4), "   0");
    EXPECT_EQ(padded(-130, 4), "-130");
    EXPECT_EQ(padded(123456, 4), "123456");
}

TEST(NumberFormat, RoundingHalvesToEven) {
    EXPECT_EQ(roundInt(32.5), 32);
    EXPECT_EQ(roundInt(33.5), 34);
    EXPECT_EQ(roundInt(-2.5), -2);
    EXPECT_EQ(roundInt(12.65), 13);
    EXPECT_EQ(roundInt(1e300), std::numeric_limits<int>::max());
    EXPECT_EQ(roundInt(-1e300), std::numeric_limits<int>::min());
}

// Qt sets the C locale from the environment; a German one must not turn "."
// into ",".
TEST(NumberFormat, IgnoresGermanLocale) {
    const char* old = std::setlocale(LC_ALL, nullptr);
    const std::string saved = old ? old : "C";
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "scripts/install-deps generates de_DE.UTF-8";
    EXPECT_EQ(fixed(29.7, 2, 4), "29.70");
    EXPECT_EQ(fixed(-1234.5, 1), "-1234.5");
    EXPECT_DOUBLE_EQ(decimalValue("271.98"), 271.98);
    std::setlocale(LC_ALL, saved.c_str());
}

}  // namespace
}  // namespace ws
