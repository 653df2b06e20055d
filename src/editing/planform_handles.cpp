#include "editing/planform_handles.h"

#include <cmath>

namespace ws {

HandleCorner handleCorner(const WingParams& params, int handle) {
    if (handle < 1 || handle > kHandleCount) return {};
    const int station = handleTrapezium(handle) + 1;
    const auto j = static_cast<std::size_t>(station);
    HandleCorner c;
    if (station == 1) {
        c.y = params.WingGap;
        c.x = 0;
    } else {
        c.y = params.StationYMm[j];
        c.x = params.OffsetMm[j];
    }
    if (!isLeadingEdgeHandle(handle)) c.x += params.ChordMm[j];
    return c;
}

int hitTest(const WingParams& params, const PlanformFrame& frame, PixelPoint pointer) {
    const double s = frame.scale;
    if (!(s > 0) || !std::isfinite(s)) return 0;
    const double across = static_cast<double>(pointer.x) - frame.originX();
    const double along = static_cast<double>(pointer.y) - frame.originY();
    int hit = 0;
    for (int k = 1; k <= kHandleCount; ++k) {
        const HandleCorner c = handleCorner(params, k);
        const double column = isRightHalfHandle(k) ? across - c.y * s : across + c.y * s;
        if (std::fabs(along - c.x * s) < 3 && std::fabs(column) < 3) hit = k;
    }
    return hit;
}

CursorShape handleCursor(int handle) {
    if (handle < 1 || handle > kHandleCount) return CursorShape::Cross;
    if (handle <= 2) return CursorShape::SizeHor;
    if (handle <= 4) return CursorShape::SizeVer;
    return isLeadingEdgeHandle(handle) ? CursorShape::SizeAll : CursorShape::SizeVer;
}

}  // namespace ws
