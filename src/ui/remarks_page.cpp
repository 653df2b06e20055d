#include "ui/remarks_page.h"

#include <QPalette>
#include <QPlainTextEdit>
#include <QTabWidget>

#include "ui/controls.h"
#include "ui/design_scale.h"

namespace ws {

RemarksPage buildRemarksPage(QTabWidget* tabs) {
    RemarksPage r;
    r.page = new QWidget;
    r.page->setObjectName(QStringLiteral("TabSheet4"));
    tabs->addTab(r.page, QString());
    r.Memo2 = new QPlainTextEdit(r.page);
    r.Memo2->setObjectName(QStringLiteral("Memo2"));
    r.Memo2->setGeometry(design(30, 30, 690, 562));
    QPalette palette = r.Memo2->palette();
    palette.setColor(QPalette::Base, viewBackground());
    r.Memo2->setPalette(palette);
    setTextColour(r.Memo2, Qt::blue);
    return r;
}

}  // namespace ws
