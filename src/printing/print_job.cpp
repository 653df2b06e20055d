#include "printing/print_job.h"

#include <QFileInfo>
#include <memory>

namespace ws {

namespace {

// Everything the page is drawn from, kept by the page for as long as it lives.
struct SummaryContent {
    std::vector<PageText> texts;
    PrintViews views;
    QFont font;
};

}  // namespace

SummaryPage composeSummaryPage(const PrintJobInput& input) {
    auto content = std::make_shared<const SummaryContent>(
        SummaryContent{summaryTexts(input), printViews(input), pageFont()});
    SummaryPage page;
    page.print.size = kPageSize;
    page.print.draw = [content](Canvas& c) {
        drawSummaryPage(c, content->texts, content->views, content->font);
    };
    if (input.model)
        page.print.title = QFileInfo(QString::fromStdString(input.model->AircraftFileName)).fileName();
    PrintCopies copies = drawPrintCopies(content->views);
    page.Image4 = std::move(copies.top);
    page.Image7 = std::move(copies.view3D);
    page.Image_P = pageImage(page.print);
    return page;
}

QString pdfFileNameFor(const std::string& AircraftFileName) {
    const QFileInfo file(QString::fromStdString(AircraftFileName));
    const QString base =
        file.completeBaseName().isEmpty() ? QStringLiteral("Unknown") : file.completeBaseName();
    const QString folder = file.path();
    return folder == QStringLiteral(".") ? base + QStringLiteral(".pdf")
                                         : folder + QLatin1Char('/') + base + QStringLiteral(".pdf");
}

}  // namespace ws
