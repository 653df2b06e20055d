// The aircraft page (TabSheet5): the wing-count choice, the position fields
// over the position sketches, the calculate button with its countdown, the
// stability choice, the print button, the message box (its text is the
// window's) and the two aircraft views. It shows the document and sends the
// user's choices to it. Design pixels, see design_scale.h.
#pragma once

#include <QWidget>
#include <array>

#include "document/aircraft_document.h"
#include "ui/aircraft_views.h"

class QAction;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace ws {

class ImageWidget;
class TailVolumeLabels;

class AircraftPage : public QWidget {
    Q_OBJECT
  public:
    // Button4 stands for `calculate`, Button6 for `print`.
    AircraftPage(AircraftDocument& doc, MouseState& mouse, QAction* calculate, QAction* print,
                 QWidget* parent = nullptr);

    // Everything from the document: fields, choices, pictures, views.
    void showDocument();
    // What the controls' visibility follows: the calculation running, its
    // results, the wing count and the stability choice.
    void showState();
    // The calculate command (Button4Click): the document's calculation with
    // its countdown in Label24, then the beep.
    void Button4Click();
    void fitTo(QSize page) { views_->fitTo(page); }
    void redraw() { views_->redraw(); }
    QRect fixedControls() const;
    QPlainTextEdit* messageBox() const { return Memo1; }
    const AircraftViews& views() const { return *views_; }

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void showChange(const AircraftChange& change);
    void showStability();
    void writeWingNames();

    AircraftDocument& doc_;
    std::array<QRadioButton*, kMaxWings + 1> wingCount_{};  // [1..3] RadioButton1..3
    std::array<ImageWidget*, kMaxWings + 1> picture_{};     // [1..3] Image5, Image55, Image555
    std::array<QLineEdit*, kMaxWings + 1> posX_{};          // [1..3] Edit_x1..3
    std::array<QLineEdit*, kMaxWings + 1> posZ_{};          // [1..3] Edit_z1..3
    QPushButton* Button4 = nullptr;
    QLabel* Label24 = nullptr;  // the countdown
    QLabel* Label_w = nullptr;
    QRadioButton* RadioButton15 = nullptr;
    QRadioButton* RadioButton16 = nullptr;
    QLabel* Label22 = nullptr;
    QLineEdit* Edit31 = nullptr;
    QLabel* Label21 = nullptr;
    QPushButton* Button6 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    AircraftViews* views_ = nullptr;
    TailVolumeLabels* tailVolumes_ = nullptr;  // Label_V2, Label_V3
};

}  // namespace ws
