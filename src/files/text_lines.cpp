#include "files/text_lines.h"

namespace ws {

std::optional<std::string_view> LineCursor::next() {
    if (pos_ >= bytes_.size()) return std::nullopt;
    const std::size_t start = pos_;
    while (pos_ < bytes_.size() && bytes_[pos_] != '\r' && bytes_[pos_] != '\n') ++pos_;
    const std::string_view line = bytes_.substr(start, pos_ - start);
    if (pos_ < bytes_.size())
        pos_ += (bytes_[pos_] == '\r' && pos_ + 1 < bytes_.size() && bytes_[pos_ + 1] == '\n') ? 2 : 1;
    return line;
}

std::vector<std::string_view> splitLines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    LineCursor cursor(bytes);
    while (const auto line = cursor.next()) lines.push_back(*line);
    return lines;
}

}  // namespace ws
