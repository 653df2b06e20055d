#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "../golden.h"
#include "editing/planform_drag.h"
#include "editing/view_drag.h"

namespace ws {
namespace {

// A script of pointer events, each "op x y [flags]": d/m/u press, move and
// release on the 3-D view, D/M/U on the top view, p/P press and release on
// the planform; flags L R M S C for the buttons and keys, r l for results and
// lattice; "b e a z t" sets the bars. After each event the bars, the changes
// in order, the pointer kept and the idle flags (and a release's outcome).
std::string played(const std::string& script) {
    const WingParams wing = paramsFromEntry(defaultWingEntry(1), 1);
    const PlanformFrame frame{0.5, 800, 600};
    MouseState s;
    BarPositions bars;
    std::string out = script + "\n";
    std::istringstream in(script);
    for (std::string event; std::getline(in, event, ';');) {
        std::istringstream e(event);
        char op = 0;
        int x = 0, y = 0;
        std::string flags;
        e >> op >> x >> y >> flags;
        const auto has = [&flags](char c) { return flags.find(c) != std::string::npos; };
        const ModifierState m{
            .shift = has('S'), .ctrl = has('C'), .left = has('L'), .right = has('R'), .middle = has('M')};
        BarUpdate u{bars};
        std::string extra;
        if (op == 'b') {
            int z = 0, t = 0;
            std::istringstream(flags) >> z;
            e >> t;
            bars = u.bars = {x, y, z, t};
        } else if (op == 'd') {
            view3DMouseDown(s, {x, y});
        } else if (op == 'm') {
            u = view3DMouseMove(s, bars, {x, y}, m);
        } else if (op == 'u') {
            view3DMouseUp(s, {x, y});
        } else if (op == 'D') {
            extra = topViewMouseDown(s, {x, y}, has('r')) ? " pointer" : "";
        } else if (op == 'M') {
            u = topViewMouseMove(s, bars, {x, y}, m);
        } else if (op == 'U') {
            const TopViewRelease r = topViewMouseUp(s, bars, {x, y}, has('r'), has('l'));
            u = r.zoom;
            extra = std::string(r.magnified ? " magnified" : "") + (r.drawLattice ? " lattice" : "") +
                    (r.runStabil ? " stabil" : "");
        } else if (op == 'p') {
            planformMouseDown(s, wing, frame, {x, y});
        } else if (op == 'P') {
            planformMouseUp(s, wing, frame, {x, y}, m, "0");
        }
        bars = u.bars;
        out += "  " + event + ": " + std::to_string(bars.elevation) + " " + std::to_string(bars.azimuth) +
               " " + std::to_string(bars.zoom3D) + " " + std::to_string(bars.topZoom) + " [";
        for (const BarChange& c : u.changes())
            out += " " + std::to_string(int(c.bar)) + "=" + std::to_string(c.position);
        out += " ] last " + std::to_string(s.lastX) + "," + std::to_string(s.lastY) +
               (s.view3DIdle ? "" : " 3d") + (s.topViewIdle ? "" : " top") + extra + "\n";
    }
    return out;
}

TEST(GoldenViewDrag, Scripts) {
    std::string out;
    for (const char* script : {
             // Left: a third of the pixels, truncated towards zero; slow moves do not turn.
             "d 100 100;m 131 88 L;m 126 93 L;u 126 93",
             "d 100 100;m 102 98 L;m 104 96 L;m 106 94 L;u 106 94",
             // Beyond a bar's end it stays there, and comes back at once.
             "d 100 300;m 130 240 L;m 160 0 L;u 160 0;d 0 0;m 0 30 L;u 0 30",
             "b 0 5 75 100;d 500 0;m 0 3 L;u 0 3;b 45 350 75 100;d 0 100;m 60 100 L",
             // Right zooms and turns; both buttons turn by the left rule alone.
             "d 100 100;m 109 70 R;m 109 0 R;m 109 900 R",
             "d 100 100;m 130 70 LR",
             // No press, no button, after the release: nothing.
             "m 300 0 L;d 100 100;m 300 0;u 300 0;m 600 0 L",
             // A planform press starts the same drag, its release ends it.
             "p 10 10;m 10 4 L;P 10 10;m 10 0 L",
             // Overflow.
             "d -2000000000 2000000000;m 2000000000 -2000000000 L",
             // Top view: only a left drag magnifies, downwards, within the range.
             "M 0 300 L;D 50 50;M 0 300 R;m 50 80 L;M 70 80 L;M 70 81 L;M 70 1000 L;M 70 0 L",
             // A drag's release fits the view; a click toggles the magnification.
             "D 0 0 r;M 0 60 L;U 5 60 rl;M 5 300 L;D 0 0;U 0 0;D 0 0;U 0 0;U 0 0 r",
         })
        out += played(script);
    test::expectGolden("view-drags.txt", out);
}

}  // namespace
}  // namespace ws
