// English and German: the language menu, the rewrite of every fixed text of
// the window, and the redraws of what carries drawn texts. Also the info
// dialog, whose texts follow the language.
#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTabWidget>

#include "ui/Unit2.h"
#include "ui/WinStabix2.h"
#include "ui/aircraft_document.h"
#include "ui/controls.h"
#include "ui/export_commands.h"
#include "ui/ui_texts.h"

namespace ws {

namespace {

// Every caption of the table; tab pages get theirs through their tab widget.
void applyCaptions(QWidget* window, QTabWidget* tabs, bool english) {
    for (const TextRow& row : captionTable()) {
        const QString name = QString::fromStdString(row.name);
        const QString& text = english ? row.english : row.german;
        QObject* control = window->findChild<QObject*>(name);
        if (!control) continue;
        if (control->objectName().startsWith(QLatin1String("TabSheet")))
            setTabCaption(tabs, qobject_cast<QWidget*>(control), text);
        else
            setControlText(control, text);
    }
}

}  // namespace

void TForm1::connectLanguageCommands() {
    connect(chrome_.german1, &QAction::triggered, this, [this] { german1Click(); });
    connect(chrome_.Info1, &QAction::triggered, this, [this] { Info1Click(); });
    chrome_.german1->setEnabled(true);
    chrome_.Info1->setEnabled(true);
}

void TForm1::german1Click() {
    if (UiEnglish_)
        deutsch();
    else
        english();
}

void TForm1::english() {
    UiEnglish_ = true;
    rewriteTexts();
}

void TForm1::deutsch() {
    UiEnglish_ = false;
    rewriteTexts();
}

void TForm1::rewriteTexts() {
    applyCaptions(this, PageControl1, UiEnglish_);
    applyAccessibleNames(this, UiEnglish_);
    showUndoTexts();

    // The drawn texts: stability rows, flight direction, schematics, gap
    // warnings and the wing names.
    if (document().ResultsValid()) {
        STABIL();
    } else {
        // Nothing for STABIL to draw, but the flight-direction caption is shown all the same.
        clearTopView();
        drawTopView();
    }
    for (int w = 1; w <= kMaxWings; ++w) drawSchematic(w);
    Space1(0);
    writeWingNames();

    // Only the untouched head line of the hidden box follows; messages a
    // calculation wrote stay in the language they were written in.
    QPlainTextEdit* memo = aircraft_.Memo1;
    if (memo->isHidden() && memo->toPlainText() == errorBoxText(!UiEnglish_))
        memo->setPlainText(errorBoxText(UiEnglish_));

    if (info_ && info_->isVisible()) info_->showTexts(UiEnglish_);
    if (exports_) exports_->retitle(UiEnglish_);
}

void TForm1::Info1Click() {
    if (!info_) info_ = new TForm2(this);
    info_->open(UiEnglish_);
}

}  // namespace ws
