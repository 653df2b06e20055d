#include "ui/documentation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace ws {

QString documentationFolder(const QString& programFolder) {
    const QString build = QDir::cleanPath(QStringLiteral(WINSTABIX_BUILD_DIR)) + QLatin1Char('/');
    if ((QDir::cleanPath(programFolder) + QLatin1Char('/')).startsWith(build))
        return QStringLiteral(WINSTABIX_SOURCE_DIR);
    // A tree installed under another prefix than the configured one keeps its shape.
    QString beside = QDir::cleanPath(programFolder + QStringLiteral("/" WINSTABIX_DOCDIR_FROM_BIN));
    if (QFileInfo(beside).isDir()) return beside;
    return QStringLiteral(WINSTABIX_INSTALLED_DOCDIR);
}

QString documentationFolder() {
    return documentationFolder(QCoreApplication::applicationDirPath());
}

QStringList exampleFiles(const QString& folder) {
    const QDir examples(folder + QStringLiteral("/examples"));
    QStringList files;
    for (const QFileInfo& file :
         examples.entryInfoList({QStringLiteral("*.da4")}, QDir::Files | QDir::Readable, QDir::Name))
        files.append(file.absoluteFilePath());
    return files;
}

}  // namespace ws
