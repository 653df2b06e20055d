#include <gtest/gtest.h>

#include <string>

#include "files/cp1252.h"

namespace ws {
namespace {

// German and typographic characters: one byte each; lacking or malformed: "?" per byte read.
TEST(Cp1252, FromUtf8) {
    const std::pair<const char*, const char*> cases[] = {
        {"Flügel Höhe Maß Ä Ö Ü", "Fl\xFCgel H\xF6he Ma\xDF \xC4 \xD6 \xDC"},
        {"€ – “x” …", "\x80 \x96 \x93x\x94 \x85"},
        {"ŠšŽžŒœŸ", "\x8A\x9A\x8E\x9E\x8C\x9C\x9F"},
        {"a✓b", "a?b"},
        {"α😀ω", "???"},
        {"\xC2\x85", "?"},  // C1 control NEL: not in the code page
        {"a\xFF"
         "b",
         "a?b"},
        {"\xC3", "?"},
        {"\xE2\x82", "??"},
        {"\xC0\xAF", "??"},            // overlong "/"
        {"\xED\xA0\x80", "???"},       // surrogate
        {"\xF4\x90\x80\x80", "????"},  // beyond U+10FFFF
        {"\x80x", "?x"},               // stray continuation byte
    };
    for (const auto& [utf8, cp1252] : cases) EXPECT_EQ(utf8ToCp1252(utf8), cp1252) << utf8;
}

TEST(Cp1252, EveryByteSurvivesTheRoundTrip) {
    EXPECT_EQ(cp1252ToUtf8("Fl\xFCgel \x80 \x96"), "Flügel € –");
    EXPECT_EQ(cp1252ToUtf8("\x81\x8D\x8F\x90\x9D"), "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D");
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(all)), all);
}

}  // namespace
}  // namespace ws
