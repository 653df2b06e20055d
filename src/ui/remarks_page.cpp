#include "ui/remarks_page.h"

#include <QEvent>
#include <QPalette>
#include <QPlainTextEdit>
#include <QSignalBlocker>

#include "ui/controls.h"
#include "ui/design_scale.h"

namespace ws {

RemarksPage::RemarksPage(AircraftDocument& doc, QWidget* parent) : QWidget(parent), doc_(doc) {
    setObjectName(QStringLiteral("TabSheet4"));
    Memo2 = new QPlainTextEdit(this);
    Memo2->setObjectName(QStringLiteral("Memo2"));
    Memo2->setGeometry(design(30, 30, 690, 562));
    QPalette palette = Memo2->palette();
    palette.setColor(QPalette::Base, viewBackground());
    Memo2->setPalette(palette);
    setTextColour(Memo2, Qt::blue);
    Memo2->setUndoRedoEnabled(false);
    connect(Memo2, &QPlainTextEdit::textChanged, this, [this] {
        if (!tooLong_) doc_.editRemarks(Memo2->toPlainText());
    });
    connect(&doc_, &AircraftDocument::aircraftChanged, this, [this](const AircraftChange& change) {
        if (change.kind == AircraftChange::Kind::Remarks || change.kind == AircraftChange::Kind::Everything)
            showDocument();
    });
}

namespace {

bool fitsTheBox(const QString& remarks) {
    int lines = 1;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= remarks.size(); ++i) {
        if (i < remarks.size() && remarks[i] != u'\n') continue;
        if (i - start > kMaxRemarksLine || lines > kMaxRemarksLines) return false;
        ++lines;
        start = i + 1;
    }
    return true;
}

// The first lines, each cut short, after a notice.
QString beginningOf(const QString& remarks) {
    constexpr int kLines = 200, kWidth = 200;
    QString shown = RemarksPage::tr(
                        "These remarks are too long to edit here (%1 characters). "
                        "They are kept and saved as they are. They begin:")
                        .arg(remarks.size());
    shown += u"\n\n";
    qsizetype start = 0;
    for (int k = 0; k < kLines && start <= remarks.size(); ++k) {
        qsizetype end = remarks.indexOf(u'\n', start);
        if (end < 0) end = remarks.size();
        shown += QStringView(remarks).mid(start, std::min<qsizetype>(end - start, kWidth));
        if (end - start > kWidth) shown += u'…';
        shown += u'\n';
        start = end + 1;
    }
    return shown;
}

}  // namespace

void RemarksPage::showDocument() {
    const QString& remarks = doc_.text().remarks;
    const bool tooLong = !fitsTheBox(remarks);
    if (!tooLong && !tooLong_ && Memo2->toPlainText() == remarks) return;
    tooLong_ = tooLong;
    const QSignalBlocker quiet(Memo2);
    Memo2->setReadOnly(tooLong);
    Memo2->setPlainText(tooLong ? beginningOf(remarks) : remarks);
}

void RemarksPage::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange && tooLong_) showDocument();
    QWidget::changeEvent(event);
}

}  // namespace ws
