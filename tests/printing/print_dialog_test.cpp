#include <gtest/gtest.h>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>
#include <memory>

#include "model/number_format.h"
#include "print_test_support.h"
#include "printing/Unit3.h"
#include "printing/XPrint.h"

namespace ws {
namespace {

// Printers a test sets up; the dialog asks them afresh on every activation.
struct FakeCatalog : PrinterCatalog {
    std::shared_ptr<std::vector<PrinterCaps>> list = std::make_shared<std::vector<PrinterCaps>>();
    QString defaultName;
    std::vector<PrinterCaps> printers() const override { return *list; }
    QString defaultPrinterName() const override { return defaultName; }
};

PrinterCaps printer(const char* name, std::vector<Resolution> dpi, int colours,
                    Resolution fallback = {300, 300}) {
    PrinterCaps p;
    p.name = QString::fromLatin1(name);
    p.resolutions = std::move(dpi);
    p.defaultResolution = fallback;
    p.colorCount = colours;
    p.colorByDefault = colours >= 2;
    return p;
}

struct Dialog {
    std::shared_ptr<std::vector<PrinterCaps>> printers;
    std::unique_ptr<TForm3> form;
    QStringList failures;
    QString pdfAnswer;

    explicit Dialog(std::vector<PrinterCaps> list, const QString& defaultName = {}) {
        auto catalog = std::make_unique<FakeCatalog>();
        *catalog->list = std::move(list);
        catalog->defaultName = defaultName;
        printers = catalog->list;
        form = std::make_unique<TForm3>(std::move(catalog));
        form->reportFailure = [this](const QString& why) { failures << why; };
        form->askPdfFileName = [this](const QString&) { return pdfAnswer; };
    }
    void activate() {
        QEvent e(QEvent::WindowActivate);
        QCoreApplication::sendEvent(form.get(), &e);
    }
    QString cellText(int row, int column) const {
        const QTableWidgetItem* item = form->StringGrid2->item(row, column);
        return item ? item->text() : QString();
    }
};

TEST(PrintRectangle, DevicePixelsAt300And600Dpi) {
    EXPECT_EQ(pageRectangle(300), (DeviceRect{178, 170, 1538, 2244}));  // 178.5 and 1538.5 fall to even
    EXPECT_EQ(pageRectangle(600), (DeviceRect{357, 340, 3077, 4488}));
    EXPECT_EQ(pageRectangle(0), (DeviceRect{0, 0, 0, 0}));
}

TEST(PrintDialog, DefaultPrinterCurrentFirstAndResolutionsListed) {
    Dialog d(
        {printer("Mono", {{300, 300}}, 1), printer("Office", {{600, 600}, {1200, 600}}, 2), pdfFilePrinter()},
        "Office");
    TForm3& f = *d.form;
    EXPECT_EQ(f.ComboBox1->count(), 3);
    EXPECT_EQ(f.ComboBox1->itemText(2), "PDF file");
    EXPECT_EQ(f.ComboBox1->currentIndex(), 1);
    EXPECT_TRUE(f.ButtonClose->isEnabled());
    ASSERT_EQ(f.StringGrid2->rowCount(), 2);
    EXPECT_EQ(d.cellText(0, 0), "0");
    EXPECT_EQ(d.cellText(0, 1), "600x600dpi²");
    EXPECT_EQ(d.cellText(1, 1), "1200x600dpi²");
    EXPECT_TRUE(f.CheckBoxColor->isEnabled());
    EXPECT_TRUE(f.CheckBoxColor->isChecked());
    // Refilling set the box without taking it for a click.
    EXPECT_FALSE(f.XPrnSet2.settings().colorSet);
}

TEST(PrintDialog, MonochromePrinterAndRefillOnPrinterChange) {
    Dialog d({printer("Office", {{600, 600}, {300, 300}}, 2), printer("Mono", {{300, 300}}, 1)}, "Office");
    TForm3& f = *d.form;
    ASSERT_TRUE(f.CheckBoxColor->isChecked());
    f.ComboBox1Change(1);
    EXPECT_EQ(f.XPrnSet2.currentPrinterIndex(), 1);
    EXPECT_FALSE(f.CheckBoxColor->isEnabled());
    EXPECT_FALSE(f.CheckBoxColor->isChecked());
    EXPECT_FALSE(f.XPrnSet2.colorSetting());
    ASSERT_EQ(f.StringGrid2->rowCount(), 1);
    EXPECT_EQ(d.cellText(0, 1), "300x300dpi²");
    // Back to the colour printer: its box is enabled and checked again.
    f.ComboBox1Change(0);
    EXPECT_TRUE(f.CheckBoxColor->isEnabled());
    EXPECT_TRUE(f.CheckBoxColor->isChecked());
    EXPECT_EQ(f.StringGrid2->rowCount(), 2);
    // A click asks for monochrome; the choice outlives a refill.
    f.CheckBoxColor->click();
    EXPECT_EQ(f.XPrnSet2.settings().ColorMode, 1);
    EXPECT_TRUE(f.XPrnSet2.settings().colorSet);
    d.activate();
    EXPECT_FALSE(f.CheckBoxColor->isChecked());
}

TEST(PrintSettings, ColourNeedsTwoColoursAndResolutionsAreRangeChecked) {
    auto catalog = std::make_unique<FakeCatalog>();
    *catalog->list = {printer("Mono", {{300, 300}, {600, 600}}, 1)};
    TXPrintSet set(std::move(catalog));
    set.setColor(true);
    EXPECT_EQ(set.settings().ColorMode, 1);
    set.setResolution(1);
    EXPECT_EQ(set.settings().PrintQuality, 600);
    EXPECT_EQ(set.settings().YResolution, 600);
    set.setResolution(2);  // outside: nothing changes
    EXPECT_EQ(set.settings().PrintQuality, 600);
    EXPECT_EQ(set.resolutionX(-1), 0);
    EXPECT_EQ(set.resolutionY(2), 0);
}

TEST(PrintDialog, PrinterGoneFallsBackToTheDefault) {
    Dialog d({printer("A", {{300, 300}}, 1), printer("B", {{600, 600}}, 2), printer("C", {{300, 300}}, 2)},
             "B");
    d.form->ComboBox1Change(2);
    d.printers->erase(d.printers->begin() + 2);
    d.activate();
    EXPECT_EQ(d.form->ComboBox1->count(), 2);
    EXPECT_EQ(d.form->ComboBox1->currentIndex(), 1);
}

TEST(PrintDialog, NoReportedResolutionUsesTheDefaultAndSaysSo) {
    Dialog d({printer("Bare", {}, 2, {360, 360})});
    ASSERT_EQ(d.form->StringGrid2->rowCount(), 1);
    EXPECT_EQ(d.cellText(0, 1), "default 360dpi");
    EXPECT_EQ(d.form->XPrnSet2.resolutionX(0), 360);
    d.form->setPage(test::blankPage());
    // No resolution at all, not even a default: nothing is printed, and it is said.
    d.printers->front().defaultResolution = {};
    d.activate();
    EXPECT_EQ(d.form->StringGrid2->rowCount(), 0);
    d.form->ButtonCloseClick();
    ASSERT_EQ(d.failures.size(), 1);
    EXPECT_TRUE(d.failures.front().contains("no resolution"));
}

TEST(PrintDialog, OnlyThePdfFileIsReportedOncePerActivationSeries) {
    Dialog d({pdfFilePrinter()});
    EXPECT_TRUE(d.failures.isEmpty());  // not at creation, when the dialog is not even shown
    d.activate();
    d.activate();
    ASSERT_EQ(d.failures.size(), 1);
    EXPECT_TRUE(d.failures.front().contains("No printer is installed"));
    d.printers->insert(d.printers->begin(), printer("New", {{300, 300}}, 1));
    d.activate();
    EXPECT_EQ(d.failures.size(), 1);
    EXPECT_EQ(d.form->ComboBox1->count(), 2);
}

TEST(PrintDialog, PdfFileHoldsThePageInsideItsRectangleOnly) {
    static const test::CalculatedAircraft a(startupAircraft());
    const SummaryPage page = composeSummaryPage(a.input());
    QTemporaryDir dir;
    Dialog d({printer("Office", {{600, 600}}, 2), pdfFilePrinter()}, "Office");
    d.form->showPage(page.print, QStringLiteral("Unknown.pdf"));
    d.form->ComboBox1Change(1);
    d.pdfAnswer = dir.filePath(QStringLiteral("summary.pdf"));
    d.form->ButtonCloseClick();
    EXPECT_TRUE(d.failures.isEmpty()) << d.failures.join(' ').toStdString();
    EXPECT_FALSE(d.form->isVisible());  // printed: the dialog closes

    const int dpi = 100;
    const std::vector<QImage> pages = test::rasterise(d.pdfAnswer, dpi);
    ASSERT_FALSE(pages.empty()) << "pdftoppm (poppler-utils) missing or failing";
    EXPECT_EQ(pages.size(), 1u);
    const QImage& raster = pages.front();
    // The 600-dpi rectangle (357, 340)-(3077, 4488) at the raster's resolution,
    // with 2 pixels of slack for the resampling.
    const double k = dpi / 600.0;
    const QRect inside(roundInt(357 * k), roundInt(340 * k), roundInt(2720 * k), roundInt(4148 * k));
    EXPECT_EQ(test::inkPixels(raster, raster.rect()), test::inkPixels(raster, inside.adjusted(-2, -2, 2, 2)));
    // Inside stands the page itself: compared with it scaled to the same size.
    const QImage expected =
        page.Image_P.scaled(inside.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage printed = raster.copy(inside);
    double difference = 0;
    for (int y = 0; y < printed.height(); ++y)
        for (int x = 0; x < printed.width(); ++x)
            difference += std::abs(qGray(printed.pixel(x, y)) - qGray(expected.pixel(x, y)));
    EXPECT_LT(difference / (printed.width() * printed.height()), 12.0);
    EXPECT_GT(test::darkPixels(printed, printed.rect()), 500);

    // Text as text in an embedded font, titled with the aircraft file's name.
    const QString text = test::toolOutput("pdftotext", {d.pdfAnswer, QStringLiteral("-")});
    EXPECT_TRUE(text.contains(QStringLiteral("aerodynamic center"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("93.7 mm")));
    EXPECT_TRUE(text.contains(QStringLiteral("x_ac: 93.7mm")));  // the top view's row
    const QString info = test::toolOutput("pdfinfo", {d.pdfAnswer});
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Title: +Unknown\\.da4\n"))))
        << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Creator: +WinStabix \\d"))));
    const QString fonts = test::toolOutput("pdffonts", {d.pdfAnswer});
    EXPECT_TRUE(fonts.contains(QRegularExpression(QStringLiteral(" yes +(yes|no) +yes "))))
        << fonts.toStdString();
}

TEST(PrintDialog, PdfFailuresKeepTheDialogOpenAndCancelClosesIt) {
    Dialog d({pdfFilePrinter()});
    d.form->showPage(test::blankPage());
    d.pdfAnswer = QStringLiteral("/nonexistent-folder-of-winstabix/x.pdf");
    const qsizetype before = d.failures.size();
    d.form->ButtonCloseClick();
    ASSERT_EQ(d.failures.size(), before + 1);
    EXPECT_TRUE(d.failures.back().contains("x.pdf"));
    EXPECT_TRUE(d.form->isVisible());
    // A cancelled file dialog prints nothing and says nothing.
    d.pdfAnswer.clear();
    d.form->ButtonCloseClick();
    EXPECT_EQ(d.failures.size(), before + 1);
    EXPECT_TRUE(d.form->isVisible());
    // Cancel closes without printing.
    d.form->Button1->click();
    EXPECT_FALSE(d.form->isVisible());
    EXPECT_EQ(d.failures.size(), before + 1);
    // No page yet: refused.
    Dialog empty({pdfFilePrinter()});
    empty.form->ButtonCloseClick();
    ASSERT_EQ(empty.failures.size(), 1);
    EXPECT_TRUE(empty.failures.front().contains("no page"));
}

}  // namespace
}  // namespace ws
