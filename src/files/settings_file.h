// The settings file "Default.pa4" (its folder: ui/settings_location.h): one value a line,
// CR LF. Line 1 the language letter (see model/language.h), then the main
// window's outer width, height, left and top edge in pixels.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "model/language.h"

namespace ws {

extern const char* const kSettingsFileName;  // "Default.pa4"

// What the settings file applies at start. An empty value leaves the window's
// design value as it is.
struct Settings {
    Language language = Language::English;
    std::optional<int> width;   // outer width, px
    std::optional<int> height;  // outer height, px
    std::optional<int> left;    // left edge, px
    std::optional<int> top;     // top edge, px
};

// Line 1: only its first character counts (languageOfLetter). A width is
// taken when 1 <= v < 3000, a height when 1 <= v < 2000;
// left and top are taken when 0 <= v < 1000 and are 0 otherwise. A missing
// line changes nothing. Numbers follow the entry rule.
Settings parseSettings(std::string_view bytes);

// The settings in the file at `path`; a missing or unreadable file, and one
// that is not a regular file of at most 4 KiB, gives the defaults (English,
// nothing else applied). Never blocks.
Settings loadSettingsFile(const std::filesystem::path& path);

// The file's bytes: the letter, then width, height, left and top as plain
// integers, each line ended by CR LF. Writing stops at the first empty
// value, which reads back as a short file.
std::string settingsFileBytes(const Settings& settings);

}  // namespace ws
