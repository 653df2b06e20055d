// The aircraft top view of the window and the centre-of-gravity display on
// it: STABIL, the pointers, the zoom bar, the two stability modes.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QToolButton>
#include <limits>

#include "editing/view_drag.h"
#include "ui/WinStabix2.h"
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
        topView_ = d_1d(c, aircraftDrawing(model_), topView_, false);
    }
    view->update();
}

void TForm1::STABIL(QObject* sender) {
    if (!ResultsValid) return;
    const Evaluation& e = calc_.evaluation;
    calc_.stability = stabilityNumbers(model_.CalcWingCount, e.AnpAircraft, e.RefChord, marginDesired());
    const AircraftDrawing aircraft = aircraftDrawing(model_);
    StabilityBackground background;
    background.aircraft = &aircraft;
    background.lattice = &latticeDrawing_;
    background.RefOutline =
        std::span<const OutlinePoint>(e.RefOutline.data(), static_cast<std::size_t>(e.RefOutlineCount));
    background.LatticeValid = LatticeValid;
    background.fromOpen = isOpenCommand(sender);

    ImageWidget* view = aircraft_.Image2;
    {
        Canvas c(view->image());
        topView_ = drawStabilityView(c, background, currentStabilityDisplay(), topView_,
                                     sender == aircraft_.ScrollBar3);
    }
    view->update();
}

void TForm1::Zeiger() {
    if (!ResultsValid) return;
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
    if (ResultsValid) {
        STABIL(aircraft_.ScrollBar3);
    } else {
        ImageWidget* view = aircraft_.Image2;
        {
            Canvas c(view->image());
            clearAircraftView(c);
            topView_ = d_1d(c, aircraftDrawing(model_), topView_, true);
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
    STABIL(manual ? aircraft_.RadioButton16 : aircraft_.RadioButton15);
}

StabilityDisplay TForm1::currentStabilityDisplay() const {
    const Evaluation& e = calc_.evaluation;
    return stabilityDisplay(calc_.stability, e.RefArea, e.RefChord, e.AnpAircraft,
                            aircraft_.RadioButton16->isChecked());
}

void TForm1::setStoredResults(double RefArea, double RefChord, double AnpAircraft) {
    Evaluation& e = calc_.evaluation;
    e.RefArea = RefArea;
    e.RefChord = RefChord;
    e.AnpAircraft = AnpAircraft;
    e.RefOutlineCount = 0;
    // A file keeps no wing's own aerodynamic centre; the planform views must not mark an old one.
    for (double& anp : e.AnpWing) anp = std::numeric_limits<double>::quiet_NaN();
}

bool TForm1::isOpenCommand(const QObject* sender) const {
    return sender && (sender == chrome_.SpeedButton1 || sender == chrome_.Open2);
}

void TForm1::applyTopViewCursor() {
    if (topViewCursor(ResultsValid) == CursorShape::Drag)
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
    connect(aircraft_.Edit31, &QLineEdit::textChanged, this, [this] { STABIL(aircraft_.Edit31); });
    connect(aircraft_.Button4, &QPushButton::clicked, this, [this] { Button4Click(aircraft_.Button4); });
    connect(chrome_.SpeedButton4, &QToolButton::clicked, this,
            [this] { Button4Click(chrome_.SpeedButton4); });
    ImageWidget* top = aircraft_.Image2;
    connect(top, &ImageWidget::mouseDown, this, &TForm1::Image4MouseDown);
    connect(top, &ImageWidget::mouseMove, this, &TForm1::Image4MouseMove);
    connect(top, &ImageWidget::mouseUp, this, &TForm1::Image4MouseUp);
}

}  // namespace ws
