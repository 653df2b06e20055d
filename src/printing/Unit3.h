// The print settings dialog "Printer": printer, resolution and colour, then
// the page picture is printed into its fixed rectangle, or nothing happens.
// Shown without blocking the main window; its texts are the design's in
// English and German, translated in French and Spanish, and it lays out in
// plain pixels with an 11-pixel font (its design is the 96-dpi one, unlike
// the main window's).
#pragma once

#include <QDialog>
#include <functional>
#include <memory>

#include "printing/XPrint.h"
#include "printing/XPrnSet2.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace ws {

class TForm3 : public QDialog {
    Q_OBJECT
  public:
    explicit TForm3(std::unique_ptr<PrinterCatalog> catalog = std::make_unique<SystemPrinterCatalog>(),
                    QWidget* parent = nullptr);
    ~TForm3() override;

    // The page the Print button sends, titled as the page says; `pdfName` is
    // the file name offered when the page goes into a PDF file.
    void setPage(const PrintPage& page, const QString& pdfName = {});
    // setPage, then shown beside the main window without blocking it and
    // made the active window (which refills it).
    void showPage(const PrintPage& page, const QString& pdfName = {});
    // A document laid out for the chosen printer's paper, in place of a page;
    // shown as showPage does.
    void showDocument(const PaperDocument& document, const QString& pdfName = {});

    // Refills the printer list, the resolutions and the colour box; runs on
    // creation and whenever the dialog becomes the active window, where a
    // list without any printer of the system is also reported, once.
    void FormActivate();
    void ComboBox1Change(int index);
    void CheckBoxColorClick();
    void ButtonCloseClick();
    void Button1Click();

    TXPrintSet XPrnSet2;
    TXPrint XPrint;

    // Asked for the PDF file's path (empty: cancelled) and told of a failure
    // or of a missing printer; a test replaces them, the defaults are a file
    // dialog ("*.pdf") and a warning box. After a failure the dialog stays open.
    std::function<QString(const QString& suggested)> askPdfFileName;
    std::function<void(const QString& reason)> reportFailure;
    // Told where a PDF file was written; the default is an information box.
    std::function<void(const QString& path)> reportWritten;

    QComboBox* ComboBox1 = nullptr;
    QLabel* Label2 = nullptr;
    QTableWidget* StringGrid2 = nullptr;
    QCheckBox* CheckBoxColor = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* ButtonClose = nullptr;

  protected:
    bool event(QEvent* e) override;
    void changeEvent(QEvent* e) override;

  private:
    void writeTexts();
    void refillResolutions();
    void refillColour();
    void fail(const QString& reason);
    void tellIfNoPrinter();

    bool refilling_ = false;
    bool noPrinterTold_ = false;  // once until a printer appears
    PrintPage page_;
    PaperDocument document_;
    QString pdfName_;
};

}  // namespace ws
