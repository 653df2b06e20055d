#include "files/file_io.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
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

// The system's word for the last failure of a stream operation.
std::string lastSystemError(const char* fallback) {
    return errno != 0 ? std::string(std::strerror(errno)) : std::string(fallback);
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

// Writes the bytes to a new hidden file beside `target`, created exclusively
// so that two saves never share one, and on the disk before it is renamed.
std::optional<std::string> writeTemporary(const fs::path& target, std::string_view bytes, fs::path& temporary) {
    const fs::path folder = target.parent_path();
    const std::string base = "." + target.filename().string() + ".tmp";
    for (int n = 0; n < 1000; ++n) {
        temporary = folder / (n == 0 ? base : base + std::to_string(n));
        Descriptor fd(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
        if (fd.get() < 0 && errno == EEXIST) continue;
        if (fd.get() < 0) {
            temporary.clear();
            return std::strerror(errno);
        }
        if (auto why = writeAll(fd.get(), bytes)) return why;
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

std::optional<FileError> replaceTarget(const fs::path& requested, std::string_view bytes) {
    std::error_code ec;
    // A link stays a link: the file it points to is the one replaced.
    fs::path target = requested;
    if (fs::is_symlink(requested, ec)) {
        const fs::path resolved = fs::canonical(requested, ec);
        if (!ec) target = resolved;
    }
    if (fs::is_directory(target, ec)) return saveError(requested, "it is a folder");
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    if (!fs::exists(folder, ec)) return saveError(requested, "the folder " + quoted(folder) + " does not exist");
    if (!fs::is_directory(folder, ec)) return saveError(requested, quoted(folder) + " is not a folder");

    fs::path temporary;
    if (auto why = writeTemporary(target, bytes, temporary)) {
        if (!temporary.empty()) fs::remove(temporary, ec);
        return saveError(requested, *why);
    }
    const fs::file_status old = fs::status(target, ec);
    if (!ec && fs::is_regular_file(old)) fs::permissions(temporary, old.permissions(), ec);
    fs::rename(temporary, target, ec);
    if (ec) {
        const std::string why = ec.message();
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

std::variant<std::string, FileError> readWholeFile(const fs::path& path) {
    try {
        std::error_code ec;
        if (fs::is_directory(path, ec)) return openError(path, "it is a folder");
        errno = 0;
        std::ifstream in(path, std::ios::binary);
        if (!in) return openError(path, lastSystemError("the file cannot be read"));
        std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        if (in.bad()) return openError(path, lastSystemError("reading failed"));
        return bytes;
    } catch (const std::exception& e) {
        return openError(path, e.what());
    }
}

}  // namespace ws
