#include "printing/print_job.h"

#include <QFileInfo>

namespace ws {

SummaryPage composeSummaryPage(const PrintJobInput& input) {
    PrintCopies copies = drawPrintCopies(input);
    SummaryPage page{std::move(copies.top), std::move(copies.view3D), QImage(kPageSize, QImage::Format_RGB32)};
    drawSummaryPage(page.Image_P, summaryTexts(input), page.Image4, page.Image7, pageFont());
    return page;
}

QString pdfFileNameFor(const std::string& AircraftFileName) {
    const QFileInfo file(QString::fromStdString(AircraftFileName));
    const QString base = file.completeBaseName().isEmpty() ? QStringLiteral("Unknown") : file.completeBaseName();
    const QString folder = file.path();
    return folder == QStringLiteral(".") ? base + QStringLiteral(".pdf")
                                         : folder + QLatin1Char('/') + base + QStringLiteral(".pdf");
}

}  // namespace ws
