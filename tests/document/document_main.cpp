#include <gtest/gtest.h>

#include <QCoreApplication>

// The document needs an application for its translations and no display.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
