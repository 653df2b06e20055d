// Recovery writes and a 1 MiB remark.
//   RecoveryWrite/N: what a recovery write of example N (startup, glider,
//     canard, flying wing) costs the window's thread after an edit: the
//     bytes taken and handed to the worker; budget 5 ms.
//   RecoveryWriteToDisk/N: the same until the worker's safe save (with its
//     syncs) into the temporary folder is done: the disk's share.
//   RemarksKeystroke, RemarksUndo: a 1 MiB one-line remark, one character
//     typed (then taken back) through the document, and one undo (then its
//     redo); budget 16 ms.
//   OpenRemarksFile: the window opens an aircraft file whose remark fills
//     the reader's 1 MiB; budget 0.5 s.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QUndoStack>
#include <filesystem>
#include <fstream>
#include <memory>

#include "document/aircraft_document.h"
#include "document/recovery.h"
#include "model/aircraft.h"
#include "ui/WinStabix2.h"

namespace {

namespace fs = std::filesystem;

const char* const kExamples[] = {"startup", "glider", "canard", "flying-wing"};

void ensureApplication() {
    static std::unique_ptr<QApplication> app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "bench_recovery";
        static char* argv[] = {name, nullptr};
        return std::make_unique<QApplication>(argc, argv);
    }();
}

QString megabyteRemark() {
    return QString(int(ws::kMaxAircraftFileBytes) - 4096, QLatin1Char('x'));
}

fs::path remarksFile() {
    ws::AircraftModel model = ws::startupAircraft();
    model.remarks = megabyteRemark().toStdString();
    fs::path file = fs::temp_directory_path() / "winstabix-bench-remark.da4";
    std::ofstream(file, std::ios::binary) << ws::aircraftFileBytes(model, std::nullopt);
    return file;
}

template <bool toDisk>
void recoveryWrites(benchmark::State& state) {
    ensureApplication();
    ws::AircraftDocument doc;
    const fs::path example =
        fs::path(WINSTABIX_SOURCE_DIR) / "examples" / (std::string(kExamples[state.range(0)]) + ".da4");
    if (doc.open(example.string())) state.SkipWithError("example not read");
    doc.editField(1, ws::kChordField, QStringLiteral("250"));
    const fs::path folder = fs::temp_directory_path() / "winstabix-bench-state";
    ws::DocumentRecovery recovery(doc, folder, 1, {[] { return std::int64_t{0}; }, [] {}, {}});
    for (auto _ : state) {
        recovery.writeNow();
        if (toDisk) recovery.waitForWrites();
    }
    recovery.waitForWrites();
    recovery.discard();
    recovery.waitForWrites();
    fs::remove_all(folder);
}

void BM_RecoveryWrite(benchmark::State& state) {
    recoveryWrites<false>(state);
}

void BM_RecoveryWriteToDisk(benchmark::State& state) {
    recoveryWrites<true>(state);
}

void BM_RemarksKeystroke(benchmark::State& state) {
    ensureApplication();
    ws::AircraftDocument doc;
    const QString remark = megabyteRemark();
    doc.editRemarks(remark);
    const QString typed = remark + QLatin1Char('y');
    bool append = true;
    for (auto _ : state) {
        doc.editRemarks(append ? typed : remark);
        append = !append;
    }
}

void BM_RemarksUndo(benchmark::State& state) {
    ensureApplication();
    ws::AircraftDocument doc;
    doc.editRemarks(megabyteRemark());
    bool undo = true;
    for (auto _ : state) {
        if (undo)
            doc.undoStack()->undo();
        else
            doc.undoStack()->redo();
        undo = !undo;
    }
}

void BM_OpenRemarksFile(benchmark::State& state) {
    ensureApplication();
    const fs::path file = remarksFile();
    ws::TForm1 window;
    window.show();
    QApplication::processEvents();
    for (auto _ : state) {
        window.fileCommands().openAircraftFile(QString::fromStdString(file.string()));
        QApplication::processEvents();
    }
    fs::remove(file);
}

}  // namespace

BENCHMARK(BM_RecoveryWrite)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RecoveryWriteToDisk)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RemarksKeystroke)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RemarksUndo)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenRemarksFile)->Unit(benchmark::kMillisecond)->UseRealTime();
