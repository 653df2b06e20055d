#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "export/avl_export.h"
#include "export/dxf_export.h"
#include "export/svg_export.h"

namespace ws {
namespace {

std::size_t count(const std::string& text, const std::string& part) {
    std::size_t n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

// Neutral point 100, reference chord 200, two wings: range 68..84, desired 7.5 % at 85.
const StabilityMarks kAutomatic = stabilityMarks(2, 100, 297000, 200, 7.5, false);
const StabilityMarks kManual = stabilityMarks(2, 100, 297000, 200, 7.5, true);
// The rows as the catalogue words them, trailing blanks included.
const ExportWords kEnglish{
    "Wing",
    {"Reference area (S): 29.70dm^2 ", "Reference length (lm): 200.0mm ", "x_cg (16%): 68.0mm   ",
     "x_cg (8%): 84.0mm   ", "x_cg (7.5%): 85.0mm     ", "x_ac: 100.0mm    "}};
const ExportWords kGerman{
    "Flügel",
    {"Bezugsfläche (S): 29.70dm^2 ", "Bezugstiefe (lm): 200.0mm ", "x_SP (16%): 68.0mm   ",
     "x_SP (8%): 84.0mm   ", "x_SP (7.5%): 85.0mm     ", "x_NP: 100.0mm    "}};

TEST(DrawingExport, GeometryAlwaysMarksOnlyWithResults) {
    const struct {
        std::optional<StabilityMarks> marks;
        ExportWords words;
        const char* svgTexts[3];  // expected labels, empty when none
        double height;            // mm
    } cases[] = {
        {std::nullopt, {}, {}, 790},
        {kAutomatic, kEnglish, {">x_ac: 100.0mm<", ">x_cg (16%): 68.0mm<", ">x_cg (8%): 84.0mm<"}, 810},
        {kManual, kGerman, {">x_NP: 100.0mm<", ">x_SP (7.5%): 85.0mm<", ">Bezugstiefe (lm): 200.0mm<"}, 810},
    };
    for (const auto& c : cases) {
        const ExportSource source{startupAircraft(), c.marks, c.words};
        const std::string svg = svgDrawing(source);
        const std::string dxf = dxfDrawing(source);
        // The start-up aircraft from the root leading edge to wing 2's root trailing edge (770)
        // and over its span (1100), with 10 mm round it and the two value rows below.
        EXPECT_NE(svg.find("width=\"1120mm\" height=\"" + numberText(c.height) + "mm\" viewBox=\"0 0 1120 " +
                           numberText(c.height) + "\""),
                  std::string::npos)
            << svg;
        EXPECT_NE(svg.find("<polygon points=\"0,0 550,30 550,260 0,310 -550,260 -550,30\"/>"),
                  std::string::npos);
        EXPECT_NE(svg.find("<polygon points=\"0,680 120,690 120,760 0,770 -120,760 -120,690\"/>"),
                  std::string::npos);
        EXPECT_EQ(count(dxf, "\r\nPOLYLINE\r\n"), 2u);
        EXPECT_EQ(count(svg, "id=\"stability\""), c.marks ? 1u : 0u);
        EXPECT_EQ(count(dxf, "STABILITY") > 0, c.marks.has_value());
        for (const char* text : c.svgTexts) {
            if (text) {
                EXPECT_NE(svg.find(text), std::string::npos) << text;
            }
        }
    }
    // The automatic range is a bar between two ticks, the manual position one tick.
    const std::string automatic = dxfDrawing({startupAircraft(), kAutomatic, kEnglish});
    const std::string manual = dxfDrawing({startupAircraft(), kManual, kEnglish});
    EXPECT_EQ(count(automatic, "LINE\r\n  8\r\nSTABILITY"), 4u);  // neutral point, tick, bar, tick
    EXPECT_EQ(count(manual, "LINE\r\n  8\r\nSTABILITY"), 2u);
}

TEST(DrawingExport, MeanChordStandsAtTheCentroidOfEachHalf) {
    // Default wing 1: half span 550, chords 310 and 230, offset 30: the centroid lies at
    // 550 (310 + 2 x 230) / (3 (310 + 230)) = 261.42 mm, r25 at 82.25 mm, lm 271.98 mm.
    const std::vector<WingGeometry> wings = wingGeometries(startupAircraft());
    ASSERT_EQ(wings.size(), 2u);
    const WingGeometry& w1 = wings[0];
    EXPECT_EQ(w1.wing, 1);  // the lower wing first
    EXPECT_NEAR(w1.macY, 550.0 * 770 / 1620, 1e-9);
    EXPECT_NEAR(w1.r25, 82.2531, 1e-4);
    EXPECT_NEAR(w1.macRear - w1.macFront, 271.9753, 1e-4);
    EXPECT_NEAR(w1.r25 - w1.macFront, (w1.macRear - w1.macFront) / 4, 1e-9);
}

TEST(DrawingExport, CentreGapPartsTheOutlineAndTipChordZeroHasNoDoublePoint) {
    AircraftModel model = startupAircraft();
    model.WingCount = 1;
    WingEntry entry = defaultWingEntry(1);
    entry.gap = 50;
    entry.chord[2] = 0;
    model.wing[1] = paramsFromEntry(entry, 1);
    const std::string svg = svgDrawing({model, std::nullopt, {}});
    EXPECT_NE(svg.find("<polygon points=\"50,0 600,30 50,310\"/>"), std::string::npos) << svg;
    EXPECT_NE(svg.find("<polygon points=\"-50,310 -600,30 -50,0\"/>"), std::string::npos) << svg;
    EXPECT_EQ(count(dxfDrawing({model, std::nullopt, {}}), "\r\nPOLYLINE\r\n"), 2u);
}

TEST(DrawingExport, FileNamesAreEscapedInTheSvgTitleAndGiveTheDefaultNames) {
    AircraftModel model = startupAircraft();
    EXPECT_EQ(exportFileName(model, "svg"), "Unknown.svg");
    model.AircraftFileName = "planes/R&D <1>.da4";
    EXPECT_EQ(exportFileName(model, "avl"), "planes/R&D <1>.avl");
    EXPECT_NE(svgDrawing({model, std::nullopt, {}}).find("<title>R&amp;D &lt;1&gt;</title>"),
              std::string::npos);
    EXPECT_TRUE(avlInput({model, std::nullopt, {}}).starts_with("R&D <1>\n"));
}

}  // namespace
}  // namespace ws
