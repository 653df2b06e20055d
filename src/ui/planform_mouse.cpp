// The mouse on the planform views (dragging a wing's corners) and on the
// 3-D view (turning and zooming it by the bars).
#include <QApplication>
#include <QLineEdit>
#include <QPalette>
#include <QScrollBar>

#include "editing/planform_drag.h"
#include "editing/planform_handles.h"
#include "editing/view_drag.h"
#include "ui/WinStabix2.h"
#include "ui/aircraft_document.h"
#include "ui/image_widget.h"
#include "ui/mouse_support.h"

namespace ws {

namespace {

const QColor kHandleFieldYellow(255, 255, 0);

QLineEdit* fieldOf(const WingPage& g, WingField f) {
    const int i = static_cast<int>(f);
    if (f == WingField::Gap) return g.gap;
    if (f == WingField::RootChord) return g.chord[1];
    if (f <= WingField::Span4) return g.span[i - static_cast<int>(WingField::Span1) + 1];
    // Trapezium i's offset and tip chord belong to station i + 1.
    if (f <= WingField::Offset4) return g.offset[i - static_cast<int>(WingField::Offset1) + 2];
    return g.chord[i - static_cast<int>(WingField::Chord1) + 2];
}

// The same field as its place in the document's field order.
int fieldIndex(WingField f) {
    const int i = static_cast<int>(f);
    if (f == WingField::Gap) return kGapField;
    if (f == WingField::RootChord) return kChordField;
    if (f <= WingField::Span4) return kSpanField + i - static_cast<int>(WingField::Span1);
    if (f <= WingField::Offset4) return kOffsetField + i - static_cast<int>(WingField::Offset1);
    return kChordField + 1 + i - static_cast<int>(WingField::Chord1);
}

void setFieldBackground(QLineEdit* field, const QColor& colour) {
    QPalette p = field->palette();
    if (p.color(QPalette::Base) == colour) return;
    p.setColor(QPalette::Base, colour);
    field->setPalette(p);
}

BarPositions barPositions(const AircraftPage& a) {
    BarPositions bars;
    bars.elevation = a.ScrollBar1->value();
    bars.azimuth = a.ScrollBar2->value();
    bars.zoom3D = a.ScrollBar4->value();
    bars.topZoom = a.ScrollBar3->value();
    return bars;
}

QScrollBar* barOf(const AircraftPage& a, ViewBar bar) {
    switch (bar) {
        case ViewBar::Elevation:
            return a.ScrollBar1;
        case ViewBar::Azimuth:
            return a.ScrollBar2;
        case ViewBar::Zoom3D:
            return a.ScrollBar4;
        case ViewBar::TopZoom:
            return a.ScrollBar3;
    }
    return a.ScrollBar1;
}

}  // namespace

PlanformFrame TForm1::planformFrame(int w) const {
    const QImage& image = wings_[w].planform->image();
    return {planformScale_[w], image.width(), image.height()};
}

void TForm1::PlanformMouseMove(int w, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x,
                               int y) {
    const PlanformHover hover = planformMouseMove(mouse_, model().wing[w], planformFrame(w), {x, y},
                                                  modifierState(buttons, modifiers));
    wings_[w].planform->setCursor(qtCursor(hover.cursor));
    const QColor normal = QApplication::palette().color(QPalette::Base);
    for (WingField f : kWingFieldsInTableOrder)
        setFieldBackground(fieldOf(wings_[w], f),
                           hover.highlighted.contains(f) ? kHandleFieldYellow : normal);
}

void TForm1::PlanformMouseDown(int w, int x, int y) {
    planformMouseDown(mouse_, model().wing[w], planformFrame(w), {x, y});
}

void TForm1::PlanformMouseUp(int w, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x, int y) {
    const std::string gapText = wings_[w].gap->text().toStdString();
    // The writes are computed at once from the wing as it stands and make one step.
    const std::vector<FieldWrite> writes = planformMouseUp(mouse_, model().wing[w], planformFrame(w), {x, y},
                                                           modifierState(buttons, modifiers), gapText);
    std::vector<std::pair<int, QString>> fields;
    for (const FieldWrite& write : writes)
        fields.emplace_back(fieldIndex(write.field), QString::fromStdString(write.text));
    doc_->writeFields(w, fields);
}

void TForm1::applyBarChanges(const BarUpdate& update) {
    for (const BarChange& change : update.changes()) barOf(aircraft_, change.bar)->setValue(change.position);
}

void TForm1::connectPlanformMouse() {
    for (int w = 1; w <= kMaxWings; ++w) {
        ImageWidget* view = wings_[w].planform;
        view->setCursor(qtCursor(CursorShape::Cross));
        connect(view, &ImageWidget::mouseDown, this,
                [this, w](Qt::MouseButton, Qt::MouseButtons, Qt::KeyboardModifiers, int x, int y) {
                    PlanformMouseDown(w, x, y);
                });
        connect(view, &ImageWidget::mouseMove, this,
                [this, w](Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x, int y) {
                    PlanformMouseMove(w, buttons, modifiers, x, y);
                });
        connect(view, &ImageWidget::mouseUp, this,
                [this, w](Qt::MouseButton, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x,
                          int y) { PlanformMouseUp(w, buttons, modifiers, x, y); });
    }

    ImageWidget* view3D = aircraft_.Image3;
    view3D->setCursor(qtCursor(kView3DCursor));
    connect(view3D, &ImageWidget::mouseDown, this,
            [this](Qt::MouseButton, Qt::MouseButtons, Qt::KeyboardModifiers, int x, int y) {
                Image3MouseDown(x, y);
            });
    connect(view3D, &ImageWidget::mouseMove, this, &TForm1::Image3MouseMove);
    connect(view3D, &ImageWidget::mouseUp, this,
            [this](Qt::MouseButton, Qt::MouseButtons, Qt::KeyboardModifiers, int x, int y) {
                Image3MouseUp(x, y);
            });
}

void TForm1::Image3MouseDown(int x, int y) {
    view3DMouseDown(mouse_, {x, y});
}

void TForm1::Image3MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x, int y) {
    // Each bar's change redraws the view at once.
    applyBarChanges(
        view3DMouseMove(mouse_, barPositions(aircraft_), {x, y}, modifierState(buttons, modifiers)));
}

void TForm1::Image3MouseUp(int x, int y) {
    view3DMouseUp(mouse_, {x, y});
}

}  // namespace ws
