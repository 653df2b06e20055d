#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
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

// New names up to the system's limit, then replaced keeping the mode; an
// interrupted save's leftover beside them is removed.
TEST(SafeSave, CreatesAndReplacesKeepingPermissionsAndLeavingNothingElseBehind) {
    for (const std::string& name : {std::string("plane.da4"), std::string(255, 'n')}) {
        TempFolder folder;
        const fs::path target = folder / name;
        writeBytes(folder / ("." + name.substr(0, 243) + ".tmpq1"), "x");
        ASSERT_FALSE(writeFileSafely(target, "first\r\n").has_value());
        EXPECT_EQ(readBytes(target), "first\r\n");
        const fs::perms kept = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
        fs::permissions(target, kept);
        for (const std::string& bytes : {std::string("second\0x", 8), std::string()}) {
            const std::string before = readBytes(target);
            std::ifstream reader(target, std::ios::binary);  // keeps the version it opened
            EXPECT_FALSE(writeFileSafely(target, bytes).has_value());
            EXPECT_EQ(std::string(std::istreambuf_iterator<char>(reader), {}), before);
            EXPECT_EQ(readBytes(target), bytes);
            EXPECT_EQ(fs::status(target).permissions() & fs::perms::all, kept);
        }
        EXPECT_EQ(entriesIn(folder.path()), 1u);
    }
}

// Temporary files of interrupted saves never make a save fail, and only
// this program's that no save is using are removed.
TEST(SafeSave, LeftoversOfInterruptedSavesAreRemovedOnesInUseKept) {
    TempFolder folder;
    const fs::path real = folder / "plane.da4";
    writeBytes(real, "old");
    for (int n = 0; n < 1000; ++n)
        writeBytes(folder / (".plane.da4.tmp" + (n ? std::to_string(n) : "")), "x");
    writeBytes(folder / ".plane.da4.bakq1w2e3", "copy of an interrupted save in place");
    writeBytes(folder / ".plane.da4.tmp-mine", "not made by this program");
    writeBytes(folder / ".plane.da4.tmpbusy", "another save's");
    const int busy = ::open((folder / ".plane.da4.tmpbusy").c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(::flock(busy, LOCK_EX), 0);

    ASSERT_FALSE(writeFileSafely(real, "new").has_value());
    ::close(busy);
    EXPECT_EQ(readBytes(real), "new");
    EXPECT_EQ(readBytes(folder / ".plane.da4.tmpbusy"), "another save's");
    EXPECT_TRUE(fs::exists(folder / ".plane.da4.tmp-mine"));
    EXPECT_EQ(entriesIn(folder.path()), 3u);

    const fs::path link = folder / "link.da4";
    fs::create_symlink("plane.da4", link);
    ASSERT_FALSE(writeFileSafely(link, "through the link").has_value());
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(readBytes(real), "through the link");
}

// A full disk, as far as one process can tell: a file-size limit makes the
// write fail halfway through, by rename and in place (a hard-linked file).
TEST(SafeSave, WriteFailingHalfwayLeavesTheOldFile) {
    for (const bool linked : {false, true}) {
        SCOPED_TRACE(linked);
        TempFolder folder;
        const fs::path target = folder / "plane.da4";
        writeBytes(target, "old content");
        if (linked) fs::create_hard_link(target, folder / "other-name.da4");
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
        EXPECT_EQ(fs::hard_link_count(target), linked ? 2u : 1u);
        EXPECT_EQ(entriesIn(folder.path()), linked ? 2u : 1u);
    }
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
    fs::create_symlink("/dev/stdout", folder / "log.da4");
    fs::create_symlink("/proc/self/fd", folder / "descriptors");
    writeBytes(folder / "regular", "kept");
    const std::size_t before = entriesIn(folder.path());
    const char* const kDescriptor = "not a file but a link to an open descriptor";

    const std::pair<fs::path, const char*> cases[] = {
        {folder / "fifo", "not a regular file but a FIFO"},
        {folder / "socket", "not a regular file but a socket"},
        {folder / "dangling", "a link to a file that does not exist"},
        {folder / "loop-a", "a link that leads round in a loop"},
        {folder / "folder", "not a regular file but a folder"},
        {folder / "to-device", "not a regular file but a device"},
        {"/dev/null", "not a regular file but a device"},
        {folder / "read-only", "the file is write-protected"},  // also for root
        {folder / "no-such-folder" / "plane.da4", "does not exist"},
        {folder / "regular" / "plane.da4", "Not a directory"},  // fails for root too
        {"/dev/stdout", kDescriptor},
        {"/proc/self/fd/2", kDescriptor},
        {folder / "log.da4", kDescriptor},
        {folder / "descriptors" / "1", kDescriptor},
        {"/proc/self/environ", "not a file but an entry of the process file system"},
        {"", "no file name was given"},
    };
    for (const auto& [target, reason] : cases) {
        for (const auto& error : {checkSaveTarget(target), writeFileSafely(target, "new")}) {
            expectErrorNaming(error, target.string());
            expectErrorNaming(error, reason);
        }
    }
    EXPECT_EQ(entriesIn(folder.path()), before);
    EXPECT_EQ(readBytes(folder / "read-only"), "kept");
    EXPECT_EQ(readBytes(folder / "regular"), "kept");
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    EXPECT_FALSE(fs::exists(folder / "missing"));
}

constexpr uid_t kNobody = 65534;
constexpr uid_t kSomeoneElse = 12345;

std::string attribute(const fs::path& file, const char* name) {
    std::string value(256, '\0');
    const ssize_t n = ::getxattr(file.c_str(), name, value.data(), value.size());
    return n < 0 ? std::string() : value.substr(0, static_cast<std::size_t>(n));
}

// Whether a child process, as user `uid` (its own group alone), saved `file`.
bool savedAs(uid_t uid, const fs::path& file, const std::string& bytes) {
    const pid_t child = ::fork();
    if (child == 0) {
        const bool ok = ::setgroups(0, nullptr) == 0 && ::setgid(uid) == 0 && ::setuid(uid) == 0 &&
                        !writeFileSafely(file, bytes).has_value();
        ::_exit(ok ? 0 : 1);
    }
    int status = 0;
    return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

// A save keeps the file's owner, group, other names and attributes, also where a user may
// write the file but neither give a new one away nor rename over it.
TEST(SafeSave, TheFileKeepsItsIdentity) {
    if (::geteuid() != 0) GTEST_SKIP() << "files of other users and saves as another user need root";
    const fs::perms open = fs::perms::all;
    const struct {
        const char* name;
        uid_t owner, group;
        fs::perms folderMode;
        uid_t saver;  // 0: this process, as root
        const char* attribute;
        std::string value;
        bool linked;
    } cases[] = {
        {"another user's file, saved by root", kNobody, kNobody, open, 0, nullptr, "", false},
        {"another user's writable file", kSomeoneElse, kSomeoneElse, open, kNobody, nullptr, "", false},
        {"the user's file in a group not theirs", kNobody, kSomeoneElse, open, kNobody, nullptr, "", false},
        {"another user's file in a sticky folder", kSomeoneElse, kSomeoneElse, open | fs::perms::sticky_bit,
         kNobody, nullptr, "", false},
        {"a file with a second name", 0, 0, open, 0, nullptr, "", true},
        {"an extended attribute", 0, 0, open, 0, "user.winstabix", "kept", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder outer;
        const fs::path folder = outer / "shared";
        fs::create_directory(folder);
        fs::permissions(folder, c.folderMode);
        const fs::path file = folder / "plane.da4";
        writeBytes(file, "old contents");
        ASSERT_EQ(::chown(file.c_str(), c.owner, c.group), 0);
        ASSERT_EQ(::chmod(file.c_str(), 0666), 0);
        if (c.linked) fs::create_hard_link(file, folder / "other-name.da4");
        // Listed first, the label alone keeps no file in place, nor hides what follows.
        ::setxattr(file.c_str(), "security.selinux", "x", 1, 0);
        if (c.attribute && ::setxattr(file.c_str(), c.attribute, c.value.data(), c.value.size(), 0) != 0) {
            std::printf("[  SKIPPED ] %s: this file system refuses %s (%s)\n", c.name, c.attribute,
                        std::strerror(errno));
            continue;
        }
        struct stat before {};
        ASSERT_EQ(::stat(file.c_str(), &before), 0);

        ASSERT_TRUE(c.saver ? savedAs(c.saver, file, "new contents")
                            : !writeFileSafely(file, "new contents").has_value());
        struct stat after {};
        ASSERT_EQ(::stat(file.c_str(), &after), 0);
        EXPECT_EQ(readBytes(file), "new contents");
        EXPECT_EQ(after.st_uid, c.owner);
        EXPECT_EQ(after.st_gid, c.group);
        EXPECT_EQ(after.st_mode, before.st_mode);
        EXPECT_EQ(readBytes(c.linked ? folder / "other-name.da4" : file), "new contents");
        EXPECT_EQ(attribute(file, c.attribute ? c.attribute : "user.winstabix"), c.value);
        EXPECT_EQ(entriesIn(folder), c.linked ? 2u : 1u);  // no copy or temporary file left
    }
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
    };
    for (const auto& [path, reason] : cases) {
        const int in = ::dup(0);  // a file opened on descriptor 0 is read all the same
        ::close(0);
        const auto content = readWholeFile(path, 5, "too large");
        ::dup2(in, 0);
        ::close(in);
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
