// The aircraft top view of the window and the centre-of-gravity display on
// it: STABIL, the pointers, the zoom bar, the two stability modes.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QToolButton>

#include "editing/view_drag.h"
#include "ui/WinStabix2.h"
#include "ui/aircraft_document.h"
#include "ui/image_widget.h"
#include "views/canvas.h"
#include "views/stability_view.h"

namespace ws {

void TForm1::clearTopView() {
    ImageWidget* view = aircraft_.Image2;
    {
        Canvas c(view->image());
        clearAircraftView(c);
    }
    view->update();
}

void TForm1::drawTopView() {
    ImageWidget* view = aircraft_.Image2;
    {
        Canvas c(view->image());
        topView_ = d_1d(c, aircraftDrawing(model()), topView_, false, UiEnglish_);
    }
    view->update();
}

void TForm1::STABIL(bool keepZoom) {
    if (!doc_->ResultsValid()) return;
    CalcResult& calc = doc_->calculationTarget();
    const Evaluation& e = calc.evaluation;
    calc.stability = stabilityNumbers(model().CalcWingCount, e.AnpAircraft, e.RefChord, marginDesired());
    const AircraftDrawing aircraft = aircraftDrawing(model());
    StabilityBackground background;
    background.aircraft = &aircraft;
    background.lattice = &latticeDrawing_;
    background.RefOutline =
        std::span<const OutlinePoint>(e.RefOutline.data(), static_cast<std::size_t>(e.RefOutlineCount));
    // Results from a file have no lattice: neither it nor the reference wing is drawn.
    background.LatticeValid = doc_->LatticeValid();
    background.UiEnglish = UiEnglish_;

    ImageWidget* view = aircraft_.Image2;
    {
        Canvas c(view->image());
        topView_ = drawStabilityView(c, background, currentStabilityDisplay(), topView_, keepZoom);
    }
    view->update();
}

void TForm1::Zeiger() {
    if (!doc_->ResultsValid()) return;
    ImageWidget* view = aircraft_.Image2;
    {
        Canvas c(view->image());
        ws::Zeiger(c, currentStabilityDisplay(), topView_);
    }
    view->update();
}

void TForm1::ScrollBar3Change() {
    const double base = topView_.TopViewBaseScale;
    const double zoomed = base * (1 + 0.04 * (100 - aircraft_.ScrollBar3->value()));
    topView_.TopViewScale = zoomed > base ? zoomed : base;
    if (doc_->ResultsValid()) {
        STABIL(true);
    } else {
        ImageWidget* view = aircraft_.Image2;
        {
            Canvas c(view->image());
            clearAircraftView(c);
            topView_ = d_1d(c, aircraftDrawing(model()), topView_, true, UiEnglish_);
        }
        view->update();
    }
    // The marks have moved away from their rows.
    if (topView_.TopViewScale > base) Zeiger();
}

void TForm1::stabilityModeChoice(bool manual) {
    aircraft_.ScrollBar3->setValue(100);
    aircraft_.Label22->setVisible(manual);
    aircraft_.Edit31->setVisible(manual);
    aircraft_.Label21->setVisible(manual);
    STABIL();
}

StabilityDisplay TForm1::currentStabilityDisplay() const {
    const CalcResult& calc = calculation();
    const Evaluation& e = calc.evaluation;
    return stabilityDisplay(calc.stability, e.RefArea, e.RefChord, e.AnpAircraft,
                            aircraft_.RadioButton16->isChecked(), UiEnglish_);
}

void TForm1::applyTopViewCursor() {
    if (topViewCursor(doc_->ResultsValid()) == CursorShape::Drag)
        aircraft_.Image2->setCursor(Qt::OpenHandCursor);
    else
        aircraft_.Image2->unsetCursor();
}

void TForm1::connectStabilityControls() {
    connect(aircraft_.ScrollBar3, &QScrollBar::valueChanged, this, [this] { ScrollBar3Change(); });
    connect(aircraft_.RadioButton15, &QRadioButton::toggled, this, [this](bool on) {
        if (on) stabilityModeChoice(false);
    });
    connect(aircraft_.RadioButton16, &QRadioButton::toggled, this, [this](bool on) {
        if (on) stabilityModeChoice(true);
    });
    connect(aircraft_.Edit31, &QLineEdit::textChanged, this, [this] { STABIL(); });
    connect(chrome_.Calculate1, &QAction::triggered, this, [this] { Button4Click(); });
    ImageWidget* top = aircraft_.Image2;
    connect(top, &ImageWidget::mouseDown, this, &TForm1::Image4MouseDown);
    connect(top, &ImageWidget::mouseMove, this, &TForm1::Image4MouseMove);
    connect(top, &ImageWidget::mouseUp, this, &TForm1::Image4MouseUp);
}

}  // namespace ws
