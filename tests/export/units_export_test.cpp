// The drawings in the chosen unit: DXF coordinates and $INSUNITS, the
// template's scale bar.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "export/dxf_export.h"
#include "export/template_pages.h"
#include "glider_wing.h"

namespace ws {
namespace {

// The value after each group code `code` of a DXF text.
std::vector<std::string> values(const std::string& dxf, const std::string& code) {
    std::istringstream in(dxf);
    std::vector<std::string> found;
    std::string group, value;
    while (std::getline(in, group) && std::getline(in, value)) {
        group.erase(group.find_last_not_of('\r') + 1);
        value.erase(value.find_last_not_of('\r') + 1);
        if (group.find_first_not_of(' ') != std::string::npos &&
            group.substr(group.find_first_not_of(' ')) == code)
            found.push_back(value);
    }
    return found;
}

TEST(UnitsExport, DxfWritesItsUnitAndCoordinatesInIt) {
    const struct {
        Units unit;
        const char* insunits;
        double perMm;
    } cases[] = {{Units::Millimetre, "4", 1}, {Units::Centimetre, "5", 0.1}, {Units::Inch, "1", 1 / 25.4}};
    ExportSource source{test::glider3m(), std::nullopt, {"Wing", {}}};
    const std::string mm = dxfDrawing(source);
    const std::vector<std::string> xMm = values(mm, "10");
    for (const auto& c : cases) {
        SCOPED_TRACE(unitSymbol(c.unit));
        source.units = c.unit;
        const std::string dxf = dxfDrawing(source);
        const std::size_t at = dxf.find("$INSUNITS\r\n 70\r\n");
        ASSERT_NE(at, std::string::npos);
        EXPECT_EQ(dxf.substr(at + 16, dxf.find('\r', at + 16) - at - 16), c.insunits);
        const std::vector<std::string> x = values(dxf, "10");
        ASSERT_EQ(x.size(), xMm.size());
        for (std::size_t i = 0; i < x.size(); ++i)
            EXPECT_NEAR(std::stod(x[i]), std::stod(xMm[i]) * c.perMm, 0.5e-4) << i;  // 4 decimals
    }
}

TEST(UnitsExport, TemplateScaleBarIsAHundredMillimetresOrFourInches) {
    const struct {
        Units unit;
        double length;
        const char* caption;
    } cases[] = {
        {Units::Millimetre, 100, "100 mm"}, {Units::Centimetre, 100, "10 cm"}, {Units::Inch, 101.6, "4 in"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(unitSymbol(c.unit));
        ExportSource source{test::glider3m(), std::nullopt, {"Wing", {}}};
        source.units = c.unit;
        const auto layout = std::get<TemplateLayout>(templatePages(source, {1, true, 190, 277}));
        for (const TemplatePage& page : layout.pages) {
            int bars = 0;
            for (const TemplateLine& l : page.lines)
                if (l.stroke == TemplateStroke::ScaleBar && l.y1 == l.y2) {
                    EXPECT_NEAR(l.x2 - l.x1, c.length, 1e-9);
                    ++bars;
                }
            EXPECT_EQ(bars, 1) << page.name;
            bool captioned = false;
            for (const TemplateText& t : page.texts) captioned = captioned || t.text == c.caption;
            EXPECT_TRUE(captioned) << page.name;
        }
    }
}

}  // namespace
}  // namespace ws
