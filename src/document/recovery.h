// Unsaved changes kept through a crash: while the document is modified, the
// bytes a Save would write and the name it would write them to go to a
// recovery file of this window's own in the user's state folder
// ($XDG_STATE_HOME/WinStabix4/), at most kRecoveryDelayMs after a change,
// through the safe save. A save, a discard or a clean close removes it. A
// later start offers the files of windows no longer running.
//
// The recovery file: the line "WinStabix4 recovery", the window's process
// id, the time written (seconds since 1970, UTC), 1 or 0 for "the name is a
// file opened or saved", the name (UTF-8), then the aircraft file's bytes.
#pragma once

#include <QObject>
#include <QThreadPool>
#include <QTimer>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "document/aircraft_document.h"

namespace ws {

constexpr int kRecoveryDelayMs = 1500;

// A recovery file read back.
struct RecoveryFile {
    std::filesystem::path path;
    std::int64_t pid = 0;
    std::int64_t writtenAt = 0;  // seconds since 1970, UTC
    bool hasFile = false;
    std::string fileName;
    std::string aircraftBytes;
};

// The recovery file's bytes, and its reading (none when it is not one).
std::string recoveryFileBytes(const RecoveryFile& file);
std::optional<RecoveryFile> parseRecoveryFile(std::string_view bytes);

// Whether a process of that id runs (one of another user counts as running).
bool processRunning(std::int64_t pid);

// The recovery files in `folder` whose window is no longer running, oldest
// first; unreadable or foreign files are left alone.
std::vector<RecoveryFile> orphanedRecoveryFiles(
    const std::filesystem::path& folder, const std::function<bool(std::int64_t)>& running = processRunning);

class DocumentRecovery : public QObject {
    Q_OBJECT
  public:
    // The seams a test replaces: the clock (seconds since 1970), the
    // timer's start and where the disk work runs; by default the system
    // clock, a single-shot QTimer of kRecoveryDelayMs that calls writeNow(),
    // and one worker thread, so that the sync of a write never holds up typing.
    struct Seams {
        std::function<std::int64_t()> now;
        std::function<void()> arm;                           // asks for one writeNow() soon
        std::function<void(std::function<void()> job)> run;  // runs jobs in the order given
    };
    // `folder`: where the file goes, none when the user has no state folder
    // (nothing is then written). `pid`: this window's process.
    DocumentRecovery(AircraftDocument& doc, std::optional<std::filesystem::path> folder, std::int64_t pid,
                     Seams seams = {});
    // Waits for the writes under way.
    ~DocumentRecovery() override;

    // This window's recovery file.
    std::optional<std::filesystem::path> path() const { return path_; }
    // Takes the document's bytes now, when it is modified, and writes them;
    // a failure adds one message-box line (once until a write succeeds again).
    void writeNow();
    // Returns when every write and removal asked for is done.
    void waitForWrites();
    // Removes this window's file (a clean close).
    void discard();
    // The document restored from `file`, this window's file written at once
    // and then `file` removed.
    std::optional<FileError> restore(const RecoveryFile& file);

  private:
    void follow();
    void write(std::optional<std::filesystem::path> thenRemove);
    void reportWrite(bool written);

    AircraftDocument& doc_;
    std::optional<std::filesystem::path> path_;
    std::int64_t pid_;
    Seams seams_;
    QTimer timer_;
    bool armed_ = false;
    bool failed_ = false;
    bool onDisk_ = false;  // a write was asked for since the last removal
    QThreadPool writer_;   // last: gone first, after its jobs
};

}  // namespace ws
