#include "printing/XPrint.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>

#include "model/number_format.h"

namespace ws {

namespace {

// Why a file cannot be written, found without creating it.
QString fileProblem(const QString& path) {
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    if (!folder.isDir())
        return QCoreApplication::translate("ws::TXPrint", "the folder %1 does not exist")
            .arg(folder.absoluteFilePath());
    if (!folder.isWritable())
        return QCoreApplication::translate("ws::TXPrint", "the folder %1 is not writable")
            .arg(folder.absoluteFilePath());
    if (file.exists() && !file.isWritable())
        return QCoreApplication::translate("ws::TXPrint", "the file is write-protected");
    return QCoreApplication::translate("ws::TXPrint", "the file cannot be opened");
}

}  // namespace

DeviceRect pageRectangle(int dpiX) {
    const double f = dpiX / 600.0 * 3.4;
    return {roundInt(105 * f), roundInt(100 * f), roundInt(905 * f), roundInt(1320 * f)};
}

TXPrint::TXPrint() : Creator(QStringLiteral("WinStabix " WINSTABIX_VERSION)) {}

TXPrint::~TXPrint() {
    if (painter_.isActive()) painter_.end();
}

std::unique_ptr<QPrinter> TXPrint::configured(const PrinterCaps& printer, const PrinterSettings& settings,
                                              const QString& pdfPath) {
    std::unique_ptr<QPrinter> job;
    if (printer.pdfFile) {
        job = std::make_unique<QPrinter>(QPrinter::HighResolution);
        job->setOutputFormat(QPrinter::PdfFormat);
        job->setOutputFileName(pdfPath);
        job->setPageSize(QPageSize(QPageSize::A4));
    } else {
        const QPrinterInfo info = QPrinterInfo::printerInfo(printer.name);
        if (info.isNull()) {
            error_ = QCoreApplication::translate("ws::TXPrint", "The printer \"%1\" is no longer installed.")
                         .arg(printer.name);
            return nullptr;
        }
        job = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    }
    if (settings.PrintQuality > 0) job->setResolution(settings.PrintQuality);
    job->setColorMode(settings.ColorMode == 2 ? QPrinter::Color : QPrinter::GrayScale);
    job->setDocName(Title);
    job->setCreator(Creator);
    job->setCopyCount(Copies);
    job->setPageOrientation(Orientation == PrintOrientation::xpoPortrait ? QPageLayout::Portrait
                                                                         : QPageLayout::Landscape);
    // Zero margins beyond what the printer cannot reach: device pixel (0, 0)
    // is the corner of the printable area.
    const QPageLayout layout = job->pageLayout();
    const QMarginsF least = layout.minimumMargins();
    job->setPageMargins(least + QMarginsF(MarginLeft, MarginTop, MarginRight, MarginBottom), layout.units());
    return job;
}

std::optional<Paper> TXPrint::PaperOf(const PrinterCaps& printer, const PrinterSettings& settings) {
    error_.clear();
    const std::unique_ptr<QPrinter> job = configured(printer, settings, {});
    if (!job) return std::nullopt;
    return Paper{job->pageLayout().paintRect(QPageLayout::Millimeter).size(), job->resolution() / 25.4};
}

bool TXPrint::BeginDoc(const PrinterCaps& printer, const PrinterSettings& settings, const QString& pdfPath) {
    error_.clear();
    if (printing_) {
        error_ = QCoreApplication::translate("ws::TXPrint", "A print job is already running.");
        return false;
    }
    printer_ = configured(printer, settings, pdfPath);
    if (!printer_) return false;

    if (!painter_.begin(printer_.get())) {
        error_ =
            printer.pdfFile
                ? QCoreApplication::translate("ws::TXPrint", "The PDF file \"%1\" cannot be written: %2.")
                      .arg(QFileInfo(pdfPath).fileName(), fileProblem(pdfPath))
                : QCoreApplication::translate("ws::TXPrint", "The print job on \"%1\" could not be started.")
                      .arg(printer.name);
        printer_.reset();
        return false;
    }
    pdfPath_ = printer.pdfFile ? pdfPath : QString();
    printing_ = true;
    return true;
}

void TXPrint::DrawPage(const DeviceRect& rect, const PrintPage& page) {
    if (!printing_) return;
    drawPage(painter_, rect.toQRect(), page);
}

void TXPrint::DrawSheets(const std::vector<PrintPage>& pages) {
    if (!printing_) return;
    const double x = printer_->logicalDpiX() / 25.4 / kPaperUnitsPerMm;
    const double y = printer_->logicalDpiY() / 25.4 / kPaperUnitsPerMm;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0) printer_->newPage();
        const QSize size = pages[i].size;
        drawPage(painter_, QRectF(0, 0, size.width() * x, size.height() * y), pages[i]);
    }
}

bool TXPrint::EndDoc() {
    if (!printing_) {
        error_ = QCoreApplication::translate("ws::TXPrint", "No print job is running.");
        return false;
    }
    printing_ = false;
    const bool ended = painter_.end();
    const bool failed = printer_->printerState() == QPrinter::Error;
    printer_.reset();
    if (!ended || failed) {
        error_ = QCoreApplication::translate("ws::TXPrint", "The print job could not be completed.");
        return false;
    }
    if (!pdfPath_.isEmpty() && QFileInfo(pdfPath_).size() == 0) {
        error_ = QCoreApplication::translate("ws::TXPrint", "The PDF file \"%1\" was left empty.")
                     .arg(QFileInfo(pdfPath_).fileName());
        return false;
    }
    return true;
}

}  // namespace ws
