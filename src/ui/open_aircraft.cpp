// File names as the system's bytes.
#include "ui/open_aircraft.h"

#include <QFile>
#include <vector>

namespace ws {

namespace {

std::vector<QByteArray>& nativeArguments() {
    static std::vector<QByteArray> arguments;
    return arguments;
}

}  // namespace

void keepNativeArguments(int argc, char** argv) {
    nativeArguments().assign(argv, argv + argc);
}

std::string nativeFileName(const QString& name) {
    for (const QByteArray& argument : nativeArguments())
        if (QFile::decodeName(argument) == name) return argument.toStdString();
    return QFile::encodeName(name).toStdString();
}

QString displayedFileName(const std::string& name) {
    return QFile::decodeName(QByteArray::fromStdString(name));
}

}  // namespace ws
