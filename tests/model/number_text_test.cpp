#include <gtest/gtest.h>

#include <clocale>
#include <limits>
#include <string>
#include <vector>

#include "../golden.h"
#include "model/entry_rule.h"
#include "model/number_format.h"

namespace ws {
namespace {

// A field's text as read (tests/golden.h regenerates the file): entryValue, a signed and a length
// field's value and mark, the decimal value; then the formatter, padding, rounding (ties to even).
// A German C locale (Qt sets it from the environment) must not turn "." into ",".
TEST(GoldenEntryRule, ReadingsAndNumbers) {
    const char* old = std::setlocale(LC_ALL, nullptr);
    const std::string saved = old ? old : "C";
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "scripts/install-deps generates de_DE.UTF-8";
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
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (double v : {1100.0, 0.0, 29.7, 4.074, -680.0, -0.04, 1234567.891, 0.125, -1234.5, 32.5, 33.5, -2.5,
                     12.65, 1e300, -1e300, nan}) {
        all += "[" + fixed(v, 0, 4) + "] [" + fixed(v, 1, 4) + "] [" + fixed(v, 2) + "] round " +
               std::to_string(roundInt(v)) + " padded [" + padded(roundInt(v), 4) + "]\n";
    }
    std::setlocale(LC_ALL, saved.c_str());
    test::expectGolden("entry-rule.txt", all);
}

}  // namespace
}  // namespace ws
