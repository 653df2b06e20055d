// winstabix: the main window.
//
//   winstabix [FILE.da4]
//   winstabix --help | --version
//   winstabix --screenshot OUT.png PAGE [FILE.da4]
//       PAGE: aircraft, wing1, wing2, wing3, remarks, calculated (the
//       aircraft page after a calculation) or balance (its page, calculated)
//
// The second form shows the window (with the file opened), saves a picture
// of it and quits; it is how the pictures in docs/ are made (scripts/screenshot).
#include <QApplication>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "ui/WinStabix2.h"
#include "ui/desktop_identity.h"
#include "ui/open_aircraft.h"

namespace {

const char* const kPages[] = {"aircraft", "wing1", "wing2", "wing3", "remarks", "calculated", "balance"};
constexpr int kCalculatedPage = 5;
constexpr int kBalancePage = 6;

int pageIndex(const QString& name) {
    for (int i = 0; i <= kBalancePage; ++i)
        if (name == QLatin1String(kPages[i])) return i;
    return -1;
}

int screenshot(ws::TForm1& window, const QString& file, int page) {
    // The wing-3 page exists only with three wings.
    if (page == 3) window.findChild<QRadioButton*>(QStringLiteral("RadioButton3"))->setChecked(true);
    const char* const sheets[] = {"TabSheet5", "TabSheet1", "TabSheet2", "TabSheet3",
                                  "TabSheet4", "TabSheet5", "TabSheet6"};
    window.findChild<QTabWidget*>(QStringLiteral("PageControl1"))
        ->setCurrentWidget(window.findChild<QWidget*>(QString::fromLatin1(sheets[page])));
    window.show();
    if (page == kCalculatedPage || page == kBalancePage)
        QTimer::singleShot(100, &window, [&] {
            window.findChild<QPushButton*>(QStringLiteral("Button4"))->click();
            // The calculation shows the aircraft page.
            if (page == kBalancePage)
                window.findChild<QTabWidget*>(QStringLiteral("PageControl1"))
                    ->setCurrentWidget(window.findChild<QWidget*>(QStringLiteral("TabSheet6")));
        });
    int result = 1;
    QTimer::singleShot(300, &window, [&] {
        result = window.grab().save(file) ? 0 : 1;
        if (result) std::fprintf(stderr, "winstabix: cannot write %s\n", qPrintable(file));
        QApplication::exit(result);  // quit() would close the window and write the settings
    });
    QApplication::exec();
    return result;
}

// A factor as Qt reads it: a finite number above 0.
bool validFactor(std::string_view text) {
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc{} && end == text.data() + text.size() && std::isfinite(value) && value > 0;
}

// "1.5" or "2;1" or "DP-1=2;HDMI-1=1", as QT_SCREEN_SCALE_FACTORS lists them.
bool validFactorList(std::string_view list) {
    while (true) {
        const std::size_t end = list.find(';');
        std::string_view entry = list.substr(0, end);
        if (const std::size_t equals = entry.rfind('='); equals != std::string_view::npos)
            entry.remove_prefix(equals + 1);
        if (!entry.empty() && !validFactor(entry)) return false;
        if (end == std::string_view::npos) return true;
        list.remove_prefix(end + 1);
    }
}

// Qt takes a scale factor of 0 or below as it comes: no window at all, or a
// crash in the first repaint. Such a setting is dropped before Qt reads it.
void dropInvalidScaleSettings() {
    const struct {
        const char* name;
        bool (*valid)(std::string_view);
    } settings[] = {{"QT_SCALE_FACTOR", validFactor}, {"QT_SCREEN_SCALE_FACTORS", validFactorList}};
    for (const auto& setting : settings) {
        const char* value = std::getenv(setting.name);
        if (!value || setting.valid(value)) continue;
        std::fprintf(stderr, "winstabix: %s=%s ignored: a scale factor is a number above 0\n", setting.name,
                     value);
        ::unsetenv(setting.name);
    }
}

const char kUsage[] =
    "Usage: winstabix [FILE.da4]\n"
    "Calculates the pitch stability of a model aircraft in a window;\n"
    "FILE.da4 is an aircraft file to open at start.\n"
    "\n"
    "  --help     this text\n"
    "  --version  the program's version\n";

}  // namespace

int main(int argc, char** argv) {
    // Answered without a window, before Qt looks for a display.
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (arg == "--version") {
            std::puts("WinStabix4 V" WINSTABIX_VERSION);
            return 0;
        }
    }
    dropInvalidScaleSettings();
    QApplication app(argc, argv);
    ws::keepNativeArguments(argc, argv);
    QApplication::setApplicationName(QStringLiteral("WinStabix4"));
    ws::applyDesktopIdentity();
    const QStringList args = QApplication::arguments();
    if ((args.size() == 4 || args.size() == 5) && args[1] == QLatin1String("--screenshot")) {
        const int page = pageIndex(args[3]);
        if (page < 0) {
            std::fprintf(stderr, "winstabix: unknown page %s\n", qPrintable(args[3]));
            return 2;
        }
        ws::TForm1 window(nullptr, args.mid(4));
        return screenshot(window, args[2], page);
    }
    ws::TForm1 window(nullptr, args.mid(1));
    window.show();
    // Asked over the window, once it is up.
    QTimer::singleShot(0, &window, [&window] { window.offerRecovery(); });
    return QApplication::exec();
}
