#include "ui/wing_page.h"

#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <cmath>

#include "editing/planform_drag.h"
#include "model/units.h"
#include "ui/controls.h"
#include "ui/design_scale.h"
#include "ui/image_widget.h"
#include "ui/mouse_support.h"
#include "ui/ui_texts.h"
#include "ui/wing_controls.h"
#include "views/canvas.h"
#include "views/dimension_schematic.h"
#include "views/planform_view.h"

namespace ws {

namespace {

QFont warningFont() {
    QFont font = windowFont(16);
    font.setBold(true);
    return font;
}

const QColor kHandleFieldYellow(255, 255, 0);

void setFieldBackground(QLineEdit* field, const QColor& colour) {
    QPalette p = field->palette();
    if (p.color(QPalette::Base) == colour) return;
    p.setColor(QPalette::Base, colour);
    field->setPalette(p);
}

// The field of the editing rules as its place in the document's field order.
int fieldIndex(WingField f) {
    const int i = static_cast<int>(f);
    if (f == WingField::Gap) return kGapField;
    if (f == WingField::RootChord) return kChordField;
    if (f <= WingField::Span4) return kSpanField + i - static_cast<int>(WingField::Span1);
    // Trapezium i's offset and tip chord belong to station i + 1.
    if (f <= WingField::Offset4) return kOffsetField + i - static_cast<int>(WingField::Offset1);
    return kChordField + 1 + i - static_cast<int>(WingField::Chord1);
}

PlanformFrame planformFrameOf(const ImageWidget* view, double scale) {
    return {scale, view->image().width(), view->image().height()};
}

constexpr int kCaptionLeft = 27;
constexpr int kValueLeft = 236;
// Rows of the value block: span, area, mean chord, aspect ratio, neutral point, aerodynamic centre.
constexpr int kRowTop[] = {414, 433, 453, 473, 492, 512};

}  // namespace

WingPage::WingPage(AircraftDocument& doc, MouseState& mouse, int w, QWidget* parent)
    : QWidget(parent), doc_(doc), mouse_(mouse), w_(w) {
    const WingControlNames& n = wingControlNames(w);
    const WingFieldPlaces places = wingFieldPlaces(w);
    const QColor colour = wingColour(w);
    setObjectName(QString::fromLatin1(n.page));

    auto* panel = new QFrame(this);
    panel->setObjectName(QString::fromLatin1(n.panel));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setGeometry(design(0, 0, 523, 41));
    const QRect trapPlaces[] = {
        {}, {10, 10, 111, 21}, {138, 10, 119, 21}, {263, 10, 122, 21}, {391, 10, 122, 21}};
    for (int k = 1; k <= kMaxTrapeziums; ++k) {
        trap_[k] = makeRadio(panel, n.trap[k], trapPlaces[k]);
        connect(trap_[k], &QRadioButton::toggled, this, [this, k](bool on) {
            if (on) doc_.chooseTrapCount(w_, k);
        });
    }

    // The fields lie on the sketch, each beside the arrow of its dimension;
    // made in this order, so that Tab walks them so.
    schematic_ = new ImageWidget(this, QString::fromLatin1(n.schematic), design(20, 49, 923, 246));
    auto place = [](const FieldPlace& p) { return QRect(p.left, p.top, p.width, kFieldHeight); };
    auto makeField = [&](int field, const FieldPlace& p) {
        field_[field] = makeEdit(this, fieldObjectName(w, field), place(p), colour);
        connect(field_[field], &QLineEdit::textChanged, this, [this, field](const QString& text) {
            showReading(field_[field], entryKind(field));
            doc_.editField(w_, field, text);
        });
        connect(field_[field], &QLineEdit::editingFinished, this,
                [this, field] { doc_.settleField(w_, field); });
    };
    makeField(kGapField, places.gap);
    for (int k = 1; k <= kMaxTrapeziums; ++k) makeField(kSpanField + k - 1, places.span[k]);
    for (int j = 2; j <= kMaxStations; ++j) makeField(kOffsetField + j - 2, places.offset[j]);
    for (int j = 1; j <= kMaxStations; ++j) makeField(kChordField + j - 1, places.chord[j]);
    // Tab goes station by station, root to tip: a station's chord, the span
    // that reaches it and its offset; then the gap, then on to the next control.
    QWidget* previous = trap_[kMaxTrapeziums];
    const auto next = [&previous](QWidget* field) {
        setTabOrder(previous, field);
        previous = field;
    };
    next(field_[kChordField]);
    for (int j = 2; j <= kMaxStations; ++j) {
        next(field_[kChordField + j - 1]);
        next(field_[kSpanField + j - 2]);
        next(field_[kOffsetField + j - 2]);
    }
    next(field_[kGapField]);

    planform_ = new ImageWidget(this, QString::fromLatin1(n.planform), design(345, 295, 601, 336));
    planform_->setCursor(qtCursor(CursorShape::Cross));
    connect(planform_, &ImageWidget::mouseDown, this,
            [this](Qt::MouseButton, Qt::MouseButtons, Qt::KeyboardModifiers, int x, int y) {
                PlanformMouseDown(x, y);
            });
    connect(planform_, &ImageWidget::mouseMove, this, &WingPage::PlanformMouseMove);
    connect(planform_, &ImageWidget::mouseUp, this,
            [this](Qt::MouseButton, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x, int y) {
                PlanformMouseUp(buttons, modifiers, x, y);
            });

    warning_ = {makeLabel(this, n.warning1, 7, 315), makeLabel(this, n.warning2, places.warning2Left, 345)};
    for (QLabel* line : warning_) {
        line->setFont(warningFont());
        setTextColour(line, Qt::red);
    }
    const char* captions[] = {n.captionB, n.captionS, n.captionLm, n.captionLam, n.captionR25};
    for (int row = 0; row < 5; ++row) makeLabel(this, captions[row], kCaptionLeft, kRowTop[row]);
    const char* values[] = {n.valueB, n.valueS, n.valueLm, n.valueLam, n.valueR25};
    for (int row = 0; row < 5; ++row) value_[row] = makeLabel(this, values[row], kValueLeft, kRowTop[row]);
    // Grey until a calculation has produced the aerodynamic centre.
    anpCaption_ = makeLabel(this, n.anpCaption, kCaptionLeft, kRowTop[5]);
    anpCaption_->setEnabled(false);
    anpValue_ = makeLabel(this, n.anpValue, kValueLeft, kRowTop[5]);
    anpValue_->setEnabled(false);

    connect(&doc_, &AircraftDocument::aircraftChanged, this, &WingPage::showChange);
    connect(&doc_, &AircraftDocument::resultsChanged, this, &WingPage::showResults);
}

void WingPage::showDocument() {
    const AircraftText& t = doc_.text();
    for (int i = 0; i < kPosXField; ++i) showField(i);
    {
        const QSignalBlocker quiet(trap_[t.TrapCount[w_]]);
        trap_[t.TrapCount[w_]]->setChecked(true);
    }
    showTrapeziumFields();
    drawSchematic();
    Space1();
    Calc_W();
    showResults();
}

void WingPage::showChange(const AircraftChange& change) {
    using Kind = AircraftChange::Kind;
    if (change.kind == Kind::Everything) {
        showDocument();
        return;
    }
    if (change.kind == Kind::TrapCount) {
        if (change.wing != w_) return;
        const int k = doc_.text().TrapCount[w_];
        const QSignalBlocker quiet(trap_[k]);
        trap_[k]->setChecked(true);
        drawSchematic();
        showTrapeziumFields();
        Calc_W();
        return;
    }
    bool mine = false, gap = false;
    for (const auto& [w, i] : change.fields) {
        if (w != w_ || i >= kPosXField) continue;
        mine = true;
        gap = gap || i == kGapField;
        showField(i);
    }
    if (gap) Space1();
    // A whole-aircraft change draws every wing with its recalculation.
    if (mine && !change.wholeAircraft()) Calc_W();
}

void WingPage::showField(int i) {
    QLineEdit* field = field_[i];
    const QString& text = doc_.text().field[w_][i];
    if (field->text() != text) {
        const QSignalBlocker quiet(field);
        field->setText(text);
    }
    showReading(field, entryKind(i));
}

void WingPage::showTrapeziumFields() {
    const int count = doc_.text().TrapCount[w_];
    // Span, tip chord and tip offset of trapeziums 2..4 come and go with the count.
    for (int k = 2; k <= kMaxTrapeziums; ++k)
        for (int field : {kSpanField + k - 1, kChordField + k, kOffsetField + k - 1})
            field_[field]->setVisible(k <= count);
}

void WingPage::Calc_W() {
    const DocumentResults& r = doc_.results();
    // Results loaded from a file carry no wing's own aerodynamic centre: no mark then.
    const double anp = r.calc.evaluation.AnpWing[w_];
    const bool mark = r.ResultsValid && std::isfinite(anp);
    {
        Canvas c(planform_->image());
        planformScale_ =
            drawPlanformView(c, doc_.planform(w_), w_, mark, anp - doc_.model().wing[w_].WingPosX);
    }
    planform_->update();
    const WingLabelTexts t = wingLabelTexts(doc_.planform(w_), doc_.units());
    const std::string* texts[] = {&t.b, &t.s, &t.lm, &t.lam, &t.r25};
    for (int row = 0; row < 5; ++row) setCaption(value_[row], QString::fromStdString(*texts[row]));
}

void WingPage::Space1() {
    const auto lines = gapWarningLines();
    const bool gap = doc_.model().wing[w_].WingGap != 0;
    setCaption(warning_[0], gap ? lines.first : QString());
    setCaption(warning_[1], gap ? lines.second : QString());
}

void WingPage::showResults() {
    const DocumentResults& r = doc_.results();
    // A file's results have no wing's own centre; only a calculation's do.
    const bool shown = r.LatticeValid;
    if (shown)
        setCaption(anpValue_,
                   QString::fromStdString(anpLabelText(r.calc.wings[w_].AnpRelative, doc_.units())));
    anpCaption_->setEnabled(shown);
    // Readable once it holds a value.
    anpValue_->setEnabled(shown);
    anpValue_->setVisible(shown);
    Calc_W();
}

void WingPage::drawSchematic() {
    {
        Canvas c(schematic_->image());
        d_w(c, doc_.text().TrapCount[w_]);
    }
    schematic_->update();
}

void WingPage::fitTo(QSize page) {
    planform_->setImageSize(
        {std::max(page.width() - planform_->x() - 2, 1), std::max(page.height() - planform_->y() - 6, 1)});
}

QRect WingPage::fixedControls() const {
    QRect used;
    for (const QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (control != planform_) used |= control->geometry();
    return used;
}

void WingPage::changeEvent(QEvent* event) {
    // The drawn words and the warning follow the language.
    if (event->type() == QEvent::LanguageChange) {
        drawSchematic();
        Space1();
    }
    QWidget::changeEvent(event);
}

QLineEdit* WingPage::fieldOf(WingField f) const {
    return field_[fieldIndex(f)];
}

void WingPage::PlanformMouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x, int y) {
    const PlanformHover hover =
        planformMouseMove(mouse_, doc_.model().wing[w_], planformFrameOf(planform_, planformScale_), {x, y},
                          modifierState(buttons, modifiers));
    planform_->setCursor(qtCursor(hover.cursor));
    for (WingField f : kWingFieldsInTableOrder) {
        QLineEdit* field = fieldOf(f);
        setFieldBackground(field,
                           hover.highlighted.contains(f) ? kHandleFieldYellow : restingBackground(field));
    }
}

void WingPage::PlanformMouseDown(int x, int y) {
    planformMouseDown(mouse_, doc_.model().wing[w_], planformFrameOf(planform_, planformScale_), {x, y});
}

void WingPage::PlanformMouseUp(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x, int y) {
    // The drag's rules read the gap as typed in mm: a typed 0 opens both ways.
    const std::string typedGap = doc_.text().field[w_][kGapField].toStdString();
    const EntryReading gap = readLength(typedGap, doc_.units(), EntryKind::Length);
    const bool typedZero = doc_.units() != Units::Millimetre && gap.value == 0 && !gap.differs;
    const std::string_view gapText = typedZero ? std::string_view("0") : std::string_view(typedGap);
    // The writes are computed at once from the wing as it stands and make one step.
    const std::vector<FieldWrite> writes =
        planformMouseUp(mouse_, doc_.model().wing[w_], planformFrameOf(planform_, planformScale_), {x, y},
                        modifierState(buttons, modifiers), gapText);
    std::vector<std::pair<int, QString>> fields;
    fields.reserve(writes.size());
    for (const FieldWrite& write : writes)
        fields.emplace_back(fieldIndex(write.field), doc_.fieldText(entryValue(write.text)));
    doc_.writeFields(w_, fields);
}

}  // namespace ws
