// FormResize: the tab control and the drawing images follow the window's
// size and every view is drawn anew, without withdrawing results. Entry
// fields, labels and buttons keep their design places, so the smallest
// window is the one that still holds all of them, and a top view tall
// enough for the stability rows drawn at their fixed rows. A change of the
// screen's density draws every picture anew at the new resolution.
#include <QFontMetrics>
#include <QMenuBar>
#include <QResizeEvent>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <algorithm>

#include "ui/WinStabix2.h"
#include "ui/aircraft_page.h"
#include "ui/design_scale.h"
#include "ui/image_widget.h"
#include "ui/remarks_page.h"
#include "ui/wing_page.h"
#include "views/stability_view.h"

namespace ws {

namespace {

// Margins of the tab control in the area below the menu bar: at the stored
// window size they give the design place.
constexpr int kTabRightMargin = 1;
// The design's smallest window; the controls may ask for more.
constexpr QSize kDesignMinimum(810, 630);
const int kTabTop = design(27);
const int kTabBottomMargin = design(732) - design(27 + 702);

// The area a page of `tabs` gets. Qt lays a tab control out only while it
// is shown; before that, the tab bar and the frame are taken off.
QSize pageSize(QTabWidget* tabs) {
    QWidget* stack = tabs->widget(0)->parentWidget();
    if (tabs->isVisible()) return stack->size();
    const int frame = tabs->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, tabs);
    return tabs->size() - QSize(2 * frame, tabs->tabBar()->sizeHint().height() + 2 * frame);
}

int atLeastOne(int v) {
    return std::max(v, 1);
}

// Top view: its height from the page height, as FormResize sets it; it
// stands at the page's top.
int topViewHeight(int pageHeight, int top) {
    return int(pageHeight * 0.6) - top - 2;
}

}  // namespace

void TForm1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    // The first resize comes before the pages exist.
    if (remarks_) FormResize();
}

void TForm1::FormResize() {
    BarPositions fitted = doc_->viewBars();
    fitted.topZoom = 100;
    doc_->setViewBars(fitted);

    const int menu = isVisible() ? menuBar()->height() : menuBar()->sizeHint().height();
    const int clientHeight = height() - menu;
    PageControl1->setGeometry(0, kTabTop, atLeastOne(width() - kTabRightMargin),
                              atLeastOne(clientHeight - kTabTop - kTabBottomMargin));
    const QSize page = pageSize(PageControl1);
    for (int w = 1; w <= kMaxWings; ++w) wings_[w]->fitTo(page);
    aircraft_->fitTo(page);
    if (!doc_->results().ResultsValid) doc_->recalculate();
    for (int w = 1; w <= kMaxWings; ++w) wings_[w]->redraw();
    aircraft_->redraw();
}

QSize TForm1::minimumWindowSize() const {
    // Pictures and bars that follow the window's size hold no place of their own.
    QRect used = aircraft_->fixedControls();
    for (int w = 1; w <= kMaxWings; ++w) used |= wings_[w]->fixedControls();
    for (const QWidget* control : remarks_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        used |= control->geometry();

    // The last stability row with its text cell, above the view's grey frame.
    const int rowsBottom = kNeutralPointRow + QFontMetrics(defaultCanvasFont()).height() + 1;
    int pageHeight = used.bottom() + 1;
    while (topViewHeight(pageHeight, 0) < rowsBottom) ++pageHeight;

    const QSize frame = PageControl1->size() - pageSize(PageControl1);
    const int menu = menuBar()->sizeHint().height();
    const QSize least(used.right() + 1 + frame.width() + kTabRightMargin,
                      pageHeight + frame.height() + kTabTop + kTabBottomMargin + menu);
    return least.expandedTo(designSize(kDesignMinimum.width(), kDesignMinimum.height()));
}

void TForm1::followScreenDensity() {
    bool stale = false;
    for (ImageWidget* view : findChildren<ImageWidget*>()) stale = view->followDevicePixelRatio() || stale;
    if (!stale) return;
    showDocument();
    FormResize();
}

}  // namespace ws
