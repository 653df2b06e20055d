#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>

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

// A socket bound at `path`; the descriptor stays open for the test.
struct BoundSocket {
    int fd;
    explicit BoundSocket(const fs::path& path) : fd(::socket(AF_UNIX, SOCK_STREAM, 0)) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::snprintf(address.sun_path, sizeof address.sun_path, "%s", path.c_str());
        EXPECT_EQ(::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0) << path;
    }
    ~BoundSocket() { ::close(fd); }
};

// Targets that are not plain files are refused, and nothing is created or replaced.
TEST(SafeSave, OnlyRegularFilesOrNewNamesAreTargets) {
    TempFolder folder;
    ASSERT_EQ(::mkfifo((folder / "fifo").c_str(), 0644), 0);
    const BoundSocket socket(folder / "socket");
    fs::create_symlink("missing", folder / "dangling");
    fs::create_symlink("loop-b", folder / "loop-a");
    fs::create_symlink("loop-a", folder / "loop-b");
    fs::create_directory(folder / "folder");
    fs::create_symlink("/dev/null", folder / "to-device");
    writeBytes(folder / "read-only", "kept");
    fs::permissions(folder / "read-only", fs::perms::owner_read | fs::perms::group_read);
    const std::size_t before = entriesIn(folder.path());

    const std::pair<fs::path, const char*> cases[] = {
        {folder / "fifo", "not a regular file but a FIFO"},
        {folder / "socket", "not a regular file but a socket"},
        {folder / "dangling", "a link to a file that does not exist"},
        {folder / "loop-a", "a link that leads round in a loop"},
        {folder / "folder", "not a regular file but a folder"},
        {folder / "to-device", "not a regular file but a device"},
        {"/dev/null", "not a regular file but a device"},
        {folder / "read-only", "the file is write-protected"},  // also for root
    };
    for (const auto& [target, reason] : cases) {
        const auto error = writeFileSafely(target, "new");
        expectErrorNaming(error, target.string());
        expectErrorNaming(error, reason);
    }
    EXPECT_EQ(entriesIn(folder.path()), before);
    EXPECT_EQ(readBytes(folder / "read-only"), "kept");
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    EXPECT_FALSE(fs::exists(folder / "missing"));
}

TEST(SafeSave, NamesUpToTheSystemLimitAndTheOwnerKept) {
    TempFolder folder;
    const fs::path longest = folder / std::string(255, 'n');
    for (const char* bytes : {"first", "second"}) {
        ASSERT_FALSE(writeFileSafely(longest, bytes).has_value());
        EXPECT_EQ(readBytes(longest), bytes);
    }
    if (::geteuid() != 0) GTEST_SKIP() << "giving a file away needs root";
    const fs::path theirs = folder / "theirs.da4";
    writeBytes(theirs, "old");
    ASSERT_EQ(::chown(theirs.c_str(), 65534, 65534), 0);
    ASSERT_FALSE(writeFileSafely(theirs, "new").has_value());
    struct stat st {};
    ASSERT_EQ(::stat(theirs.c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, 65534u);
    EXPECT_EQ(st.st_gid, 65534u);
}

TEST(ReadWholeFile, OnlyRegularFilesUpToTheLimitAndNeverBlocking) {
    TempFolder folder;
    writeBytes(folder / "a.da4", std::string("x\0y\r\n", 5));
    writeBytes(folder / "six.da4", "123456");
    ASSERT_EQ(::mkfifo((folder / "fifo").c_str(), 0644), 0);
    const BoundSocket socket(folder / "socket");
    fs::create_symlink("/dev/zero", folder / "Default.pa4");
    const std::pair<fs::path, const char*> cases[] = {
        {folder / "a.da4", ""},
        {folder / "missing.da4", "No such file or directory"},
        {folder / "six.da4", "too large"},
        {folder.path(), "not a regular file but a folder"},
        {folder / "fifo", "not a regular file but a FIFO"},
        {folder / "socket", "not a regular file but a socket"},
        {folder / "Default.pa4", "not a regular file but a device"},
        {"/dev/zero", "not a regular file but a device"},
        {"/dev/urandom", "not a regular file but a device"},
    };
    for (const auto& [path, reason] : cases) {
        const auto content = readWholeFile(path, 5, "too large");
        if (!*reason) {
            ASSERT_TRUE(std::holds_alternative<std::string>(content));
            EXPECT_EQ(std::get<std::string>(content), std::string("x\0y\r\n", 5));
            continue;
        }
        ASSERT_TRUE(std::holds_alternative<FileError>(content)) << path;
        const std::string& why = std::get<FileError>(content).reason;
        EXPECT_EQ(why, "cannot open \"" + path.string() + "\": " + reason);
    }
}

}  // namespace
}  // namespace ws
