// Whole-file reading and writing for the aircraft and settings files.
// Failures come back as values with a reason; nothing is thrown.
#pragma once

#include <cstdint>
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
// returned. The target must be a regular file or not exist yet; a symbolic
// link is followed to its final target, which is replaced (the link stays a
// link). Refused without touching anything: a dangling link or a loop, a
// folder, FIFO, socket or device, and a write-protected file (no write bit
// for its owner, or not writable by this user; also for root). A replaced
// file keeps its permissions, and its owner and group where the process may
// set them.
std::optional<FileError> writeFileSafely(const std::filesystem::path& target, std::string_view bytes);

// The whole content of the regular file at `path` (links followed), or why it
// could not be read. Anything else (folder, FIFO, socket, device) is refused
// as "not a regular file" without blocking and without reading from it; a
// file of more than `maxBytes` is refused with `tooLarge` before it is read.
std::variant<std::string, FileError> readWholeFile(const std::filesystem::path& path, std::uintmax_t maxBytes,
                                                   std::string_view tooLarge);

}  // namespace ws
