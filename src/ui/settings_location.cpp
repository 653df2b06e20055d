#include "ui/settings_location.h"

#include <QFile>
#include <QStandardPaths>
#include <system_error>

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

// Empty when Qt knows no configuration folder (no home): the working folder then.
fs::path configurationFolder() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    return QFile::encodeName(folder).toStdString();
}

fs::path settingsFile(bool creatingFolder) {
    const fs::path folder = configurationFolder();
    if (workingFolderHoldsOne() || folder.empty()) return kSettingsFileName;
    if (creatingFolder) {
        std::error_code error;
        fs::create_directories(folder, error);
    }
    return folder / kSettingsFileName;
}

}  // namespace

fs::path settingsFileToRead() {
    return settingsFile(false);
}

fs::path settingsFileToWrite() {
    return settingsFile(true);
}

}  // namespace ws
