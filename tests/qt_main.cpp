#include <gtest/gtest.h>
#include <QApplication>
#include <QTemporaryDir>

// One QApplication for every widget and drawing test, offscreen, with a
// configuration folder of its own: no test writes the user's settings.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
