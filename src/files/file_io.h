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
// or the complete new one, also after a power loss.
//
// Where replacing keeps the file what it was, the bytes go to a new unnamed
// file in the same folder (O_TMPFILE; else a hidden ".NAME.tmp…" made
// exclusively), synced to the disk, linked in only when complete and renamed
// over the target; it takes the old file's mode, owner and group.
//
// Where a new file would change the old one's identity (its owner or group,
// which this user cannot give away; a second hard link; extended attributes
// or ACL entries; a sticky folder that does not allow the rename), the
// bytes are written into the existing file instead: first a complete copy
// of the old contents goes beside it (".NAME.bak…", synced), then the new
// contents are written and synced, and only then is the copy removed. On a
// failure the old contents are written back; should even that fail, the
// copy stays and the error names it.
//
// Stale temporary files of earlier saves of the same name (none of them in
// use) are removed first; a successful save also removes stale copies.
// On any failure the target keeps its contents, no temporary file is left,
// and the error is returned.
//
// The target must be a regular file or not exist yet; a symbolic link is
// followed to its final target, which is saved (the link stays a link).
// Refused without touching anything (checkSaveTarget): a dangling link or a
// loop, a folder, FIFO, socket or device, a descriptor link ("/dev/stdout",
// "/dev/fd/1", "/proc/self/fd/1": "not a file"), and a write-protected file
// (no write bit for its owner, or not writable by this user; also for root).
std::optional<FileError> writeFileSafely(const std::filesystem::path& target, std::string_view bytes);

// Why writeFileSafely would refuse `target` before writing anything, or
// nothing when it would try. Looks only; creates nothing.
std::optional<FileError> checkSaveTarget(const std::filesystem::path& target);

// Whether two paths name the same file: the same existing file (links
// followed), or the same place for one that does not exist yet.
bool sameFile(const std::filesystem::path& a, const std::filesystem::path& b);

// The whole content of the regular file at `path` (links followed), or why it
// could not be read. Anything else (folder, FIFO, socket, device) is refused
// as "not a regular file" without blocking and without reading from it; a
// file of more than `maxBytes` is refused with `tooLarge` before it is read.
std::variant<std::string, FileError> readWholeFile(const std::filesystem::path& path, std::uintmax_t maxBytes,
                                                   std::string_view tooLarge);

}  // namespace ws
