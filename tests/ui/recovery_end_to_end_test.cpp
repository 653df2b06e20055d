// A window killed while editing, then a new one that restores its changes.
#include <QCoreApplication>
#include <QLineEdit>
#include <QProcess>
#include <QTest>
#include <chrono>
#include <thread>

#include "document/recovery.h"
#include "window_test_support.h"

namespace ws::testing {
namespace {

namespace fs = std::filesystem;

// The killed window: it opens the file named, types into a chord and waits to be killed.
TEST(RecoveryChild, EditsAndWaits) {
    const QByteArray state = qgetenv("WINSTABIX_CHILD_STATE");
    if (state.isEmpty()) GTEST_SKIP() << "runs only as the end-to-end test's child";
    qputenv("XDG_STATE_HOME", state);
    TForm1 window(nullptr, {QString::fromLocal8Bit(qgetenv("WINSTABIX_CHILD_FILE"))});
    window.show();
    auto* chord = window.findChild<QLineEdit*>(QStringLiteral("Edit4"));
    ASSERT_NE(chord, nullptr);
    chord->setFocus();
    QTest::keyClick(chord, Qt::Key_End);
    QTest::keyClicks(chord, QStringLiteral("7"));
    while (true) QTest::qWait(100);
}

using RecoveryEndToEnd = WindowTest;

TEST_F(RecoveryEndToEnd, AKilledWindowsEditIsRestoredUnderItsName) {
    const fs::path file = folder / "glider.da4";
    fs::copy_file(fs::path(WINSTABIX_EXAMPLES) / "glider.da4", file);
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("WINSTABIX_CHILD_STATE", text(folder / "state"));
    env.insert("WINSTABIX_CHILD_FILE", text(file));
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=RecoveryChild.*"});
    ASSERT_TRUE(child.waitForStarted());
    const fs::path written = folder / "state" / QCoreApplication::applicationName().toStdString() /
                             ("window-" + std::to_string(child.processId()) + ".recovery");
    for (int i = 0; i < 200 && !fs::exists(written); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    ASSERT_TRUE(fs::exists(written));
    child.kill();  // SIGKILL: no close, no clean-up
    ASSERT_TRUE(child.waitForFinished());

    start();
    restoreAnswer = RestoreAnswer::Later;
    form->offerRecovery();
    EXPECT_EQ(restoreOffers, QStringList{text(file)});
    EXPECT_TRUE(fs::exists(written));
    restoreAnswer = RestoreAnswer::Restore;
    form->offerRecovery();
    EXPECT_TRUE(doc().isModified());
    EXPECT_EQ(doc().fileName(), file.string());
    EXPECT_EQ(get<QLineEdit>("Edit4")->text().right(1), "7");
    form->recovery().waitForWrites();
    EXPECT_FALSE(fs::exists(written));
}

}  // namespace
}  // namespace ws::testing
