#include "printing/XPrnSet2.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace ws {

PrinterCaps pdfFilePrinter() {
    PrinterCaps pdf;
    pdf.name = QString::fromLatin1(kPdfPrinterName);
    pdf.pdfFile = true;
    pdf.resolutions = {{kPdfResolution, kPdfResolution}};
    pdf.defaultResolution = {kPdfResolution, kPdfResolution};
    pdf.colorCount = 2;
    pdf.colorByDefault = true;
    return pdf;
}

std::vector<PrinterCaps> SystemPrinterCatalog::printers() const {
    std::vector<PrinterCaps> list;
    for (const QPrinterInfo& info : QPrinterInfo::availablePrinters()) {
        PrinterCaps caps;
        caps.name = info.printerName();
        for (const int dpi : info.supportedResolutions()) caps.resolutions.push_back({dpi, dpi});
        const QPrinter probe(info, QPrinter::HighResolution);
        caps.defaultResolution = {probe.resolution(), probe.resolution()};
        caps.colorCount = info.supportedColorModes().contains(QPrinter::Color) ? 2 : 1;
        caps.colorByDefault = info.defaultColorMode() == QPrinter::Color;
        list.push_back(std::move(caps));
    }
    list.push_back(pdfFilePrinter());
    return list;
}

QString SystemPrinterCatalog::defaultPrinterName() const {
    return QPrinterInfo::defaultPrinterName();
}

TXPrintSet::TXPrintSet(std::unique_ptr<PrinterCatalog> catalog) : catalog_(std::move(catalog)) {
    refresh();
}

void TXPrintSet::refresh() {
    const QString keep = current_ >= 0 ? printers_[std::size_t(current_)].name : QString();
    printers_ = catalog_->printers();
    const auto indexOf = [&](const QString& name) {
        for (std::size_t i = 0; i < printers_.size(); ++i)
            if (!name.isEmpty() && printers_[i].name == name) return int(i);
        return -1;
    };
    int index = indexOf(keep);
    if (index < 0) index = indexOf(catalog_->defaultPrinterName());
    if (index < 0 && !printers_.empty()) index = 0;
    current_ = -1;
    selectPrinter(index);
}

bool TXPrintSet::onlyPdfFile() const {
    for (const PrinterCaps& p : printers_)
        if (!p.pdfFile) return false;
    return true;
}

QStringList TXPrintSet::printerNames() const {
    QStringList names;
    for (const PrinterCaps& p : printers_) names << p.name;
    return names;
}

void TXPrintSet::selectPrinter(int index) {
    if (index < 0 || index >= int(printers_.size())) return;
    current_ = index;
    const PrinterCaps& p = printers_[std::size_t(index)];
    fallback_ = {p.defaultResolution};
    // The first use of a printer in this run starts from its own defaults.
    if (!records_.count(p.name)) {
        PrinterSettings s;
        s.PrintQuality = p.defaultResolution.x;
        s.YResolution = p.defaultResolution.y;
        s.ColorMode = p.colorByDefault && p.colorCount >= 2 ? 2 : 1;
        records_[p.name] = s;
    }
}

const PrinterCaps* TXPrintSet::currentPrinter() const {
    return current_ >= 0 ? &printers_[std::size_t(current_)] : nullptr;
}

const std::vector<Resolution>& TXPrintSet::offered() const {
    static const std::vector<Resolution> none;
    const PrinterCaps* p = currentPrinter();
    if (!p) return none;
    if (!p->resolutions.empty()) return p->resolutions;
    return p->defaultResolution.x > 0 ? fallback_ : none;
}

int TXPrintSet::resolutionCount() const {
    return int(offered().size());
}

int TXPrintSet::resolutionX(int i) const {
    return i >= 0 && i < resolutionCount() ? offered()[std::size_t(i)].x : 0;
}

int TXPrintSet::resolutionY(int i) const {
    return i >= 0 && i < resolutionCount() ? offered()[std::size_t(i)].y : 0;
}

bool TXPrintSet::resolutionsReported() const {
    const PrinterCaps* p = currentPrinter();
    return p && !p->resolutions.empty();
}

int TXPrintSet::colorCount() const {
    const PrinterCaps* p = currentPrinter();
    return p ? p->colorCount : 0;
}

PrinterSettings& TXPrintSet::record() {
    return records_[printers_[std::size_t(current_)].name];
}

PrinterSettings TXPrintSet::settings() const {
    const PrinterCaps* p = currentPrinter();
    if (!p) return {};
    return records_.at(p->name);
}

bool TXPrintSet::colorSetting() const {
    return printersAvailable() && settings().ColorMode == 2;
}

void TXPrintSet::setColor(bool color) {
    if (!currentPrinter()) return;
    PrinterSettings& s = record();
    s.ColorMode = color && colorCount() >= 2 ? 2 : 1;
    s.colorSet = true;
}

void TXPrintSet::setResolution(int i) {
    if (!currentPrinter() || i < 0 || i >= resolutionCount()) return;
    PrinterSettings& s = record();
    s.PrintQuality = resolutionX(i);
    s.YResolution = resolutionY(i);
    s.qualitySet = true;
}

}  // namespace ws
