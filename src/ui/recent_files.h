// The aircraft files last opened or saved, most recent first, kept across
// runs in "WinStabix.ini" in the program's configuration folder, beside its
// settings file (none kept when the user has no such folder).
#pragma once

#include <QSettings>
#include <QString>
#include <QStringList>
#include <optional>

namespace ws {

// "WinStabix.ini" beside the settings file, where the window keeps what it
// remembers besides the settings file's values; nothing without a folder.
std::optional<QSettings> programSettings(bool creatingFolder);

class RecentFiles {
  public:
    static constexpr int kMaxCount = 8;

    QStringList paths() const;
    // `path` to the front (made absolute), dropping older entries past eight.
    void add(const QString& path);
    void remove(const QString& path);
};

}  // namespace ws
