// Whole-file reading and writing for the aircraft and settings files.
// Failures come back as values with a reason; nothing is thrown.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace ws {

// A failed file operation. `reason` is a sentence for the user that names
// the file, e.g. cannot save "planes/glider.da4": the folder "planes" does not exist.
struct FileError {
    std::string reason;
};

// Replaces the file at `target` with `bytes` so that it is either the old file
// or the complete new one, also after a power loss: the bytes go to a new
// temporary file in the same folder (never one that already exists), which is
// synced to the disk, closed and then renamed over the target. On any failure
// the target is untouched, the temporary file removed, and the error
// returned. A replaced file keeps its permissions; a symbolic link stays a
// link and the file it points to is replaced.
std::optional<FileError> writeFileSafely(const std::filesystem::path& target, std::string_view bytes);

// The whole content of the file at `path`, or why it could not be read.
std::variant<std::string, FileError> readWholeFile(const std::filesystem::path& path);

}  // namespace ws
