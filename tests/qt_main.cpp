#include <gtest/gtest.h>
#include <QApplication>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

// One offscreen QApplication for every widget test, its settings in a folder of its own: never
// the user's, nor shared with a test program running beside it.
int main(int argc, char** argv) {
    QTemporaryDir config;
    // A screen of 1600 x 1200 at 96 dpi: the windows the tests size fit on it.
    QFile screen(config.filePath(QStringLiteral("screen.json")));
    screen.open(QIODevice::WriteOnly);
    screen.write(R"({"screens": [{"name": "test", "x": 0, "y": 0, "width": 1600, "height": 1200,
                   "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    screen.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screen.fileName().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    // Recovery files too: a window's unsaved changes never go to the user's state folder.
    qputenv("XDG_STATE_HOME", (config.path() + QStringLiteral("/state")).toLocal8Bit());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config.path());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
