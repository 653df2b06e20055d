// Where the program finds its README (the contact) and the example aircraft:
// beside the sources when it runs from its build tree (the program or a test), else in the
// installed documentation (share/doc/winstabix under the prefix).
#pragma once

#include <QString>
#include <QStringList>

namespace ws {

// The folder of README.md and examples/ for a program in `programFolder`.
QString documentationFolder(const QString& programFolder);
// For this program.
QString documentationFolder();

// The example aircraft files (*.da4) of `folder`/examples, by name.
QStringList exampleFiles(const QString& folder);

}  // namespace ws
