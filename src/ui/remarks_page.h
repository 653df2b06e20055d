// The remarks page: one free-text box, the aircraft's remarks.
#pragma once

class QPlainTextEdit;
class QTabWidget;
class QWidget;

namespace ws {

struct RemarksPage {
    QWidget* page = nullptr;  // TabSheet4
    QPlainTextEdit* Memo2 = nullptr;
};

RemarksPage buildRemarksPage(QTabWidget* tabs);

}  // namespace ws
