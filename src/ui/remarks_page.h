// The remarks page (TabSheet4): one free-text box, the aircraft's remarks.
// The document's history is the only one, so the box keeps none of its own.
#pragma once

#include <QWidget>

#include "document/aircraft_document.h"

class QPlainTextEdit;

namespace ws {

class RemarksPage : public QWidget {
    Q_OBJECT
  public:
    explicit RemarksPage(AircraftDocument& doc, QWidget* parent = nullptr);
    void showDocument();

  private:
    AircraftDocument& doc_;
    QPlainTextEdit* Memo2 = nullptr;
};

}  // namespace ws
