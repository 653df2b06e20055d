// A keystroke in the root-chord field of wing 1 (Edit4), offscreen, until its
// value labels show the new wing. Budget: 16 ms per keystroke.
//   Handlers: the key event alone (field, Calc_W, planform view, labels).
//   WithRepaint: the same, then the window's repaint of what changed.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <memory>

#include "ui/WinStabix2.h"

namespace {

void ensureApplication() {
    static std::unique_ptr<QApplication> app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "bench_window";
        static char* argv[] = {name, nullptr};
        return std::make_unique<QApplication>(argc, argv);
    }();
}

// Types "5" after the root chord, then takes it back, in turn.
void keystroke(QLineEdit* field, bool append) {
    const int key = append ? Qt::Key_5 : Qt::Key_Backspace;
    const QString text = append ? QStringLiteral("5") : QString();
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(field, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(field, &release);
}

void runKeystrokes(benchmark::State& state, bool repaint) {
    ensureApplication();
    ws::TForm1 window;
    window.show();
    auto* tabs = window.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    tabs->setCurrentWidget(window.findChild<QWidget*>(QStringLiteral("TabSheet1")));
    QApplication::processEvents();
    auto* field = window.findChild<QLineEdit*>(QStringLiteral("Edit4"));
    auto* area = window.findChild<QLabel*>(QStringLiteral("Label_s1"));
    field->setFocus();
    field->end(false);
    const QString before = area->text();
    keystroke(field, true);
    if (area->text() == before) {
        state.SkipWithError("the keystroke did not reach the value labels");
        return;
    }
    keystroke(field, false);

    bool append = true;
    for (auto _ : state) {
        keystroke(field, append);
        if (repaint) QApplication::processEvents();
        benchmark::DoNotOptimize(area->text());
        append = !append;
    }
}

void BM_KeystrokeHandlers(benchmark::State& state) {
    runKeystrokes(state, false);
}
void BM_KeystrokeWithRepaint(benchmark::State& state) {
    runKeystrokes(state, true);
}

BENCHMARK(BM_KeystrokeHandlers)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_KeystrokeWithRepaint)->Unit(benchmark::kMicrosecond);

}  // namespace
