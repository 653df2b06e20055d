// The balance page (TabSheet6, "Balance"): where the model's centre of
// gravity is as built and how to get it where it belongs. The method that
// stands for the model (mass items or a weighing on two supports), the
// table of mass items with one movable row, the two supports, the ballast
// place, the results and a status line. Every edit goes to the document as
// one step and the results follow at once. Design pixels, see design_scale.h.
#pragma once

#include <QWidget>
#include <array>

#include "document/aircraft_document.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;
class QTableWidgetItem;

namespace ws {

class BalancePage : public QWidget {
    Q_OBJECT
  public:
    explicit BalancePage(AircraftDocument& doc, QWidget* parent = nullptr);
    // The table and fields from the document's balance, then the results.
    void showDocument();
    // The figures, the status line and the buttons' states.
    void showFigures();

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void buildTable();
    void writeTexts();
    void cellChanged(QTableWidgetItem* item);
    void moveCurrent(int by);
    int currentRow() const;  // from 1; 0 without one

    AircraftDocument& doc_;
    QRadioButton* itemsMethod_ = nullptr;     // BalanceItems
    QRadioButton* weighingMethod_ = nullptr;  // BalanceWeighing
    QTableWidget* table_ = nullptr;           // BalanceTable
    QPushButton* add_ = nullptr;
    QPushButton* remove_ = nullptr;
    QPushButton* up_ = nullptr;
    QPushButton* down_ = nullptr;
    std::array<QLineEdit*, 2> supportX_{};
    std::array<QLineEdit*, 2> reading_{};
    QLineEdit* ballastAt_ = nullptr;
    std::array<QLabel*, 7> value_{};  // mass, cg, % chord, margin, target, ballast, move
    QLabel* status_ = nullptr;        // BalanceStatus
    bool showing_ = false;            // the page writes the document's data into its controls
};

}  // namespace ws
