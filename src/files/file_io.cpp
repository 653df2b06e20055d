#include "files/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <system_error>
#include <utility>

namespace ws {
namespace fs = std::filesystem;
namespace {

std::string quoted(const fs::path& p) {
    return "\"" + p.string() + "\"";
}

FileError saveError(const fs::path& target, const std::string& why) {
    return {"cannot save " + quoted(target) + ": " + why};
}

FileError openError(const fs::path& path, const std::string& why) {
    return {"cannot open " + quoted(path) + ": " + why};
}

std::string notRegular(mode_t mode) {
    const char* kind = S_ISDIR(mode)                    ? "a folder"
                       : S_ISFIFO(mode)                 ? "a FIFO"
                       : S_ISSOCK(mode)                 ? "a socket"
                       : S_ISCHR(mode) || S_ISBLK(mode) ? "a device"
                                                        : "something else";
    return std::string("not a regular file but ") + kind;
}

// Closes a descriptor on every path out.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    int get() const { return fd_; }
    // Closing can report a late write error, so its result counts.
    bool close() {
        const int fd = std::exchange(fd_, -1);
        return ::close(fd) == 0;
    }

  private:
    int fd_;
};

// Each of these returns why it failed, or nothing.
std::optional<std::string> writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return n < 0 ? std::strerror(errno) : "writing failed";
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return std::nullopt;
}

// ".NAME.tmp", shortened where the folder's name limit would not take it
// with a three-digit counter behind.
std::string temporaryBase(const fs::path& folder, const std::string& name) {
    const long limit = ::pathconf(folder.c_str(), _PC_NAME_MAX);
    const std::size_t nameMax = limit > 16 ? static_cast<std::size_t>(limit) : 255;
    constexpr std::size_t kAround = 8;  // ".", ".tmp" and the counter
    return "." + name.substr(0, std::min(name.size(), nameMax - kAround)) + ".tmp";
}

// Writes the bytes to a new hidden file beside `target`, created exclusively
// so that two saves never share one, and on the disk before it is renamed.
// It takes the owner, group and mode of `old` as far as the process may.
std::optional<std::string> writeTemporary(const fs::path& target, const fs::path& folder,
                                          std::string_view bytes, const struct stat* old,
                                          fs::path& temporary) {
    const std::string base = temporaryBase(folder, target.filename().string());
    for (int n = 0; n < 1000; ++n) {
        temporary = folder / (n == 0 ? base : base + std::to_string(n));
        Descriptor fd(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
        if (fd.get() < 0 && errno == EEXIST) continue;
        if (fd.get() < 0) {
            temporary.clear();
            return std::strerror(errno);
        }
        if (auto why = writeAll(fd.get(), bytes)) return why;
        if (old) {
            // Only root may give a file away; anyone may keep a group they belong to.
            if (::fchown(fd.get(), old->st_uid, old->st_gid) != 0 &&
                ::fchown(fd.get(), static_cast<uid_t>(-1), old->st_gid) != 0) {
                // The new file stays this user's.
            }
            if (::fchmod(fd.get(), old->st_mode & 07777) != 0) return std::strerror(errno);
        }
        if (::fsync(fd.get()) != 0 || !fd.close()) return std::strerror(errno);
        return std::nullopt;
    }
    temporary.clear();
    return "no temporary file can be made beside it";
}

// The rename itself is made durable by syncing the folder; a folder that
// cannot be synced still holds the complete new file.
void syncFolder(const fs::path& folder) {
    Descriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() >= 0) ::fsync(fd.get());
}

// The file a save replaces: the final target of a link, which must exist.
std::variant<fs::path, std::string> finalTarget(const fs::path& requested) {
    struct stat link {};
    if (::lstat(requested.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) return requested;
    std::error_code ec;
    const fs::path resolved = fs::canonical(requested, ec);
    if (!ec) return resolved;
    if (ec == std::errc::too_many_symbolic_link_levels)
        return std::string("it is a link that leads round in a loop");
    if (ec == std::errc::no_such_file_or_directory)
        return std::string("it is a link to a file that does not exist");
    return ec.message();
}

std::optional<FileError> replaceTarget(const fs::path& requested, std::string_view bytes) {
    const auto resolved = finalTarget(requested);
    if (const auto* why = std::get_if<std::string>(&resolved)) return saveError(requested, *why);
    const fs::path& target = std::get<fs::path>(resolved);

    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (!exists && errno != ENOENT) return saveError(requested, std::strerror(errno));
    if (exists && !S_ISREG(old.st_mode)) return saveError(requested, notRegular(old.st_mode));
    // As editors do: a protected file is not replaced through the folder's permission.
    if (exists &&
        ((old.st_mode & S_IWUSR) == 0 || ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0))
        return saveError(requested, "the file is write-protected");

    std::error_code ec;
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    if (!fs::exists(folder, ec))
        return saveError(requested, "the folder " + quoted(folder) + " does not exist");
    if (!fs::is_directory(folder, ec)) return saveError(requested, quoted(folder) + " is not a folder");

    fs::path temporary;
    if (auto why = writeTemporary(target, folder, bytes, exists ? &old : nullptr, temporary)) {
        if (!temporary.empty()) fs::remove(temporary, ec);
        return saveError(requested, *why);
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        const std::string why = std::strerror(errno);
        fs::remove(temporary, ec);
        return saveError(requested, why);
    }
    syncFolder(folder);
    return std::nullopt;
}

}  // namespace

std::optional<FileError> writeFileSafely(const fs::path& target, std::string_view bytes) {
    try {
        return replaceTarget(target, bytes);
    } catch (const std::exception& e) {
        return saveError(target, e.what());
    }
}

std::variant<std::string, FileError> readWholeFile(const fs::path& path, std::uintmax_t maxBytes,
                                                   std::string_view tooLarge) {
    try {
        // Looked at before it is opened: opening a device can have effects of its own.
        struct stat st {};
        if (::stat(path.c_str(), &st) != 0) return openError(path, std::strerror(errno));
        if (!S_ISREG(st.st_mode)) return openError(path, notRegular(st.st_mode));
        // Non-blocking, in case a FIFO took the file's place since.
        Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
        if (fd.get() < 0) return openError(path, std::strerror(errno));
        if (::fstat(fd.get(), &st) != 0) return openError(path, std::strerror(errno));
        if (!S_ISREG(st.st_mode)) return openError(path, notRegular(st.st_mode));
        if (static_cast<std::uintmax_t>(st.st_size) > maxBytes) return openError(path, std::string(tooLarge));

        std::string bytes;
        bytes.reserve(static_cast<std::size_t>(st.st_size));
        char buffer[65536];
        while (true) {
            const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) return openError(path, std::strerror(errno));
            if (n == 0) return bytes;
            // The file may grow while it is read.
            if (bytes.size() + static_cast<std::size_t>(n) > maxBytes)
                return openError(path, std::string(tooLarge));
            bytes.append(buffer, static_cast<std::size_t>(n));
        }
    } catch (const std::exception& e) {
        return openError(path, e.what());
    }
}

}  // namespace ws
