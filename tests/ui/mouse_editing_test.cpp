// The planform and 3-D images pass the mouse to the editing rules: a hovered corner
// colours its fields, a released drag writes them, a drag on the 3-D view moves its bars.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QScrollBar>
#include <optional>

#include "editing/planform_handles.h"
#include "ui/image_widget.h"
#include "ui/wing_controls.h"
#include "window_test_support.h"

namespace ws::testing {
namespace {

void send(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons,
          Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QMouseEvent e(type, QPointF(at), w->mapToGlobal(QPointF(at)), button, buttons, modifiers);
    QApplication::sendEvent(w, &e);
}

void drag(QWidget* w, QPoint from, QPoint to) {
    send(w, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    send(w, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    send(w, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
}

class MouseEditing : public MainWindowTest {
  protected:
    ImageWidget* planform(int w) { return get<ImageWidget>(wingControlNames(w).planform); }
    QLineEdit* field(const char* name) { return get<QLineEdit>(name); }
    bool yellow(const char* name) { return field(name)->palette().color(QPalette::Base) == Qt::yellow; }

    // A pixel of wing w's view on which the hit test finds `handle`.
    std::optional<QPoint> pixelOf(int w, int handle) {
        const QImage& image = planform(w)->image();
        const PlanformFrame frame{planformScale(w), image.width(), image.height()};
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (hitTest(doc().model().wing[w], frame, {x, y}) == handle) return QPoint(x, y);
        return std::nullopt;
    }
};

// A root trailing edge: its chord; a tip leading edge with Shift: its span and the offsets further out.
TEST_F(MouseEditing, HoverShowsTheCursorAndTheFieldsOfTheHandle) {
    const struct {
        int handle;
        Qt::KeyboardModifiers modifiers;
        Qt::CursorShape cursor;
        QStringList yellow;
    } cases[] = {{4, Qt::NoModifier, Qt::SizeVerCursor, {"Edit4"}},
                 {5, Qt::ShiftModifier, Qt::SizeAllCursor, {"Edit1", "Edit8", "Edit9"}},
                 {0, Qt::NoModifier, Qt::CrossCursor, {}}};
    for (const auto& c : cases) {
        const std::optional<QPoint> at = c.handle ? pixelOf(1, c.handle) : QPoint(2, 2);
        ASSERT_TRUE(at);
        send(planform(1), QEvent::MouseMove, *at, Qt::NoButton, Qt::NoButton, c.modifiers);
        EXPECT_EQ(planform(1)->cursor().shape(), c.cursor) << c.handle;
        for (const char* name : {"Edit1", "Edit4", "Edit8", "Edit9"})
            EXPECT_EQ(yellow(name), c.yellow.contains(name)) << c.handle << name;
    }
}

TEST_F(MouseEditing, ReleasedDragWritesWholeMillimetresAndRecalculates) {
    for (int w : {1, 2}) {
        const WingControlNames& n = wingControlNames(w);
        const std::optional<QPoint> rootTrailing = pixelOf(w, 4);
        ASSERT_TRUE(rootTrailing) << w;
        const double scale = planformScale(w);
        const int before = field(n.chord[1])->text().toInt();
        const QString area = get<QLabel>(n.valueS)->text();
        drag(planform(w), *rootTrailing, *rootTrailing + QPoint(0, 20));
        EXPECT_EQ(field(n.chord[1])->text().toInt(), before + int(std::nearbyint(20 / scale))) << w;
        EXPECT_NE(get<QLabel>(n.valueS)->text(), area) << w;
    }
    const QString chord = field("Edit4")->text();
    drag(planform(1), {2, 2}, {40, 60});
    EXPECT_EQ(field("Edit4")->text(), chord);
}

TEST_F(MouseEditing, ThreeDDragMovesTheBarsAndRedraws) {
    auto* view = get<ImageWidget>("Image3");
    EXPECT_EQ(view->cursor().shape(), Qt::PointingHandCursor);
    auto* azimuth = get<QScrollBar>("ScrollBar2");
    auto* elevation = get<QScrollBar>("ScrollBar1");
    const int a0 = azimuth->value(), e0 = elevation->value();
    const QImage before = view->image();
    send(view, QEvent::MouseButtonPress, {100, 100}, Qt::LeftButton, Qt::LeftButton);
    send(view, QEvent::MouseMove, {130, 91}, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(azimuth->value(), a0 + 10);
    EXPECT_EQ(elevation->value(), e0 + 3);  // upwards raises the bar
    EXPECT_NE(view->image(), before);
    send(view, QEvent::MouseButtonRelease, {130, 91}, Qt::LeftButton, Qt::NoButton);
    send(view, QEvent::MouseMove, {190, 91}, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(azimuth->value(), a0 + 10);  // no drag after the release
}

}  // namespace
}  // namespace ws::testing
