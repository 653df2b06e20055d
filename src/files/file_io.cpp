#include "files/file_io.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <system_error>

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

// A name beside `target` that is not taken yet, hidden like an editor's backup.
fs::path temporaryBeside(const fs::path& target) {
    const fs::path folder = target.parent_path();
    const std::string base = "." + target.filename().string() + ".tmp";
    fs::path candidate = folder / base;
    std::error_code ec;
    for (int n = 1; fs::exists(candidate, ec) && n < 1000; ++n)
        candidate = folder / (base + std::to_string(n));
    return candidate;
}

std::optional<FileError> writeTemporary(const fs::path& temporary, const fs::path& target,
                                        std::string_view bytes) {
    errno = 0;
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) return saveError(target, lastSystemError("the folder is not writable"));
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (out) out.close();
    if (!out) return saveError(target, lastSystemError("writing failed"));
    return std::nullopt;
}

std::optional<FileError> replaceTarget(const fs::path& target, std::string_view bytes) {
    std::error_code ec;
    if (fs::is_directory(target, ec)) return saveError(target, "it is a folder");
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    if (!fs::exists(folder, ec)) return saveError(target, "the folder " + quoted(folder) + " does not exist");
    if (!fs::is_directory(folder, ec)) return saveError(target, quoted(folder) + " is not a folder");

    const fs::path temporary = temporaryBeside(target);
    if (auto failure = writeTemporary(temporary, target, bytes)) {
        fs::remove(temporary, ec);
        return failure;
    }
    const fs::file_status old = fs::status(target, ec);
    if (!ec && fs::is_regular_file(old)) fs::permissions(temporary, old.permissions(), ec);
    fs::rename(temporary, target, ec);
    if (ec) {
        const std::string why = ec.message();
        fs::remove(temporary, ec);
        return saveError(target, why);
    }
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
