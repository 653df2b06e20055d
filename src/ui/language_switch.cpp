// The language menu, the rewrite of every fixed text of the window on
// QEvent::LanguageChange, and the redraws of what carries drawn texts. Also
// the info dialog, whose texts follow the language.
#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTabWidget>

#include "texts/translation.h"
#include "ui/Unit2.h"
#include "ui/WinStabix2.h"
#include "ui/aircraft_document.h"
#include "ui/controls.h"
#include "ui/export_commands.h"
#include "ui/ui_texts.h"

namespace ws {

namespace {

// Every caption of the table; tab pages get theirs through their tab widget.
void applyCaptions(QWidget* window, QTabWidget* tabs) {
    for (const TextRow& row : captionTable()) {
        QObject* control = window->findChild<QObject*>(QString::fromStdString(row.name));
        if (!control) continue;
        if (control->objectName().startsWith(QLatin1String("TabSheet")))
            setTabCaption(tabs, qobject_cast<QWidget*>(control), row.text());
        else
            setControlText(control, row.text());
    }
}

// A language by its own name, as the menu offers it.
QString ownName(Language language) {
    switch (language) {
        case Language::English:
            return QStringLiteral("english");
        case Language::German:
            return QStringLiteral("deutsch");
        case Language::French:
            return QStringLiteral("français");
        case Language::Spanish:
            return QStringLiteral("español");
    }
    return {};
}

}  // namespace

// Each item stands for its language, and for English while its own is in force.
Language TForm1::menuLanguage(const QAction* item) const {
    const Language own = item == chrome_.francais1 ? Language::French
                         : item == chrome_.spain1  ? Language::Spanish
                                                   : Language::German;
    return UiLanguage_ == own ? Language::English : own;
}

void TForm1::connectLanguageCommands() {
    for (QAction* item : {chrome_.german1, chrome_.francais1, chrome_.spain1}) {
        connect(item, &QAction::triggered, this, [this, item] { setLanguage(menuLanguage(item)); });
        item->setEnabled(true);
        item->setVisible(true);
    }
    connect(chrome_.Info1, &QAction::triggered, this, [this] { Info1Click(); });
    chrome_.Info1->setEnabled(true);
    nameLanguages();
}

void TForm1::german1Click() {
    setLanguage(menuLanguage(chrome_.german1));
}

void TForm1::setLanguage(Language language) {
    UiLanguage_ = language;
    useLanguage(language);
    // The change event reaches every window now, not at the next turn of the loop.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

void TForm1::nameLanguages() {
    for (QAction* item : {chrome_.german1, chrome_.francais1, chrome_.spain1})
        item->setText(ownName(menuLanguage(item)));
}

void TForm1::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) rewriteTexts();
    QMainWindow::changeEvent(event);
}

void TForm1::rewriteTexts() {
    applyCaptions(this, PageControl1);
    applyAccessibleNames(this);
    nameLanguages();
    showUndoTexts();
    showCalculateHint();

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
    if (memo->isHidden() && memo->toPlainText() == memoHead_) {
        memoHead_ = errorBoxText();
        memo->setPlainText(memoHead_);
    }
    if (exports_) exports_->retitle();
}

void TForm1::Info1Click() {
    if (!info_) info_ = new TForm2(this);
    info_->open();
}

}  // namespace ws
