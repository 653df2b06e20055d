#include <gtest/gtest.h>
#include <QFontInfo>
#include <QFontMetrics>

#include "print_test_support.h"
#include "printing/print_job.h"
#include "printing/summary_page.h"

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

const PageText* textAt(const std::vector<PageText>& texts, int x, int y) {
    for (const PageText& t : texts)
        if (t.x == x && t.y == y) return &t;
    return nullptr;
}

// Each of `expected` among `texts`, at its place and with its text.
void expectTexts(const std::vector<PageText>& texts, std::initializer_list<PageText> expected) {
    for (const PageText& e : expected) {
        const PageText* t = textAt(texts, e.x, e.y);
        EXPECT_TRUE(t && t->text == e.text)
            << "at " << e.x << "," << e.y << ": " << (t ? t->text.toStdString() : "nothing");
    }
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
    expectTexts(texts, {
                           {0, 0, "WinStabix4  V2.5 "},
                           {0, 20, "Unknown.da4"},
                           {0, 563, "Summary:"},
                           {0, 583, "aerodynamic center: "},
                           {420, 583, " 93.7 mm"},
                           {0, 603, "Recommended center of gravity by stab =  16%: "},
                           {420, 603, " 50.2 mm"},
                           {0, 623, "recomemnded center of gravity by stab =  8%: "},
                           {420, 623, " 72.0 mm"},
                           {0, 643, "Center of gravity by stab = 7.5%: "},
                           {0, 683, "Wing1:"},
                           {510, 703, " 1100 mm"},
                           {510, 723, " 29.7 dm**2"},
                           {510, 743, "  4.1"},
                           {510, 763, "272.0 mm"},
                           {510, 783, " 82.3 mm"},
                           {510, 803, " 77.4 mm"},
                           {510, 823, " 3.75"},
                           {320, 703, QStringLiteral("wing span:").leftJustified(20)},
                           {0, 863, "Wing2:"},
                           {510, 983, " 23.2 mm"},
                       });
    // Wing 1 of one trapezium: stations 3..5 empty, their blanks kept.
    ASSERT_TRUE(textAt(texts, 0, 703));
    EXPECT_EQ(textAt(texts, 0, 703)->text.right(3), "   ");
    EXPECT_EQ(textAt(texts, 0, 703)->text.size(), 4 + 5 + 1 + 5 + 3);
    EXPECT_FALSE(textAt(texts, 0, 1043));  // two wings: no third block
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
    // The header, "Summary:", the neutral point and desired values, "lift slope:";
    // then the thinner "x0:     0" and wing 2's lift slope.
    for (const QRect& text :
         {cell(0, 0, 10), cell(0, 563, 8), cell(420, 583, 10), cell(420, 643, 10), cell(320, 823, 11)})
        EXPECT_GT(darkPixels(p, text), 20) << text.x() << "," << text.y();
    for (const QRect& text : {cell(0, 783, 9), cell(510, 1003, 5)})
        EXPECT_GT(darkPixels(p, text), 10) << text.x() << "," << text.y();
    // The pictures fill their rectangles and nothing beside them.
    EXPECT_GT(inkPixels(p, QRect(0, 42, 616, 312)), 616 * 312 / 2);
    EXPECT_GT(inkPixels(p, QRect(0, 357, 616, 191)), 616 * 191 / 2);
    EXPECT_EQ(inkPixels(p, QRect(617, 40, 985 - 617, 520)), 0);
    EXPECT_EQ(inkPixels(p, QRect(0, 355, 616, 1)), 0);  // the gap between the pictures
    // Empty station fields of wing 1 and the room right of the stability values.
    EXPECT_EQ(darkPixels(p, QRect(4 + 19 * 9, 703, 320 - 19 * 9 - 8, 56)), 0);
    EXPECT_EQ(darkPixels(p, QRect(530, 583, 985 - 530, 80)), 0);
    // No third wing: white from below wing 2's block to the bottom.
    EXPECT_EQ(inkPixels(p, QRect(0, 863 + 160, 985, 1502 - 1023)), 0);
}

TEST(SummaryPage, OneWingPrintsOnlyItsBlockAndWhiteBelow) {
    AircraftModel m = startupAircraft();
    m.WingCount = 1;
    const CalculatedAircraft one(m);
    const std::vector<PageText> texts = summaryTexts(one.input());
    expectTexts(texts, {{0, 683, "Wing1:"}, {0, 603, "Recommended center of gravity by stab =  8%: "}});
    EXPECT_FALSE(textAt(texts, 0, 863));
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
        EXPECT_TRUE(textAt(texts, 0, y)) << y;
        EXPECT_TRUE(textAt(texts, 420, y)) << y;
    }
}

TEST(SummaryPage, WideValuePushesItsRowRight) {
    AircraftModel m = startupAircraft();
    m.wing[1].WingPosX = 123456;
    const CalculatedAircraft far(m);
    ASSERT_TRUE(far.calc.done());
    const std::vector<PageText> texts = summaryTexts(far.input());
    expectTexts(texts, {{0, 783, "x0: 123456"}});
    ASSERT_TRUE(textAt(texts, 0, 703));
    EXPECT_EQ(textAt(texts, 0, 703)->text.left(9), "xf:     0");  // relative to the wing's own x
    // The sixth digit stands in the tenth column, where the normal row has none.
    EXPECT_GT(darkPixels(composeSummaryPage(far.input()).Image_P, cell(9 * 9, 783, 1)), 5);
    EXPECT_EQ(darkPixels(composeSummaryPage(startup().input()).Image_P, cell(9 * 9, 783, 1)), 0);
}

TEST(SummaryPage, GermanLabels) {
    const CalculatedAircraft& a = startup();
    const std::vector<PageText> texts = summaryTexts(a.input(false));
    expectTexts(texts, {
                           {0, 583, "Neutralpunkt:        "},
                           {0, 603, "Empfohlener Schwerpunkt bei Stabilität =  16%: "},
                           {0, 623, "Empfohlener Schwerpunkt bei Stabilität =  8%: "},
                           {0, 643, "Schwerpunkt bei Stabilität = 7.5%: "},
                           {320, 723, QStringLiteral("Flächeninhalt:").leftJustified(20)},
                           {320, 803, QStringLiteral("Aerod. Neutralpunkt:")},
                           {320, 823, QStringLiteral("Auftriebsanstieg:").leftJustified(20)},
                           {0, 683, "Wing1:"},  // the same in both languages
                       });
    // "Spannweite:" runs one column further than "wing span:".
    const SummaryPage de = composeSummaryPage(a.input(false));
    const SummaryPage en = composeSummaryPage(a.input(true));
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
