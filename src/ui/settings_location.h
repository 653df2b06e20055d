// Where the settings file "Default.pa4" lives. A working folder that holds
// one keeps it there (portable use, old set-ups); otherwise it lives in the
// user's configuration folder (QStandardPaths' AppConfigLocation, named after
// the application), so that a window started from a launcher leaves nothing
// in the home folder.
#pragma once

#include <filesystem>

namespace ws {

// The file to read at start.
std::filesystem::path settingsFileToRead();

// The file to write at close. Creates the configuration folder when the file
// goes there; a folder that cannot be made leaves the write to fail quietly.
std::filesystem::path settingsFileToWrite();

}  // namespace ws
