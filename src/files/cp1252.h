// Windows-1252, the character set of the aircraft file's remarks.
// Text inside the program is UTF-8; only file bytes are Windows-1252.
#pragma once

#include <string>
#include <string_view>

namespace ws {

// UTF-8 to Windows-1252, one byte per character. A character the code page
// cannot hold, and every byte of malformed UTF-8, becomes "?".
std::string utf8ToCp1252(std::string_view utf8);

// Windows-1252 to UTF-8. Every byte maps to a character: the five bytes the
// code page leaves unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the C1
// controls of the same number, so bytes survive a round trip unchanged.
std::string cp1252ToUtf8(std::string_view bytes);

}  // namespace ws
