#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "model/units.h"

namespace ws {
namespace {

// A typed length in each unit: the millimetres used (halves to even) for a
// signed field and a length field, and whether the field is marked.
TEST(Units, ReadingTable) {
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    struct Case {
        Units unit;
        const char* text;
        std::int32_t value;   // signed field
        std::int32_t length;  // length field
        bool differs;         // signed field
    };
    const Case cases[] = {
        {Units::Centimetre, "21.5", 215, 215, false},
        {Units::Centimetre, "21,5", 215, 215, false},
        {Units::Centimetre, " 21.50 ", 215, 215, false},
        {Units::Centimetre, "21.55", 216, 216, true},  // 215.5: to the even neighbour
        {Units::Centimetre, "21.45", 214, 214, true},  // 214.5
        {Units::Centimetre, "-3.25", -32, 32, true},   // -32.5
        {Units::Centimetre, "-3.2", -32, 32, false},
        {Units::Centimetre, "110", 1100, 1100, false},
        {Units::Centimetre, ".5", 5, 5, false},
        {Units::Centimetre, "12cm", 120, 120, true},
        {Units::Centimetre, "1.2.3", 12, 12, true},
        {Units::Centimetre, "abc", 0, 0, true},
        {Units::Centimetre, "", 0, 0, true},
        {Units::Centimetre, "99999999999999999999", kMax, kMax, true},
        {Units::Inch, "43.31", 1100, 1100, false},
        {Units::Inch, "39,37", 1000, 1000, false},
        {Units::Inch, "17", 432, 432, true},  // 431.8 mm shows 17.01 in
        {Units::Inch, "17.01", 432, 432, false},
        {Units::Inch, "-1.5", -38, 38, false},  // -38.1 mm still shows -1.50 in
        {Units::Inch, "0.02", 1, 1, true},      // 0.508 mm shows 0.04 in
        {Units::Inch, "1.23456789012345678", 31, 31, true},
        {Units::Millimetre, "212.5", 212, 212, true},  // the entry rule itself
        {Units::Millimetre, "$1F", 31, 31, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(unitSymbol(c.unit)) + " '" + c.text + "'");
        const EntryReading s = readLength(c.text, c.unit, EntryKind::Signed);
        EXPECT_EQ(s.value, c.value);
        EXPECT_EQ(s.differs, c.differs);
        EXPECT_EQ(lengthValue(c.text, c.unit), c.value);
        EXPECT_EQ(readLength(c.text, c.unit, EntryKind::Length).value, c.length);
    }
}

// How a length and an area are written in each unit; mm as it always was.
TEST(Units, TextTable) {
    struct Case {
        Units unit;
        double mm;
        int mmDecimals;
        const char* length;
        const char* field;  // fieldText of the rounded mm
        double mm2;
        const char* area;
    };
    const Case cases[] = {
        {Units::Millimetre, 1100, 0, "  1100mm", "1100", 297000, "29.70dm^2"},
        {Units::Millimetre, 272.04, 1, " 272.0mm", "272", 0, "0.00dm^2"},
        {Units::Centimetre, 1100, 0, " 110.0cm", "110.0", 297000, "29.70dm^2"},
        {Units::Centimetre, 272.04, 1, " 27.20cm", "27.2", 192000, "19.20dm^2"},
        {Units::Centimetre, -5, 0, "  -0.5cm", "-0.5", 0, "0.00dm^2"},
        {Units::Inch, 1100, 0, " 43.31in", "43.31", 297000, "460.4in^2"},
        {Units::Inch, 272.04, 1, " 10.71in", "10.71", 645.16, "1.0in^2"},
        {Units::Inch, -25.4, 0, " -1.00in", "-0.98", 0, "0.0in^2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(unitSymbol(c.unit)) + " " + std::to_string(c.mm));
        EXPECT_EQ(lengthWithSymbol(c.mm, c.unit, c.mmDecimals, 6), c.length);
        EXPECT_EQ(fieldText(std::int32_t(c.mm), c.unit), c.field);
        EXPECT_EQ(areaWithSymbol(c.mm2, c.unit), c.area);
    }
    EXPECT_EQ(unitsOfCode("in"), Units::Inch);
    EXPECT_EQ(unitsOfCode("mm"), Units::Millimetre);
    EXPECT_FALSE(unitsOfCode("inch"));
    EXPECT_FALSE(unitsOfCode("MM"));
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
