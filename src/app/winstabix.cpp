// winstabix: the main window.
//
//   winstabix [FILE.da4]
//   winstabix --screenshot OUT.png PAGE   PAGE: aircraft, wing1, wing2, wing3, remarks
//
// The second form shows the window, saves a picture of it and quits; it is
// how the pictures in docs/ are made (scripts/screenshot).
#include <QApplication>
#include <QPixmap>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <cstdio>

#include "ui/WinStabix2.h"

namespace {

const char* const kPages[] = {"aircraft", "wing1", "wing2", "wing3", "remarks"};

int pageIndex(const QString& name) {
    for (int i = 0; i < 5; ++i)
        if (name == QLatin1String(kPages[i])) return i;
    return -1;
}

int screenshot(ws::TForm1& window, const QString& file, int page) {
    // The wing-3 page exists only with three wings.
    if (page == 3) window.findChild<QRadioButton*>(QStringLiteral("RadioButton3"))->setChecked(true);
    window.findChild<QTabWidget*>(QStringLiteral("PageControl1"))->setCurrentIndex(page);
    window.show();
    int result = 1;
    QTimer::singleShot(300, &window, [&] {
        result = window.grab().save(file) ? 0 : 1;
        if (result) std::fprintf(stderr, "winstabix: cannot write %s\n", qPrintable(file));
        QApplication::quit();
    });
    QApplication::exec();
    return result;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("WinStabix4"));
    const QStringList args = QApplication::arguments();
    ws::TForm1 window;
    if (args.size() == 4 && args[1] == QLatin1String("--screenshot")) {
        const int page = pageIndex(args[3]);
        if (page < 0) {
            std::fprintf(stderr, "winstabix: unknown page %s\n", qPrintable(args[3]));
            return 2;
        }
        return screenshot(window, args[2], page);
    }
    // An aircraft file named on the command line is opened by the file commands, still to come.
    window.show();
    return QApplication::exec();
}
