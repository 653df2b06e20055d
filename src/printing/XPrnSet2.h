// The printer settings component: the installed printers, the capabilities
// of the selected one and the settings a print job is made with. A thin
// layer of the program's own over the platform's printer list; the list
// itself comes from a PrinterCatalog, so the rules can be driven by a test.
#pragma once

#include <QString>
#include <QStringList>
#include <map>
#include <memory>
#include <vector>

namespace ws {

struct Resolution {
    int x = 0, y = 0;  // dots per inch
    bool operator==(const Resolution&) const = default;
};

// One printer as the platform describes it.
struct PrinterCaps {
    QString name;
    bool pdfFile = false;                 // the page goes into a PDF file, not to a queue
    std::vector<Resolution> resolutions;  // in the order the printer reports them
    Resolution defaultResolution;         // what a job gets when it asks for none
    int colorCount = 2;                   // 1 for a monochrome printer
    bool colorByDefault = true;
};

// The platform's printer list, asked afresh on every refresh.
class PrinterCatalog {
  public:
    virtual ~PrinterCatalog() = default;
    virtual std::vector<PrinterCaps> printers() const = 0;
    virtual QString defaultPrinterName() const = 0;
};

// The system's print queues (QPrinterInfo), followed by "PDF file".
class SystemPrinterCatalog : public PrinterCatalog {
  public:
    std::vector<PrinterCaps> printers() const override;
    QString defaultPrinterName() const override;
};

inline constexpr const char* kPdfPrinterName = "PDF file";
inline constexpr int kPdfResolution = 600;
PrinterCaps pdfFilePrinter();

// The device-mode record of a printer: its print settings for this run.
struct PrinterSettings {
    int PrintQuality = 0;     // horizontal dpi
    int YResolution = 0;      // vertical dpi
    int ColorMode = 1;        // 1 monochrome, 2 colour
    bool qualitySet = false;  // field mask: print quality and vertical resolution
    bool colorSet = false;    // field mask: colour mode
};

class TXPrintSet {
  public:
    explicit TXPrintSet(std::unique_ptr<PrinterCatalog> catalog);

    // Reads the printer list again; the current printer stays current while
    // it is still there, else the system's default, else the first.
    void refresh();

    bool printersAvailable() const { return !printers_.empty(); }
    // No queue of the system, at most the PDF file.
    bool onlyPdfFile() const;
    QStringList printerNames() const;
    int currentPrinterIndex() const { return current_; }  // -1 when none
    void selectPrinter(int index);
    const PrinterCaps* currentPrinter() const;

    // The selected printer's resolutions; 0 for an index outside 0..count-1.
    // A printer that reports none offers its default resolution as the only one.
    int resolutionCount() const;
    int resolutionX(int i) const;
    int resolutionY(int i) const;
    bool resolutionsReported() const;  // false when only the default stands in

    int colorCount() const;
    bool colorSetting() const;
    void setColor(bool color);
    void setResolution(int i);

    // The record of the selected printer (a blank one when none).
    PrinterSettings settings() const;

  private:
    const std::vector<Resolution>& offered() const;
    PrinterSettings& record();

    std::unique_ptr<PrinterCatalog> catalog_;
    std::vector<PrinterCaps> printers_;
    int current_ = -1;
    std::map<QString, PrinterSettings> records_;  // by printer name, kept across refreshes
    std::vector<Resolution> fallback_;
};

}  // namespace ws
