#include <gtest/gtest.h>

#include <string>

#include "files/cp1252.h"

namespace ws {
namespace {

TEST(Cp1252, GermanAndTypographicCharactersAreOneByteEach) {
    EXPECT_EQ(utf8ToCp1252("Flügel Höhe Maß Ä Ö Ü"), "Fl\xFCgel H\xF6he Ma\xDF \xC4 \xD6 \xDC");
    EXPECT_EQ(utf8ToCp1252("€ – “x” …"), "\x80 \x96 \x93x\x94 \x85");
    EXPECT_EQ(utf8ToCp1252("ŠšŽžŒœŸ"), "\x8A\x9A\x8E\x9E\x8C\x9C\x9F");
    EXPECT_EQ(cp1252ToUtf8("Fl\xFCgel \x80 \x96"), "Flügel € –");
}

TEST(Cp1252, CharactersOutsideTheCodePageBecomeOneQuestionMarkEach) {
    EXPECT_EQ(utf8ToCp1252("a✓b"), "a?b");     // three bytes, one character
    EXPECT_EQ(utf8ToCp1252("α😀ω"), "???");     // Greek and a four-byte emoji
    EXPECT_EQ(utf8ToCp1252("\xC2\x85"), "?");  // C1 control NEL: not in the code page
}

TEST(Cp1252, MalformedUtf8GivesQuestionMarksWithoutReadingPastTheEnd) {
    EXPECT_EQ(utf8ToCp1252("a\xFF"
                           "b"),
              "a?b");
    EXPECT_EQ(utf8ToCp1252("\xC3"), "?");  // cut short at the end
    EXPECT_EQ(utf8ToCp1252("\xE2\x82"), "??");
    EXPECT_EQ(utf8ToCp1252("\xC0\xAF"), "??");            // overlong "/"
    EXPECT_EQ(utf8ToCp1252("\xED\xA0\x80"), "???");       // surrogate
    EXPECT_EQ(utf8ToCp1252("\xF4\x90\x80\x80"), "????");  // beyond U+10FFFF
    EXPECT_EQ(utf8ToCp1252("\x80x"), "?x");               // stray continuation byte
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
