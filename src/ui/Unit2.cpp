#include "ui/Unit2.h"

#include <QEvent>
#include <QLabel>
#include <QPalette>
#include <string>

#include "ui/controls.h"
#include "ui/design_scale.h"
#include "ui/ui_texts.h"

namespace ws {

namespace {

struct LabelPlace {
    int left, top;
    bool blue, bold;
};

// [1..9]; Label8 shows the version, Label9 stays empty.
constexpr std::array<LabelPlace, 10> kPlaces{{{0, 0, false, false},
                                              {0, 20, true, true},
                                              {30, 39, true, true},
                                              {49, 108, false, true},
                                              {89, 128, false, false},
                                              {59, 158, false, true},
                                              {59, 177, false, false},
                                              {39, 59, true, true},
                                              {39, 197, false, false},
                                              {39, 0, false, false}}};

// Room right and below the last label.
constexpr int kMargin = 20;

}  // namespace

TForm2::TForm2(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral(" Info"));
    setFont(windowFont(14));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, silverColour());
    setPalette(palette);
    setAutoFillBackground(true);
    for (int i = 1; i <= 9; ++i) {
        const LabelPlace& p = kPlaces[i];
        const std::string name = "Label" + std::to_string(i);
        QLabel* label = makeLabel(this, name.c_str(), p.left, p.top);
        QFont font = windowFont(15);
        font.setBold(p.bold);
        label->setFont(font);
        setTextColour(label, p.blue ? QColor(Qt::blue) : QColor(Qt::black));
        setCaption(label, QString());
        label_[i] = label;
    }
}

void TForm2::showTexts() {
    for (int i = 1; i <= 8; ++i) setCaption(label_[i], infoText("Label" + std::to_string(i)));
    const QRect used = childrenRect();
    resize(used.right() + design(kMargin), used.bottom() + design(kMargin));
}

void TForm2::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange && isVisible()) showTexts();
    QWidget::changeEvent(event);
}

void TForm2::open() {
    showTexts();
    show();
    raise();
    activateWindow();
}

}  // namespace ws
