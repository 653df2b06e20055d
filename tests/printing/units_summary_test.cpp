// The printed summary in inches: every length row names its unit, none says mm.
#include <gtest/gtest.h>

#include <QRegularExpression>

#include "print_test_support.h"
#include "printing/summary_page.h"
#include "texts/translation.h"

namespace ws {
namespace {

TEST(UnitsSummary, InInchesEveryRowNamesItsUnit) {
    static const test::CalculatedAircraft startup(startupAircraft());
    useUnits(Units::Inch);
    const std::vector<PageText> texts = summaryTexts(startup.input());
    useUnits(Units::Millimetre);
    const auto at = [&texts](int x, int y) {
        for (const PageText& t : texts)
            if (t.x == x && t.y == y) return t.text.toStdString();
        return std::string("(none)");
    };
    const struct {
        int x, y;
        const char* text;
    } cells[] = {
        {420, 583, " 3.69 in"},     // the neutral point, 93.7 mm
        {420, 603, " 1.98 in"},     // 50.2 mm
        {510, 703, "43.31 in"},     // the span, 1100 mm
        {510, 723, "  460 in**2"},  // 29.7 dm²
        {510, 763, "10.71 in"},     // the mean chord
        {0, 763, "zf:  0.00 in"},   // the height
    };
    for (const auto& c : cells) EXPECT_EQ(at(c.x, c.y), c.text) << c.x << "," << c.y;
    EXPECT_EQ(at(0, 703).substr(0, 4), "xf: ");
    EXPECT_EQ(at(0, 703).substr(at(0, 703).size() - 3), " in");
    const QRegularExpression mm(QStringLiteral("\\bmm\\b"));
    for (const PageText& t : texts) EXPECT_FALSE(t.text.contains(mm)) << t.text.toStdString();
}

}  // namespace
}  // namespace ws
