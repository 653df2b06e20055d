#include "ui/recent_files.h"

#include <QFileInfo>
#include <QSettings>
#include <optional>

#include "ui/settings_location.h"

namespace ws {

std::optional<QSettings> programSettings(bool creatingFolder) {
    const UserFolder folder = applicationFolder(UserFolderKind::Config, creatingFolder);
    if (!folder.path) return std::nullopt;
    return std::optional<QSettings>(std::in_place,
                                    QString::fromStdString((*folder.path / "WinStabix.ini").string()),
                                    QSettings::IniFormat);
}

namespace {

const QString kKey = QStringLiteral("recentFiles");

void store(const QStringList& list) {
    if (auto s = programSettings(true)) s->setValue(kKey, list);
}

}  // namespace

QStringList RecentFiles::paths() const {
    const auto s = programSettings(false);
    return s ? s->value(kKey).toStringList() : QStringList();
}

void RecentFiles::add(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList list = paths();
    list.removeAll(absolute);
    list.prepend(absolute);
    while (list.size() > kMaxCount) list.removeLast();
    store(list);
}

void RecentFiles::remove(const QString& path) {
    QStringList list = paths();
    list.removeAll(path);
    store(list);
}

}  // namespace ws
