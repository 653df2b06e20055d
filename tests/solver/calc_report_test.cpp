#include "app/calc_report.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "solver_test_util.h"

namespace ws {
namespace {

using Json = nlohmann::json;
using M = MessageCode;

std::string line(MessageCode code, int a = 0) {
    return "line " + std::to_string(int(code)) + "/" + std::to_string(a);
}

// Stand-in words: the report only places them; the catalogue words them.
ReportWording wordsFor(const CalcResult& r) {
    ReportWording w;
    w.neutralPoint = "NP   ";
    w.cgFront = "CG front  ";
    w.cgRear = "CG rear ";
    for (const Message& m : r.memo) w.messages.push_back(line(m.code, m.a));
    return w;
}

// Calculated examples are goldens of the batch program. A quote, a tab and a
// byte that is no UTF-8 in the file name stay valid JSON.
TEST(CalcReport, RefusedRunHasNullResultsAndItsLines) {
    const AircraftModel m = test::aircraftOf({test::rectangle(500, 200), test::rectangle(300, 0, 700, 60)});
    const CalcResult r = runCalculation(m);
    ASSERT_FALSE(r.done());
    EXPECT_EQ(calcExitStatus(r), 1);
    const Json j = Json::parse(jsonReport("plane \"1\"\t\xff.da4", m, r, wordsFor(r)));
    EXPECT_EQ(j.at("file"), "plane \"1\"\t\xEF\xBF\xBD.da4");
    EXPECT_EQ(j.at("calculated"), false);
    for (const char* key : {"anp_aircraft", "ref_wing", "ref_area", "ref_chord", "margin_low", "margin_high",
                            "cg_front", "cg_rear", "cg_desired"})
        EXPECT_TRUE(j.at(key).is_null()) << key;
    EXPECT_EQ(j.at("margin_desired"), 7.5);
    const Json& w1 = j.at("wings").at(0);
    for (const char* key : {"lift_slope", "anp", "anp_rel", "label_anp"})
        EXPECT_TRUE(w1.at(key).is_null()) << key;
    EXPECT_EQ(w1.at("area"), 200000);  // the planform's value
    const std::vector<std::string> lines = {line(M::ErrorHead), line(M::NoRootChord, 2),
                                            line(M::NoTipChord, 2), line(M::TrapeziumNeedsChords)};
    EXPECT_EQ(j.at("messages"), Json(lines));
    const std::string text = textReport(m, r, wordsFor(r));
    EXPECT_EQ(text.find("NP"), std::string::npos);
    EXPECT_EQ(text.find("lift slope"), std::string::npos);
    EXPECT_TRUE(text.ends_with(lines[0] + "\n" + lines[1] + "\n" + lines[2] + "\n" + lines[3] + "\n"))
        << text;
}

TEST(CalcReport, MovedWingsShowTheNotice) {
    const AircraftModel m = test::aircraftOf({test::rectangle(500, 200), test::rectangle(200, 200, 680, 0)});
    const CalcResult r = runCalculation(m);
    EXPECT_EQ(calcExitStatus(r), 0);
    const Json j = Json::parse(jsonReport("", m, r, wordsFor(r)));
    EXPECT_EQ(j.at("wings_moved"), true);
    EXPECT_EQ(j.at("messages"), Json({line(M::Attention), line(M::WingsMoved)}));
    EXPECT_EQ(j.at("wings").at(1).at("z"), -24);
}

}  // namespace
}  // namespace ws
