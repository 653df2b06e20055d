// The words of the balance: its messages, the notes on a damaged balance
// block, the status, the ballast and the move, in the language in force
// (context "Balance"; the top view's row in "Stability"). Numbers keep the
// core's format: point as decimal separator, g and mm.
#pragma once

#include <QString>
#include <string>

#include "files/balance_block.h"
#include "stability/balance.h"

namespace ws {

QString balanceMessageText(const BalanceMessage& message);
QString balanceFileNoteText(const BalanceFileNote& note);

// "within the recommended range", "nose-heavy by 3.2 mm", "tail-heavy by
// 2.1 mm (behind the neutral point: unstable)"; needs figures.referenced.
QString balanceStatusText(const BalanceFigures& figures);
// "35.2 g at x = -150.0 mm", "none needed" or why ballast there cannot help.
QString ballastText(const BalanceFigures& figures);
// "move “Battery” to x = -82.3 mm"
QString moveText(const MoveAdvice& move);

// The top view's and the drawings' row for the centre of gravity as built:
// "x_cg now: 78.4mm".
std::string actualCgRow(double cg);

}  // namespace ws
