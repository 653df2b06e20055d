#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "../golden.h"
#include "model/units.h"

namespace ws {
namespace {

// A length typed in each unit (tests/golden.h): the mm used (halves to even) and the mark, for a
// signed and a length field; how a length and an area are written.
TEST(GoldenUnits, ReadingsAndTexts) {
    std::string all;
    const auto read = [&](Units u, const std::vector<const char*>& texts) {
        for (const char* text : texts) {
            const EntryReading s = readLength(text, u, EntryKind::Signed);
            EXPECT_EQ(lengthValue(text, u), s.value);
            all += std::string(unitSymbol(u)) + " [" + text + "] " + std::to_string(s.value) +
                   (s.differs ? " marked" : "") + " length " +
                   std::to_string(readLength(text, u, EntryKind::Length).value) + "\n";
        }
    };
    read(Units::Centimetre, {"21.5", "21,5", " 21.50 ", "21.55", "21.45", "-3.25", "-3.2", "110", ".5",
                             "12cm", "1.2.3", "abc", "", "99999999999999999999"});
    read(Units::Inch, {"43.31", "39,37", "17", "17.01", "-1.5", "0.02", "1.23456789012345678"});
    read(Units::Millimetre, {"212.5", "$1F"});
    for (Units u : {Units::Millimetre, Units::Centimetre, Units::Inch}) {
        for (const auto& [mm, decimals] : {std::pair{1100.0, 0}, {272.04, 1}, {-5.0, 0}, {-25.4, 0}})
            all +=
                "[" + lengthWithSymbol(mm, u, decimals, 6) + "] [" + fieldText(std::int32_t(mm), u) + "]\n";
        for (double mm2 : {297000.0, 192000.0, 645.16, 0.0}) all += "[" + areaWithSymbol(mm2, u) + "]\n";
    }
    test::expectGolden("units.txt", all);
    EXPECT_EQ(unitsOfCode("in"), Units::Inch);
    EXPECT_EQ(unitsOfCode("mm"), Units::Millimetre);
    EXPECT_FALSE(unitsOfCode("inch") || unitsOfCode("MM"));
}

// Every whole millimetre written in a unit reads back as itself.
TEST(Units, FieldTextReadsBack) {
    for (Units u : {Units::Centimetre, Units::Inch})
        for (std::int32_t mm = -3000; mm <= 3000; ++mm) {
            const EntryReading r = readLength(fieldText(mm, u), u, EntryKind::Signed);
            ASSERT_EQ(r.value, mm) << unitSymbol(u);
            ASSERT_FALSE(r.differs) << unitSymbol(u) << " " << mm;
        }
}

}  // namespace
}  // namespace ws
