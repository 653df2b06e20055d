#include <gtest/gtest.h>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>

#include "print_test_support.h"
#include "printing/print_job.h"
#include "printing/summary_page.h"
#include "texts/scoped_language.h"

namespace ws {
namespace {

using test::CalculatedAircraft;
using test::cell;
using test::darkPixels;
using test::inkPixels;

const CalculatedAircraft& startup() {
    static const CalculatedAircraft a(startupAircraft());
    return a;
}

// The text whose cell starts at (x, y); "(none)" when no text starts there.
QString textAt(const std::vector<PageText>& texts, int x, int y) {
    for (const PageText& t : texts)
        if (t.x == x && t.y == y) return t.text;
    return QStringLiteral("(none)");
}

TEST(SummaryPage, PageFontKeepsTheNineColumnCellOfTheLayout) {
    const QFont font = pageFont();
    EXPECT_TRUE(QFontInfo(font).fixedPitch()) << QFontInfo(font).family().toStdString();
    const int advance = QFontMetrics(font).horizontalAdvance(QStringLiteral("0000000000"));
    EXPECT_LE(advance, 10 * kPageCharWidth);
    EXPECT_GE(advance, 10 * kPageCharWidth - 5);
}

TEST(SummaryPage, StartupTextsStandAtTheirRowsWithFixedPointValues) {
    ASSERT_TRUE(startup().calc.done());
    const std::vector<PageText> texts = summaryTexts(startup().input());
    EXPECT_EQ(textAt(texts, 0, 0), "WinStabix4  V" WINSTABIX_VERSION " ");
    EXPECT_EQ(textAt(texts, 0, 20), "Unknown.da4");
    EXPECT_EQ(textAt(texts, 0, 563), "Summary:");
    EXPECT_EQ(textAt(texts, 0, 583), "aerodynamic center: ");
    EXPECT_EQ(textAt(texts, 420, 583), " 93.7 mm");
    EXPECT_EQ(textAt(texts, 0, 603), "Recommended center of gravity by stab =  16%: ");
    EXPECT_EQ(textAt(texts, 420, 603), " 50.2 mm");
    EXPECT_EQ(textAt(texts, 0, 623), "recomemnded center of gravity by stab =  8%: ");
    EXPECT_EQ(textAt(texts, 420, 623), " 72.0 mm");
    EXPECT_EQ(textAt(texts, 0, 643), "Center of gravity by stab = 7.5%: ");
    // Wing 1 of one trapezium: stations 3..5 empty, their blanks kept.
    EXPECT_EQ(textAt(texts, 0, 683), "Wing1:");
    EXPECT_EQ(textAt(texts, 0, 703).right(3), "   ");
    EXPECT_EQ(textAt(texts, 0, 703).size(), 4 + 5 + 1 + 5 + 3);
    EXPECT_EQ(textAt(texts, 510, 703), " 1100 mm");
    EXPECT_EQ(textAt(texts, 510, 723), " 29.7 dm**2");
    EXPECT_EQ(textAt(texts, 510, 743), "  4.1");
    EXPECT_EQ(textAt(texts, 510, 763), "272.0 mm");
    EXPECT_EQ(textAt(texts, 510, 783), " 82.3 mm");
    EXPECT_EQ(textAt(texts, 510, 803), " 77.4 mm");
    EXPECT_EQ(textAt(texts, 510, 823), " 3.75");
    EXPECT_EQ(textAt(texts, 320, 703), QStringLiteral("wing span:").leftJustified(20));
    EXPECT_EQ(textAt(texts, 0, 863), "Wing2:");
    EXPECT_EQ(textAt(texts, 510, 983), " 23.2 mm");
    EXPECT_EQ(textAt(texts, 0, 1043), "(none)");  // two wings: no third block
}

TEST(SummaryPage, StationRowLeavesMissingStationsEmpty) {
    const std::array<double, 6> x{0, 100, 250.4, 300, 0, 0};
    EXPECT_EQ(stationRow("xf: ", x, 2, 100), "xf:     0   150   ");
    EXPECT_EQ(stationRow("lf: ", x, 3), "lf:   100   250   300  ");
    EXPECT_EQ(stationRow("yf: ", x, 5), "yf:   100   250   300     0     0");
    const std::array<double, 6> wide{0, 123456, -7, 0, 0, 0};
    EXPECT_EQ(stationRow("xf: ", wide, 2), "xf: 123456    -7   ");
}

TEST(SummaryPage, StartupPageCarriesTextWhereItStandsAndWhiteElsewhere) {
    const SummaryPage page = composeSummaryPage(startup().input());
    const QImage& p = page.Image_P;
    ASSERT_EQ(p.size(), kPageSize);
    EXPECT_EQ(page.Image4.size(), kTopCopySize);
    EXPECT_EQ(page.Image7.size(), kView3DCopySize);
    EXPECT_GT(darkPixels(p, cell(0, 0, 10)), 20);      // header
    EXPECT_GT(darkPixels(p, cell(0, 563, 8)), 20);     // "Summary:"
    EXPECT_GT(darkPixels(p, cell(420, 583, 10)), 20);  // neutral point value
    EXPECT_GT(darkPixels(p, cell(420, 643, 10)), 20);
    EXPECT_GT(darkPixels(p, cell(0, 783, 9)), 10);     // "x0:     0"
    EXPECT_GT(darkPixels(p, cell(320, 823, 11)), 20);  // "lift slope:"
    EXPECT_GT(darkPixels(p, cell(510, 1003, 5)), 10);  // wing 2's lift slope
    // The pictures fill their rectangles and nothing beside them.
    EXPECT_GT(inkPixels(p, QRect(0, 42, 616, 312)), 616 * 312 / 2);
    EXPECT_GT(inkPixels(p, QRect(0, 357, 616, 191)), 616 * 191 / 2);
    EXPECT_EQ(inkPixels(p, QRect(617, 40, 985 - 617, 520)), 0);
    EXPECT_EQ(inkPixels(p, QRect(0, 355, 616, 1)), 0);  // the gap between the pictures
    // Empty station fields of wing 1 and the room right of the stability values.
    EXPECT_EQ(darkPixels(p, QRect(4 + 19 * 9, 703, 320 - 19 * 9 - 8, 56)), 0);
    // Right of the positions their share of lm; the neutral point has none.
    EXPECT_EQ(darkPixels(p, QRect(kPercentColumn, 583, 985 - kPercentColumn, 18)), 0);
    EXPECT_GT(darkPixels(p, cell(kPercentColumn, 603, 10)), 20);
    EXPECT_GT(darkPixels(p, cell(kPercentColumn, 643, 10)), 20);
    // No third wing: white from below wing 2's block to the bottom.
    EXPECT_EQ(inkPixels(p, QRect(0, 863 + 160, 985, 1502 - 1023)), 0);
}

TEST(SummaryPage, DrawnAtThePrinterResolutionInsideItsRectangle) {
    const PrintPage page = composeSummaryPage(startup().input()).print;
    for (const int dpi : {300, 600}) {
        SCOPED_TRACE(dpi);
        const QRect inside = pageRectangle(dpi).toQRect();
        QImage device(inside.right() + 9, inside.bottom() + 9, QImage::Format_RGB32);
        device.fill(Qt::white);
        {
            QPainter painter(&device);
            drawPage(painter, inside, page);
        }
        EXPECT_EQ(inkPixels(device, device.rect()), inkPixels(device, inside));
        // The top view's grey frame along page row 42 is one device pixel thick.
        const double sy = double(inside.height()) / kPageSize.height();
        const int x = inside.left() + inside.width() / 3;
        int grey = 0;
        for (int y = inside.top() + int(40 * sy); y < inside.top() + int(45 * sy); ++y)
            grey += device.pixelColor(x, y) == QColor(128, 128, 128);
        EXPECT_EQ(grey, 1);
    }
}

TEST(SummaryPage, OneWingPrintsOnlyItsBlockAndWhiteBelow) {
    AircraftModel m = startupAircraft();
    m.WingCount = 1;
    const CalculatedAircraft one(m);
    const std::vector<PageText> texts = summaryTexts(one.input());
    EXPECT_EQ(textAt(texts, 0, 683), "Wing1:");
    EXPECT_EQ(textAt(texts, 0, 863), "(none)");
    EXPECT_EQ(textAt(texts, 0, 603), "Recommended center of gravity by stab =  8%: ");
    const QImage p = composeSummaryPage(one.input()).Image_P;
    EXPECT_GT(darkPixels(p, cell(0, 683, 6)), 10);
    EXPECT_GT(darkPixels(p, cell(510, 823, 5)), 10);
    EXPECT_EQ(inkPixels(p, QRect(0, 683 + 160, 985, 1502 - 843)), 0);
}

TEST(SummaryPage, AllFourStabilityRowsInManualModeToo) {
    PrintJobInput in = startup().input();
    in.manual = true;
    const std::vector<PageText> texts = summaryTexts(in);
    for (const int y : {583, 603, 623, 643}) {
        EXPECT_NE(textAt(texts, 0, y), "(none)") << y;
        EXPECT_NE(textAt(texts, 420, y), "(none)") << y;
    }
}

TEST(SummaryPage, WideValuePushesItsRowRight) {
    AircraftModel m = startupAircraft();
    m.wing[1].WingPosX = 123456;
    const CalculatedAircraft far(m);
    ASSERT_TRUE(far.calc.done());
    const std::vector<PageText> texts = summaryTexts(far.input());
    EXPECT_EQ(textAt(texts, 0, 783), "x0: 123456");
    EXPECT_EQ(textAt(texts, 0, 703).left(9), "xf:     0");  // relative to the wing's own x
    // The sixth digit stands in the tenth column, where the normal row has none.
    EXPECT_GT(darkPixels(composeSummaryPage(far.input()).Image_P, cell(9 * 9, 783, 1)), 5);
    EXPECT_EQ(darkPixels(composeSummaryPage(startup().input()).Image_P, cell(9 * 9, 783, 1)), 0);
}

TEST(SummaryPage, GermanLabels) {
    const CalculatedAircraft& a = startup();
    const SummaryPage en = composeSummaryPage(a.input());
    const test::ScopedLanguage german(Language::German);
    const std::vector<PageText> texts = summaryTexts(a.input());
    EXPECT_EQ(textAt(texts, 0, 583), "Neutralpunkt:        ");
    EXPECT_EQ(textAt(texts, 0, 603), "Empfohlener Schwerpunkt bei Stabilität =  16%: ");
    EXPECT_EQ(textAt(texts, 0, 623), "Empfohlener Schwerpunkt bei Stabilität =  8%: ");
    EXPECT_EQ(textAt(texts, 0, 643), "Schwerpunkt bei Stabilität = 7.5%: ");
    EXPECT_EQ(textAt(texts, 320, 723).trimmed(), "Flächeninhalt:");
    EXPECT_EQ(textAt(texts, 320, 823).trimmed(), "Auftriebsanstieg:");
    EXPECT_EQ(textAt(texts, 320, 803).trimmed(), "Aerod. Neutralpunkt:");
    EXPECT_EQ(textAt(texts, 0, 683), "Wing1:");  // the same in both languages
    // "Spannweite:" runs one column further than "wing span:".
    const SummaryPage de = composeSummaryPage(a.input());
    EXPECT_GT(darkPixels(de.Image_P, cell(320 + 10 * 9, 703, 1)), 3);
    EXPECT_EQ(darkPixels(en.Image_P, cell(320 + 10 * 9, 703, 1)), 0);
    // The top-view copy carries the German stability rows: the pages differ there.
    EXPECT_NE(de.Image4, en.Image4);
}

TEST(SummaryPage, PdfNameFollowsTheAircraftFile) {
    EXPECT_EQ(pdfFileNameFor("Unknown.da4"), "Unknown.pdf");
    EXPECT_EQ(pdfFileNameFor("/home/u/planes/glider.da4"), "/home/u/planes/glider.pdf");
}

}  // namespace
}  // namespace ws
