#include "ui/remarks_page.h"

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
    connect(Memo2, &QPlainTextEdit::textChanged, this, [this] { doc_.editRemarks(Memo2->toPlainText()); });
    connect(&doc_, &AircraftDocument::aircraftChanged, this, [this](const AircraftChange& change) {
        if (change.kind == AircraftChange::Kind::Remarks || change.kind == AircraftChange::Kind::Everything)
            showDocument();
    });
}

void RemarksPage::showDocument() {
    if (Memo2->toPlainText() == doc_.text().remarks) return;
    const QSignalBlocker quiet(Memo2);
    Memo2->setPlainText(doc_.text().remarks);
}

}  // namespace ws
