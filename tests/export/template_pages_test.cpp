#include "export/template_pages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "glider_wing.h"

namespace ws {
namespace {

using test::glider3m;

// The words of the catalogue for the automatic range 34..42 of the glider.
const ExportWords kWords{"Wing",
                         {"", "", "x_cg (8%): 34.0mm   ", "x_cg (4%): 42.0mm   ", "", "x_ac: 50.0mm    "}};

const TemplatePage* pageNamed(const TemplateLayout& layout, const std::string& name) {
    for (const TemplatePage& p : layout.pages) {
        if (p.name == name) return &p;
    }
    return nullptr;
}

bool hasLine(const TemplatePage& page, TemplateStroke stroke, double x1, double y1, double x2, double y2) {
    return std::any_of(page.lines.begin(), page.lines.end(), [&](const TemplateLine& l) {
        return l.stroke == stroke && std::abs(l.x1 - x1) < 1e-9 && std::abs(l.y1 - y1) < 1e-9 &&
               std::abs(l.x2 - x2) < 1e-9 && std::abs(l.y2 - y2) < 1e-9;
    });
}

bool hasText(const TemplatePage& page, const std::string& text) {
    return std::any_of(page.texts.begin(), page.texts.end(),
                       [&](const TemplateText& t) { return t.text == text; });
}

TEST(TemplatePages, GliderWingOnA4) {
    // Printable A4 190 x 277 mm; each further page adds 180 (or 267) mm.
    // Both halves: 3000 + 2 x 5 mm wide, so ceil((3010 - 10) / 180) = 17 columns; the height
    // (the 33.5 mm of name, bar and one value row above 5 + 200 + 5 mm) fits one row.
    const struct {
        bool bothHalves;
        double width, height;
        int rows, columns;
    } cases[] = {
        {true, 190, 277, 1, 17},  // portrait
        {true, 277, 190, 2, 12},  // landscape: 3000 / 267 = 11.2, 233.5 / 180 = 1.3
        {false, 190, 277, 1, 9},  // the right half: 1500 / 180 = 8.3
    };
    for (const auto& c : cases) {
        const auto made =
            templatePages({glider3m(), std::nullopt, kWords}, {1, c.bothHalves, c.width, c.height});
        ASSERT_TRUE(std::holds_alternative<TemplateLayout>(made));
        const TemplateLayout& layout = std::get<TemplateLayout>(made);
        EXPECT_EQ(layout.rows, c.rows);
        EXPECT_EQ(layout.columns, c.columns);
        ASSERT_EQ(layout.pages.size(), std::size_t(c.rows * c.columns));
        EXPECT_EQ(layout.pages.back().name,
                  std::string(1, char('A' + c.rows - 1)) + std::to_string(c.columns));
        for (const TemplatePage& page : layout.pages) {
            // Name and a 100 mm bar inside the page's own area, right of the 10 mm strip.
            EXPECT_TRUE(hasText(page, page.name));
            EXPECT_TRUE(hasLine(page, TemplateStroke::ScaleBar, 12, 22, 112, 22)) << page.name;
            EXPECT_TRUE(hasText(page, "100 mm"));
        }
    }
    const TemplateLayout portrait =
        std::get<TemplateLayout>(templatePages({glider3m(), std::nullopt, kWords}, {1, true, 190, 277}));
    // The right tip edge (y 1500, x 0..200) lies 3005 mm from the left edge: on A17, whose
    // left edge is 16 x 180 mm in, at 125 mm; the leading edge 38.5 mm below the page top.
    EXPECT_TRUE(hasLine(*pageNamed(portrait, "A17"), TemplateStroke::Outline, 125, 38.5, 125, 238.5));
    // A registration cross in the strip shared by A1 and A2 lies 185 mm into A1 and 5 mm into A2.
    EXPECT_TRUE(hasLine(*pageNamed(portrait, "A1"), TemplateStroke::Registration, 185, 135.5, 185, 141.5));
    EXPECT_TRUE(hasLine(*pageNamed(portrait, "A2"), TemplateStroke::Registration, 5, 135.5, 5, 141.5));
    EXPECT_TRUE(hasLine(*pageNamed(portrait, "A1"), TemplateStroke::OverlapEdge, 180, 0, 180, 277));
    // The first page alone carries the wing's values.
    EXPECT_TRUE(hasText(portrait.pages[0], "Wing 1: b=3000mm s=60.00dm^2 lm=200.0mm r25=50.0mm lam=15.0"));
    EXPECT_EQ(portrait.pages[1].texts.size(), 2u);
}

TEST(TemplatePages, RecommendedCentreOfGravityOnTheFirstPageWithResults) {
    const StabilityMarks marks = stabilityMarks(1, 50, 600000, 200, 7.5, false);  // range 34..42
    const TemplateLayout layout =
        std::get<TemplateLayout>(templatePages({glider3m(), marks, kWords}, {1, true, 190, 277}));
    for (const char* row : {"x_ac: 50.0mm", "x_cg (8%): 34.0mm", "x_cg (4%): 42.0mm"})
        EXPECT_TRUE(hasText(layout.pages[0], row)) << row;
    // The bar lies on the centre line, in the middle column (A9: centre 1505 - 8 x 180 = 65 mm in);
    // three rows more above the wing move the drawing 16.5 mm down.
    EXPECT_TRUE(hasLine(*pageNamed(layout, "A9"), TemplateStroke::CentreOfGravity, 65, 34 + 55, 65, 42 + 55));
}

// A wing of the given half span, chord 200 mm.
AircraftModel wingOfHalfSpan(int halfSpan) {
    AircraftModel model = glider3m();
    WingEntry entry{};
    entry.span[1] = halfSpan;
    entry.chord[1] = entry.chord[2] = 200;
    model.wing[1] = paramsFromEntry(entry, 1);
    return model;
}

TEST(TemplatePages, Refusals) {
    using R = TemplateRefusal;
    const struct {
        AircraftModel model;
        int wing;
        double width, height;
        R refusal;
        long long sheets;  // 0: made
        const char* reason;
    } cases[] = {
        {glider3m(), 1, 120, 277, R::PageTooSmall, 0, "the printable area is smaller than 130 x 130 mm"},
        {glider3m(), 1, 190, 129, R::PageTooSmall, 0, "the printable area is smaller than 130 x 130 mm"},
        {glider3m(), 2, 190, 277, R::WingNotInUse, 0, "wing 2 is not in use"},
        // Both halves 2 x (18000 + 5) mm wide: (36010 - 10) / 180 = 200 pages in one row.
        {wingOfHalfSpan(18000), 1, 190, 277, R::TooManySheets, 0, ""},
        {wingOfHalfSpan(18001), 1, 190, 277, R::TooManySheets, 201,
         "the template would take 201 sheets, more than 200"},
        // The 10 km wing: 10010 / 180 = 55.6 columns, one row.
        {wingOfHalfSpan(5000000), 1, 190, 277, R::TooManySheets, 55556,
         "the template would take 55556 sheets, more than 200"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reason);
        const auto made = templatePages({c.model, std::nullopt, kWords}, {c.wing, true, c.width, c.height});
        const bool refused = *c.reason || c.sheets;
        ASSERT_EQ(std::holds_alternative<TemplateError>(made), refused);
        if (!refused) {
            EXPECT_EQ(std::get<TemplateLayout>(made).pages.size(), 200u);
            continue;
        }
        const TemplateError& error = std::get<TemplateError>(made);
        EXPECT_EQ(error.refusal, c.refusal);
        EXPECT_EQ(error.sheets, c.sheets);
        if (*c.reason) {
            EXPECT_EQ(error.reason, c.reason);
        }
    }
    // The smallest page allowed is made.
    EXPECT_TRUE(std::holds_alternative<TemplateLayout>(
        templatePages({glider3m(), std::nullopt, kWords}, {1, true, kTemplateMinPage, kTemplateMinPage})));
}

}  // namespace
}  // namespace ws
