// Keystrokes offscreen, until what they change is drawn.
//   Keystroke*: the root-chord field of wing 1 (Edit4) on its page; budget 16 ms.
//     Handlers: the key event alone (field, Calc_W, planform view, labels).
//     WithRepaint: the same, then the window's repaint of what changed.
//   PositionKeystroke: the x field of wing 2 (Edit_x2) on the aircraft page,
//     which recalculates every wing and redraws the top and 3-D views, then
//     the repaint; budget 30 ms.
//   PlanformRelease: a released drag of wing 1's root trailing edge, its
//     writes, recalculation and repaint; budget 16 ms.
//   View3DDragStep: one move of a left-button drag on the 3-D view, which
//     turns it, and the repaint; budget 16 ms.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTabWidget>
#include <cmath>
#include <memory>

#include "ui/WinStabix2.h"
#include "ui/image_widget.h"
#include "ui/wing_page.h"

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

void showPage(ws::TForm1& window, const char* page) {
    window.show();
    auto* tabs = window.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    tabs->setCurrentWidget(window.findChild<QWidget*>(QString::fromLatin1(page)));
    QApplication::processEvents();
}

// Keystrokes into `fieldName` on `page`, alternately typed and taken back.
// `probe` returns what the keystroke must change, to check that it arrives.
template <class Probe>
void runKeystrokes(benchmark::State& state, const char* page, const char* fieldName, bool repaint,
                   Probe probe) {
    ensureApplication();
    ws::TForm1 window;
    showPage(window, page);
    auto* field = window.findChild<QLineEdit*>(QString::fromLatin1(fieldName));
    field->setFocus();
    field->end(false);
    const auto before = probe(window);
    keystroke(field, true);
    if (probe(window) == before) {
        state.SkipWithError("the keystroke did not reach what it changes");
        return;
    }
    keystroke(field, false);

    bool append = true;
    for (auto _ : state) {
        keystroke(field, append);
        if (repaint) QApplication::processEvents();
        append = !append;
    }
}

QString wing1Area(ws::TForm1& window) {
    return window.findChild<QLabel*>(QStringLiteral("Label_s1"))->text();
}

QImage topView(ws::TForm1& window) {
    return window.findChild<ws::ImageWidget*>(QStringLiteral("Image2"))->image();
}

void BM_KeystrokeHandlers(benchmark::State& state) {
    runKeystrokes(state, "TabSheet1", "Edit4", false, wing1Area);
}
void BM_KeystrokeWithRepaint(benchmark::State& state) {
    runKeystrokes(state, "TabSheet1", "Edit4", true, wing1Area);
}
void BM_PositionKeystroke(benchmark::State& state) {
    runKeystrokes(state, "TabSheet5", "Edit_x2", true, topView);
}

void sendMouse(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons) {
    QMouseEvent e(type, QPointF(at), w->mapToGlobal(QPointF(at)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

void BM_PlanformRelease(benchmark::State& state) {
    ensureApplication();
    ws::TForm1 window;
    showPage(window, "TabSheet1");
    auto* view = window.findChild<ws::ImageWidget*>(QStringLiteral("Image1"));
    auto* chord = window.findChild<QLineEdit*>(QStringLiteral("Edit4"));
    const QImage& image = view->image();
    // The root trailing edge: on the centre line, the root chord behind the leading edge.
    const int x = image.width() / 2;
    const double s = window.findChild<ws::WingPage*>(QStringLiteral("TabSheet1"))->PlanformScale();
    int y = image.height() / 3 + int(chord->text().toDouble() * s);
    const QString before = chord->text();
    int step = 10;
    bool wrote = false;
    for (auto _ : state) {
        sendMouse(view, QEvent::MouseButtonPress, {x, y}, Qt::LeftButton, Qt::LeftButton);
        sendMouse(view, QEvent::MouseButtonRelease, {x, y + step}, Qt::LeftButton, Qt::NoButton);
        QApplication::processEvents();
        wrote = wrote || chord->text() != before;
        y = image.height() / 3 +
            int(std::lround(chord->text().toDouble() *
                            window.findChild<ws::WingPage*>(QStringLiteral("TabSheet1"))->PlanformScale()));
        step = -step;
    }
    if (!wrote) state.SkipWithError("the drag wrote nothing");
}

void BM_View3DDragStep(benchmark::State& state) {
    ensureApplication();
    ws::TForm1 window;
    showPage(window, "TabSheet5");
    auto* view = window.findChild<ws::ImageWidget*>(QStringLiteral("Image3"));
    sendMouse(view, QEvent::MouseButtonPress, {300, 100}, Qt::LeftButton, Qt::LeftButton);
    int x = 300;
    int step = 6;
    for (auto _ : state) {
        x += step;
        if (x > 600 || x < 100) step = -step;
        sendMouse(view, QEvent::MouseMove, {x, 100}, Qt::NoButton, Qt::LeftButton);
        QApplication::processEvents();
    }
    sendMouse(view, QEvent::MouseButtonRelease, {x, 100}, Qt::LeftButton, Qt::NoButton);
}

BENCHMARK(BM_KeystrokeHandlers)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_KeystrokeWithRepaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PositionKeystroke)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlanformRelease)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_View3DDragStep)->Unit(benchmark::kMicrosecond);

}  // namespace
