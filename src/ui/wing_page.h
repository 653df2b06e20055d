// A wing page (TabSheet1..3): the trapezium choice, the entry fields over
// the dimension sketch, the centre-gap warning, the planform view whose
// corners can be dragged, and the value labels. It shows wing w of the
// document and sends the user's edits to it. Design pixels, see design_scale.h.
#pragma once

#include <QWidget>
#include <array>

#include "document/aircraft_document.h"
#include "editing/mouse_state.h"
#include "editing/wing_fields.h"

class QLabel;
class QLineEdit;
class QRadioButton;

namespace ws {

class ImageWidget;

class WingPage : public QWidget {
    Q_OBJECT
  public:
    // `mouse` is shared with the other views of the window.
    WingPage(AircraftDocument& doc, MouseState& mouse, int w, QWidget* parent = nullptr);

    // Everything from the document: fields, choice, pictures and labels.
    void showDocument();
    // The planform view takes the rest of the page, of size `page`.
    void fitTo(QSize page);
    // The planform view and the value labels anew (Calc_W1..3).
    void redraw() { Calc_W(); }
    // Pixels per mm of the planform view as last drawn; the mouse editing reads it.
    double PlanformScale() const { return planformScale_; }
    // The controls of fixed place (all but the planform view), in page pixels.
    QRect fixedControls() const;

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void showChange(const AircraftChange& change);
    // Field i as the document has it, marked when it reads as another value.
    void showField(int i);
    void showTrapeziumFields();
    // The planform view and the value labels (Calc_W1..3).
    void Calc_W();
    // The centre-gap warning of this wing.
    void Space1();
    void showResults();
    void drawSchematic();
    QLineEdit* fieldOf(WingField f) const;
    void PlanformMouseDown(int x, int y);
    void PlanformMouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x, int y);
    void PlanformMouseUp(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x, int y);

    AircraftDocument& doc_;
    MouseState& mouse_;
    const int w_;
    std::array<QRadioButton*, kMaxTrapeziums + 1> trap_{};  // [1..4]
    std::array<QLineEdit*, kPosXField> field_{};            // in load order; x and z are on the aircraft page
    ImageWidget* schematic_ = nullptr;
    ImageWidget* planform_ = nullptr;
    std::array<QLabel*, 2> warning_{};
    std::array<QLabel*, 5> value_{};  // b, s, lm, lam, r25
    QLabel* anpCaption_ = nullptr;
    QLabel* anpValue_ = nullptr;
    double planformScale_ = 0;
};

}  // namespace ws
