#include "printing/template_print.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <cmath>
#include <memory>

#include "export/template_pages.h"
#include "views/view_colors.h"

namespace ws {

namespace {

struct Stroke {
    QColor colour;
    double width;  // mm
    Qt::PenStyle style;
};

Stroke strokeOf(TemplateStroke stroke, int wing) {
    switch (stroke) {
        case TemplateStroke::Outline:
            return {viewWingColor(wing), 0.3, Qt::SolidLine};
        case TemplateStroke::CentreLine:
            return {Qt::black, 0.2, Qt::DashDotLine};
        case TemplateStroke::Mac:
            return {viewWingColor(wing), 0.2, Qt::DashLine};
        case TemplateStroke::NeutralPoint:
            return {Qt::red, 0.4, Qt::SolidLine};
        case TemplateStroke::CentreOfGravity:
            return {Qt::blue, 0.4, Qt::SolidLine};
        case TemplateStroke::OverlapEdge:
            return {Qt::gray, 0.15, Qt::DotLine};
        case TemplateStroke::Registration:
            return {Qt::black, 0.2, Qt::SolidLine};
        case TemplateStroke::ScaleBar:
            return {Qt::black, 0.3, Qt::SolidLine};
    }
    return {Qt::black, 0.2, Qt::SolidLine};
}

int units(double mm) {
    return int(std::lround(mm * kPaperUnitsPerMm));
}

void drawTemplatePage(Canvas& c, const TemplatePage& page, int wing, double dotsPerMm) {
    for (const TemplateLine& l : page.lines) {
        const Stroke s = strokeOf(l.stroke, wing);
        c.setPenColor(s.colour);
        c.setPenStyle(s.style);
        c.setPenWidth(std::max(1, int(std::lround(s.width * dotsPerMm))));
        c.line(units(l.x1), units(l.y1), units(l.x2), units(l.y2));
    }
    // Transparent cells: a page's name and bar may stand over the drawing.
    c.setBrushColor(Qt::transparent);
    c.setFontColor(Qt::black);
    QFont font = defaultCanvasFont();
    for (const TemplateText& t : page.texts) {
        // The text's cap height is the size asked for.
        font.setPixelSize(100);
        const double perPixel = QFontMetricsF(font).capHeight() / 100;
        font.setPixelSize(std::max(1, units(t.size / perPixel)));
        c.setFont(font);
        c.textOut(units(t.x), units(t.y) - int(std::lround(QFontMetricsF(font).ascent())),
                  QString::fromStdString(t.text));
    }
}

}  // namespace

PaperDocument templateDocument(const ExportSource& source, int wing, bool bothHalves) {
    PaperDocument document;
    document.title = QString::fromStdString(aircraftTitle(source.model));
    document.pages = [source, wing,
                      bothHalves](const Paper& paper) -> std::variant<std::vector<PrintPage>, QString> {
        // Whole hundredths, so that the request and the drawing's size agree.
        const QSize size(units(paper.printable.width()), units(paper.printable.height()));
        const TemplateRequest request{wing, bothHalves, double(size.width()) / kPaperUnitsPerMm,
                                      double(size.height()) / kPaperUnitsPerMm};
        auto made = templatePages(source, request);
        if (const auto* error = std::get_if<TemplateError>(&made)) {
            // The count is the one refusal a user can act on; it is said in the window's language.
            if (error->refusal == TemplateRefusal::TooManySheets)
                return QCoreApplication::translate(
                           "Print", "The template would take %1 sheets, more than %2: it is not printed.")
                    .arg(error->sheets)
                    .arg(kTemplateMaxSheets);
            return QString::fromStdString(error->reason);
        }
        const auto layout = std::make_shared<const TemplateLayout>(std::get<TemplateLayout>(std::move(made)));
        std::vector<PrintPage> pages;
        for (std::size_t i = 0; i < layout->pages.size(); ++i) {
            const double dotsPerMm = paper.dotsPerMm;
            pages.push_back({size,
                             [layout, i, dotsPerMm](Canvas& c) {
                                 drawTemplatePage(c, layout->pages[i], layout->wing, dotsPerMm);
                             },
                             QString::fromStdString(layout->pages[i].name)});
        }
        return pages;
    };
    return document;
}

}  // namespace ws
