#include "document/recovery.h"

#include <signal.h>

#include <QMetaObject>
#include <QUndoStack>
#include <algorithm>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <limits>
#include <system_error>
#include <variant>

#include "files/file_io.h"

namespace ws {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kHead = "WinStabix4 recovery";
constexpr std::string_view kPrefix = "window-";
constexpr std::string_view kSuffix = ".recovery";
// The aircraft file's limit and room for the lines before it.
constexpr std::uintmax_t kMaxRecoveryBytes = kMaxAircraftFileBytes + 8192;

std::optional<std::string_view> takeLine(std::string_view& rest) {
    const std::size_t end = rest.find('\n');
    if (end == std::string_view::npos) return std::nullopt;
    const std::string_view line = rest.substr(0, end);
    rest.remove_prefix(end + 1);
    return line;
}

std::optional<std::int64_t> wholeNumber(std::string_view text) {
    std::int64_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::int64_t systemNow() {
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

}  // namespace

std::string recoveryFileBytes(const RecoveryFile& file) {
    std::string bytes(kHead);
    bytes += '\n' + std::to_string(file.pid) + '\n' + std::to_string(file.writtenAt) + '\n' +
             (file.hasFile ? "1" : "0") + '\n';
    // A line break in a name would end its line; such a name is no file this program writes.
    std::string name = file.fileName;
    std::replace(name.begin(), name.end(), '\n', ' ');
    bytes += name + '\n';
    return bytes + file.aircraftBytes;
}

std::optional<RecoveryFile> parseRecoveryFile(std::string_view bytes) {
    RecoveryFile file;
    const auto head = takeLine(bytes);
    const auto pid = takeLine(bytes);
    const auto time = takeLine(bytes);
    const auto hasFile = takeLine(bytes);
    const auto name = takeLine(bytes);
    if (!name || *head != kHead || (*hasFile != "0" && *hasFile != "1")) return std::nullopt;
    const auto pidValue = wholeNumber(*pid);
    const auto timeValue = wholeNumber(*time);
    if (!pidValue || !timeValue || *pidValue <= 0 || name->empty()) return std::nullopt;
    file.pid = *pidValue;
    file.writtenAt = *timeValue;
    file.hasFile = *hasFile == "1";
    file.fileName = std::string(*name);
    file.aircraftBytes = std::string(bytes);
    return file;
}

bool processRunning(std::int64_t pid) {
    if (pid <= 0 || pid > std::numeric_limits<pid_t>::max()) return false;
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
}

std::vector<RecoveryFile> orphanedRecoveryFiles(const fs::path& folder,
                                                const std::function<bool(std::int64_t)>& running) {
    std::vector<RecoveryFile> found;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (!name.starts_with(kPrefix) || !name.ends_with(kSuffix)) continue;
        const auto bytes = readWholeFile(it->path(), kMaxRecoveryBytes, "");
        const auto* text = std::get_if<std::string>(&bytes);
        if (!text) continue;
        auto file = parseRecoveryFile(*text);
        if (!file || running(file->pid)) continue;
        file->path = it->path();
        found.push_back(std::move(*file));
    }
    std::sort(found.begin(), found.end(),
              [](const RecoveryFile& a, const RecoveryFile& b) { return a.writtenAt < b.writtenAt; });
    return found;
}

DocumentRecovery::DocumentRecovery(AircraftDocument& doc, std::optional<fs::path> folder, std::int64_t pid,
                                   Seams seams)
    : QObject(&doc), doc_(doc), pid_(pid), seams_(std::move(seams)) {
    if (folder) path_ = *folder / (std::string(kPrefix) + std::to_string(pid) + std::string(kSuffix));
    if (!seams_.now) seams_.now = systemNow;
    // One worker: writes and removals reach the disk in the order asked.
    writer_.setMaxThreadCount(1);
    if (!seams_.run) seams_.run = [this](std::function<void()> job) { writer_.start(std::move(job)); };
    if (!seams_.arm) {
        timer_.setSingleShot(true);
        timer_.setInterval(kRecoveryDelayMs);
        connect(&timer_, &QTimer::timeout, this, &DocumentRecovery::writeNow);
        seams_.arm = [this] { timer_.start(); };
    }
    connect(doc.undoStack(), &QUndoStack::indexChanged, this, &DocumentRecovery::follow);
    connect(&doc, &AircraftDocument::stateChanged, this, &DocumentRecovery::follow);
}

void DocumentRecovery::follow() {
    if (!doc_.isModified()) {
        discard();
        return;
    }
    // The first change after a write arms the timer; later ones ride on it,
    // so that steady typing is written every kRecoveryDelayMs.
    if (armed_) return;
    armed_ = true;
    seams_.arm();
}

void DocumentRecovery::writeNow() {
    write({});
}

void DocumentRecovery::write(std::optional<fs::path> thenRemove) {
    armed_ = false;
    if (!path_ || !doc_.isModified()) return;
    RecoveryFile file;
    file.pid = pid_;
    file.writtenAt = seams_.now();
    file.hasFile = doc_.hasFile();
    file.fileName = doc_.model().AircraftFileName;
    file.aircraftBytes = doc_.fileBytes();
    onDisk_ = true;
    // The bytes are taken here; the disk's wait (the sync of the safe save) is the worker's.
    seams_.run([this, path = *path_, bytes = recoveryFileBytes(file), thenRemove] {
        std::error_code ec;
        // The folder is the user's alone, as the settings' folder is.
        if (fs::create_directories(path.parent_path(), ec))
            fs::permissions(path.parent_path(), fs::perms::owner_all, ec);
        const bool written = !writeFileSafely(path, bytes);
        if (written && thenRemove) fs::remove(*thenRemove, ec);
        QMetaObject::invokeMethod(this, [this, written] { reportWrite(written); });
    });
}

void DocumentRecovery::reportWrite(bool written) {
    if (!written && !failed_) doc_.addNotice({MessageCode::RecoveryNotWritten});
    failed_ = !written;
}

void DocumentRecovery::discard() {
    armed_ = false;
    timer_.stop();
    if (!path_ || !onDisk_) return;
    onDisk_ = false;
    seams_.run([path = *path_] {
        std::error_code ec;
        fs::remove(path, ec);
    });
}

void DocumentRecovery::waitForWrites() {
    writer_.waitForDone();
}

DocumentRecovery::~DocumentRecovery() {
    writer_.waitForDone();
}

std::optional<FileError> DocumentRecovery::restore(const RecoveryFile& file) {
    if (auto error = doc_.restore(file.aircraftBytes, file.fileName, file.hasFile)) return error;
    // The dead window's file goes only once this window's holds the changes.
    write(file.path != path_ ? std::optional(file.path) : std::nullopt);
    return std::nullopt;
}

}  // namespace ws
