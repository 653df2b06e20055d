// Lines of a text file written on any system.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace ws {

// Splits `bytes` at CR LF, lone LF and lone CR. A final line end closes the
// last line rather than opening an empty one ("a\r\n" is one line, "" none).
// The views point into `bytes`.
std::vector<std::string_view> splitLines(std::string_view bytes);

// The same lines one at a time, so that a file of nothing but line ends
// needs no table of them.
class LineCursor {
  public:
    explicit LineCursor(std::string_view bytes) : bytes_(bytes) {}
    // The next line, or nothing after the last one.
    std::optional<std::string_view> next();

  private:
    std::string_view bytes_;
    std::size_t pos_ = 0;
};

}  // namespace ws
