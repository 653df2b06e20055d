#include "ui/countdown_label.h"

#include <QLabel>

#include "ui/controls.h"

namespace ws {

void CountdownLabel::operator()(int stepsLeft) {
    setCaption(label_, QString::number(stepsLeft));
    if (!started_) {
        started_ = true;
        label_->show();
    } else if (sinceRepaint_.elapsed() < kRepaintIntervalMs) {
        return;
    }
    label_->repaint();
    sinceRepaint_.start();
    ++repaints_;
}

void CountdownLabel::finish() {
    label_->hide();
    started_ = false;
}

}  // namespace ws
