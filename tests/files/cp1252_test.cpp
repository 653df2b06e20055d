#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "files/cp1252.h"

namespace ws {
namespace {

TEST(Cp1252, GermanAndTypographicCharactersAreOneByteEach) {
    EXPECT_EQ(utf8ToCp1252("Flügel Höhe Maß Ä Ö Ü"), "Fl\xFCgel H\xF6he Ma\xDF \xC4 \xD6 \xDC");
    EXPECT_EQ(utf8ToCp1252("€ – “x” …"), "\x80 \x96 \x93x\x94 \x85");
    EXPECT_EQ(utf8ToCp1252("ŠšŽžŒœŸ"), "\x8A\x9A\x8E\x9E\x8C\x9C\x9F");
    EXPECT_EQ(cp1252ToUtf8("Fl\xFCgel \x80 \x96"), "Flügel € –");
}

// One "?" per character the code page lacks, one per byte of malformed UTF-8,
// never reading past the end.
TEST(Cp1252, UnmappableCharactersAndMalformedBytesBecomeQuestionMarks) {
    const std::pair<const char*, const char*> cases[] = {
        {"a✓b", "a?b"},
        {"α😀ω", "???"},                // Greek and a four-byte emoji
        {"\xC2\x85", "?"},             // C1 control NEL: not in the code page
        {"a\xFF\x62", "a?b"},          // never valid in UTF-8
        {"\xC3", "?"},                 // cut short at the end
        {"\xE2\x82", "??"},            // likewise
        {"\xC0\xAF", "??"},            // overlong "/"
        {"\xED\xA0\x80", "???"},       // surrogate
        {"\xF4\x90\x80\x80", "????"},  // beyond U+10FFFF
        {"\x80x", "?x"},               // stray continuation byte
    };
    for (const auto& [utf8, expected] : cases) EXPECT_EQ(utf8ToCp1252(utf8), expected) << expected;
}

TEST(Cp1252, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    const std::string utf8 = cp1252ToUtf8(all);
    EXPECT_EQ(utf8ToCp1252(utf8), all);
    EXPECT_EQ(cp1252ToUtf8("\x81\x8D\x8F\x90\x9D"), "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D");
}

}  // namespace
}  // namespace ws
