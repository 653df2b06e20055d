#include "ui/aircraft_page.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <algorithm>
#include <utility>

#include "ui/controls.h"
#include "ui/countdown_label.h"
#include "ui/design_scale.h"
#include "ui/image_widget.h"
#include "ui/position_sketch.h"
#include "ui/tail_volume_labels.h"
#include "ui/wing_controls.h"

namespace ws {

namespace {

QPushButton* makeButton(QWidget* parent, const char* name, const QRect& place, const QColor& textColour) {
    auto* button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(design(place));
    setTextColour(button, textColour);
    return button;
}

const QColor kGreen(0, 128, 0);

void showText(QLineEdit* field, const QString& text) {
    if (field->text() == text) return;
    const QSignalBlocker quiet(field);
    field->setText(text);
}

void showPosition(QLineEdit* field, const QString& text) {
    showText(field, text);
    showReading(field, EntryKind::Signed);
}

}  // namespace

AircraftPage::AircraftPage(AircraftDocument& doc, MouseState& mouse, QAction* calculate, QAction* print,
                           QWidget* parent)
    : QWidget(parent), doc_(doc) {
    setObjectName(QStringLiteral("TabSheet5"));

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setGeometry(design(0, 0, 276, 38));
    const char* countNames[] = {nullptr, "RadioButton1", "RadioButton2", "RadioButton3"};
    const QRect countPlaces[] = {{}, {10, 10, 90, 21}, {100, 10, 88, 21}, {187, 10, 87, 21}};
    for (int k = 1; k <= kMaxWings; ++k) {
        wingCount_[k] = makeRadio(panel, countNames[k], countPlaces[k]);
        setTextColour(wingCount_[k], Qt::black);
        connect(wingCount_[k], &QRadioButton::toggled, this, [this, k](bool on) {
            if (on) doc_.chooseWingCount(k);
        });
    }

    setTextColour(makeLabel(this, "Label23", 10, 52), Qt::black);

    // The fields stand on their sketches, so the sketches come first.
    const QRect picturePlaces[] = {{}, {20, 69, 211, 103}, {20, 177, 211, 105}, {20, 286, 211, 103}};
    const QRect xPlaces[] = {{}, {59, 89, 51, 24}, {59, 197, 51, 24}, {59, 305, 51, 24}};
    const QRect zPlaces[] = {{}, {128, 118, 50, 24}, {128, 226, 50, 24}, {128, 335, 50, 24}};
    for (int w = 1; w <= kMaxWings; ++w)
        picture_[w] =
            new ImageWidget(this, QString::fromLatin1(wingControlNames(w).picture), design(picturePlaces[w]));
    for (int w = 1; w <= kMaxWings; ++w) {
        const WingControlNames& n = wingControlNames(w);
        posX_[w] = makeEdit(this, n.posX, xPlaces[w], wingColour(w));
        posZ_[w] = makeEdit(this, n.posZ, zPlaces[w], wingColour(w));
        for (const auto& [e, f] : {std::pair{posX_[w], kPosXField}, std::pair{posZ_[w], kPosZField}}) {
            QLineEdit* edit = e;
            const int field = f;
            connect(edit, &QLineEdit::textChanged, this, [this, w, edit, field](const QString& text) {
                showReading(edit, EntryKind::Signed);
                doc_.editField(w, field, text);
            });
            connect(edit, &QLineEdit::editingFinished, this,
                    [this, w, field] { doc_.settleField(w, field); });
        }
    }

    Button4 = makeButton(this, "Button4", {0, 400, 241, 41}, Qt::black);
    connect(Button4, &QPushButton::clicked, calculate, &QAction::trigger);
    connect(calculate, &QAction::enabledChanged, Button4, &QWidget::setEnabled);
    Label24 = makeLabel(this, "Label24", 91, 408);
    setTextColour(Label24, kGreen);
    Label24->hide();
    Label_w = makeLabel(this, "Label_w", 28, 428);
    setTextColour(Label_w, kGreen);

    RadioButton15 = makeRadio(this, "RadioButton15", {0, 450, 238, 21});
    setTextColour(RadioButton15, Qt::black);
    RadioButton16 = makeRadio(this, "RadioButton16", {0, 471, 238, 21});
    setTextColour(RadioButton16, Qt::black);
    // Their parent also holds the wing-count buttons (in Panel1), which Qt's
    // automatic exclusivity would otherwise count as the same choice.
    auto* mode = new QButtonGroup(this);
    mode->addButton(RadioButton15);
    mode->addButton(RadioButton16);
    connect(RadioButton16, &QRadioButton::toggled, this, [this](bool on) { doc_.chooseStability(on); });

    Label22 = makeLabel(this, "Label22", 10, 493);
    Edit31 = makeEdit(this, "Edit31", {11, 513, 46, 24}, Qt::black);
    connect(Edit31, &QLineEdit::textChanged, this, [this](const QString& text) { doc_.editMargin(text); });
    Label21 = makeLabel(this, "Label21", 70, 518);
    setTextColour(Label21, Qt::black);
    Button6 = makeButton(this, "Button6", {155, 522, 80, 31}, kGreen);
    connect(Button6, &QPushButton::clicked, print, &QAction::trigger);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(design(0, 561, 247, 96));
    setTextColour(Memo1, Qt::red);
    // The calculation writes it; the reader may select and copy.
    Memo1->setReadOnly(true);

    views_ = new AircraftViews(doc_, mouse, this);
    tailVolumes_ = new TailVolumeLabels(doc_, this);

    connect(&doc_, &AircraftDocument::aircraftChanged, this, &AircraftPage::showChange);
    connect(&doc_, &AircraftDocument::recalculated, this, &AircraftPage::writeWingNames);
    connect(&doc_, &AircraftDocument::stabilityChanged, this, &AircraftPage::showStability);
}

void AircraftPage::showDocument() {
    const AircraftText& t = doc_.text();
    for (int w = 1; w <= kMaxWings; ++w) {
        showPosition(posX_[w], t.field[w][kPosXField]);
        showPosition(posZ_[w], t.field[w][kPosZField]);
        drawPositionSketch(picture_[w]->image(), w);
    }
    writeWingNames();
    showStability();
    showState();
    views_->redraw();
}

void AircraftPage::showChange(const AircraftChange& change) {
    if (change.kind == AircraftChange::Kind::Everything) {
        showDocument();
        return;
    }
    const AircraftText& t = doc_.text();
    for (const auto& [w, i] : change.fields) {
        if (i == kPosXField) showPosition(posX_[w], t.field[w][i]);
        if (i == kPosZField) showPosition(posZ_[w], t.field[w][i]);
    }
}

void AircraftPage::showState() {
    const DocumentResults& r = doc_.results();
    const int wings = doc_.model().WingCount;
    {
        const QSignalBlocker quiet(wingCount_[wings]);
        wingCount_[wings]->setChecked(true);
    }
    for (int w = 2; w <= kMaxWings; ++w) {
        picture_[w]->setVisible(wings >= w);
        posX_[w]->setVisible(wings >= w);
        posZ_[w]->setVisible(wings >= w);
    }
    Button4->setVisible(!r.running);
    Label_w->setVisible(r.running);
    // A report can only be printed for a finished calculation.
    Button6->setVisible(r.printable());
    const bool manual = doc_.stabilityChoice().manual;
    for (QWidget* control :
         {static_cast<QWidget*>(Label22), static_cast<QWidget*>(Edit31), static_cast<QWidget*>(Label21)})
        control->setVisible(manual);
}

void AircraftPage::showStability() {
    const StabilityChoice& choice = doc_.stabilityChoice();
    {
        QRadioButton* chosen = choice.manual ? RadioButton16 : RadioButton15;
        const QSignalBlocker quiet(chosen);
        chosen->setChecked(true);
    }
    showText(Edit31, choice.marginText);
}

void AircraftPage::Button4Click() {
    CountdownLabel countdown(Label24);
    doc_.calculate([&countdown](int stepsLeft) { countdown(stepsLeft); });
    countdown.finish();
    QApplication::beep();
}

void AircraftPage::writeWingNames() {
    for (int w = 1; w <= kMaxWings; ++w) {
        drawWingPictureName(picture_[w]->image(), w);
        picture_[w]->update();
    }
}

QRect AircraftPage::fixedControls() const {
    const std::vector<const QWidget*> followers = views_->followers();
    QRect used;
    for (const QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (std::find(followers.begin(), followers.end(), control) == followers.end())
            used |= control->geometry();
    return used;
}

void AircraftPage::changeEvent(QEvent* event) {
    // The drawn words: the wing names, the stability rows and the flight direction.
    if (event->type() == QEvent::LanguageChange) {
        writeWingNames();
        views_->redraw();
        tailVolumes_->show();
    }
    QWidget::changeEvent(event);
}

}  // namespace ws
