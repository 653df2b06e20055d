#include "files/settings_file.h"

#include <vector>

#include "files/file_io.h"
#include "files/text_lines.h"
#include "model/entry_rule.h"

namespace ws {

const char* const kSettingsFileName = "Default.pa4";

namespace {

std::optional<int> sizeIn(std::string_view line, int limit) {
    const int v = entryValue(line);
    if (v >= 1 && v < limit) return v;
    return std::nullopt;
}

int placeIn(std::string_view line) {
    const int v = entryValue(line);
    return v >= 0 && v < 1000 ? v : 0;
}

}  // namespace

Settings parseSettings(std::string_view bytes) {
    const std::vector<std::string_view> lines = splitLines(bytes);
    Settings s;
    if (lines.size() >= 1)
        s.language = !lines[0].empty() && lines[0][0] == 'e' ? Language::English : Language::German;
    if (lines.size() >= 2) s.width = sizeIn(lines[1], 3000);
    if (lines.size() >= 3) s.height = sizeIn(lines[2], 2000);
    if (lines.size() >= 4) s.left = placeIn(lines[3]);
    if (lines.size() >= 5) s.top = placeIn(lines[4]);
    return s;
}

Settings loadSettingsFile(const std::filesystem::path& path) {
    // A settings file is a few dozen bytes; anything else is left alone.
    constexpr std::uintmax_t kMaxBytes = 4096;
    const auto bytes = readWholeFile(path, kMaxBytes, "too large for a settings file");
    if (const auto* text = std::get_if<std::string>(&bytes)) return parseSettings(*text);
    return {};
}

std::string settingsFileBytes(const Settings& s) {
    std::string out = s.language == Language::English ? "e\r\n" : "d\r\n";
    for (const std::optional<int>& value : {s.width, s.height, s.left, s.top}) {
        if (!value) break;
        out += std::to_string(*value);
        out += "\r\n";
    }
    return out;
}

}  // namespace ws
