#include "files/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "files/descriptor.h"

namespace ws {
namespace fs = std::filesystem;
using posix::Descriptor;
using posix::notRegular;
using posix::quoted;

namespace {

FileError openError(const fs::path& path, const std::string& why) {
    return {"cannot open " + quoted(path) + ": " + why};
}

}  // namespace

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
