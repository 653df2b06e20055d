// The language menu and the rewrite of every fixed text of the window on
// QEvent::LanguageChange (the pages redraw their drawn words on the same
// event); also the info dialog, whose texts follow the language.
#include <QAction>
#include <QEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>

#include "ui/Unit2.h"
#include "ui/WinStabix2.h"
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
    return doc_->language() == own ? Language::English : own;
}

void TForm1::connectLanguageCommands() {
    for (QAction* item : {chrome_.german1, chrome_.francais1, chrome_.spain1})
        connect(item, &QAction::triggered, this, [this, item] { doc_->setLanguage(menuLanguage(item)); });
    connect(chrome_.Info1, &QAction::triggered, this, &TForm1::Info1Click);
    nameLanguages();
}

void TForm1::nameLanguages() {
    for (QAction* item : {chrome_.german1, chrome_.francais1, chrome_.spain1})
        item->setText(ownName(menuLanguage(item)));
}

void TForm1::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) rewriteTexts();
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) checkFileOnDisk();
    QMainWindow::changeEvent(event);
}

// The captions; the pages redraw their drawn words on the same event.
void TForm1::rewriteTexts() {
    applyCaptions(this, PageControl1);
    applyAccessibleNames(this);
    nameLanguages();
    attachUndoActions(chrome_, doc_->undoStack());
    showCalculateHint();
    // The document keeps the messages as codes: the box words them anew.
    shownMessages_.clear();
    showMessages();
    if (exports_) exports_->retitle();
}

// The one key no menu shows.
void TForm1::showCalculateHint() {
    chrome_.Calculate1->setToolTip(QStringLiteral("%1 (%2)").arg(
        captionText("SpeedButton4"), QKeySequence(Qt::Key_F5).toString(QKeySequence::NativeText)));
}

void TForm1::Info1Click() {
    if (!info_) info_ = new TForm2(this);
    info_->open();
}

}  // namespace ws
