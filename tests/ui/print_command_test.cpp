#include <QFile>
#include <QPushButton>

#include "printing/Unit3.h"
#include "window_test_support.h"

namespace ws::testing {
namespace {

// Only the PDF file, so no test depends on the machine's print queues.
struct PdfOnly : PrinterCatalog {
    std::vector<PrinterCaps> printers() const override {
        return {{QString::fromLatin1(kPdfPrinterName), true, {{600, 600}}, {600, 600}}};
    }
    QString defaultPrinterName() const override { return QString::fromLatin1(kPdfPrinterName); }
};

using PrintCommand = MainWindowTest;

TEST_F(PrintCommand, OnlyAFinishedCalculationPrintsAndTheDialogWritesAPdfFile) {
    const QString pdfPath = text(folder / "summary.pdf");
    QString suggestedName;
    QStringList reported;  // what the dialog reported as failed
    form->printControls().setPrintDialogFactory([&](QWidget* parent) {
        auto* dialog = new TForm3(std::make_unique<PdfOnly>(), parent);
        dialog->reportFailure = [&](const QString& why) { reported << why; };
        dialog->askPdfFileName = [&](const QString& suggested) { return suggestedName = suggested, pdfPath; };
        return dialog;
    });
    const auto printable = [this] {
        return !get<QPushButton>("Button6")->isHidden() && get<QToolButton>("SpeedButton5")->isEnabled() &&
               get<QAction>("Print1")->isEnabled();
    };
    EXPECT_FALSE(printable());
    form->printControls().Print1Click();
    EXPECT_EQ(form->printControls().printDialog(), nullptr);
    get<QPushButton>("Button4")->click();
    EXPECT_TRUE(printable());
    get<QToolButton>("SpeedButton5")->click();
    TForm3* dialog = form->printControls().printDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(form->printControls().printedPage().Image_P.size(), QSize(985, 1502));
    dialog->ButtonClose->click();  // "Print"; Button1 is "Cancel"
    EXPECT_TRUE(reported.isEmpty()) << reported.join('\n').toStdString();
    EXPECT_EQ(suggestedName, "Unknown.pdf");
    QFile pdf(pdfPath);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
    EXPECT_GT(pdf.size(), 10000);
    // Printing does not withdraw the results it prints; an edit does.
    EXPECT_TRUE(printable());
    get<QLineEdit>("Edit4")->setText("250");
    EXPECT_FALSE(printable());
}

}  // namespace
}  // namespace ws::testing
