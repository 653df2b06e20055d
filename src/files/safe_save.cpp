#include <dirent.h>
#include <fcntl.h>
#include <linux/magic.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <random>
#include <system_error>
#include <thread>
#include <variant>

#include "files/descriptor.h"
#include "files/file_io.h"

namespace ws {
namespace fs = std::filesystem;
using posix::Descriptor;
using posix::notRegular;
using posix::quoted;

namespace {

using Why = std::optional<std::string>;  // why a step failed, or nothing

FileError saveError(const fs::path& target, const std::string& why) {
    return {"cannot save " + quoted(target) + ": " + why};
}

std::string lastError() {
    return std::strerror(errno);
}

Why writeAt(int fd, std::string_view bytes, off_t offset) {
    while (!bytes.empty()) {
        const ssize_t n = ::pwrite(fd, bytes.data(), bytes.size(), offset);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return n < 0 ? lastError() : "writing failed";
        bytes.remove_prefix(static_cast<std::size_t>(n));
        offset += n;
    }
    return std::nullopt;
}

// All of `from` into `to` from the start, `to` cut to the same length.
Why copyContents(int from, int to) {
    char buffer[65536];
    off_t offset = 0;
    while (true) {
        const ssize_t n = ::pread(from, buffer, sizeof buffer, offset);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return lastError();
        if (n == 0) break;
        if (auto why = writeAt(to, {buffer, static_cast<std::size_t>(n)}, offset)) return why;
        offset += n;
    }
    if (::ftruncate(to, offset) != 0) return lastError();
    return std::nullopt;
}

// A rename or a new name is made durable by syncing the folder; a folder
// that cannot be synced still holds the complete file.
void syncFolder(const fs::path& folder) {
    Descriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.valid()) ::fsync(fd.get());
}

std::string randomSuffix() {
    static thread_local std::mt19937_64 random = [] {
        std::seed_seq seed{
            static_cast<std::uint64_t>(::getpid()),
            static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()),
            static_cast<std::uint64_t>(std::random_device{}())};
        return std::mt19937_64(seed);
    }();
    constexpr std::string_view kDigits = "0123456789abcdefghijklmnopqrstuvwxyz";
    std::string suffix(6, '0');
    for (char& c : suffix) c = kDigits[random() % kDigits.size()];
    return suffix;
}

// ".NAME.tmp" or ".NAME.bak", shortened where the folder's name limit would
// not take it with a random suffix behind.
std::string hiddenBase(const fs::path& folder, const std::string& name, std::string_view kind) {
    const long limit = ::pathconf(folder.c_str(), _PC_NAME_MAX);
    const std::size_t nameMax = limit > 32 ? static_cast<std::size_t>(limit) : 255;
    constexpr std::size_t kAround = 12;  // the dots, the kind and the suffix
    return "." + name.substr(0, std::min(name.size(), nameMax - kAround)) + "." + std::string(kind);
}

// Names this program made beside a file (also the numbered ones of older versions).
bool madeFrom(std::string_view entry, std::string_view base) {
    if (!entry.starts_with(base)) return false;
    const std::string_view rest = entry.substr(base.size());
    return rest.size() <= 6 && std::all_of(rest.begin(), rest.end(), [](char c) {
               return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z');
           });
}

// Removes the regular files named `base`… in `folder` that no save is using:
// a save holds a lock on its own from the moment it is made.
void removeStale(const fs::path& folder, const std::string& base) {
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;
    while (const dirent* entry = ::readdir(dir)) {
        if (!madeFrom(entry->d_name, base)) continue;
        const fs::path path = folder / entry->d_name;
        constexpr int kFlags = O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
        Descriptor fd(::open(path.c_str(), O_RDONLY | kFlags));
        if (!fd.valid()) fd = Descriptor(::open(path.c_str(), O_WRONLY | kFlags));
        struct stat locked {
        }, now{};
        if (!fd.valid() || ::fstat(fd.get(), &locked) != 0 || !S_ISREG(locked.st_mode)) continue;
        if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) continue;
        if (::lstat(path.c_str(), &now) == 0 && now.st_dev == locked.st_dev && now.st_ino == locked.st_ino)
            ::unlink(path.c_str());
    }
    ::closedir(dir);
}

// A new hidden file beside the target, locked, and under its name only when
// the name is still its own (a cleaner may take it in the moment before the lock).
Why makeLockedFile(const fs::path& folder, const std::string& base, int flags, mode_t mode, Descriptor& fd,
                   fs::path& name) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = folder / (base + randomSuffix());
        Descriptor made(::open(name.c_str(), flags | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode));
        if (!made.valid()) {
            if (errno == EEXIST) continue;
            name.clear();
            return lastError();
        }
        ::flock(made.get(), LOCK_EX);
        struct stat mine {
        }, there{};
        if (::fstat(made.get(), &mine) == 0 && ::lstat(name.c_str(), &there) == 0 &&
            mine.st_dev == there.st_dev && mine.st_ino == there.st_ino) {
            fd = std::move(made);
            return std::nullopt;
        }
    }
    name.clear();
    return "no temporary file can be made beside it";
}

// The file a save goes to: the final target of the links, its folder, and
// what it is now.
struct Target {
    fs::path path;
    fs::path folder;
    bool exists = false;
    struct stat old {};
};

// Descriptor links and the rest of /proc lead to pipes, terminals and other
// programs' files, never to a file that a save could replace.
std::optional<std::string> processFileSystemEntry(const fs::path& folder) {
    struct statfs info {};
    if (::statfs(folder.c_str(), &info) != 0 || info.f_type != PROC_SUPER_MAGIC) return std::nullopt;
    std::error_code ec;
    if (fs::canonical(folder, ec).filename() == "fd") return "not a file but a link to an open descriptor";
    return "not a file but an entry of the process file system";
}

// Follows the links one by one, so that none of them can lead into /proc.
std::variant<Target, std::string> resolveTarget(const fs::path& requested) {
    constexpr int kMaxLinks = 40;  // as the kernel follows
    fs::path path = requested;
    for (int hop = 0; hop <= kMaxLinks; ++hop) {
        const fs::path folder = path.parent_path().empty() ? fs::path(".") : path.parent_path();
        if (auto why = processFileSystemEntry(folder)) return *why;
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0) {
            if (errno != ENOENT) return lastError();
            if (hop > 0) return std::string("it is a link to a file that does not exist");
            return Target{path, folder, false, {}};
        }
        if (!S_ISLNK(st.st_mode)) return Target{path, folder, true, st};
        std::error_code ec;
        const fs::path link = fs::read_symlink(path, ec);
        if (ec) return ec.message();
        if (link.is_absolute()) {
            path = link;
        } else {
            // Relative to where the link really lies, as the kernel reads it.
            const fs::path base = fs::canonical(folder, ec);
            if (ec) return ec.message();
            path = base / link;
        }
    }
    return std::string("it is a link that leads round in a loop");
}

Why refusal(const Target& t) {
    if (t.exists && !S_ISREG(t.old.st_mode)) return notRegular(t.old.st_mode);
    // As editors do: a protected file is not replaced through the folder's permission.
    if (t.exists &&
        ((t.old.st_mode & S_IWUSR) == 0 || ::faccessat(AT_FDCWD, t.path.c_str(), W_OK, AT_EACCESS) != 0))
        return "the file is write-protected";
    struct stat folder {};
    if (::stat(t.folder.c_str(), &folder) != 0)
        return errno == ENOENT ? "the folder " + quoted(t.folder) + " does not exist" : lastError();
    if (!S_ISDIR(folder.st_mode)) return quoted(t.folder) + " is not a folder";
    return std::nullopt;
}

std::variant<Target, FileError> checkedTarget(const fs::path& requested) {
    if (requested.empty()) return saveError(requested, "no file name was given");
    auto resolved = resolveTarget(requested);
    if (const auto* why = std::get_if<std::string>(&resolved)) return saveError(requested, *why);
    const Target& t = std::get<Target>(resolved);
    if (auto why = refusal(t)) return saveError(requested, *why);
    return t;
}

// Extended attributes and ACL entries stay with the file only when it is
// written in place. A new file gets the SELinux label by the folder's rules
// anyway, so that one does not count.
bool hasOwnAttributes(const fs::path& path) {
    const ssize_t size = ::listxattr(path.c_str(), nullptr, 0);
    if (size <= 0) return false;
    std::string names(static_cast<std::size_t>(size), '\0');
    const ssize_t got = ::listxattr(path.c_str(), names.data(), names.size());
    if (got < 0) return true;  // they changed meanwhile: there are some
    for (std::size_t start = 0; start < static_cast<std::size_t>(got);) {
        const std::string_view name(names.c_str() + start);
        if (!name.empty() && name != "security.selinux") return true;
        start += name.size() + 1;
    }
    return false;
}

struct Temporary {
    Descriptor fd;
    fs::path name;  // empty while the file has none
    ~Temporary() {
        if (!name.empty()) ::unlink(name.c_str());
    }
};

Why openTemporary(const fs::path& folder, const std::string& base, Temporary& t) {
    // Unnamed until complete: an interrupted save leaves nothing behind. It
    // is linked in through /proc, so only where that is mounted.
    if (::access("/proc/self/fd", X_OK) == 0)
        t.fd = Descriptor(::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666));
    if (t.fd.valid()) {
        ::flock(t.fd.get(), LOCK_EX);
        return std::nullopt;
    }
    return makeLockedFile(folder, base, O_WRONLY, 0666, t.fd, t.name);
}

Why linkIn(const fs::path& folder, const std::string& base, Temporary& t) {
    if (!t.name.empty()) return std::nullopt;
    const std::string self = "/proc/self/fd/" + std::to_string(t.fd.get());
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path name = folder / (base + randomSuffix());
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0 ||
            (errno != EEXIST && ::linkat(t.fd.get(), "", AT_FDCWD, name.c_str(), AT_EMPTY_PATH) == 0)) {
            t.name = name;
            return std::nullopt;
        }
        if (errno != EEXIST) return lastError();
    }
    return "no temporary file can be made beside it";
}

// A new file renamed over the target. `identityLost` instead when the new
// file could not take the old one's owner and group, or the folder does not
// allow the rename (sticky): nothing is changed then.
Why replaceByRename(const Target& t, const std::string& base, std::string_view bytes, bool& identityLost) {
    Temporary tmp;
    if (auto why = openTemporary(t.folder, base, tmp)) return why;
    const int fd = tmp.fd.get();
    if (auto why = writeAt(fd, bytes, 0)) return why;
    if (t.exists) {
        // Only root may give a file away; anyone may keep a group they belong to.
        if (::fchown(fd, t.old.st_uid, t.old.st_gid) != 0)
            (void)::fchown(fd, static_cast<uid_t>(-1), t.old.st_gid);
        if (::fchmod(fd, t.old.st_mode & 07777) != 0) return lastError();
        struct stat made {};
        if (::fstat(fd, &made) != 0) return lastError();
        if (made.st_uid != t.old.st_uid || made.st_gid != t.old.st_gid) {
            identityLost = true;
            return std::nullopt;
        }
    }
    if (::fsync(fd) != 0) return lastError();
    if (auto why = linkIn(t.folder, base, tmp)) return why;
    // Still open, so still locked: no other save takes it for a leftover.
    if (::rename(tmp.name.c_str(), t.path.c_str()) != 0) {
        if (t.exists && errno == EPERM) {
            identityLost = true;
            return std::nullopt;
        }
        return lastError();
    }
    tmp.name.clear();
    syncFolder(t.folder);
    return std::nullopt;
}

// Saves that write in place take turns; a program that keeps the file
// locked for long makes this one give up.
Why lockInTurn(int fd) {
    using namespace std::chrono_literals;
    const auto giveUp = std::chrono::steady_clock::now() + 2s;
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR) return lastError();
        if (std::chrono::steady_clock::now() > giveUp) return "another program keeps it locked";
        std::this_thread::sleep_for(10ms);
    }
    return std::nullopt;
}

// The new contents into the existing file, with a synced copy of the old
// ones beside it until they are on the disk.
Why writeInPlace(const Target& t, const std::string& base, std::string_view bytes) {
    Descriptor fd(::open(t.path.c_str(), O_RDWR | O_NOFOLLOW | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
    if (!fd.valid())
        return errno == EACCES ? "it cannot be read, so no copy of its contents can be kept" : lastError();
    struct stat now {};
    if (::fstat(fd.get(), &now) != 0) return lastError();
    if (!S_ISREG(now.st_mode) || now.st_dev != t.old.st_dev || now.st_ino != t.old.st_ino)
        return "another program replaced it meanwhile";
    if (auto why = lockInTurn(fd.get())) return why;

    Descriptor copy;
    fs::path copyName;
    if (auto why = makeLockedFile(t.folder, base, O_RDWR, 0600, copy, copyName))
        return "no copy of its contents can be made beside it: " + *why;
    Why failed = copyContents(fd.get(), copy.get());
    if (!failed && ::fsync(copy.get()) != 0) failed = lastError();
    if (failed) {
        ::unlink(copyName.c_str());
        return "no copy of its contents can be made beside it: " + *failed;
    }
    syncFolder(t.folder);

    failed = writeAt(fd.get(), bytes, 0);
    if (!failed && ::ftruncate(fd.get(), static_cast<off_t>(bytes.size())) != 0) failed = lastError();
    if (!failed && ::fsync(fd.get()) != 0) failed = lastError();
    if (failed && (copyContents(copy.get(), fd.get()) || ::fsync(fd.get()) != 0))
        return *failed + "; its old contents are kept in " + quoted(copyName);
    ::unlink(copyName.c_str());
    syncFolder(t.folder);
    return failed;
}

std::optional<FileError> save(const fs::path& requested, std::string_view bytes) {
    auto checked = checkedTarget(requested);
    if (auto* error = std::get_if<FileError>(&checked)) return std::move(*error);
    const Target& t = std::get<Target>(checked);
    const std::string name = t.path.filename().string();
    const std::string temporaries = hiddenBase(t.folder, name, "tmp");
    const std::string copies = hiddenBase(t.folder, name, "bak");
    removeStale(t.folder, temporaries);

    bool inPlace = t.exists && (t.old.st_nlink > 1 || hasOwnAttributes(t.path));
    if (!inPlace) {
        if (auto why = replaceByRename(t, temporaries, bytes, inPlace)) return saveError(requested, *why);
    }
    if (inPlace) {
        if (auto why = writeInPlace(t, copies, bytes)) return saveError(requested, *why);
    }
    // Copies left by an interrupted save in place are of no use now.
    removeStale(t.folder, copies);
    return std::nullopt;
}

}  // namespace

std::optional<FileError> writeFileSafely(const fs::path& target, std::string_view bytes) {
    try {
        return save(target, bytes);
    } catch (const std::exception& e) {
        return saveError(target, e.what());
    }
}

std::optional<FileError> checkSaveTarget(const fs::path& target) {
    try {
        auto checked = checkedTarget(target);
        if (auto* error = std::get_if<FileError>(&checked)) return std::move(*error);
        return std::nullopt;
    } catch (const std::exception& e) {
        return saveError(target, e.what());
    }
}

bool sameFile(const fs::path& a, const fs::path& b) {
    if (a == b) return true;
    struct stat sa {
    }, sb{};
    if (::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0)
        return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
    std::error_code ea, eb;
    const fs::path ca = fs::weakly_canonical(a, ea), cb = fs::weakly_canonical(b, eb);
    return !ea && !eb && ca == cb;
}

}  // namespace ws
