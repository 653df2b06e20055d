// Small factories for the window's controls: each control gets its object
// name, its place (given in design pixels relative to its parent, see
// design_scale.h) and its colour.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include "model/entry_rule.h"

class QLabel;
class QLineEdit;
class QObject;
class QRadioButton;
class QTabWidget;
class QWidget;

namespace ws {

QColor wingColour(int w);  // wing 1 blue, 2 fuchsia, 3 green
QColor silverColour();
QColor viewBackground();  // the tooltip background, behind every view

// "MS Sans Serif", 14 design pixels, with look-alikes where it is missing.
QFont windowFont(int designPixels = 14);

void setTextColour(QWidget* widget, const QColor& colour);

// Labels size themselves to their text unless made with autoSize false;
// their left and top stay put.
QLabel* makeLabel(QWidget* parent, const char* name, int left, int top, bool autoSize = true);
void setCaption(QLabel* label, const QString& text);

QLineEdit* makeEdit(QWidget* parent, const char* name, const QRect& designPlace, const QColor& textColour);
// An entry field whose text reads as another value than it says ("212.5",
// "21,5cm", "-50" for a chord; in cm or in a value between millimetres) is
// marked, and its hint says what is used. Read in the unit in force.
void showReading(QLineEdit* field, EntryKind kind);
// The field's background when no corner drag highlights it: the mark's or the normal one.
QColor restingBackground(const QLineEdit* field);

QRadioButton* makeRadio(QWidget* parent, const char* name, const QRect& designPlace);

// Gives every named control below `window` its start-up caption.
// The text a control shows: a label's caption, a button's text (and a tool
// button's hint), a menu's title, a menu item's text.
void setControlText(QObject* control, const QString& text);
// A tab page's caption; a page out of its tab control keeps it for its return.
void setTabCaption(QTabWidget* tabs, QWidget* page, const QString& text);
void applyDesignCaptions(QWidget* window);
// Gives every entry field, image and scroll bar its accessible name, and
// every entry field the same words as its hint (with what a marked field is
// read as); the result labels and the top view say what they show.
void applyAccessibleNames(QWidget* window);

}  // namespace ws
