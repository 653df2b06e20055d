// The print controls (the File menu's Print1, the tool button SpeedButton5
// and Button6 on the aircraft page, all one action): the summary page of the
// document's finished calculation, handed to the "Printer" dialog, which is
// made on first use and also takes the 1:1 templates.
#pragma once

#include <QObject>
#include <functional>

#include "document/aircraft_document.h"
#include "printing/print_job.h"

class QAction;
class QWidget;

namespace ws {

class TForm3;

class PrintControls : public QObject {
    Q_OBJECT
  public:
    PrintControls(const AircraftDocument& doc, QWidget* window, QAction* print);

    // Tests give the dialog fake printers.
    void setPrintDialogFactory(std::function<TForm3*(QWidget* parent)> factory);
    // The dialog, made now if it was not yet; printDialog() gives null until then.
    TForm3* dialog();
    TForm3* printDialog() const { return dialog_; }
    const SummaryPage& printedPage() const { return page_; }
    void Print1Click();

  private:
    const AircraftDocument& doc_;
    QWidget* window_;
    std::function<TForm3*(QWidget* parent)> makeDialog_;
    TForm3* dialog_ = nullptr;
    SummaryPage page_;
};

}  // namespace ws
