// The printing component: one print job on the selected printer (or into a
// PDF file) with a drawing surface in device pixels. A thin layer of the
// program's own over QPrinter.
#pragma once

#include <QFont>
#include <QPainter>
#include <QRect>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "printing/XPrnSet2.h"
#include "printing/print_page.h"

class QPrinter;

namespace ws {

enum class PrintOrientation { xpoPortrait, xpoLandscape };

// A rectangle given by its edges, right and bottom exclusive, device pixels.
struct DeviceRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const DeviceRect&) const = default;
    QRect toQRect() const { return QRect(left, top, right - left, bottom - top); }
};

// Where the page picture goes at a horizontal resolution of `dpiX`: 800 x
// 1220 units of 3.4/600 inch, 105 and 100 units in from the printable
// area's corner; edges rounded to the nearest pixel, halves to even.
DeviceRect pageRectangle(int dpiX);

class TXPrint {
  public:
    TXPrint();
    ~TXPrint();
    TXPrint(const TXPrint&) = delete;
    TXPrint& operator=(const TXPrint&) = delete;

    // Settings of every job, as the dialog leaves them.
    double MarginLeft = 0, MarginTop = 0, MarginRight = 0, MarginBottom = 0;  // beyond the printable area
    PrintOrientation Orientation = PrintOrientation::xpoPortrait;
    int Copies = 1;
    QString Title = QStringLiteral("XPrintSet Demo");  // the job's name and the PDF's title
    QString Creator;                                   // "WinStabix" and the version

    // Starts the job on `printer` with its `settings`; a PDF printer writes
    // `pdfPath`. False, with errorText(), when the job cannot be started.
    bool BeginDoc(const PrinterCaps& printer, const PrinterSettings& settings, const QString& pdfPath = {});
    bool printing() const { return printing_; }
    // The page drawn into `rect` (device pixels) at the printer's resolution;
    // monochrome jobs get it in grey.
    void DrawPage(const DeviceRect& rect, const PrintPage& page);
    // The paper a job on `printer` with `settings` prints on; nothing (with
    // errorText()) when the printer is no longer installed.
    std::optional<Paper> PaperOf(const PrinterCaps& printer, const PrinterSettings& settings);
    // One sheet per page of a PaperDocument, at true scale.
    void DrawSheets(const std::vector<PrintPage>& pages);
    // Ends and submits the job. False, with errorText(), when it failed.
    bool EndDoc();
    QString errorText() const { return error_; }

  private:
    // A printer set up as a job on `printer` gets it; null when it is gone.
    std::unique_ptr<QPrinter> configured(const PrinterCaps& printer, const PrinterSettings& settings,
                                         const QString& pdfPath);
    std::unique_ptr<QPrinter> printer_;
    QPainter painter_;
    bool printing_ = false;
    QString pdfPath_;
    QString error_;
};

}  // namespace ws
