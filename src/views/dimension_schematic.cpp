#include "views/dimension_schematic.h"

#include <QCoreApplication>

#include "model/aircraft.h"
#include "views/arrows.h"
#include "views/view_colors.h"

namespace ws {

void d_w(Canvas& canvas, int trapCount) {
    const int n = clampedTrapCount(trapCount);

    canvas.setBrushColor(schematicSilver());
    canvas.setPenColor(schematicSilver());
    canvas.setPenWidth(1);
    canvas.rectangle(0, 0, canvas.width(), canvas.height());

    canvas.setPenColor(schematicAqua());
    canvas.setPenWidth(4);
    canvas.setBrushColor(Qt::white);
    canvas.polygon({{107, 31}, {314, 72}, {314, 187}, {107, 196}, {107, 31}});
    if (n >= 2) canvas.polygon({{314, 72}, {519, 86}, {519, 187}, {314, 187}, {314, 72}});
    if (n >= 3) canvas.polygon({{519, 86}, {619, 115}, {619, 175}, {519, 187}, {519, 86}});
    if (n >= 4) canvas.polygon({{619, 115}, {688, 145}, {688, 195}, {619, 175}, {619, 115}});

    canvas.setPenWidth(1);
    canvas.setPenColor(Qt::black);
    canvas.setBrushColor(Qt::black);
    PfeilH2(canvas, 3, 31, 740, 31);
    PfeilV1(canvas, 3, 1, 3, 199);
    PfeilH2(canvas, 3, 31, 107, 31);
    PfeilV2(canvas, 107, 31, 107, 196);
    PfeilH2(canvas, 107, 31, 314, 31);
    PfeilV1(canvas, 314, 31, 314, 72);
    PfeilV2(canvas, 314, 72, 314, 187);
    if (n >= 2) {
        PfeilH2(canvas, 314, 31, 519, 31);
        PfeilV1(canvas, 519, 31, 519, 86);
        PfeilV2(canvas, 519, 86, 519, 187);
    }
    if (n >= 3) {
        PfeilH2(canvas, 519, 31, 619, 31);
        PfeilV1(canvas, 619, 31, 619, 115);
        PfeilV2(canvas, 619, 115, 619, 175);
    }
    if (n >= 4) {
        PfeilH2(canvas, 619, 31, 688, 31);
        PfeilV1(canvas, 688, 31, 688, 145);
        PfeilV2(canvas, 688, 145, 688, 195);
    }

    canvas.setPenColor(Qt::red);
    canvas.setBrushColor(Qt::red);
    canvas.line(10, 26, 10, 1);
    canvas.polygon({{10, 1}, {12, 12}, {8, 12}});

    canvas.setBrushColor(schematicSilver());
    canvas.setFontColor(Qt::red);
    canvas.textOut(17, 1, QCoreApplication::translate("Views", "flight direction"));
    canvas.setFontColor(Qt::black);
    canvas.textOut(8, 174, QStringLiteral("x"));
    canvas.textOut(722, 15, QStringLiteral("y"));
}

}  // namespace ws
