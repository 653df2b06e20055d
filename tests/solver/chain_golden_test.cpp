#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../golden.h"
#include "model/number_format.h"
#include "solver/calculation.h"
#include "solver_test_util.h"

namespace ws {
namespace {

using test::aircraftOf;
using test::rectangle;
using test::WingSpec;

std::string messages(const std::vector<Message>& lines) {
    std::string text;
    for (const Message& m : lines)
        text += " " + std::to_string(int(m.code)) + "(" + std::to_string(m.a) + "," + std::to_string(m.b) +
                "," + std::to_string(m.c) + ")";
    return text.empty() ? " -" : text;
}

// Per aircraft (tests/golden.h): GRID's sizes, panels and strips per trapezium, its refusal; the
// chain's heights after the overlap rule, sizes, message codes (solver/messages.h), box, lattice and
// labels. Lattices above 1000 unknowns are only sized, so that Debug runs stay quick.
TEST(GoldenChain, SizesMovesAndRefusals) {
    const WingSpec main = rectangle(500, 200);
    const auto tail = [&](WingSpec t) { return aircraftOf({main, t}); };
    AircraftModel oneWing = tail(rectangle(200, 200, 680, 0)), tooManyAndNoArea = test::stubby(10);
    oneWing.CalcWingCount = 1;
    tooManyAndNoArea.wing[2] = test::params(rectangle(300, 0, 1500, 150));
    test::WingSpec gapped = main;
    gapped.gap = 300;
    const auto swept = [](int root, int tip, int offset) {
        return aircraftOf({WingSpec{{root, root, tip, 0, 0}, {500, 100, 0, 0}, {0, offset, 0, 0}, 2}});
    };
    const struct {
        const char* name;
        AircraftModel m;
        int target = kTargetPanels;
    } cases[] = {
        // Sizing: sqrt(2 × target share / aspect ratio) chordwise, strips by chord.
        {"equal areas", tail(rectangle(250, 400, 800, 100))},
        {"stations 2 and 3 at one y, 50 mm apart in x",
         aircraftOf({WingSpec{{200, 200, 150, 0, 0}, {300, 0, 0, 0}, {0, 50, 0, 0}, 2}})},
        {"299 strips of one panel", aircraftOf({rectangle(2990, 10)})},
        {"3000 unknowns", test::stubby(5)},
        {"300 and 310 strips", aircraftOf({rectangle(3000, 10), rectangle(3100, 10, 500, 100)})},
        {"no area", aircraftOf({main, rectangle(300, 0, 600, 50), rectangle(0, 100, -300, -50)})},
        {"trapezium without chord", aircraftOf({WingSpec{{200, 0, 0, 0, 0}, {300, 200, 0, 0}, {}, 2}})},
        {"more than 300 chordwise panels", aircraftOf({rectangle(1, 100000)})},
        {"3300 unknowns", test::stubby(10)},
        {"unknowns not counted after a refused wing", tooManyAndNoArea},
        {"target 1600", aircraftOf({main}), 1600},
        {"target 1", aircraftOf({main}), 1},
        {"target -5", aircraftOf({main}), -5},
        {"target 3000", aircraftOf({main}), 3000},
        {"tail's share at 1600", tail(rectangle(200, 100, 600, 60)), 1600},
        // Entries without span or chord, named before the lattice.
        {"tip in a point", tail({{100, 100, 0, 0, 0}, {100, 200, 0, 0}, {0, 50, 0, 0}, 2, 700, 80})},
        {"no root chord", tail({{0, 100, 80, 0, 0}, {100, 200, 0, 0}, {0, 50, 0, 0}, 2, 700, 80})},
        {"no chord between", tail({{100, 0, 80, 0, 0}, {100, 200, 0, 0}, {0, 50, 0, 0}, 2, 700, 80})},
        {"no span before", tail({{100, 0, 80, 0, 0}, {0, 200, 0, 0}, {0, 50, 0, 0}, 2, 700, 80})},
        {"no span", tail({{100, 100, 80, 70, 0}, {0, 0, 0, 0}, {0, 50, 0, 0}, 3, 700, 80})},
        // tan 80° × 100 mm = 567.1 mm of sweep is the most.
        {"swept 567", swept(100, 100, 567)},
        {"swept 568", swept(100, 100, 568)},
        {"leading edge swept", swept(100, 668, -568)},
        {"trailing edge swept", swept(668, 100, 0)},
        // The overlap rule: a wing behind moves down in steps of 1 % of its chord.
        {"tail at the main wing's height", tail(rectangle(200, 200, 680, 0))},
        {"tail high enough", tail(rectangle(200, 200, 680, 60))},
        {"tail inside the centre gap", aircraftOf({gapped, rectangle(250, 100, 680, 0)})},
        {"one wing in the calculation", oneWing},
        {"canard in front moves the main wing", tail(rectangle(200, 100, -400, 0))},
        {"wings far apart", aircraftOf({rectangle(500, 200, -2000000), rectangle(200, 100, 2000000, 0)})},
        {"canard, main and tail",
         aircraftOf({main, rectangle(200, 100, 700, 0), rectangle(200, 100, -400, 0)})},
        {"two tails side by side",
         aircraftOf({main, rectangle(200, 100, 700, 0), rectangle(200, 150, 700, 0)})},
        {"refused after a move",
         aircraftOf({main, rectangle(200, 200, 680, 0), rectangle(200, 0, -400, 40)})},
    };
    std::string all;
    for (const auto& c : cases) {
        const WingPlanforms p = test::planformsOf(c.m);
        const Outcome<LatticeSizes> grid = GRID(p, c.m.CalcWingCount, c.target);
        const LatticeSizes s = latticeSizes(p, c.m.CalcWingCount, c.target);
        all += "== " + std::string(c.name) + "\nsizes " + std::to_string(s.PanelTotal);
        for (int w = 1; w <= c.m.CalcWingCount; ++w) {
            all += "; " + std::to_string(s.ChordPanels[w]) + " x";
            for (int k = 1; k < p[w].StationCount; ++k) all += " " + std::to_string(s.StripCount[w][k]);
            all += " = " + std::to_string(s.WingStrips[w]);
        }
        all += "\ngrid" + messages(grid ? std::vector<Message>{} : grid.refusal().lines) + "\n";
        if (c.target > 1000 || (grid && s.PanelTotal > 1000)) continue;
        CalcOptions options;
        options.targetPanels = c.target;
        const CalcResult r = runCalculation(c.m, options);
        all += "chain " + std::to_string(r.sizes.PanelTotal) + messages(r.memo) +
               (r.memoShown ? " shown" : "") + (r.latticeBuilt ? " built" : "") + (r.done() ? " done" : "") +
               "\nz";
        for (int w = 1; w <= c.m.WingCount; ++w)
            all += " " + std::to_string(r.WingPosZ[w]) +
                   (r.latticeBuilt && w <= c.m.CalcWingCount ? "/" + fixed(r.lattice.WingZ[w], 0) : "");
        all += std::string(r.WingsMoved ? " moved" : "") + "\nanp_rel";
        for (int w = 1; w <= c.m.WingCount; ++w) all += " " + fixed(r.wings[w].AnpRelative, 1);
        all += "\n";
    }
    test::expectGolden("chain.txt", all);
}

}  // namespace
}  // namespace ws
