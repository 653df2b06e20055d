#include "ui/recent_files.h"

#include <QFileInfo>
#include <QSettings>

namespace ws {

namespace {

const QString kKey = QStringLiteral("recentFiles");

// Not the application's name: the window's title is "WinStabix4", and this
// must not meet another program's settings.
QSettings settings() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("WinStabix"),
                     QStringLiteral("WinStabix"));
}

}  // namespace

QStringList RecentFiles::paths() const {
    return settings().value(kKey).toStringList();
}

void RecentFiles::add(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList list = paths();
    list.removeAll(absolute);
    list.prepend(absolute);
    while (list.size() > kMaxCount) list.removeLast();
    settings().setValue(kKey, list);
}

void RecentFiles::remove(const QString& path) {
    QStringList list = paths();
    list.removeAll(path);
    settings().setValue(kKey, list);
}

}  // namespace ws
