#include "ui/aircraft_page.h"

#include <QButtonGroup>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>

#include "ui/controls.h"
#include "ui/design_scale.h"
#include "ui/image_widget.h"
#include "ui/wing_controls.h"

namespace ws {

namespace {

QScrollBar* makeScrollBar(QWidget* parent, const char* name, Qt::Orientation orientation, const QRect& place,
                          int minimum, int maximum, int position) {
    auto* bar = new QScrollBar(orientation, parent);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setGeometry(design(place));
    bar->setRange(minimum, maximum);
    bar->setValue(position);
    return bar;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QRect& place, const QColor& textColour) {
    auto* button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(design(place));
    setTextColour(button, textColour);
    return button;
}

const QColor kGreen(0, 128, 0);

}  // namespace

AircraftPage buildAircraftPage(QTabWidget* tabs) {
    AircraftPage a;
    a.page = new QWidget;
    a.page->setObjectName(QStringLiteral("TabSheet5"));
    tabs->addTab(a.page, QString());
    QWidget* p = a.page;

    a.Panel1 = new QFrame(p);
    a.Panel1->setObjectName(QStringLiteral("Panel1"));
    a.Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    a.Panel1->setGeometry(design(0, 0, 276, 38));
    const char* countNames[] = {nullptr, "RadioButton1", "RadioButton2", "RadioButton3"};
    const QRect countPlaces[] = {{}, {10, 10, 90, 21}, {100, 10, 88, 21}, {187, 10, 87, 21}};
    for (int k = 1; k <= kMaxWings; ++k) {
        a.wingCount[k] = makeRadio(a.Panel1, countNames[k], countPlaces[k]);
        setTextColour(a.wingCount[k], Qt::black);
    }
    a.wingCount[2]->setChecked(true);

    a.Label23 = makeLabel(p, "Label23", 10, 52);
    setTextColour(a.Label23, Qt::black);

    // The fields stand on their sketches, so the sketches come first.
    const QRect picturePlaces[] = {{}, {20, 69, 211, 103}, {20, 177, 211, 105}, {20, 286, 211, 103}};
    const QRect xPlaces[] = {{}, {59, 89, 51, 24}, {59, 197, 51, 24}, {59, 305, 51, 24}};
    const QRect zPlaces[] = {{}, {128, 118, 50, 24}, {128, 226, 50, 24}, {128, 335, 50, 24}};
    for (int w = 1; w <= kMaxWings; ++w) {
        const WingControlNames& n = wingControlNames(w);
        a.picture[w] = new ImageWidget(p, QString::fromLatin1(n.picture), design(picturePlaces[w]));
    }
    for (int w = 1; w <= kMaxWings; ++w) {
        const WingControlNames& n = wingControlNames(w);
        const WingEntry defaults = defaultWingEntry(w);
        a.posX[w] = makeEdit(p, n.posX, xPlaces[w], wingColour(w));
        a.posX[w]->setText(QString::number(defaults.posX));
        a.posZ[w] = makeEdit(p, n.posZ, zPlaces[w], wingColour(w));
        a.posZ[w]->setText(QString::number(defaults.posZ));
    }

    a.Button4 = makeButton(p, "Button4", {0, 400, 241, 41}, Qt::black);
    a.Label24 = makeLabel(p, "Label24", 91, 408);
    setTextColour(a.Label24, kGreen);
    a.Label24->hide();
    a.Label_w = makeLabel(p, "Label_w", 28, 428);
    setTextColour(a.Label_w, kGreen);
    a.Label_w->hide();

    a.RadioButton15 = makeRadio(p, "RadioButton15", {0, 450, 238, 21});
    setTextColour(a.RadioButton15, Qt::black);
    a.RadioButton15->setChecked(true);
    a.RadioButton16 = makeRadio(p, "RadioButton16", {0, 471, 238, 21});
    setTextColour(a.RadioButton16, Qt::black);
    // Their parent also holds the wing-count buttons (in Panel1), which Qt's
    // automatic exclusivity would otherwise count as the same choice.
    auto* mode = new QButtonGroup(p);
    mode->addButton(a.RadioButton15);
    mode->addButton(a.RadioButton16);

    a.Label22 = makeLabel(p, "Label22", 10, 493);
    a.Label22->hide();
    a.Edit31 = makeEdit(p, "Edit31", {11, 513, 46, 24}, Qt::black);
    a.Edit31->setText(QStringLiteral("7.5"));
    a.Edit31->hide();
    a.Label21 = makeLabel(p, "Label21", 70, 518);
    setTextColour(a.Label21, Qt::black);
    a.Label21->hide();
    a.Button6 = makeButton(p, "Button6", {155, 522, 80, 31}, kGreen);
    a.Button6->hide();

    a.Memo1 = new QPlainTextEdit(p);
    a.Memo1->setObjectName(QStringLiteral("Memo1"));
    a.Memo1->setGeometry(design(0, 561, 247, 96));
    setTextColour(a.Memo1, Qt::red);

    a.ScrollBar3 = makeScrollBar(p, "ScrollBar3", Qt::Vertical, {247, 55, 21, 258}, 10, 100, 100);
    a.ScrollBar3->hide();
    a.ScrollBar4 = makeScrollBar(p, "ScrollBar4", Qt::Vertical, {223, 423, 21, 130}, 10, 97, 75);
    a.ScrollBar4->hide();

    a.Image2 = new ImageWidget(p, QStringLiteral("Image2"), design(276, 0, 694, 369));
    a.Image3 = new ImageWidget(p, QStringLiteral("Image3"), design(276, 396, 684, 246));
    a.ScrollBar1 = makeScrollBar(p, "ScrollBar1", Qt::Vertical, {252, 423, 21, 228}, 0, 90, 80);
    a.ScrollBar2 = makeScrollBar(p, "ScrollBar2", Qt::Horizontal, {276, 633, 680, 19}, 0, 360, 250);

    // Print-size copies and the page image of the printed summary.
    a.Image4 = new ImageWidget(p, QStringLiteral("Image4"), design(276, 10, 736, 406));
    a.Image7 = new ImageWidget(p, QStringLiteral("Image7"), design(276, 384, 776, 246));
    a.Image_P = new ImageWidget(p, QStringLiteral("Image_P"), design(433, -89, 985, 1502));
    for (ImageWidget* hidden : {a.Image4, a.Image7, a.Image_P}) hidden->hide();
    return a;
}

}  // namespace ws
