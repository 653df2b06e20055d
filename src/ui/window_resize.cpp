// FormResize: the tab control and the drawing images follow the window's
// size and every view is drawn anew, without withdrawing results. Entry
// fields, labels and buttons keep their design places, so the smallest
// window is the one that still holds all of them, and a top view tall
// enough for the stability rows drawn at their fixed rows. A change of the
// screen's density draws every picture anew at the new resolution.
#include <QFontMetrics>
#include <QMenuBar>
#include <QResizeEvent>
#include <QScrollBar>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <algorithm>

#include "ui/WinStabix2.h"
#include "ui/aircraft_document.h"
#include "ui/design_scale.h"
#include "ui/image_widget.h"
#include "ui/position_sketch.h"
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

// Top view: its height from the page height, as FormResize sets it.
int topViewHeight(int pageHeight, int top) {
    return int(pageHeight * 0.6) - top - 2;
}

}  // namespace

void TForm1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    // The first resize comes before the document exists.
    if (doc_) FormResize();
}

void TForm1::FormResize() {
    aircraft_.ScrollBar3->setValue(100);

    const int menu = isVisible() ? menuBar()->height() : menuBar()->sizeHint().height();
    const int clientHeight = height() - menu;
    PageControl1->setGeometry(0, kTabTop, atLeastOne(width() - kTabRightMargin),
                              atLeastOne(clientHeight - kTabTop - kTabBottomMargin));
    const QSize page = pageSize(PageControl1);
    const int pw = page.width();
    const int ph = page.height();

    for (int w = 1; w <= kMaxWings; ++w) {
        ImageWidget* planform = wings_[w].planform;
        planform->setImageSize({atLeastOne(pw - planform->x() - 2), atLeastOne(ph - planform->y() - 6)});
        Calc_W(w);
    }

    ImageWidget* top = aircraft_.Image2;
    const int upperPart = int(ph * 0.6);
    top->setImageSize({atLeastOne(pw - top->x() - 1), atLeastOne(upperPart - top->y() - 2)});
    clearTopView();

    ImageWidget* view3D = aircraft_.Image3;
    view3D->move(view3D->x(), upperPart - top->y() - 1);
    view3D->setImageSize({atLeastOne(pw - view3D->x() - 1), atLeastOne(ph - top->y() - top->height() - 21)});
    clear3DView();

    if (!doc_->ResultsValid()) Calc();
    clearTopView();
    drawTopView();
    STABIL();
    draw3DView();

    QScrollBar* azimuth = aircraft_.ScrollBar2;
    azimuth->setGeometry(azimuth->x(), ph - azimuth->height() - 4, atLeastOne(pw - azimuth->x()),
                         azimuth->height());
    QScrollBar* elevation = aircraft_.ScrollBar1;
    elevation->setGeometry(elevation->x(), view3D->y(), elevation->width(), atLeastOne(ph - view3D->y() - 4));
}

QSize TForm1::minimumWindowSize() const {
    // Pictures and bars that follow the window's size, and the print images
    // that are never shown, hold no place of their own.
    std::vector<const QWidget*> followers{aircraft_.Image2,     aircraft_.Image3, aircraft_.ScrollBar1,
                                          aircraft_.ScrollBar2, aircraft_.Image4, aircraft_.Image7,
                                          aircraft_.Image_P};
    for (int w = 1; w <= kMaxWings; ++w) followers.push_back(wings_[w].planform);
    QRect used;
    for (int i = 0; i < PageControl1->count(); ++i)
        for (const QWidget* control :
             PageControl1->widget(i)->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (std::find(followers.begin(), followers.end(), control) == followers.end())
                used |= control->geometry();

    // The last stability row with its text cell, above the view's grey frame.
    const int rowsBottom = kNeutralPointRow + QFontMetrics(defaultCanvasFont()).height() + 1;
    int pageHeight = used.bottom() + 1;
    while (topViewHeight(pageHeight, aircraft_.Image2->y()) < rowsBottom) ++pageHeight;

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
    for (int w = 1; w <= kMaxWings; ++w) {
        drawPositionSketch(aircraft_.picture[w]->image(), w);
        drawSchematic(w);
    }
    writeWingNames();
    FormResize();
}

void TForm1::clear3DView() {
    ImageWidget* view = aircraft_.Image3;
    {
        Canvas c(view->image());
        clearAircraftView(c);
    }
    view->update();
}

}  // namespace ws
