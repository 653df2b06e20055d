// The tail volume of each further wing on the aircraft page, in the corner
// of its position sketch, live from the planforms (stability/tail_volume.h),
// its usual range in the hint. Design pixels.
#pragma once

#include <QObject>
#include <array>

#include "document/aircraft_document.h"

class QLabel;
class QWidget;

namespace ws {

class TailVolumeLabels : public QObject {
    Q_OBJECT
  public:
    // On `page`, over the position sketches of wings 2 and 3.
    TailVolumeLabels(AircraftDocument& doc, QWidget* page);
    // From the document, in the language in force.
    void show();

  private:
    AircraftDocument& doc_;
    std::array<QLabel*, kMaxWings + 1> label_{};  // [2..3] Label_V2, Label_V3
};

}  // namespace ws
