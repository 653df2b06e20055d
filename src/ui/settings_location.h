// Where the program keeps files of its own for the user: the settings file
// "Default.pa4", and the folders of the XDG base directory rules.
//
// A working folder that holds a settings file keeps it there (portable use,
// old set-ups); otherwise it lives in the user's configuration folder,
// $XDG_CONFIG_HOME/APP/ or ~/.config/APP/ (APP: the application's name), so
// that a window started from a launcher leaves nothing in the home folder.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace ws {

enum class UserFolderKind {
    Config,  // $XDG_CONFIG_HOME, default ~/.config
    State,   // $XDG_STATE_HOME, default ~/.local/state
};

// The lookups the rules make, so that tests can give their own.
struct UserEnvironment {
    std::function<std::optional<std::string>(const char* name)> variable;  // an environment variable
    std::function<std::optional<std::string>()> accountHome;  // this user's home in the password database
};
UserEnvironment systemEnvironment();

// Why the program has no folder of its own for the user.
enum class NoUserFolder {
    None,         // it has one
    NoHome,       // no usable HOME and no home in the password database
    HomeMissing,  // the home folder named does not exist; it is never made
};

struct UserFolder {
    std::optional<std::filesystem::path> path;  // the application's folder in the base folder
    NoUserFolder missing = NoUserFolder::None;
    std::filesystem::path home;  // the home looked for, when HomeMissing
};

// The application's folder of `kind`: below $XDG_…_HOME when that is an
// absolute path (a relative one is ignored), else below the default in the
// home folder: $HOME when absolute, else the account's home from the password
// database. With `create`, the base folder (when its parent exists) and the
// application's folder are made, mode 0700; a home folder never.
UserFolder applicationFolder(UserFolderKind kind, bool create,
                             const UserEnvironment& environment = systemEnvironment());

// The settings file, or why there is none (no settings file is then read or
// written; the window says so in one message-box line).
struct SettingsPlace {
    std::optional<std::filesystem::path> file;
    NoUserFolder missing = NoUserFolder::None;
    std::filesystem::path home;  // when HomeMissing
};
SettingsPlace settingsPlace(bool creatingFolder, const UserEnvironment& environment = systemEnvironment());

// The file to read at start; empty when there is none.
std::filesystem::path settingsFileToRead();

// The file to write at close, its folder made when it goes there; empty when
// there is none. A folder that cannot be made leaves the write to fail quietly.
std::filesystem::path settingsFileToWrite();

}  // namespace ws
