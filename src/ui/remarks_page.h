// The remarks page (TabSheet4): one free-text box, the aircraft's remarks.
// The document's history is the only one, so the box keeps none of its own.
// Remarks too long for the box to lay out at typing speed (a line past
// kMaxRemarksLine characters or more than kMaxRemarksLines lines) are shown
// read-only, their beginning with a notice; they are kept and saved as read.
#pragma once

#include <QWidget>

#include "document/aircraft_document.h"

class QPlainTextEdit;

namespace ws {

inline constexpr int kMaxRemarksLine = 10'000;
inline constexpr int kMaxRemarksLines = 20'000;

class RemarksPage : public QWidget {
    Q_OBJECT
  public:
    explicit RemarksPage(AircraftDocument& doc, QWidget* parent = nullptr);
    void showDocument();

  protected:
    void changeEvent(QEvent* event) override;

  private:
    AircraftDocument& doc_;
    bool tooLong_ = false;
    QPlainTextEdit* Memo2 = nullptr;
};

}  // namespace ws
