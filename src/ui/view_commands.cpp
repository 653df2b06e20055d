// The window's drawing call sites: each hands the current model and results
// to its view and repaints one whole image; and the bars that turn and zoom
// the 3-D view.
#include <QScrollBar>
#include <cmath>

#include "ui/WinStabix2.h"
#include "ui/aircraft_document.h"
#include "ui/image_widget.h"
#include "ui/wing_binding.h"
#include "views/canvas.h"
#include "views/dimension_schematic.h"
#include "views/planform_view.h"
#include "views/view3d.h"

namespace ws {

void TForm1::drawPlanformView(int w) {
    ImageWidget* view = wings_[w].planform;
    // Results loaded from a file carry no wing's own aerodynamic centre: no mark then.
    const double anp = calculation().evaluation.AnpWing[w];
    const bool mark = doc_->ResultsValid() && std::isfinite(anp);
    {
        Canvas c(view->image());
        planformScale_[w] = ws::drawPlanformView(c, planform(w), w, mark, anp - model().wing[w].WingPosX);
    }
    view->update();
}

void TForm1::drawSchematic(int w) {
    ImageWidget* view = wings_[w].schematic;
    {
        Canvas c(view->image());
        d_w(c, doc_->text().TrapCount[w], UiEnglish_);
    }
    view->update();
}

void TForm1::draw3DView() {
    ImageWidget* view = aircraft_.Image3;
    {
        Canvas c(view->image());
        d_3d(c, aircraftDrawing(model()), aircraft_.ScrollBar1->value(), aircraft_.ScrollBar2->value(),
             topView_.View3DScale, view3DPoints_);
    }
    view->update();
}

void TForm1::connectViewControls() {
    connect(aircraft_.ScrollBar1, &QScrollBar::valueChanged, this, [this] { draw3DView(); });
    connect(aircraft_.ScrollBar2, &QScrollBar::valueChanged, this, [this] { draw3DView(); });
    connect(aircraft_.ScrollBar4, &QScrollBar::valueChanged, this, [this](int position) {
        topView_.View3DScale = ScrollBar4Change(position, topView_.TopViewScale);
        draw3DView();
    });
    for (ImageWidget* view : findChildren<ImageWidget*>())
        connect(view, &ImageWidget::devicePixelRatioChanged, this, &TForm1::followScreenDensity);
}

}  // namespace ws
