#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include <filesystem>
#include <string>
#include <variant>

#include "files/file_io.h"
#include "temp_folder.h"

namespace ws {
namespace {

using testing::readBytes;
using testing::TempFolder;
using testing::writeBytes;
namespace fs = std::filesystem;

std::size_t entriesIn(const fs::path& folder) {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

void expectErrorNaming(const std::optional<FileError>& error, const std::string& name) {
    ASSERT_TRUE(error.has_value()) << name;
    EXPECT_NE(error->reason.find(name), std::string::npos) << error->reason;
}

TEST(SafeSave, CreatesAndReplacesKeepingPermissionsAndLeavingNothingElseBehind) {
    TempFolder folder;
    const fs::path target = folder / "plane.da4";
    ASSERT_FALSE(writeFileSafely(target, "first\r\n").has_value());
    EXPECT_EQ(readBytes(target), "first\r\n");
    const fs::perms kept = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(target, kept);
    for (const std::string& bytes : {std::string("second\0x", 8), std::string()}) {
        EXPECT_FALSE(writeFileSafely(target, bytes).has_value());
        EXPECT_EQ(readBytes(target), bytes);
        EXPECT_EQ(fs::status(target).permissions() & fs::perms::all, kept);
    }
    EXPECT_EQ(entriesIn(folder.path()), 1u);
}

TEST(SafeSave, TakenTemporaryNamesAndLinksAreLeftAlone) {
    TempFolder folder;
    // Another save's temporary file must not be reused.
    writeBytes(folder / ".plane.da4.tmp", "another save");
    const fs::path real = folder / "plane.da4";
    ASSERT_FALSE(writeFileSafely(real, "new").has_value());
    EXPECT_EQ(readBytes(real), "new");
    EXPECT_EQ(readBytes(folder / ".plane.da4.tmp"), "another save");
    EXPECT_EQ(entriesIn(folder.path()), 2u);

    const fs::path link = folder / "link.da4";
    fs::create_symlink("plane.da4", link);
    ASSERT_FALSE(writeFileSafely(link, "through the link").has_value());
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(readBytes(real), "through the link");
}

TEST(SafeSave, MissingFolderIsAnErrorNamingTheFile) {
    TempFolder folder;
    const fs::path target = folder / "no-such-folder" / "plane.da4";
    const auto error = writeFileSafely(target, "x");
    expectErrorNaming(error, target.string());
    expectErrorNaming(error, "does not exist");
    EXPECT_FALSE(fs::exists(target));
}

TEST(SafeSave, FailureLeavesTheOldFileAsItWas) {
    TempFolder folder;
    // Tests may run as root, who may write anywhere: a path through a regular
    // file and a folder in the target's place fail for everyone.
    const fs::path regular = folder / "somefile";
    writeBytes(regular, "old content");
    expectErrorNaming(writeFileSafely(regular / "plane.da4", "new"), "plane.da4");
    EXPECT_EQ(readBytes(regular), "old content");

    const fs::path asFolder = folder / "plane.da4";
    fs::create_directory(asFolder);
    writeBytes(asFolder / "inside", "kept");
    expectErrorNaming(writeFileSafely(asFolder, "new"), "plane.da4");
    EXPECT_EQ(readBytes(asFolder / "inside"), "kept");
    EXPECT_EQ(entriesIn(folder.path()), 2u);  // no temporary file left over
}

// A full disk, as far as one process can tell: a file-size limit makes the
// write fail halfway through.
TEST(SafeSave, WriteFailingHalfwayLeavesTheOldFile) {
    TempFolder folder;
    const fs::path target = folder / "plane.da4";
    writeBytes(target, "old content");
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const auto error = writeFileSafely(target, std::string(100000, 'x'));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    expectErrorNaming(error, target.string());
    EXPECT_EQ(readBytes(target), "old content");
    EXPECT_EQ(entriesIn(folder.path()), 1u);
}

TEST(ReadWholeFile, ContentOrAReason) {
    TempFolder folder;
    writeBytes(folder / "a.da4", std::string("x\0y\r\n", 5));
    const auto content = readWholeFile(folder / "a.da4");
    ASSERT_TRUE(std::holds_alternative<std::string>(content));
    EXPECT_EQ(std::get<std::string>(content), std::string("x\0y\r\n", 5));

    const auto missing = readWholeFile(folder / "missing.da4");
    ASSERT_TRUE(std::holds_alternative<FileError>(missing));
    EXPECT_NE(std::get<FileError>(missing).reason.find("missing.da4"), std::string::npos);
    const auto onFolder = readWholeFile(folder.path());
    ASSERT_TRUE(std::holds_alternative<FileError>(onFolder));
    EXPECT_NE(std::get<FileError>(onFolder).reason.find("folder"), std::string::npos);
}

}  // namespace
}  // namespace ws
