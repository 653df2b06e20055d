// Printing tests' helpers: a calculated aircraft as the print command gets it; pixels of a page.
#pragma once

#include <gtest/gtest.h>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRect>
#include <QStringList>
#include <vector>

#include "model/aircraft.h"
#include "printing/print_job.h"
#include "solver/calculation.h"

namespace ws::test {

// An aircraft with its finished calculation, together so that the input's pointers stay valid.
struct CalculatedAircraft {
    AircraftModel model;
    CalcResult calc;

    explicit CalculatedAircraft(AircraftModel m) : model(std::move(m)) {
        model.CalcWingCount = model.WingCount;
        calc = runCalculation(model);
    }
    PrintJobInput input() const {
        PrintJobInput in;
        in.model = &model;
        in.calc = &calc;
        in.stability = calc.stability;
        return in;
    }
};

// Pixels of `image` inside `area` (clipped to the image) that `pick` takes.
template <class Pick>
int pixelsIn(const QImage& image, const QRect& area, Pick pick) {
    const QRect r = area.intersected(image.rect());
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) n += pick(image.pixel(x, y));
    return n;
}

inline int darkPixels(const QImage& image, const QRect& area) {
    return pixelsIn(image, area, [](QRgb c) { return qGray(c) < 128; });
}

// Pixels that are not white.
inline int inkPixels(const QImage& image, const QRect& area) {
    return pixelsIn(image, area, [](QRgb c) { return (c & 0xffffff) != 0xffffff; });
}

// A white page of the summary's size.
inline PrintPage blankPage() {
    return {kPageSize, [](Canvas&) {}, {}};
}

// Every page of `pdf` rasterised at `dpi` by pdftoppm (poppler-utils), with
// its further `options` ("-f 1 -l 2"); none when the tool is missing or fails.
inline std::vector<QImage> rasterise(const QString& pdf, int dpi, const QStringList& options = {}) {
    QProcess ppm;
    ppm.start(QStringLiteral("pdftoppm"),
              QStringList{QStringLiteral("-png"), QStringLiteral("-r"), QString::number(dpi)} + options +
                  QStringList{pdf, pdf + "-page"});
    if (!ppm.waitForFinished(60000) || ppm.exitCode() != 0) return {};
    const QFileInfo file(pdf);
    std::vector<QImage> pages;
    for (const QString& name :
         file.dir().entryList({file.fileName() + "-page*.png"}, QDir::Files, QDir::Name))
        pages.emplace_back(file.dir().filePath(name));
    return pages;
}

// What a poppler tool prints; empty when it is missing or fails.
inline QString toolOutput(const char* tool, const QStringList& arguments) {
    QProcess p;
    p.start(QString::fromLatin1(tool), arguments);
    if (!p.waitForFinished(60000) || p.exitCode() != 0) return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

}  // namespace ws::test
