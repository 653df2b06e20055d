// The aircraft files last opened or saved, most recent first, kept across
// runs in the program's QSettings (organisation and application "WinStabix").
#pragma once

#include <QString>
#include <QStringList>

namespace ws {

class RecentFiles {
  public:
    static constexpr int kMaxCount = 8;

    QStringList paths() const;
    // `path` to the front (made absolute), dropping older entries past eight.
    void add(const QString& path);
    void remove(const QString& path);
};

}  // namespace ws
