// The elimination countdown in Label24: its text follows every step, but it
// is repainted at most every 50 ms, so that showing the count never costs
// more than the elimination it counts. The calculation runs without the
// event loop, so a repaint is the only way the count reaches the screen.
#pragma once

#include <QElapsedTimer>

class QLabel;

namespace ws {

class CountdownLabel {
  public:
    static constexpr int kRepaintIntervalMs = 50;

    explicit CountdownLabel(QLabel* label) : label_(label) {}

    // Steps still to go. The first call shows the label and repaints it.
    void operator()(int stepsLeft);
    // Hides the label (the elimination has ended, or never started).
    void finish();

    int repaints() const { return repaints_; }

  private:
    QLabel* label_;
    QElapsedTimer sinceRepaint_;
    bool started_ = false;
    int repaints_ = 0;
};

}  // namespace ws
