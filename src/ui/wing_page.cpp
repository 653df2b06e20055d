#include "ui/wing_page.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>

#include "ui/controls.h"
#include "ui/design_scale.h"
#include "ui/image_widget.h"
#include "ui/wing_binding.h"
#include "ui/wing_controls.h"

namespace ws {

namespace {

QRect fieldRect(const FieldPlace& p) {
    return {p.left, p.top, p.width, kFieldHeight};
}

QFont warningFont() {
    QFont font = windowFont(16);
    font.setBold(true);
    return font;
}

constexpr int kCaptionLeft = 27;
constexpr int kValueLeft = 236;
// Rows of the value block: span, area, mean chord, aspect ratio, neutral point, aerodynamic centre.
constexpr int kRowTop[] = {414, 433, 453, 473, 492, 512};

}  // namespace

WingPage buildWingPage(QTabWidget* tabs, int w) {
    const WingControlNames& n = wingControlNames(w);
    const WingFieldPlaces places = wingFieldPlaces(w);
    const WingEntry defaults = defaultWingEntry(w);
    const QColor colour = wingColour(w);

    WingPage g;
    g.page = new QWidget;
    g.page->setObjectName(QString::fromLatin1(n.page));
    tabs->addTab(g.page, QString());
    QWidget* p = g.page;

    g.panel = new QFrame(p);
    g.panel->setObjectName(QString::fromLatin1(n.panel));
    g.panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    g.panel->setGeometry(design(0, 0, 523, 41));
    const QRect trapPlaces[] = {
        {}, {10, 10, 111, 21}, {138, 10, 119, 21}, {263, 10, 122, 21}, {391, 10, 122, 21}};
    for (int k = 1; k <= kMaxTrapeziums; ++k) g.trap[k] = makeRadio(g.panel, n.trap[k], trapPlaces[k]);
    g.trap[1]->setChecked(true);

    // The fields lie on the sketch, each beside the arrow of its dimension.
    g.schematic = new ImageWidget(p, QString::fromLatin1(n.schematic), design(20, 49, 923, 246));
    g.gap = makeEdit(p, n.gap, fieldRect(places.gap), colour);
    g.gap->setText(QString::number(defaults.gap));
    for (int k = 1; k <= kMaxTrapeziums; ++k) {
        g.span[k] = makeEdit(p, n.span[k], fieldRect(places.span[k]), colour);
        g.span[k]->setText(QString::number(defaults.span[k]));
    }
    for (int j = 2; j <= kMaxStations; ++j) {
        g.offset[j] = makeEdit(p, n.offset[j], fieldRect(places.offset[j]), colour);
        g.offset[j]->setText(QString::number(defaults.offset[j]));
    }
    for (int j = 1; j <= kMaxStations; ++j) {
        g.chord[j] = makeEdit(p, n.chord[j], fieldRect(places.chord[j]), colour);
        g.chord[j]->setText(QString::number(defaults.chord[j]));
    }

    showTrapeziumFields(g, 1);

    g.planform = new ImageWidget(p, QString::fromLatin1(n.planform), design(345, 295, 601, 336));

    g.warning1 = makeLabel(p, n.warning1, 7, 315);
    g.warning2 = makeLabel(p, n.warning2, places.warning2Left, 345);
    for (QLabel* line : {g.warning1, g.warning2}) {
        line->setFont(warningFont());
        setTextColour(line, Qt::red);
    }

    g.captionB = makeLabel(p, n.captionB, kCaptionLeft, kRowTop[0]);
    g.captionS = makeLabel(p, n.captionS, kCaptionLeft, kRowTop[1]);
    g.captionLm = makeLabel(p, n.captionLm, kCaptionLeft, kRowTop[2]);
    g.captionLam = makeLabel(p, n.captionLam, kCaptionLeft, kRowTop[3]);
    g.captionR25 = makeLabel(p, n.captionR25, kCaptionLeft, kRowTop[4]);
    g.valueB = makeLabel(p, n.valueB, kValueLeft, kRowTop[0]);
    g.valueS = makeLabel(p, n.valueS, kValueLeft, kRowTop[1]);
    g.valueLm = makeLabel(p, n.valueLm, kValueLeft, kRowTop[2]);
    g.valueLam = makeLabel(p, n.valueLam, kValueLeft, kRowTop[3]);
    g.valueR25 = makeLabel(p, n.valueR25, kValueLeft, kRowTop[4]);
    // Grey until a calculation has produced the aerodynamic centre.
    g.anpCaption = makeLabel(p, n.anpCaption, kCaptionLeft, kRowTop[5]);
    g.anpCaption->setEnabled(false);
    g.anpValue = makeLabel(p, n.anpValue, kValueLeft, kRowTop[5]);
    g.anpValue->setEnabled(false);
    return g;
}

}  // namespace ws
