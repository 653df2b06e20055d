#include "ui/Unit2.h"

#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QShortcut>
#include <QUrl>
#include <string>

#include "ui/controls.h"
#include "ui/design_scale.h"
#include "ui/documentation.h"
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

// The contact lines: a link to the README's contact where the README is.
QString contactLine(const QString& text) {
    const QString readme = documentationFolder() + QStringLiteral("/README.md");
    if (!QFileInfo::exists(readme)) return text.toHtmlEscaped();
    QUrl url = QUrl::fromLocalFile(readme);
    url.setFragment(QStringLiteral("contact"));
    return QStringLiteral("<a href=\"%1\">%2</a>")
        .arg(url.toString(QUrl::FullyEncoded), text.toHtmlEscaped());
}

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
    for (QLabel* contact : {label_[4], label_[6]}) {
        contact->setTextFormat(Qt::RichText);
        contact->setOpenExternalLinks(true);
    }
    close_ = new QPushButton(this);
    close_->setObjectName(QStringLiteral("Close1"));
    connect(close_, &QPushButton::clicked, this, &QWidget::close);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
}

void TForm2::showTexts() {
    for (int i = 1; i <= 8; ++i) {
        const QString text = infoText("Label" + std::to_string(i));
        setCaption(label_[i], i == 4 || i == 6 ? contactLine(text) : text);
    }
    close_->setText(closeButtonText());
    close_->adjustSize();
    close_->hide();
    const QRect used = childrenRect();
    // The button below the last line, at the right.
    close_->move(used.right() - close_->width(), used.bottom() + design(kMargin) / 2);
    close_->show();
    const QRect all = childrenRect();
    resize(all.right() + design(kMargin), all.bottom() + design(kMargin));
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
