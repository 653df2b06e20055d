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

#include "golden.h"
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

// The dialog as the user sees it after each step: printers (* current),
// resolution rows, the colour box, what the settings hold and every failure.
std::string shown(Dialog& d, const char* step) {
    TForm3& f = *d.form;
    QString out = QString::fromLatin1(step) + ":";
    for (int i = 0; i < f.ComboBox1->count(); ++i)
        out += (i == f.ComboBox1->currentIndex() ? " *" : " ") + f.ComboBox1->itemText(i);
    out += " |";
    for (int r = 0; r < f.StringGrid2->rowCount(); ++r)
        out += " " + d.cellText(r, 0) + " " + d.cellText(r, 1);
    out += QStringLiteral(" | colour %1%2 mode %3 set %4 x %5 |")
               .arg(f.CheckBoxColor->isEnabled() ? "enabled " : "")
               .arg(f.CheckBoxColor->isChecked() ? "checked" : "unchecked")
               .arg(f.XPrnSet2.settings().ColorMode)
               .arg(f.XPrnSet2.settings().colorSet)
               .arg(f.XPrnSet2.resolutionX(0));
    out += d.failures.join(" / ") + "\n";
    d.failures.clear();
    return out.toStdString();
}

TEST(GoldenPrintDialog, PrintersResolutionsAndColour) {
    std::string out;
    {
        Dialog d({printer("Mono", {{300, 300}}, 1), printer("Office", {{600, 600}, {1200, 600}}, 2),
                  pdfFilePrinter()},
                 "Office");
        out += shown(d, "default printer first");
        d.form->ComboBox1Change(0);
        out += shown(d, "monochrome");
        d.form->ComboBox1Change(1);
        out += shown(d, "colour again");
        d.form->CheckBoxColor->click();
        out += shown(d, "clicked to monochrome");
        d.activate();
        out += shown(d, "refilled");
        d.form->ComboBox1Change(2);
        d.printers->erase(d.printers->begin() + 2);
        d.activate();
        out += shown(d, "current printer gone");
    }
    {
        Dialog d({printer("Bare", {}, 2, {360, 360})});
        out += shown(d, "no reported resolution");
        d.form->setPage(test::blankPage());
        d.printers->front().defaultResolution = {};
        d.activate();
        d.form->ButtonCloseClick();
        out += shown(d, "no resolution at all, printed");
    }
    {
        Dialog d({pdfFilePrinter()});
        out += shown(d, "pdf file only, not shown yet");
        d.activate();
        d.activate();
        out += shown(d, "activated twice");
        d.printers->insert(d.printers->begin(), printer("New", {{300, 300}}, 1));
        d.activate();
        out += shown(d, "a printer installed");
    }
    test::expectGolden("print-dialog.txt", out);
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

    // Only inside the 600-dpi rectangle (357, 340)-(3077, 4488), 2 raster pixels of slack.
    const std::vector<QImage> pages = test::rasterise(d.pdfAnswer, 100);
    ASSERT_EQ(pages.size(), 1u) << "pdftoppm (poppler-utils) missing or failing";
    const QImage& raster = pages.front();
    const QRect inside(roundInt(357 / 6.0), roundInt(340 / 6.0), roundInt(2720 / 6.0), roundInt(4148 / 6.0));
    EXPECT_EQ(test::inkPixels(raster, raster.rect()), test::inkPixels(raster, inside.adjusted(-2, -2, 2, 2)));
    EXPECT_GT(test::darkPixels(raster, inside), 500);
    EXPECT_GT(test::pixelsIn(raster, inside, [](QRgb c) { return qRed(c) != qBlue(c); }), 100);  // in colour
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
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("x.pdf"));
    // A cancelled file dialog (no name) prints nothing and says nothing.
    for (const auto& [path, why] :
         {std::pair{QStringLiteral("/nonexistent-folder-of-winstabix/x.pdf"),
                    "/nonexistent-folder-of-winstabix does not exist"},
          std::pair{dir.filePath(QStringLiteral("x.pdf")), "cannot be opened"}, std::pair{QString(), ""}}) {
        d.failures.clear();
        d.pdfAnswer = path;
        d.form->ButtonCloseClick();
        EXPECT_TRUE(!*why || d.failures.join(' ').contains(why)) << d.failures.join(' ').toStdString();
        EXPECT_EQ(d.failures.size(), *why ? 1 : 0);
        EXPECT_TRUE(d.form->isVisible());
    }
    d.form->Button1->click();  // cancel
    EXPECT_FALSE(d.form->isVisible());
    EXPECT_TRUE(d.failures.isEmpty());
    Dialog empty({pdfFilePrinter()});
    empty.form->ButtonCloseClick();
    ASSERT_EQ(empty.failures.size(), 1);
    EXPECT_TRUE(empty.failures.front().contains("no page"));
}

}  // namespace
}  // namespace ws
