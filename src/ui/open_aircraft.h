// File names as the system's bytes, from the command line to the file.
#pragma once

#include <QString>
#include <string>

namespace ws {

// Keeps the program's arguments as the system gave them: Qt's decoding
// replaces bytes that are not valid in the locale's encoding, and such a
// name would then name no file.
void keepNativeArguments(int argc, char** argv);

// The bytes of the file a name held as text stands for: the kept argument
// it was decoded from, else the name in the system's encoding.
std::string nativeFileName(const QString& name);

// A file name's bytes as text for labels.
QString displayedFileName(const std::string& name);

}  // namespace ws
