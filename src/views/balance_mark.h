// The model's centre of gravity as built in the aircraft top view: an orange
// diamond on the centre line with its row beside it, and the same row as the
// legend line above the stability rows. mm in the aircraft frame (x
// rearwards); rows and columns are image pixels of the top view.
#pragma once

#include <QColor>
#include <optional>
#include <string>

#include "views/canvas.h"
#include "views/top_view.h"

namespace ws {

constexpr int kBalanceRow = 215;  // above the reference area's row

// Apart from the wings' colours, the range's blue and the neutral point's red.
QColor balanceColour();

struct BalanceMark {
    double cg = 0;    // x
    std::string row;  // "x_cg now: 78.4mm"
};

void drawBalanceMark(Canvas& canvas, const BalanceMark& mark, const TopViewTransform& view);

}  // namespace ws
