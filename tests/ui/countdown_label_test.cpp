#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QLabel>
#include <QThread>

#include "ui/countdown_label.h"

namespace ws {
namespace {

// Counts the paints a widget really receives.
class PaintCounter : public QObject {
  public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

TEST(CountdownLabel, TextFollowsEveryStepRepaintsAtMostEveryFiftyMs) {
    QWidget window;
    auto* label = new QLabel(&window);
    label->hide();
    window.show();
    QCoreApplication::processEvents();  // exposed, so that repaint() paints at once
    PaintCounter counter;
    label->installEventFilter(&counter);

    CountdownLabel countdown(label);
    QElapsedTimer clock;
    clock.start();
    const int steps = 200000;
    bool followed = true;
    for (int left = steps; left >= 0; --left) {
        countdown(left);
        followed = followed && label->text() == QString::number(left);
    }
    const qint64 elapsed = clock.elapsed();
    EXPECT_TRUE(followed);
    EXPECT_FALSE(label->isHidden());
    // The first step is painted at once, then at most one paint per 50 ms.
    EXPECT_GE(countdown.repaints(), 1);
    EXPECT_LE(countdown.repaints(), 1 + elapsed / CountdownLabel::kRepaintIntervalMs);
    EXPECT_EQ(counter.paints, countdown.repaints());

    countdown.finish();
    EXPECT_TRUE(label->isHidden());
}

TEST(CountdownLabel, SlowStepsAreEachPainted) {
    QWidget window;
    auto* label = new QLabel(&window);
    window.show();
    CountdownLabel countdown(label);
    for (int left = 3; left >= 1; --left) {
        countdown(left);
        QThread::msleep(CountdownLabel::kRepaintIntervalMs + 5);
    }
    EXPECT_EQ(countdown.repaints(), 3);
    EXPECT_EQ(label->text(), "1");
}

}  // namespace
}  // namespace ws
