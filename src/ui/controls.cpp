#include "ui/controls.h"

#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPalette>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>

#include "model/units.h"
#include "texts/translation.h"
#include "ui/design_scale.h"
#include "ui/ui_texts.h"

namespace ws {

namespace {
constexpr const char* kAutoSize = "autoSize";
constexpr const char* kReadAs = "readAs";  // the value a marked field is read as

const QColor kReadingMark(255, 210, 160);

QString fieldHint(const QLineEdit* field) {
    const QString name = accessibleNameText(field->objectName().toStdString());
    const QVariant readAs = field->property(kReadAs);
    return readAs.isValid() ? name + QLatin1Char('\n') + readAsText(readAs.toInt()) : name;
}

void setBase(QLineEdit* field, const QColor& colour) {
    QPalette p = field->palette();
    if (p.color(QPalette::Base) == colour) return;
    p.setColor(QPalette::Base, colour);
    field->setPalette(p);
}
}  // namespace

QColor wingColour(int w) {
    switch (w) {
        case 1:
            return {0, 0, 255};
        case 2:
            return {255, 0, 255};
        default:
            return {0, 128, 0};
    }
}

QColor silverColour() {
    return {192, 192, 192};
}

QColor viewBackground() {
    return QGuiApplication::palette().color(QPalette::ToolTipBase);
}

QFont windowFont(int designPixels) {
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(design(designPixels));
    return font;
}

void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::WindowText, colour);
        palette.setColor(group, QPalette::Text, colour);
        palette.setColor(group, QPalette::ButtonText, colour);
    }
    widget->setPalette(palette);
}

QLabel* makeLabel(QWidget* parent, const char* name, int left, int top, bool autoSize) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->move(design(left, top));
    label->setProperty(kAutoSize, autoSize);
    return label;
}

void setCaption(QLabel* label, const QString& text) {
    label->setText(text);
    if (label->property(kAutoSize).toBool()) label->adjustSize();
}

QLineEdit* makeEdit(QWidget* parent, const char* name, const QRect& designPlace, const QColor& textColour) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setGeometry(design(designPlace));
    setTextColour(edit, textColour);
    return edit;
}

void showReading(QLineEdit* field, EntryKind kind) {
    const EntryReading reading = readLength(field->text().toStdString(), unitsInForce(), kind);
    const QVariant readAs = reading.differs ? QVariant(reading.value) : QVariant();
    if (field->property(kReadAs) == readAs) return;
    field->setProperty(kReadAs, readAs);
    setBase(field, restingBackground(field));
    field->setToolTip(fieldHint(field));
}

QColor restingBackground(const QLineEdit* field) {
    if (field->property(kReadAs).isValid()) return kReadingMark;
    return QGuiApplication::palette().color(QPalette::Base);
}

QRadioButton* makeRadio(QWidget* parent, const char* name, const QRect& designPlace) {
    auto* radio = new QRadioButton(parent);
    radio->setObjectName(QString::fromLatin1(name));
    radio->setGeometry(design(designPlace));
    return radio;
}

void setControlText(QObject* control, const QString& text) {
    if (auto* label = qobject_cast<QLabel*>(control)) {
        setCaption(label, text);
    } else if (auto* tool = qobject_cast<QToolButton*>(control)) {
        // Tool buttons show an icon; their text is the hint, kept by the
        // command's action, whose own text is the menu item's.
        if (QAction* action = tool->defaultAction()) {
            action->setIconText(text);
            action->setToolTip(text);
        } else {
            tool->setText(text);
            tool->setToolTip(text);
        }
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setText(text);
    } else if (auto* menu = qobject_cast<QMenu*>(control)) {
        menu->setTitle(text);
    } else if (auto* action = qobject_cast<QAction*>(control)) {
        action->setText(text);
    }
}

void setTabCaption(QTabWidget* tabs, QWidget* page, const QString& text) {
    page->setWindowTitle(text);
    if (const int tab = tabs->indexOf(page); tab >= 0) tabs->setTabText(tab, text);
}

void applyDesignCaptions(QWidget* window) {
    for (QObject* control : window->findChildren<QObject*>()) {
        const QString text = designCaption(control->objectName().toStdString());
        if (!text.isEmpty()) setControlText(control, text);
    }
    for (QTabWidget* tabs : window->findChildren<QTabWidget*>())
        for (int i = 0; i < tabs->count(); ++i)
            setTabCaption(tabs, tabs->widget(i), designCaption(tabs->widget(i)->objectName().toStdString()));
}

void applyAccessibleNames(QWidget* window) {
    for (const TextRow& row : accessibleNameTable()) {
        auto* widget = window->findChild<QWidget*>(QString::fromStdString(row.name));
        if (!widget) continue;
        const QString name = row.text();
        widget->setAccessibleName(name);
        // The entry fields say the same as their hint.
        if (auto* field = qobject_cast<QLineEdit*>(widget)) field->setToolTip(fieldHint(field));
    }
    for (const TextRow& row : hintTable())
        if (auto* widget = window->findChild<QWidget*>(QString::fromStdString(row.name)))
            widget->setToolTip(row.text());
}

}  // namespace ws
