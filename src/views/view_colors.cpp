#include "views/view_colors.h"

#include <QGuiApplication>
#include <QPalette>

namespace ws {

QColor tooltipBackground() {
    return QGuiApplication::palette().color(QPalette::ToolTipBase);
}

}  // namespace ws
