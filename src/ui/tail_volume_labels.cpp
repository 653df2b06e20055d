#include "ui/tail_volume_labels.h"

#include <QCoreApplication>
#include <QLabel>
#include <cmath>

#include "model/number_format.h"
#include "stability/tail_volume.h"
#include "ui/controls.h"

namespace ws {

namespace {

QString say(const char* source) {
    return QCoreApplication::translate("Window", source);
}

}  // namespace

TailVolumeLabels::TailVolumeLabels(AircraftDocument& doc, QWidget* page) : QObject(page), doc_(doc) {
    const int tops[] = {0, 0, 181, 290};
    for (int w = 2; w <= kMaxWings; ++w) {
        const std::string name = "Label_V" + std::to_string(w);
        label_[w] = makeLabel(page, name.c_str(), 26, tops[w]);
        setTextColour(label_[w], wingColour(w));
    }
    connect(&doc_, &AircraftDocument::aircraftChanged, this, &TailVolumeLabels::show);
    connect(&doc_, &AircraftDocument::recalculated, this, &TailVolumeLabels::show);
    show();
}

void TailVolumeLabels::show() {
    const QString hint = say(QT_TRANSLATE_NOOP("Window",
                                               "Tail volume V = S · |x + r25 − (x1 + r25_1)| / (S1 · lm1) "
                                               "against wing 1; usual for a tail plane: %1 to %2"));
    for (int w = 2; w <= kMaxWings; ++w) {
        const double v = tailVolume(doc_.planform(1), doc_.planform(w));
        const QString value = std::isfinite(v) ? QString::fromStdString(fixed(v, 2)) : QStringLiteral("–");
        setCaption(label_[w], say(QT_TRANSLATE_NOOP("Window", "tail volume %1")).arg(value));
        label_[w]->setToolTip(hint.arg(QString::fromStdString(fixed(kTailVolumeLow, 2)),
                                       QString::fromStdString(fixed(kTailVolumeHigh, 2))));
        label_[w]->setAccessibleName(say(QT_TRANSLATE_NOOP("Window", "Tail volume of wing %1")).arg(w));
        label_[w]->setVisible(doc_.model().WingCount >= w);
    }
}

}  // namespace ws
