// Lines of a text file written on any system.
#pragma once

#include <string_view>
#include <vector>

namespace ws {

// Splits `bytes` at CR LF, lone LF and lone CR. A final line end closes the
// last line rather than opening an empty one ("a\r\n" is one line, "" none).
// The views point into `bytes`.
std::vector<std::string_view> splitLines(std::string_view bytes);

}  // namespace ws
