#include "ui/balance_page.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QEvent>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QTableWidget>

#include "export/export_source.h"
#include "model/number_format.h"
#include "model/units.h"
#include "stability/balance.h"
#include "texts/balance_texts.h"
#include "texts/catalogue.h"
#include "texts/translation.h"
#include "ui/controls.h"
#include "ui/design_scale.h"

namespace ws {

namespace {

QString say(const char* source) {
    return QCoreApplication::translate("Window", source);
}

QString fromUtf8(const std::string& s) {
    return QString::fromStdString(s);
}

std::string utf8(const QString& s) {
    return s.toStdString();
}

enum Column { kNameColumn, kMassColumn, kXColumn, kMovableColumn, kColumnCount };

// Typing in a cell reaches the document at every keystroke, as in the entry
// fields; the window keeps Undo and Redo for the document's history.
class LiveDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor)) {
            auto* self = const_cast<LiveDelegate*>(this);
            connect(line, &QLineEdit::textEdited, self, [self, line] { emit self->commitData(line); });
            if (QWidget* window = parent->window()) line->installEventFilter(window);
        }
        return editor;
    }
};

struct CaptionPlace {
    const char* name;
    int left, top;
};

// Captions of the page, left column then right column; their words are in
// the window's caption table (ui_texts.cpp).
constexpr CaptionPlace kCaptions[] = {
    {"LabelBalanceItems", 10, 48},    {"LabelWeighing", 450, 48},        {"LabelSupportX", 560, 70},
    {"LabelSupportReading", 650, 70}, {"LabelSupport1", 450, 92},        {"LabelSupport2", 450, 122},
    {"LabelBallastAt", 450, 166},     {"LabelBalanceResults", 450, 206}, {"LabelBalanceMass", 460, 230},
    {"LabelBalanceCg", 460, 252},     {"LabelBalanceChord", 460, 274},   {"LabelBalanceMargin", 460, 296},
    {"LabelBalanceTarget", 460, 318}, {"LabelBallast", 460, 346},        {"LabelMove", 460, 402},
};

constexpr int kValueLeft = 680;
constexpr int kValueTop[] = {230, 252, 274, 296, 318};
const QColor kGreen(0, 128, 0);

QPushButton* makeButton(QWidget* parent, const char* name, const QRect& place) {
    auto* button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(design(place));
    setTextColour(button, Qt::black);
    return button;
}

void showText(QLineEdit* field, const QString& text) {
    if (field->text() == text) return;
    const QSignalBlocker quiet(field);
    field->setText(text);
}

// A length of the aircraft's frame in the unit in force, and its symbol.
QString length(double mm) {
    const Units u = unitsInForce();
    return fromUtf8(lengthText(mm, u, 1)) + u' ' + QLatin1String(unitSymbol(u));
}

// The balance keeps its x texts in mm, as typed. In another unit a number
// is shown in it and a typed one kept as its millimetres; other text as it is.
QString shownLength(const std::string& mmText) {
    const Units u = unitsInForce();
    const std::optional<double> mm = u == Units::Millimetre ? std::nullopt : balanceNumber(mmText);
    return mm ? fromUtf8(lengthText(*mm, u, 1)) : fromUtf8(mmText);
}

std::string keptLength(const QString& typed) {
    const Units u = unitsInForce();
    const std::optional<double> value = u == Units::Millimetre ? std::nullopt : balanceNumber(utf8(typed));
    if (!value) return oneLine(utf8(typed));
    return numberText(*value * mmPerUnit(u));
}

// A field or cell being typed in keeps its text while it stands for what is kept.
void showLength(QLineEdit* field, const std::string& mmText) {
    if (keptLength(field->text()) != mmText) showText(field, shownLength(mmText));
}

}  // namespace

BalancePage::BalancePage(AircraftDocument& doc, QWidget* parent) : QWidget(parent), doc_(doc) {
    setObjectName(QStringLiteral("TabSheet6"));

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("BalancePanel"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setGeometry(design(0, 0, 430, 38));
    itemsMethod_ = makeRadio(panel, "BalanceItems", {10, 10, 140, 21});
    weighingMethod_ = makeRadio(panel, "BalanceWeighing", {160, 10, 260, 21});
    for (QRadioButton* r : {itemsMethod_, weighingMethod_}) setTextColour(r, Qt::black);
    auto* method = new QButtonGroup(this);
    method->addButton(itemsMethod_);
    method->addButton(weighingMethod_);
    connect(weighingMethod_, &QRadioButton::toggled, this, [this](bool weighing) {
        BalanceData after = doc_.balance();
        after.method = weighing ? BalanceMethod::Weighing : BalanceMethod::Items;
        doc_.editBalance(std::move(after), BalanceField::Method);
    });

    for (const CaptionPlace& c : kCaptions) setTextColour(makeLabel(this, c.name, c.left, c.top), Qt::black);

    buildTable();
    add_ = makeButton(this, "BalanceAdd", {10, 496, 100, 30});
    remove_ = makeButton(this, "BalanceRemove", {115, 496, 100, 30});
    up_ = makeButton(this, "BalanceUp", {220, 496, 100, 30});
    down_ = makeButton(this, "BalanceDown", {325, 496, 100, 30});
    connect(add_, &QPushButton::clicked, this, [this] {
        doc_.editBalance(withItemAdded(doc_.balance()), BalanceField::AddItem);
        table_->setCurrentCell(table_->rowCount() - 1, kNameColumn);
        table_->editItem(table_->currentItem());
    });
    connect(remove_, &QPushButton::clicked, this, [this] {
        const int row = currentRow();
        doc_.editBalance(withItemRemoved(doc_.balance(), row), BalanceField::RemoveItem, row);
    });
    connect(up_, &QPushButton::clicked, this, [this] { moveCurrent(-1); });
    connect(down_, &QPushButton::clicked, this, [this] { moveCurrent(+1); });

    const char* xNames[] = {"EditSupport1X", "EditSupport2X"};
    const char* readingNames[] = {"EditSupport1Reading", "EditSupport2Reading"};
    for (int k = 0; k < 2; ++k) {
        const int top = k == 0 ? 88 : 118;
        supportX_[std::size_t(k)] = makeEdit(this, xNames[k], {560, top, 80, 24}, Qt::black);
        reading_[std::size_t(k)] = makeEdit(this, readingNames[k], {650, top, 80, 24}, Qt::black);
        for (const bool reading : {false, true}) {
            QLineEdit* field = reading ? reading_[std::size_t(k)] : supportX_[std::size_t(k)];
            connect(field, &QLineEdit::textChanged, this, [this, k, reading](const QString& text) {
                doc_.editBalance(
                    withSupportText(doc_.balance(), k + 1, reading, reading ? utf8(text) : keptLength(text)),
                    reading ? BalanceField::SupportReading : BalanceField::SupportX, k + 1);
            });
        }
    }
    ballastAt_ = makeEdit(this, "EditBallastAt", {650, 162, 80, 24}, Qt::black);
    connect(ballastAt_, &QLineEdit::textChanged, this, [this](const QString& text) {
        BalanceData after = doc_.balance();
        after.ballastAt = keptLength(text);
        doc_.editBalance(std::move(after), BalanceField::BallastAt);
    });

    const char* valueNames[] = {"BalanceMassValue",   "BalanceCgValue",     "BalanceChordValue",
                                "BalanceMarginValue", "BalanceTargetValue", "BalanceBallastValue",
                                "BalanceMoveValue"};
    for (std::size_t i = 0; i < value_.size(); ++i) {
        const bool wide = i >= 5;
        value_[i] = makeLabel(this, valueNames[i], wide ? 470 : kValueLeft,
                              wide ? (i == 5 ? 366 : 422) : kValueTop[i], !wide);
        setTextColour(value_[i], Qt::blue);
        if (wide) {
            value_[i]->setWordWrap(true);
            value_[i]->resize(design(330), design(34));
            value_[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        }
    }
    status_ = makeLabel(this, "BalanceStatus", 10, 540, false);
    status_->setGeometry(design(10, 540, 780, 80));
    status_->setWordWrap(true);
    status_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    connect(&doc_, &AircraftDocument::balanceChanged, this, &BalancePage::showDocument);
    connect(&doc_, &AircraftDocument::aircraftChanged, this, [this](const AircraftChange& change) {
        if (change.kind == AircraftChange::Kind::Everything) showDocument();
    });
    // The figures read the results, the stability choice and the wings' front.
    connect(&doc_, &AircraftDocument::resultsChanged, this, &BalancePage::showFigures);
    connect(&doc_, &AircraftDocument::stabilityChanged, this, &BalancePage::showFigures);
    connect(&doc_, &AircraftDocument::recalculated, this, &BalancePage::showFigures);
    writeTexts();
}

void BalancePage::buildTable() {
    table_ = new QTableWidget(0, kColumnCount, this);
    table_->setObjectName(QStringLiteral("BalanceTable"));
    table_->setGeometry(design(10, 68, 420, 420));
    QPalette palette = table_->palette();
    palette.setColor(QPalette::Base, viewBackground());
    table_->setPalette(palette);
    table_->setItemDelegate(new LiveDelegate(table_));
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::AllEditTriggers);
    table_->setTabKeyNavigation(false);
    QHeaderView* header = table_->horizontalHeader();
    header->setSectionResizeMode(kNameColumn, QHeaderView::Stretch);
    for (const int c : {kMassColumn, kXColumn, kMovableColumn}) {
        header->setSectionResizeMode(c, QHeaderView::Fixed);
        table_->setColumnWidth(c, design(c == kMovableColumn ? 70 : 78));
    }
    table_->verticalHeader()->setDefaultSectionSize(design(24));
    connect(table_, &QTableWidget::itemChanged, this, &BalancePage::cellChanged);
    connect(table_, &QTableWidget::currentCellChanged, this, [this] { showFigures(); });
}

int BalancePage::currentRow() const {
    const int row = table_->currentRow();
    return row >= 0 && row < int(doc_.balance().items.size()) ? row + 1 : 0;
}

void BalancePage::moveCurrent(int by) {
    const int row = currentRow();
    if (row == 0) return;
    const BalanceData after = withItemMoved(doc_.balance(), row, by);
    if (after == doc_.balance()) return;
    const int column = std::max(table_->currentColumn(), 0);
    doc_.editBalance(after, BalanceField::ItemOrder, row);
    table_->setCurrentCell(row + by - 1, column);
}

void BalancePage::cellChanged(QTableWidgetItem* item) {
    if (showing_) return;
    const int row = item->row() + 1;
    if (item->column() == kMovableColumn) {
        const bool marked = item->checkState() == Qt::Checked;
        const int movable = doc_.balance().movable;
        if (marked != (movable == row))
            doc_.editBalance(withMovable(doc_.balance(), row), BalanceField::Movable, row);
        return;
    }
    const ItemColumn column = item->column() == kNameColumn   ? ItemColumn::Name
                              : item->column() == kMassColumn ? ItemColumn::Mass
                                                              : ItemColumn::X;
    const std::string typed = column == ItemColumn::X ? keptLength(item->text()) : utf8(item->text());
    const BalanceField field = column == ItemColumn::Name   ? BalanceField::ItemName
                               : column == ItemColumn::Mass ? BalanceField::ItemMass
                                                            : BalanceField::ItemX;
    doc_.editBalance(withItemText(doc_.balance(), row, column, typed), field, row);
}

void BalancePage::showDocument() {
    const BalanceData& b = doc_.balance();
    showing_ = true;
    {
        const QSignalBlocker quietItems(itemsMethod_), quietWeighing(weighingMethod_);
        (b.method == BalanceMethod::Weighing ? weighingMethod_ : itemsMethod_)->setChecked(true);
    }
    const int rows = int(b.items.size());
    if (table_->rowCount() != rows) table_->setRowCount(rows);
    for (int r = 0; r < rows; ++r) {
        const MassItemText& item = b.items[std::size_t(r)];
        const QString texts[] = {fromUtf8(item.name), fromUtf8(item.mass), fromUtf8(item.x)};
        for (int c = kNameColumn; c <= kXColumn; ++c) {
            QTableWidgetItem* cell = table_->item(r, c);
            if (!cell) {
                cell = new QTableWidgetItem;
                if (c != kNameColumn) cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                table_->setItem(r, c, cell);
            }
            if (c == kXColumn ? keptLength(cell->text()) != item.x : cell->text() != texts[c])
                cell->setText(c == kXColumn ? shownLength(item.x) : texts[c]);
        }
        QTableWidgetItem* mark = table_->item(r, kMovableColumn);
        if (!mark) {
            mark = new QTableWidgetItem;
            mark->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
            table_->setItem(r, kMovableColumn, mark);
        }
        const Qt::CheckState state = b.movable == r + 1 ? Qt::Checked : Qt::Unchecked;
        if (mark->checkState() != state) mark->setCheckState(state);
    }
    showing_ = false;
    for (int k = 0; k < 2; ++k) {
        showLength(supportX_[std::size_t(k)], b.supports[std::size_t(k)].x);
        showText(reading_[std::size_t(k)], fromUtf8(b.supports[std::size_t(k)].reading));
    }
    showLength(ballastAt_, b.ballastAt);
    showFigures();
}

void BalancePage::showFigures() {
    const BalanceFigures f = doc_.balanceFigures();
    const QString none = QStringLiteral("–");
    value_[0]->setText(f.known ? fromUtf8(fixed(f.mass, 1)) + QStringLiteral(" g") : none);
    value_[1]->setText(f.known ? length(f.cg) : none);
    const bool ref = f.known && f.referenced;
    value_[2]->setText(ref ? fromUtf8(fixed(f.cgChordPercent, 1)) + QStringLiteral(" %") : none);
    value_[3]->setText(ref ? fromUtf8(fixed(f.staticMargin, 1)) + QStringLiteral(" %") : none);
    value_[4]->setText(ref ? length(f.target) : none);
    value_[5]->setText(ref ? ballastText(f) : none);
    value_[6]->setText(ref && f.move ? moveText(*f.move) : none);
    for (std::size_t i = 0; i < 5; ++i) value_[i]->adjustSize();

    QStringList lines;
    QColor colour = Qt::red;
    if (!f.known) {
        for (std::size_t i = 0; i < f.messages.size() && i < 3; ++i)
            lines << balanceMessageText(f.messages[i]);
        if (f.messages.size() > 3) lines.back() += QStringLiteral(" …");
    } else if (!f.referenced) {
        colour = Qt::black;
        lines << say(QT_TRANSLATE_NOOP(
            "Window", "Calculate the aerodynamic center for the margin, the status and the ballast."));
    } else {
        colour = f.status == BalanceStatus::InRange ? kGreen : Qt::red;
        lines << balanceStatusText(f);
    }
    if (f.known)
        for (const BalanceMessage& m : f.messages) lines << balanceMessageText(m);
    for (const BalanceFileNote& n : doc_.balanceNotes()) lines << balanceFileNoteText(n);
    status_->setText(lines.join(QLatin1Char('\n')));
    setTextColour(status_, colour);

    const int row = currentRow();
    const int rows = int(doc_.balance().items.size());
    add_->setEnabled(rows < kMaxMassItems);
    remove_->setEnabled(row > 0);
    up_->setEnabled(row > 1);
    down_->setEnabled(row > 0 && row < rows);
    ballastAt_->setPlaceholderText(
        fromUtf8(lengthText(f.known ? f.ballastAt : frontmostWingPoint(doc_.model()), unitsInForce(), 0)));
}

void BalancePage::writeTexts() {
    table_->setHorizontalHeaderLabels({say(QT_TRANSLATE_NOOP("Window", "Name")),
                                       say(QT_TRANSLATE_NOOP("Window", "Mass, g")),
                                       withUnitSymbol(say(QT_TRANSLATE_NOOP("Window", "x, %9"))),
                                       say(QT_TRANSLATE_NOOP("Window", "Movable"))});
    table_->setAccessibleName(say(QT_TRANSLATE_NOOP("Window", "Mass items")));
    const auto name = [](QWidget* w, BalanceField field, int row) {
        const QString words = say(balanceFieldWords(field));
        const QString text = withUnitSymbol(words.contains(QLatin1String("%1")) ? words.arg(row) : words);
        w->setAccessibleName(text);
        w->setToolTip(text);
    };
    for (int k = 0; k < 2; ++k) {
        name(supportX_[std::size_t(k)], BalanceField::SupportX, k + 1);
        name(reading_[std::size_t(k)], BalanceField::SupportReading, k + 1);
    }
    name(ballastAt_, BalanceField::BallastAt, 0);
    ballastAt_->setToolTip(withUnitSymbol(say(QT_TRANSLATE_NOOP(
        "Window", "Ballast place x, %9; empty: the frontmost point of the aircraft (shown greyed)"))));
    showFigures();
}

void BalancePage::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) writeTexts();
    QWidget::changeEvent(event);
}

}  // namespace ws
