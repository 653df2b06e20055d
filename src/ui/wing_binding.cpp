#include "ui/wing_binding.h"

#include <QLineEdit>
#include <QRadioButton>

#include "model/entry_rule.h"

namespace ws {

namespace {

std::int32_t valueOf(const QLineEdit* field) {
    return entryValue(field->text().toStdString());
}

}  // namespace

WingEntry readWingEntry(const WingPage& page) {
    WingEntry e;
    e.gap = valueOf(page.gap);
    for (int k = 1; k <= kMaxTrapeziums; ++k) e.span[k] = valueOf(page.span[k]);
    for (int j = 1; j <= kMaxStations; ++j) e.chord[j] = valueOf(page.chord[j]);
    for (int j = 2; j <= kMaxStations; ++j) e.offset[j] = valueOf(page.offset[j]);
    return e;
}

int selectedTrapCount(const WingPage& page) {
    for (int k = kMaxTrapeziums; k >= 2; --k)
        if (page.trap[k]->isChecked()) return k;
    return 1;
}

std::array<QLineEdit*, 3> trapeziumFields(const WingPage& page, int k) {
    return {page.span[k], page.chord[k + 1], page.offset[k + 1]};
}

void showTrapeziumFields(const WingPage& page, int count) {
    for (int k = 2; k <= kMaxTrapeziums; ++k)
        for (QLineEdit* field : trapeziumFields(page, k)) field->setVisible(k <= count);
}

}  // namespace ws
