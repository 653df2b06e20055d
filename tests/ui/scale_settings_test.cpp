#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <filesystem>
#include <string>
#include <vector>

#include "../files/temp_folder.h"

namespace ws::testing {
namespace {

// Scale settings Qt would take as they come (no window, or a crash in the first repaint) are
// dropped with a word on stderr: the window shows at 100 %. An unknown page is refused.
TEST(CommandLine, InvalidScaleSettingsAreIgnoredWithAWarningAndScreenshotsNameTheirPage) {
    const struct {
        const char *variable, *value, *page;
        bool warned;
        int exitCode;
    } cases[] = {
        {"QT_SCALE_FACTOR", "-2", "calculated", true, 0},
        {"QT_SCALE_FACTOR", "0", "aircraft", true, 0},
        {"QT_SCALE_FACTOR", "abc", "calculated", true, 0},
        {"QT_SCREEN_SCALE_FACTORS", "2;-1", "calculated", true, 0},
        {"QT_SCREEN_SCALE_FACTORS", "X-1=2;Y-2=1.5", "balance", false, 0},
        {"QT_SCALE_FACTOR", "1", "nosuch", false, 2},
    };
    TempFolder folder;
    std::vector<std::string> pictures;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        const std::filesystem::path picture = folder / (std::to_string(pictures.size()) + ".png");
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_CONFIG_HOME", QString::fromStdString(folder.path().string()));
        env.insert(c.variable, c.value);
        program.setProcessEnvironment(env);
        program.start(WINSTABIX_WINDOW, {"--screenshot", QString::fromStdString(picture.string()), c.page,
                                         QString(WINSTABIX_EXAMPLES) + "/canard.da4"});
        ASSERT_TRUE(program.waitForFinished(20000));
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.exitCode(), c.exitCode);
        pictures.push_back(readBytes(picture));
        EXPECT_EQ(pictures.back().empty(), c.exitCode != 0);
        const std::string warning = std::string("winstabix: ") + c.variable + "=" + c.value +
                                    " ignored: a scale factor is a number above 0\n";
        EXPECT_EQ(program.readAllStandardError().toStdString().find(warning) != std::string::npos, c.warned);
    }
    // The same page with and without the calculation's results.
    EXPECT_EQ(pictures[0], pictures[2]);
    EXPECT_NE(pictures[0], pictures[1]);
}

}  // namespace
}  // namespace ws::testing
