// Two aircraft side by side, read-only: the aircraft being edited and one
// from a file (its own file: the state last saved). Their planforms overlaid
// as in the top view (nose up; the file's dashed), and a table of each
// wing's span, area and mean chord, the neutral point and the recommended
// centre-of-gravity range with their differences (file − this). The document
// is only read. Lengths mm, x rearwards.
#pragma once

#include <QDialog>
#include <QString>

#include "solver/calculation.h"

class QLabel;
class QTableWidget;

namespace ws {

class AircraftDocument;
class PlanformOverlay;

class CompareDialog : public QDialog {
    Q_OBJECT
  public:
    explicit CompareDialog(const AircraftDocument& document, QWidget* parent = nullptr);
    // Compares with the aircraft file at `path`: why it cannot be read, empty when shown.
    QString compareWith(const QString& path);
    QTableWidget* table() const { return table_; }

  private:
    void fill(const QString& otherName);

    const AircraftDocument& doc_;
    AircraftModel mine_, other_;
    CalcResult mineResult_, otherResult_;
    PlanformOverlay* overlay_;
    QTableWidget* table_;
    QLabel* legend_;
};

}  // namespace ws
