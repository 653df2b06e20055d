// The exported files of two aircraft, byte for byte (tests/golden.h regenerates them).
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <tuple>
#include <variant>

#include "../golden.h"
#include "export/avl_export.h"
#include "export/dxf_export.h"
#include "export/svg_export.h"
#include "export/template_pages.h"
#include "glider_wing.h"

namespace ws {
namespace {

// The start-up aircraft with its automatic range: neutral point 100, chord 200.
ExportSource startupSource() {
    return {startupAircraft(),
            stabilityMarks(2, 100, 297000, 200, 7.5, false),
            {"Wing",
             {"Reference area (S): 29.70dm^2 ", "Reference length (lm): 200.0mm ", "x_cg (16%): 68.0mm   ",
              "x_cg (8%): 84.0mm   ", "x_cg (7.5%): 85.0mm     ", "x_ac: 100.0mm    "},
             "x_cg now: 78.4mm"},
            78.4};
}

// Three wings, a centre gap and three trapeziums on wing 1, a forward tip and
// a third wing of wing 1's span but smaller area; a manual position.
ExportSource threeWingSource() {
    AircraftModel m = startupAircraft();
    m.WingCount = m.CalcWingCount = 3;
    WingEntry e1 = defaultWingEntry(1);
    e1.gap = 40;
    m.wing[1] = paramsFromEntry(e1, 3);
    WingEntry e3 = defaultWingEntry(1);
    e3.chord[1] = 150;
    e3.chord[2] = 90;
    e3.offset[2] = -20;
    e3.posX = 900;
    e3.posZ = 50;
    m.wing[3] = paramsFromEntry(e3, 1);
    m.AircraftFileName = "/tmp/a <b> & \"c\".da4";
    return {m,
            stabilityMarks(3, 120, 350000, 210, 9, true),
            {"Flügel",
             {"Bezugsfläche (S): 35.00dm^2 ", "Bezugstiefe (lm): 210.0mm ", "", "", "x_SP (9%): 101.1mm     ",
              "x_NP: 120.0mm    "}}};
}

std::string mm(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", v);
    return text;
}

// With `pages` false only the layout's size and page count.
std::string templateText(const ExportSource& source, const TemplateRequest& request, bool pages = true) {
    const auto made = templatePages(source, request);
    if (const auto* error = std::get_if<TemplateError>(&made))
        return "refused " + std::to_string(int(error->refusal)) + " " + std::to_string(error->sheets) + ": " +
               error->reason + "\n";
    const TemplateLayout& layout = std::get<TemplateLayout>(made);
    std::string out = "wing " + std::to_string(layout.wing) + ", " + std::to_string(layout.rows) + " x " +
                      std::to_string(layout.columns) + ", " + std::to_string(layout.pages.size()) +
                      " pages\n";
    for (const TemplatePage& p : layout.pages) {
        if (!pages) break;
        out += "page " + p.name + " " + std::to_string(p.row) + "," + std::to_string(p.column) + "\n";
        for (const TemplateLine& l : p.lines)
            out += "  line " + std::to_string(int(l.stroke)) + " " + mm(l.x1) + " " + mm(l.y1) + " " +
                   mm(l.x2) + " " + mm(l.y2) + "\n";
        for (const TemplateText& t : p.texts)
            out += "  text " + mm(t.x) + " " + mm(t.y) + " " + mm(t.size) + " " + t.text + "\n";
    }
    return out;
}

TEST(GoldenExport, DrawingsAndAvlFiles) {
    const ExportSource a = startupSource(), b = threeWingSource();
    test::expectGolden("startup.svg", svgDrawing(a));
    test::expectGolden("startup.dxf", dxfDrawing(a));
    test::expectGolden("startup.avl", avlInput(a));
    test::expectGolden("three-wings.svg", svgDrawing(b));
    test::expectGolden("three-wings.dxf", dxfDrawing(b));
    test::expectGolden("three-wings.avl", avlInput(b));
    // Without results: the geometry alone, the reference point at 0.
    const ExportSource plain{startupAircraft(), std::nullopt, {}};
    test::expectGolden("startup-geometry.svg", svgDrawing(plain));
    test::expectGolden("startup-geometry.dxf", dxfDrawing(plain));
    EXPECT_NE(avlInput(plain).find("\n#Xref Yref Zref\n0.000000 0.0 0.0\n"), std::string::npos);
    ExportSource inch = b;
    inch.units = Units::Inch;
    test::expectGolden("three-wings-inch.dxf", dxfDrawing(inch));
    inch.units = Units::Centimetre;
    test::expectGolden("three-wings-cm.dxf", dxfDrawing(inch));
}

// A wing of the given half span, chord 200 mm.
AircraftModel wingOfHalfSpan(int halfSpan) {
    AircraftModel model = test::glider3m();
    WingEntry entry{};
    entry.span[1] = halfSpan;
    entry.chord[1] = entry.chord[2] = 200;
    model.wing[1] = paramsFromEntry(entry, 1);
    return model;
}

TEST(GoldenExport, TemplatePages) {
    test::expectGolden("template-startup-wing1.txt", templateText(startupSource(), {1, true, 400, 277}));
    test::expectGolden("template-three-wings-wing2.txt",
                       templateText(threeWingSource(), {2, false, 190, 140}));
    // The 3 m glider on A4 (printable 190 x 277 mm), with and without its automatic range
    // 34..42, in millimetres and inches; then the refusals and the limits.
    const ExportWords words{"Wing",
                            {"", "", "x_cg (8%): 34.0mm   ", "x_cg (4%): 42.0mm   ", "", "x_ac: 50.0mm    "}};
    const StabilityMarks marks = stabilityMarks(1, 50, 600000, 200, 7.5, false);
    ExportSource glider{test::glider3m(), std::nullopt, words}, inch = glider, cm = glider,
                                                                marked{test::glider3m(), marks, words};
    inch.units = Units::Inch;
    cm.units = Units::Centimetre;
    test::expectGolden("template-glider.txt",
                       templateText(glider, {1, true, 190, 277}) + templateText(glider, {1, true, 277, 190}) +
                           templateText(glider, {1, false, 190, 277}) +
                           templateText(marked, {1, true, 190, 277}) +
                           templateText(inch, {1, false, 190, 277}) + templateText(cm, {1, false, 190, 277}));
    std::string limits;
    for (const auto& [halfSpan, wing, width, height] : {std::tuple{1500, 1, 120.0, 277.0},
                                                        {1500, 1, 190.0, 129.0},
                                                        {1500, 1, 130.0, 130.0},
                                                        {1500, 2, 190.0, 277.0},
                                                        {18000, 1, 190.0, 277.0},
                                                        {18001, 1, 190.0, 277.0},
                                                        {5000000, 1, 190.0, 277.0}})
        limits +=
            templateText({wingOfHalfSpan(halfSpan), std::nullopt, words}, {wing, true, width, height}, false);
    AircraftModel none = test::glider3m();
    none.wing[1] = paramsFromEntry(WingEntry{}, 1);
    limits += templateText({none, std::nullopt, words}, {1, true, 190, 277}, false);
    test::expectGolden("template-limits.txt", limits);
}

}  // namespace
}  // namespace ws
