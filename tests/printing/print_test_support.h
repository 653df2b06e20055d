// Shared helpers of the printing tests: a calculated aircraft as the print
// command gets it, and pixel queries on the page.
#pragma once

#include <gtest/gtest.h>
#include <QImage>
#include <QRect>

#include "model/aircraft.h"
#include "printing/print_job.h"
#include "solver/calculation.h"

namespace ws::test {

// An aircraft with its finished calculation, held together so the input's
// pointers stay valid.
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

// The text cell of `chars` characters at (x, y) of the page.
inline QRect cell(int x, int y, int chars) {
    return QRect(x, y, chars * kPageCharWidth, 16);
}

}  // namespace ws::test
