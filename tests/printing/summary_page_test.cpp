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
using test::inkPixels;

const CalculatedAircraft& startup() {
    static const CalculatedAircraft a(startupAircraft());
    return a;
}

TEST(SummaryPage, PageFontKeepsTheNineColumnCellOfTheLayout) {
    const QFont font = pageFont();
    EXPECT_TRUE(QFontInfo(font).fixedPitch()) << QFontInfo(font).family().toStdString();
    const int advance = QFontMetrics(font).horizontalAdvance(QStringLiteral("0000000000"));
    EXPECT_LE(advance, 10 * kPageCharWidth);
    EXPECT_GE(advance, 10 * kPageCharWidth - 5);
}

TEST(SummaryPage, StationRowLeavesMissingStationsEmpty) {
    const std::array<double, 6> x{0, 100, 250.4, 300, 0, 0};
    EXPECT_EQ(stationRow("xf: ", x, 2, 100), "xf:     0   150   ");
    EXPECT_EQ(stationRow("lf: ", x, 3), "lf:   100   250   300  ");
    EXPECT_EQ(stationRow("yf: ", x, 5), "yf:   100   250   300     0     0");
    const std::array<double, 6> wide{0, 123456, -7, 0, 0, 0};
    EXPECT_EQ(stationRow("xf: ", wide, 2), "xf: 123456    -7   ");
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

TEST(SummaryPage, PdfNameFollowsTheAircraftFile) {
    EXPECT_EQ(pdfFileNameFor("Unknown.da4"), "Unknown.pdf");
    EXPECT_EQ(pdfFileNameFor("/home/u/planes/glider.da4"), "/home/u/planes/glider.pdf");
}

}  // namespace
}  // namespace ws
