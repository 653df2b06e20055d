#include "ui/aircraft_views.h"
#include "texts/catalogue.h"

#include <QScrollBar>
#include <algorithm>
#include <span>

#include "editing/view_drag.h"
#include "texts/balance_texts.h"
#include "ui/design_scale.h"
#include "ui/image_widget.h"
#include "ui/mouse_support.h"
#include "views/canvas.h"
#include "views/lattice_from_solver.h"

namespace ws {

namespace {

QScrollBar* makeScrollBar(QWidget* parent, const char* name, Qt::Orientation orientation, const QRect& place,
                          ViewBar bar, int position) {
    auto* scrollBar = new QScrollBar(orientation, parent);
    scrollBar->setObjectName(QString::fromLatin1(name));
    scrollBar->setGeometry(design(place));
    scrollBar->setRange(barRange(bar).min, barRange(bar).max);
    scrollBar->setValue(position);
    return scrollBar;
}

int atLeastOne(int v) {
    return std::max(v, 1);
}

}  // namespace

AircraftViews::AircraftViews(AircraftDocument& doc, MouseState& mouse, QWidget* page)
    : QObject(page), doc_(doc), mouse_(mouse), shownBars_(doc.viewBars()) {
    const BarPositions& b = shownBars_;
    ScrollBar3 =
        makeScrollBar(page, "ScrollBar3", Qt::Vertical, {247, 55, 21, 258}, ViewBar::TopZoom, b.topZoom);
    ScrollBar3->hide();
    ScrollBar4 =
        makeScrollBar(page, "ScrollBar4", Qt::Vertical, {223, 423, 21, 130}, ViewBar::Zoom3D, b.zoom3D);
    ScrollBar4->hide();
    Image2 = new ImageWidget(page, QStringLiteral("Image2"), design(276, 0, 694, 369));
    Image3 = new ImageWidget(page, QStringLiteral("Image3"), design(276, 396, 684, 246));
    ScrollBar1 =
        makeScrollBar(page, "ScrollBar1", Qt::Vertical, {252, 423, 21, 228}, ViewBar::Elevation, b.elevation);
    ScrollBar2 =
        makeScrollBar(page, "ScrollBar2", Qt::Horizontal, {276, 633, 680, 19}, ViewBar::Azimuth, b.azimuth);

    connect(ScrollBar1, &QScrollBar::valueChanged, this,
            [this](int v) { moveBar(&BarPositions::elevation, v); });
    connect(ScrollBar2, &QScrollBar::valueChanged, this,
            [this](int v) { moveBar(&BarPositions::azimuth, v); });
    connect(ScrollBar3, &QScrollBar::valueChanged, this,
            [this](int v) { moveBar(&BarPositions::topZoom, v); });
    connect(ScrollBar4, &QScrollBar::valueChanged, this,
            [this](int v) { moveBar(&BarPositions::zoom3D, v); });

    Image3->setCursor(qtCursor(kView3DCursor));
    connect(Image3, &ImageWidget::mouseDown, this,
            [this](Qt::MouseButton, Qt::MouseButtons, Qt::KeyboardModifiers, int x, int y) {
                view3DMouseDown(mouse_, {x, y});
            });
    connect(Image3, &ImageWidget::mouseMove, this, &AircraftViews::Image3MouseMove);
    connect(Image3, &ImageWidget::mouseUp, this,
            [this](Qt::MouseButton, Qt::MouseButtons, Qt::KeyboardModifiers, int x, int y) {
                view3DMouseUp(mouse_, {x, y});
            });
    connect(Image2, &ImageWidget::mouseDown, this, &AircraftViews::Image4MouseDown);
    connect(Image2, &ImageWidget::mouseMove, this, &AircraftViews::Image4MouseMove);
    connect(Image2, &ImageWidget::mouseUp, this,
            [this](Qt::MouseButton, Qt::MouseButtons, Qt::KeyboardModifiers, int x, int y) {
                Image4MouseUp(x, y);
            });

    connect(&doc_, &AircraftDocument::recalculated, this, &AircraftViews::showAircraft);
    connect(&doc_, &AircraftDocument::resultsChanged, this, &AircraftViews::showResults);
    connect(&doc_, &AircraftDocument::stabilityChanged, this, [this] { STABIL(); });
    connect(&doc_, &AircraftDocument::viewBarsChanged, this, &AircraftViews::showBars);
    connect(&doc_, &AircraftDocument::balanceChanged, this, &AircraftViews::showBalance);
}

std::optional<BalanceMark> AircraftViews::balanceMark() const {
    const BalanceFigures f = doc_.balanceFigures();
    if (!f.known) return std::nullopt;
    return BalanceMark{f.cg, actualCgRow(f.cg)};
}

void AircraftViews::showBalance() {
    if (doc_.results().ResultsValid) {
        STABIL();
    } else {
        clearTopView();
        drawTopView();
    }
}

void AircraftViews::markBalance() {
    const auto mark = balanceMark();
    if (!mark) return;
    {
        Canvas c(Image2->image());
        drawBalanceMark(c, *mark, topView_);
    }
    Image2->update();
}

void AircraftViews::moveBar(int BarPositions::*bar, int position) {
    BarPositions bars = doc_.viewBars();
    bars.*bar = position;
    doc_.setViewBars(bars);
}

void AircraftViews::redraw() {
    clearTopView();
    drawTopView();
    STABIL();
    draw3DView();
    applyTopViewCursor();
}

void AircraftViews::showAircraft() {
    clearTopView();
    drawTopView();
    draw3DView();
}

void AircraftViews::showResults() {
    const DocumentResults& r = doc_.results();
    if (r.LatticeValid) latticeDrawing_ = latticeDrawing(r.calc.lattice);
    applyTopViewCursor();
    if (r.ResultsValid) {
        STABIL();
    } else if (showsResults_) {
        clearTopView();
        drawTopView();
    } else {
        return;
    }
    // The fitting sets the 3-D view's scale too.
    draw3DView();
}

void AircraftViews::showBars() {
    const BarPositions& b = doc_.viewBars();
    const BarPositions was = shownBars_;
    shownBars_ = b;
    const std::pair<QScrollBar*, int> positions[] = {
        {ScrollBar1, b.elevation}, {ScrollBar2, b.azimuth}, {ScrollBar3, b.topZoom}, {ScrollBar4, b.zoom3D}};
    for (const auto& [bar, position] : positions) {
        const QSignalBlocker quiet(bar);
        bar->setValue(position);
    }
    if (b.topZoom != was.topZoom) ScrollBar3Change();
    if (b.zoom3D != was.zoom3D) topView_.View3DScale = ScrollBar4Change(b.zoom3D, topView_.TopViewScale);
    if (b.elevation != was.elevation || b.azimuth != was.azimuth || b.zoom3D != was.zoom3D) draw3DView();
}

void AircraftViews::clearTopView() {
    {
        Canvas c(Image2->image());
        clearAircraftView(c);
    }
    Image2->update();
}

void AircraftViews::drawTopView() {
    showsResults_ = false;
    {
        Canvas c(Image2->image());
        topView_ = d_1d(c, aircraftDrawing(doc_.model()), topView_, false);
    }
    Image2->update();
    markBalance();
}

void AircraftViews::draw3DView() {
    const BarPositions& b = doc_.viewBars();
    {
        Canvas c(Image3->image());
        d_3d(c, aircraftDrawing(doc_.model()), b.elevation, b.azimuth, topView_.View3DScale, view3DPoints_);
    }
    Image3->update();
}

StabilityDisplay AircraftViews::currentStabilityDisplay() const {
    const Evaluation& e = doc_.results().calc.evaluation;
    StabilityDisplay display = stabilityDisplay(doc_.stability(), e, doc_.stabilityChoice().manual);
    if (const std::optional<double> error = doc_.results().anpError)
        display.rows.neutralPoint = convergedNeutralPointRow(e.AnpAircraft, error) + "    ";
    display.actualCg = balanceMark();
    return display;
}

void AircraftViews::STABIL(bool keepZoom) {
    const DocumentResults& r = doc_.results();
    if (!r.ResultsValid) return;
    const Evaluation& e = r.calc.evaluation;
    const AircraftDrawing aircraft = aircraftDrawing(doc_.model());
    StabilityBackground background;
    background.aircraft = &aircraft;
    background.lattice = &latticeDrawing_;
    background.RefOutline =
        std::span<const OutlinePoint>(e.RefOutline.data(), static_cast<std::size_t>(e.RefOutlineCount));
    // Results from a file have no lattice: neither it nor the reference wing is drawn.
    background.LatticeValid = r.LatticeValid;
    showsResults_ = true;
    {
        Canvas c(Image2->image());
        topView_ = drawStabilityView(c, background, currentStabilityDisplay(), topView_, keepZoom);
    }
    Image2->update();
}

void AircraftViews::Zeiger() {
    if (!doc_.results().ResultsValid) return;
    {
        Canvas c(Image2->image());
        ws::Zeiger(c, currentStabilityDisplay(), topView_);
    }
    Image2->update();
}

void AircraftViews::ScrollBar3Change() {
    const double base = topView_.TopViewBaseScale;
    const double zoomed = base * (1 + 0.04 * (100 - doc_.viewBars().topZoom));
    topView_.TopViewScale = zoomed > base ? zoomed : base;
    if (doc_.results().ResultsValid) {
        STABIL(true);
    } else {
        {
            Canvas c(Image2->image());
            clearAircraftView(c);
            topView_ = d_1d(c, aircraftDrawing(doc_.model()), topView_, true);
        }
        Image2->update();
        markBalance();
    }
    // The marks have moved away from their rows.
    if (topView_.TopViewScale > base) Zeiger();
}

void AircraftViews::applyTopViewCursor() {
    if (topViewCursor(doc_.results().ResultsValid) == CursorShape::Drag)
        Image2->setCursor(Qt::OpenHandCursor);
    else
        Image2->unsetCursor();
}

void AircraftViews::Image3MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x, int y) {
    doc_.setViewBars(
        view3DMouseMove(mouse_, doc_.viewBars(), {x, y}, modifierState(buttons, modifiers)).bars);
}

// The mouse on the top view: a press shows the centre-of-gravity pointers, a
// drag with the left button magnifies the view, its release restores the
// fitted view; a click magnifies the fitted view or restores the magnified one.
void AircraftViews::Image4MouseDown(Qt::MouseButton, Qt::MouseButtons buttons, Qt::KeyboardModifiers, int x,
                                    int y) {
    const bool results = doc_.results().ResultsValid;
    if (topViewMouseDown(mouse_, {x, y}, results)) Zeiger();
    if (results && buttons.testFlag(Qt::LeftButton)) Image2->setCursor(Qt::ClosedHandCursor);
}

void AircraftViews::Image4MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x, int y) {
    doc_.setViewBars(
        topViewMouseMove(mouse_, doc_.viewBars(), {x, y}, modifierState(buttons, modifiers)).bars);
}

void AircraftViews::Image4MouseUp(int x, int y) {
    const DocumentResults& r = doc_.results();
    const TopViewRelease release =
        topViewMouseUp(mouse_, doc_.viewBars(), {x, y}, r.ResultsValid, r.LatticeValid);
    doc_.setViewBars(release.zoom.bars);
    // The zoom bar's change has drawn the magnified view with its pointers.
    if (release.magnified) {
        applyTopViewCursor();
        return;
    }
    {
        Canvas c(Image2->image());
        topView_ = redrawTopView(c, aircraftDrawing(doc_.model()), &latticeDrawing_, r.ResultsValid,
                                 release.drawLattice, topView_, false);
    }
    Image2->update();
    if (release.runStabil)
        STABIL();
    else
        markBalance();
    applyTopViewCursor();
}

void AircraftViews::fitTo(QSize page) {
    const int pw = page.width();
    const int ph = page.height();
    const int upperPart = int(ph * 0.6);
    Image2->setImageSize({atLeastOne(pw - Image2->x() - 1), atLeastOne(upperPart - Image2->y() - 2)});
    Image3->move(Image3->x(), upperPart - Image2->y() - 1);
    Image3->setImageSize(
        {atLeastOne(pw - Image3->x() - 1), atLeastOne(ph - Image2->y() - Image2->height() - 21)});
    ScrollBar2->setGeometry(ScrollBar2->x(), ph - ScrollBar2->height() - 4, atLeastOne(pw - ScrollBar2->x()),
                            ScrollBar2->height());
    ScrollBar1->setGeometry(ScrollBar1->x(), Image3->y(), ScrollBar1->width(),
                            atLeastOne(ph - Image3->y() - 4));
}

std::vector<const QWidget*> AircraftViews::followers() const {
    return {Image2, Image3, ScrollBar1, ScrollBar2};
}

}  // namespace ws
