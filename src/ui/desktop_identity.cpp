#include "ui/desktop_identity.h"

#include <QApplication>
#include <QIcon>

namespace ws {

void applyDesktopIdentity() {
    const QString id = QStringLiteral(WINSTABIX_APP_ID);
    QGuiApplication::setDesktopFileName(id);
    QApplication::setWindowIcon(QIcon::fromTheme(id, QIcon(QStringLiteral(":/winstabix/") + id + ".png")));
}

}  // namespace ws
