// The aircraft files last opened or saved, most recent first, kept across
// runs in "recent.ini" in the program's configuration folder, beside its
// settings file (none kept when the user has no such folder).
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
