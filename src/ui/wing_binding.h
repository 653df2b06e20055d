// The entry fields of a wing page are the wing's storage: this reads them
// into the core's WingEntry and shows the fields a trapezium count uses.
#pragma once

#include <array>

#include "model/aircraft.h"
#include "ui/wing_page.h"

class QLineEdit;

namespace ws {

// Every field by the entry rule, hidden ones too; posX and posZ stay 0
// (they live on the aircraft page).
WingEntry readWingEntry(const WingPage& page);

// 1..4, from the trapezium choice.
int selectedTrapCount(const WingPage& page);

// Span, tip chord and tip offset of trapezium k (2..4), the fields that come
// and go with the trapezium count.
std::array<QLineEdit*, 3> trapeziumFields(const WingPage& page, int k);

// Shows the fields of trapeziums 2..count, hides those beyond; hidden fields
// keep their text.
void showTrapeziumFields(const WingPage& page, int count);

}  // namespace ws
