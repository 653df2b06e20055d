// The print command in the window: only a finished calculation prints, its
// page goes to the "Printer" dialog, and the dialog writes it out.
#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include "printing/Unit3.h"
#include "window_test_support.h"

namespace ws::testing {
namespace {

// Only the PDF file, so no test depends on the machine's print queues.
struct PdfOnly : PrinterCatalog {
    std::vector<PrinterCaps> printers() const override {
        PrinterCaps pdf;
        pdf.name = QString::fromLatin1(kPdfPrinterName);
        pdf.pdfFile = true;
        pdf.resolutions = {{600, 600}};
        pdf.defaultResolution = {600, 600};
        return {pdf};
    }
    QString defaultPrinterName() const override { return QString::fromLatin1(kPdfPrinterName); }
};

class PrintCommand : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        form->printControls().setPrintDialogFactory([this](QWidget* parent) {
            auto* dialog = new TForm3(std::make_unique<PdfOnly>(), parent);
            dialog->reportFailure = [this](const QString& why) { reported << why; };
            dialog->askPdfFileName = [this](const QString& suggested) {
                suggestedName = suggested;
                return pdfPath;
            };
            return dialog;
        });
    }
    bool printable() {
        return !get<QPushButton>("Button6")->isHidden() && get<QToolButton>("SpeedButton5")->isEnabled() &&
               get<QAction>("Print1")->isEnabled();
    }

    QString pdfPath = text(folder / "summary.pdf");
    QString suggestedName;
    QStringList reported;  // what the dialog reported as failed
};

TEST_F(PrintCommand, OnlyAFinishedCalculationPrintsAndTheDialogWritesAPdfFile) {
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
