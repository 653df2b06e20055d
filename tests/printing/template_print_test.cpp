// The 1:1 template printed to PDF through the print dialog, measured as pdftoppm rasterises it.
#include <gtest/gtest.h>
#include <QComboBox>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "../export/glider_wing.h"
#include "print_test_support.h"
#include "printing/Unit3.h"
#include "printing/template_print.h"
#include "texts/catalogue.h"

namespace ws {
namespace {

constexpr int kDpi = 254;  // 10 raster pixels per mm
constexpr int kPerMm = kDpi * 10 / 254;

AircraftModel glider3m() {
    AircraftModel model = test::glider3m();
    model.AircraftFileName = "glider3m.da4";
    return model;
}

// Printed to `pdf` through the dialog's "PDF file"; the failures it reported.
QStringList printToPdf(const PaperDocument& document, const QString& pdf) {
    TForm3 form(std::make_unique<SystemPrinterCatalog>());
    QStringList failures;
    form.reportFailure = [&](const QString& why) { failures << why; };
    form.askPdfFileName = [&](const QString&) { return pdf; };
    form.ComboBox1Change(form.ComboBox1->findText(QStringLiteral("PDF file")));
    form.showDocument(document);
    form.ButtonCloseClick();
    return failures;
}

bool black(QRgb c) {
    return qRed(c) < 110 && qGreen(c) < 110 && qBlue(c) < 110;
}

// Centres (raster x) of the black runs of row `y`.
std::vector<double> runCentres(const QImage& image, int y) {
    std::vector<double> centres;
    for (int x = 0; x < image.width(); ++x) {
        if (!black(image.pixel(x, y))) continue;
        const int start = x;
        while (x < image.width() && black(image.pixel(x, y))) ++x;
        centres.push_back((start + x - 1) / 2.0);
    }
    return centres;
}

// The longest black run in the top 60 mm: the scale bar.
struct BarRun {
    int row = -1, first = 0, last = 0;
};
BarRun scaleBar(const QImage& page) {
    BarRun best;
    for (int y = 0; y < 60 * kPerMm; ++y) {
        for (int x = 0, run = 0; x < page.width(); ++x) {
            run = black(page.pixel(x, y)) ? run + 1 : 0;
            if (run > best.last - best.first + 1) best = {y, x - run + 1, x};
        }
    }
    return best;
}

TEST(TemplatePrint, GliderWingOnA4MeasuresTrueInThePdf) {
    // Calculated (stability rows on A1) and not; both halves and the right half. A4 prints 210 x 297
    // mm: (3000 + 2 x 5 - 10) / 200 = 15 columns, (1500 + 5) / 200 = 7.5, so 8; one row each.
    const struct {
        bool calculated, bothHalves;
        int pages;
    } cases[] = {{true, true, 15}, {false, false, 8}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pages);
        const test::CalculatedAircraft a(glider3m());
        ASSERT_TRUE(a.calc.done());
        ExportSource source{a.model, std::nullopt, {}};
        if (c.calculated)
            source.marks = stabilityMarks(1, a.calc.evaluation.AnpAircraft, a.calc.evaluation.RefArea,
                                          a.calc.evaluation.RefChord, a.calc.stability.MarginDesired, false);
        source.words = exportWords(source.marks);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("template.pdf"));
        const QStringList failures = printToPdf(templateDocument(source, 1, c.bothHalves), pdf);
        ASSERT_TRUE(failures.isEmpty()) << failures.join(' ').toStdString();

        const QString info = test::toolOutput("pdfinfo", {pdf});
        EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages: +%1\n").arg(c.pages))))
            << info.toStdString();
        EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Page size: .*\\(A4\\)"))));
        EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Title: +glider3m\n"))));

        const QString text = test::toolOutput("pdftotext", {pdf, QStringLiteral("-")});
        for (const QString& label : {QStringLiteral("A1"), QStringLiteral("A%1").arg(c.pages),
                                     QStringLiteral("100 mm"), QStringLiteral("Wing 1: b=3000mm")})
            EXPECT_TRUE(text.contains(label)) << label.toStdString();
        EXPECT_EQ(text.contains(QStringLiteral("x_ac")), c.calculated);
        EXPECT_EQ(text.contains(QStringLiteral("x_cg")), c.calculated);

        const std::vector<QImage> raster = test::rasterise(pdf, kDpi, {"-f", "1", "-l", "1"});
        ASSERT_EQ(raster.size(), 1u) << "pdftoppm (poppler-utils) missing or failing";
        const QImage& first = raster[0];
        ASSERT_EQ(first.width(), 210 * kPerMm);
        // The bar: its three ticks, the outer ones 100 mm apart (one raster pixel of slack).
        const BarRun bar = scaleBar(first);
        ASSERT_GE(bar.row, 0);
        const std::vector<double> ticks =
            runCentres(first.copy(bar.first, bar.row + 15, bar.last - bar.first + 1, 1), 0);
        ASSERT_EQ(ticks.size(), 3u) << bar.row;
        EXPECT_NEAR(ticks[2] - ticks[0], 100.0 * kPerMm, 1.0);
        EXPECT_NEAR(ticks[1] - ticks[0], 50.0 * kPerMm, 1.0);
    }
}

TEST(TemplatePrint, RefusedForAWingWithoutArea) {
    AircraftModel model = glider3m();
    model.wing[1] = paramsFromEntry(WingEntry{}, 1);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("none.pdf"));
    const QStringList failures = printToPdf(templateDocument({model, std::nullopt, {}}, 1, true), pdf);
    ASSERT_EQ(failures.size(), 1);
    EXPECT_TRUE(failures.front().contains("no area")) << failures.front().toStdString();
    EXPECT_FALSE(QFileInfo::exists(pdf));
}

}  // namespace
}  // namespace ws
