// The printed pages as drawn (views/drawing_record.h), against their goldens (tests/golden.h).
#include <gtest/gtest.h>

#include "golden.h"
#include "print_test_support.h"
#include "printing/summary_page.h"
#include "printing/template_print.h"
#include "texts/scoped_language.h"
#include "texts/translation.h"
#include "views/drawing_record.h"

namespace ws {
namespace {

std::string recorded(const PrintPage& page) {
    return test::DrawingRecord::of(page.size, [&](Canvas& c) { page.draw(c); });
}

TEST(GoldenPrint, SummaryPages) {
    AircraftModel three = startupAircraft();
    three.WingCount = 3;
    AircraftModel far = startupAircraft();
    far.WingCount = 1;  // its block alone, with a wide x0 pushing its row right
    far.wing[1].WingPosX = 123456;
    const test::CalculatedAircraft a(startupAircraft()), b(three), c(far);
    PrintJobInput manual = b.input();
    manual.manual = true;
    manual.LatticeValid = false;
    manual.elevation = 30;
    manual.azimuth = 120;
    test::expectGolden("summary-startup.txt", recorded(composeSummaryPage(a.input()).print));
    test::expectGolden("summary-one-wing-far.txt", recorded(composeSummaryPage(c.input()).print));
    useUnits(Units::Inch);
    const std::string inches = recorded(composeSummaryPage(a.input()).print);
    useUnits(Units::Millimetre);
    test::expectGolden("summary-startup-inch.txt", inches);
    const test::ScopedLanguage german(Language::German);
    test::expectGolden("summary-three-wings-manual.txt", recorded(composeSummaryPage(manual).print));
}

TEST(GoldenPrint, TemplatePagesOnSmallPaper) {
    AircraftModel m = startupAircraft();
    const ExportSource source{
        m,
        stabilityMarks(2, 100, 297000, 200, 7.5, false),
        {"Wing", {"", "", "x_cg (16%): 68.0mm   ", "x_cg (8%): 84.0mm   ", "", "x_ac: 100.0mm    "}}};
    const PaperDocument doc = templateDocument(source, 2, false);
    ASSERT_TRUE(doc);
    const auto pages = doc.pages(Paper{{150, 200}, 4});
    ASSERT_TRUE(std::holds_alternative<std::vector<PrintPage>>(pages));
    std::string record = doc.title.toStdString() + "\n";
    for (const PrintPage& p : std::get<std::vector<PrintPage>>(pages))
        record += "page " + std::to_string(p.size.width()) + "x" + std::to_string(p.size.height()) + "\n" +
                  recorded(p);
    test::expectGolden("template-print.txt", record);
    const auto refused = doc.pages(Paper{{100, 200}, 4});
    ASSERT_TRUE(std::holds_alternative<QString>(refused));
}

}  // namespace
}  // namespace ws
