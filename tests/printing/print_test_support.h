// Shared helpers of the printing tests: a calculated aircraft as the print
// command gets it, and pixel queries on the page.
#pragma once

#include <QImage>
#include <QRect>
#include <gtest/gtest.h>

#include "model/aircraft.h"
#include "printing/print_job.h"
#include "solver/calculation.h"

namespace ws::test {

// An aircraft with its finished calculation, held together so the input's
// pointers stay valid.
struct CalculatedAircraft {
    AircraftModel model;
    CalcResult calc;

    explicit CalculatedAircraft(AircraftModel m, bool english = true) : model(std::move(m)) {
        model.CalcWingCount = model.WingCount;
        CalcOptions options;
        options.language = english ? Language::English : Language::German;
        calc = runCalculation(model, options);
    }
    PrintJobInput input(bool english = true) const {
        PrintJobInput in;
        in.model = &model;
        in.calc = &calc;
        in.stability = calc.stability;
        in.UiEnglish = english;
        return in;
    }
};

inline bool isDark(QRgb c) { return qGray(c) < 128; }

// Dark pixels of `image` inside `area` (clipped to the image).
inline int darkPixels(const QImage& image, const QRect& area) {
    const QRect r = area.intersected(image.rect());
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) n += isDark(image.pixel(x, y));
    return n;
}

// Pixels that are not white.
inline int inkPixels(const QImage& image, const QRect& area) {
    const QRect r = area.intersected(image.rect());
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) n += (image.pixel(x, y) & 0xffffff) != 0xffffff;
    return n;
}

// The text cell of `chars` characters at (x, y) of the page.
inline QRect cell(int x, int y, int chars) { return QRect(x, y, chars * kPageCharWidth, 16); }

}  // namespace ws::test
