// The two views of the aircraft page and their bars: the top view (Image2)
// with the lattice and the centre-of-gravity display (STABIL) and its hidden
// zoom bar ScrollBar3, and the 3-D view (Image3) with its elevation and
// azimuth bars ScrollBar1 and ScrollBar2 and its hidden zoom bar ScrollBar4.
// The bars show the document's positions; a drag on either view moves them
// through the document. Image pixels; mm in the aircraft frame.
#pragma once

#include <QObject>
#include <QSize>
#include <optional>
#include <vector>

#include "document/aircraft_document.h"
#include "editing/mouse_state.h"
#include "views/lattice_overlay.h"
#include "views/stability_view.h"
#include "views/top_view.h"
#include "views/view3d.h"

class QScrollBar;
class QWidget;

namespace ws {

class ImageWidget;

class AircraftViews : public QObject {
    Q_OBJECT
  public:
    // The views and bars on `page` at their design places.
    AircraftViews(AircraftDocument& doc, MouseState& mouse, QWidget* page);

    // Both views anew from the document: the top view with the display
    // while results are valid.
    void redraw();
    // The views fill the page of size `page`: the top view its upper 60 %,
    // the 3-D view the rest, the bars along their edges.
    void fitTo(QSize page);
    // The views and bars that follow the page's size.
    std::vector<const QWidget*> followers() const;

    // The top view's transform; the 3-D view's zoom reads its TopViewScale.
    const TopViewTransform& topViewTransform() const { return topView_; }
    // What STABIL writes and marks now.
    StabilityDisplay currentStabilityDisplay() const;

  private:
    void showAircraft();
    void showResults();
    void showBars();
    // The centre of gravity as built: drawn with the results, or over the bare top view.
    void showBalance();
    std::optional<BalanceMark> balanceMark() const;
    void markBalance();
    void STABIL(bool keepZoom = false);
    void Zeiger();
    void ScrollBar3Change();
    void clearTopView();
    void drawTopView();
    void draw3DView();
    void applyTopViewCursor();
    void moveBar(int BarPositions::*bar, int position);
    void Image3MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x, int y);
    void Image4MouseDown(Qt::MouseButton button, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers,
                         int x, int y);
    void Image4MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x, int y);
    void Image4MouseUp(int x, int y);

    AircraftDocument& doc_;
    MouseState& mouse_;
    ImageWidget* Image2 = nullptr;  // top view
    ImageWidget* Image3 = nullptr;  // 3-D view
    QScrollBar* ScrollBar1 = nullptr;
    QScrollBar* ScrollBar2 = nullptr;
    QScrollBar* ScrollBar3 = nullptr;
    QScrollBar* ScrollBar4 = nullptr;
    BarPositions shownBars_;  // what the views were last drawn for
    TopViewTransform topView_;
    LatticeDrawing latticeDrawing_;
    View3DPoints view3DPoints_{};
    bool showsResults_ = false;  // the top view shows the centre-of-gravity display
};

}  // namespace ws
