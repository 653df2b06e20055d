#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QThread>

#include "ui/countdown_label.h"

namespace ws {
namespace {

// Fast steps: each shown, one paint per 50 ms at most; slow steps: each painted.
TEST(CountdownLabel, TextFollowsEveryStepRepaintsAtMostEveryFiftyMs) {
    QWidget window;
    auto* label = new QLabel(&window);
    label->hide();
    window.show();
    QCoreApplication::processEvents();  // exposed, so that repaint() paints at once
    CountdownLabel countdown(label);
    QElapsedTimer clock;
    clock.start();
    int followed = 0;
    for (int left = 100000; left >= 0; --left) {
        countdown(left);
        followed += label->text() == QString::number(left);
    }
    EXPECT_EQ(followed, 100001);
    EXPECT_GE(countdown.repaints(), 1);
    EXPECT_LE(countdown.repaints(), 1 + clock.elapsed() / CountdownLabel::kRepaintIntervalMs);
    countdown.finish();
    EXPECT_TRUE(label->isHidden());

    CountdownLabel slow(label);
    for (int left = 3; left >= 1; --left, QThread::msleep(CountdownLabel::kRepaintIntervalMs + 5)) slow(left);
    EXPECT_EQ(slow.repaints(), 3);
    EXPECT_FALSE(label->isHidden());
}

}  // namespace
}  // namespace ws
