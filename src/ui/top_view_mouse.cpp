// The mouse on the aircraft top view (Image2): a press shows the
// centre-of-gravity pointers, a drag with the left button magnifies the
// view, the release restores the fitted view.
#include <QScrollBar>

#include "editing/view_drag.h"
#include "ui/WinStabix2.h"
#include "ui/aircraft_document.h"
#include "ui/image_widget.h"
#include "ui/mouse_support.h"
#include "views/canvas.h"
#include "views/lattice_overlay.h"

namespace ws {

void TForm1::Image4MouseDown(Qt::MouseButton, Qt::MouseButtons buttons, Qt::KeyboardModifiers, int x, int y) {
    const bool results = doc_->ResultsValid();
    if (topViewMouseDown(mouse_, {x, y}, results)) Zeiger();
    if (results && buttons.testFlag(Qt::LeftButton)) aircraft_.Image2->setCursor(Qt::ClosedHandCursor);
}

void TForm1::Image4MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x, int y) {
    BarPositions bars;
    bars.topZoom = aircraft_.ScrollBar3->value();
    const BarUpdate update = topViewMouseMove(mouse_, bars, {x, y}, modifierState(buttons, modifiers));
    for (const BarChange& change : update.changes())
        if (change.bar == ViewBar::TopZoom) aircraft_.ScrollBar3->setValue(change.position);
}

void TForm1::Image4MouseUp(Qt::MouseButton, Qt::MouseButtons, Qt::KeyboardModifiers, int x, int y) {
    BarPositions bars;
    bars.topZoom = aircraft_.ScrollBar3->value();
    const bool results = doc_->ResultsValid();
    const TopViewRelease release = topViewMouseUp(mouse_, bars, {x, y}, results, doc_->LatticeValid());
    for (const BarChange& change : release.zoom.changes())
        if (change.bar == ViewBar::TopZoom) aircraft_.ScrollBar3->setValue(change.position);

    ImageWidget* view = aircraft_.Image2;
    {
        Canvas c(view->image());
        topView_ = redrawTopView(c, aircraftDrawing(model()), &latticeDrawing_, results, release.drawLattice,
                                 topView_, false, UiEnglish_);
    }
    view->update();
    if (release.runStabil) STABIL();
    applyTopViewCursor();
}

}  // namespace ws
