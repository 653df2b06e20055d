#include "ui/settings_location.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <cstdlib>
#include <system_error>
#include <vector>

#include "files/settings_file.h"

namespace ws {

namespace fs = std::filesystem;

namespace {

// Any entry of the name counts, even one the reader refuses: a folder or a
// link placed there means the user wants it there.
bool workingFolderHoldsOne() {
    std::error_code error;
    return fs::exists(fs::symlink_status(kSettingsFileName, error));
}

std::optional<fs::path> absolute(const std::optional<std::string>& value) {
    if (!value || value->empty() || !fs::path(*value).is_absolute()) return std::nullopt;
    return fs::path(*value);
}

bool isFolder(const fs::path& path) {
    std::error_code error;
    return fs::is_directory(path, error);
}

// Private to the user, as the base directory rules ask.
bool madeFolder(const fs::path& path) {
    return isFolder(path) || (::mkdir(path.c_str(), 0700) == 0 && isFolder(path));
}

fs::path applicationName() {
    return QFile::encodeName(QCoreApplication::applicationName()).toStdString();
}

}  // namespace

UserEnvironment systemEnvironment() {
    return {[](const char* name) -> std::optional<std::string> {
                const char* value = std::getenv(name);
                return value ? std::optional<std::string>(value) : std::nullopt;
            },
            []() -> std::optional<std::string> {
                long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
                std::vector<char> buffer(size > 0 ? std::size_t(size) : 16384);
                passwd entry{};
                passwd* found = nullptr;
                if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found ||
                    !found->pw_dir)
                    return std::nullopt;
                return std::string(found->pw_dir);
            }};
}

UserFolder applicationFolder(UserFolderKind kind, bool create, const UserEnvironment& environment) {
    const bool config = kind == UserFolderKind::Config;
    UserFolder folder;
    fs::path base;
    if (const auto xdg = absolute(environment.variable(config ? "XDG_CONFIG_HOME" : "XDG_STATE_HOME"))) {
        base = *xdg;
    } else {
        std::optional<fs::path> home = absolute(environment.variable("HOME"));
        if (!home) home = absolute(environment.accountHome());
        if (!home) {
            folder.missing = NoUserFolder::NoHome;
            return folder;
        }
        if (!isFolder(*home)) {
            folder.missing = NoUserFolder::HomeMissing;
            folder.home = *home;
            return folder;
        }
        base = config ? *home / ".config" : *home / ".local" / "state";
    }
    folder.path = base / applicationName();
    if (create) {
        // The base folder's parents are the user's to make; ~/.local is made for ~/.local/state.
        if (!config && !isFolder(base.parent_path()) && isFolder(base.parent_path().parent_path()))
            madeFolder(base.parent_path());
        if (isFolder(base.parent_path()) && madeFolder(base)) madeFolder(*folder.path);
    }
    return folder;
}

SettingsPlace settingsPlace(bool creatingFolder, const UserEnvironment& environment) {
    SettingsPlace place;
    if (workingFolderHoldsOne()) {
        place.file = kSettingsFileName;
        return place;
    }
    const UserFolder folder = applicationFolder(UserFolderKind::Config, creatingFolder, environment);
    place.missing = folder.missing;
    place.home = folder.home;
    if (folder.path) place.file = *folder.path / kSettingsFileName;
    return place;
}

fs::path settingsFileToRead() {
    return settingsPlace(false).file.value_or(fs::path());
}

fs::path settingsFileToWrite() {
    return settingsPlace(true).file.value_or(fs::path());
}

}  // namespace ws
