// The calculate command in the window, offscreen: from the click on Button4
// until its results are painted (labels, top view with lattice and marks,
// relayout). Budget: 100 ms for the tandem with canard (1208 unknowns).
//   StartUp: the start-up aircraft (430 unknowns).
//   TandemCanard: tests/data/solver/tandem_canard.da4.
// Between two clicks, untimed, the remarks are edited, which brings the
// calculate button back as any edit does.
//   build-calc/bench/bench_calculate
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <filesystem>
#include <memory>
#include <string>
#include <variant>

#include "files/aircraft_file.h"
#include "ui/WinStabix2.h"
#include "ui/wing_controls.h"

namespace {

void ensureApplication() {
    static std::unique_ptr<QApplication> app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "bench_calculate";
        static char* argv[] = {name, nullptr};
        return std::make_unique<QApplication>(argc, argv);
    }();
}

template <class T>
T* child(ws::TForm1& window, const char* name) {
    return window.findChild<T*>(QString::fromLatin1(name));
}

// Types the file's aircraft into the window's fields, as a user would.
bool typeAircraft(ws::TForm1& window, const std::string& path) {
    auto content = ws::loadAircraftFile(path);
    if (!std::holds_alternative<ws::AircraftFileContent>(content)) return false;
    const ws::LoadedAircraft loaded =
        ws::applyAircraftFile(std::get<ws::AircraftFileContent>(content), window.document().model());
    const char* counts[] = {nullptr, "RadioButton1", "RadioButton2", "RadioButton3"};
    child<QRadioButton>(window, counts[loaded.model.WingCount])->click();
    for (int w = 1; w <= ws::kMaxWings; ++w) {
        const ws::WingControlNames& n = ws::wingControlNames(w);
        const ws::WingEntry& e = loaded.entries[w];
        child<QRadioButton>(window, n.trap[loaded.model.wing[w].TrapCount])->click();
        const auto type = [&](const char* field, int value) {
            child<QLineEdit>(window, field)->setText(QString::number(value));
        };
        type(n.gap, e.gap);
        for (int k = 1; k <= ws::kMaxTrapeziums; ++k) type(n.span[k], e.span[k]);
        for (int j = 1; j <= ws::kMaxStations; ++j) type(n.chord[j], e.chord[j]);
        for (int j = 2; j <= ws::kMaxStations; ++j) type(n.offset[j], e.offset[j]);
        type(n.posX, e.posX);
        type(n.posZ, e.posZ);
    }
    return true;
}

std::string dataFile(const char* name) {
    return (std::filesystem::path(WINSTABIX_SOURCE_DIR) / "tests/data" / name).string();
}

void runClicks(benchmark::State& state, const char* file, bool converged = false) {
    ensureApplication();
    ws::TForm1 window;
    window.show();
    QApplication::processEvents();
    window.document().setConvergedNeutralPoint(converged);
    if (file && !typeAircraft(window, dataFile(file))) {
        state.SkipWithError("cannot read the aircraft file");
        return;
    }
    auto* button = child<QPushButton>(window, "Button4");
    const auto click = [&] {
        button->click();
        QApplication::processEvents();  // the results reach the screen
    };
    click();
    if (!window.document().results().ResultsValid) {
        state.SkipWithError("the aircraft was not calculated");
        return;
    }
    state.counters["unknowns"] = window.document().results().calc.sizes.PanelTotal;
    // A remarks edit keeps the results; a chord edit (typed, then taken back) withdraws them.
    const int chord = window.document().model().wing[1].ChordMm[1];
    int edits = 0;
    for (auto _ : state) {
        state.PauseTiming();
        window.document().editField(1, ws::kChordField, QString::number(++edits % 2 ? chord + 1 : chord));
        QApplication::processEvents();
        state.ResumeTiming();
        click();
        benchmark::DoNotOptimize(window.document().results().ResultsValid);
    }
}

void BM_CalculateStartUp(benchmark::State& state) {
    runClicks(state, nullptr);
}
void BM_CalculateTandemCanard(benchmark::State& state) {
    runClicks(state, "solver/tandem_canard.da4");
}

// With the converged neutral point; budgets 100 ms and 250 ms.
void BM_CalculateConvergedStartUp(benchmark::State& state) {
    runClicks(state, nullptr, true);
}
void BM_CalculateConvergedTandemCanard(benchmark::State& state) {
    runClicks(state, "solver/tandem_canard.da4", true);
}

BENCHMARK(BM_CalculateStartUp)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CalculateTandemCanard)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CalculateConvergedStartUp)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CalculateConvergedTandemCanard)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
