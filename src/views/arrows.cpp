#include "views/arrows.h"

namespace ws {

void PfeilV1(Canvas& canvas, int x1, int y1, int x2, int y2) {
    canvas.line(x1, y1, x2, y2);
    canvas.polygon({{x2, y2}, {x2 + 2, y2 - 11}, {x2 - 2, y2 - 11}});
}

void PfeilV2(Canvas& canvas, int x1, int y1, int x2, int y2) {
    canvas.line(x1, y1, x2, y2);
    canvas.polygon({{x1, y1}, {x1 + 2, y1 + 11}, {x1 - 2, y1 + 11}});
    canvas.polygon({{x2, y2}, {x2 + 2, y2 - 11}, {x2 - 2, y2 - 11}});
}

void PfeilH2(Canvas& canvas, int x1, int y1, int x2, int y2) {
    canvas.line(x1, y1, x2, y2);
    canvas.polygon({{x1, y1}, {x1 + 11, y1 - 2}, {x1 + 11, y1 + 2}});
    canvas.polygon({{x2, y2}, {x2 - 11, y2 - 2}, {x2 - 11, y2 + 2}});
}

}  // namespace ws
