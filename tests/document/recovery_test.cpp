// Recovery of unsaved changes through the document, with the test's own clock and timer.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>
#include <QCoreApplication>

#include <QUndoStack>
#include <variant>

#include "../files/temp_folder.h"
#include "document/aircraft_document.h"
#include "document/recovery.h"
#include "files/file_io.h"

namespace ws::testing {
namespace {

namespace fs = std::filesystem;

const fs::path kExamples = WINSTABIX_EXAMPLES;

std::optional<RecoveryFile> readRecovery(const fs::path& path) {
    const auto bytes = readWholeFile(path, 1 << 21, "");
    const auto* text = std::get_if<std::string>(&bytes);
    return text ? parseRecoveryFile(*text) : std::nullopt;
}

TEST(Recovery, WrittenAfterAChangeRemovedOnSaveAndUndoAndRestoredAsModified) {
    TempFolder folder;
    const fs::path state = folder / "state";
    const fs::path file = folder / "glider.da4";
    fs::copy_file(kExamples / "glider.da4", file);
    AircraftDocument doc;
    ASSERT_FALSE(doc.open(file.string()));
    int armed = 0;
    DocumentRecovery recovery(doc, state, 4242,
                              {[] { return std::int64_t{1'700'000'000}; }, [&] { ++armed; }, {}});
    ASSERT_TRUE(recovery.path());
    EXPECT_EQ(recovery.path()->filename(), "window-4242.recovery");

    // Keystrokes arm the timer once; only its firing writes.
    doc.editField(1, kChordField, "31");
    doc.editField(1, kChordField, "312");
    EXPECT_EQ(armed, 1);
    recovery.waitForWrites();
    EXPECT_FALSE(fs::exists(*recovery.path()));
    recovery.writeNow();
    doc.editRemarks("first\nsecond");
    EXPECT_EQ(armed, 2);
    recovery.writeNow();
    recovery.waitForWrites();
    const auto written = readRecovery(*recovery.path());
    ASSERT_TRUE(written);
    EXPECT_EQ(std::tuple(written->pid, written->writtenAt, written->hasFile, written->fileName,
                         written->aircraftBytes),
              std::tuple(4242, 1'700'000'000, true, file.string(), doc.fileBytes()));

    // Undone back to the file's state: nothing left to recover.
    doc.undoStack()->setIndex(0);
    recovery.waitForWrites();
    EXPECT_FALSE(fs::exists(*recovery.path()));
    doc.undoStack()->redo();
    doc.undoStack()->redo();
    recovery.writeNow();
    recovery.waitForWrites();
    const fs::path kept = folder / "kept.recovery";
    fs::copy_file(*recovery.path(), kept);
    ASSERT_FALSE(doc.save(file.string()));
    recovery.waitForWrites();
    EXPECT_FALSE(fs::exists(*recovery.path()));

    // A dead window's file is offered; a running one's never.
    fs::rename(kept, *recovery.path());
    EXPECT_TRUE(orphanedRecoveryFiles(state, [](std::int64_t) { return true; }).empty());
    const auto offered = orphanedRecoveryFiles(state, [](std::int64_t pid) { return pid != 4242; });
    ASSERT_EQ(offered.size(), 1u);

    // Restored: modified, under the file's name, this window's file in place of the dead one's.
    AircraftDocument again;
    DocumentRecovery second(again, state, 4343, {[] { return std::int64_t{1'700'000'100}; }, [] {}, {}});
    ASSERT_FALSE(second.restore(offered[0]));
    second.waitForWrites();
    EXPECT_TRUE(again.isModified());
    EXPECT_TRUE(again.hasFile());
    EXPECT_EQ(again.fileName(), file.string());
    EXPECT_EQ(again.text().field[1][kChordField].trimmed(), "312");
    EXPECT_EQ(again.text().remarks, "first\nsecond");
    EXPECT_FALSE(fs::exists(offered[0].path));
    EXPECT_TRUE(fs::exists(*second.path()));
    ASSERT_FALSE(again.save(again.model().AircraftFileName));
    EXPECT_FALSE(again.isModified());
    second.waitForWrites();
    EXPECT_FALSE(fs::exists(*second.path()));
}

TEST(Recovery, AFailedWriteIsOneMessageBoxLine) {
    TempFolder folder;
    writeFileSafely(folder / "state", "a file where the folder should be");
    AircraftDocument doc;
    DocumentRecovery recovery(doc, folder / "state" / "WinStabix4", 1,
                              {[] { return std::int64_t{0}; }, [] {}, {}});
    doc.editField(1, kChordField, "1");
    recovery.writeNow();
    recovery.writeNow();
    recovery.waitForWrites();
    QCoreApplication::processEvents();
    const auto& lines = doc.results().messages;
    EXPECT_EQ(std::count(lines.begin(), lines.end(), Message{MessageCode::RecoveryNotWritten}), 1);
}

TEST(Recovery, OnlyWholeRecoveryFilesAreRead) {
    const std::string aircraft = "3\r\n1\r\nbytes \x01\xff\n";
    const RecoveryFile good{{}, 77, 1'700'000'000, false, "Unknown.da4", aircraft};
    const std::string bytes = recoveryFileBytes(good);
    const auto back = parseRecoveryFile(bytes);
    ASSERT_TRUE(back);
    EXPECT_EQ(std::tuple(back->pid, back->writtenAt, back->hasFile, back->fileName, back->aircraftBytes),
              std::tuple(77, 1'700'000'000, false, "Unknown.da4", aircraft));
    const struct {
        const char* what;
        std::string bytes;
    } refused[] = {
        {"another program's file", "WinStabix3 recovery\n77\n0\n0\nx.da4\n"},
        {"no process", "WinStabix4 recovery\n0\n0\n0\nx.da4\n"},
        {"a time that is no number", "WinStabix4 recovery\n77\nnoon\n0\nx.da4\n"},
        {"a flag that is neither", "WinStabix4 recovery\n77\n0\n2\nx.da4\n"},
        {"no name", "WinStabix4 recovery\n77\n0\n0\n\n"},
        {"cut before the name ends", "WinStabix4 recovery\n77\n0\n0\nx.da4"},
        {"empty", ""},
    };
    for (const auto& c : refused) EXPECT_FALSE(parseRecoveryFile(c.bytes)) << c.what;
}

// Asked without a signal, so that the window asking lives on.
TEST(Recovery, ProcessRunningOnlyWhileItExists) {
    EXPECT_TRUE(processRunning(::getpid()));
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ::waitpid(child, nullptr, 0);
    EXPECT_FALSE(processRunning(child));
    EXPECT_FALSE(processRunning(0));
}

}  // namespace
}  // namespace ws::testing
