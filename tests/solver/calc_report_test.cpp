#include "app/calc_report.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "model/number_format.h"
#include "solver_test_util.h"

namespace ws {
namespace {

// The order of the keys counts: ordered_json keeps it.
using Json = nlohmann::ordered_json;

std::string keysOf(const Json& object) {
    std::string keys;
    for (const auto& [key, value] : object.items()) keys += (keys.empty() ? "" : " ") + key;
    return keys;
}

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

// The JSON report, parsed, with exactly the keys of the format in their order.
Json report(const AircraftModel& m, const CalcResult& r) {
    Json j = Json::parse(jsonReport("plane \"1\".da4", m, r, wordsFor(r)));
    EXPECT_EQ(keysOf(j),
              "file wing_count wings panel_total target_panels wings_moved anp_aircraft ref_wing ref_area "
              "ref_chord mac_le margin_low margin_high margin_desired cg_front cg_rear cg_desired "
              "cg_front_mac_percent cg_rear_mac_percent cg_desired_mac_percent calculated messages balance");
    for (const Json& wing : j.at("wings"))
        EXPECT_EQ(keysOf(wing),
                  "wing span area mac r25 aspect z chord_panels strips lift_slope anp anp_rel label_b "
                  "label_s label_lm label_r25 label_lam label_anp tail_volume");
    return j;
}

TEST(CalcReport, JsonOfACalculatedAircraft) {
    const AircraftModel m = startupAircraft();
    const CalcResult r = runCalculation(m);
    ASSERT_TRUE(r.done());
    const Json j = report(m, r);
    EXPECT_EQ(j.at("file"), "plane \"1\".da4");
    EXPECT_EQ(j.at("calculated"), true);
    EXPECT_EQ(j.at("wings_moved"), false);
    EXPECT_TRUE(j.at("messages").empty());
    // Full precision: the numbers read back exactly.
    const Evaluation& e = r.evaluation;
    for (const auto& [key, value] : {std::pair{"wing_count", 2.0},
                                     {"ref_wing", 1.0},
                                     {"margin_desired", 7.5},
                                     {"panel_total", double(r.sizes.PanelTotal)},
                                     {"ref_chord", e.RefChord},
                                     {"anp_aircraft", e.AnpAircraft},
                                     {"cg_front", r.stability.CgFront}})
        EXPECT_EQ(j.at(key).get<double>(), value) << key;
    // Wing 1: one trapezium of 310 to 230 mm over 550 mm, swept 30 mm: its
    // mean chord's leading edge at ∫x·c dy / ∫c dy = 3850 / 270 mm, its mean
    // chord 73433⅓ / 270 mm.
    const double macLe = 3850.0 / 270, chord = (73433.0 + 1.0 / 3) / 270;
    EXPECT_NEAR(j.at("mac_le").get<double>(), macLe, 1e-9);
    EXPECT_NEAR(e.RefChord, chord, 1e-9);
    for (const char* cg : {"cg_front", "cg_rear", "cg_desired"})
        EXPECT_NEAR(j.at(std::string(cg) + "_mac_percent").get<double>(),
                    (j.at(cg).get<double>() - macLe) / chord * 100, 1e-9)
            << cg;
    const Json& w1 = j.at("wings").at(0);
    for (const auto& [key, value] : {std::pair{"anp", e.AnpWing[1]},
                                     {"anp_rel", r.wings[1].AnpRelative},
                                     {"span", e.WingSpan[1]},
                                     {"r25", r.wings[1].planform.WingR25},
                                     {"z", 0.0}})
        EXPECT_EQ(w1.at(key).get<double>(), value) << key;
    EXPECT_EQ(w1.at("label_b"), "1100mm");
    EXPECT_EQ(w1.at("label_lam"), " 4.1");
    EXPECT_EQ(w1.at("label_anp"), anpLabelText(r.wings[1].AnpRelative));
    EXPECT_EQ(w1.at("strips"), Json::array({r.sizes.StripCount[1][1]}));
    EXPECT_EQ(j.at("wings").at(1).at("z"), 60);
    EXPECT_EQ(j.at("wings").at(1).at("anp_rel").get<double>(), r.wings[2].AnpRelative);
}

TEST(CalcReport, RefusedRunHasNullResultsAndItsLines) {
    const AircraftModel m = test::aircraftOf({test::rectangle(500, 200), test::rectangle(300, 0, 700, 60)});
    const CalcResult r = runCalculation(m);
    ASSERT_FALSE(r.done());
    EXPECT_EQ(calcExitStatus(r), 1);
    const Json j = report(m, r);
    EXPECT_EQ(j.at("calculated"), false);
    for (const char* key : {"anp_aircraft", "ref_wing", "ref_area", "ref_chord", "margin_low", "margin_high",
                            "cg_front", "cg_rear", "cg_desired"})
        EXPECT_TRUE(j.at(key).is_null()) << key;
    EXPECT_EQ(j.at("margin_desired"), 7.5);
    const Json& w1 = j.at("wings").at(0);
    for (const char* key : {"lift_slope", "anp", "anp_rel", "label_anp"})
        EXPECT_TRUE(w1.at(key).is_null()) << key;
    EXPECT_EQ(w1.at("area"), 200000);  // the planform's value
    using M = MessageCode;
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
    const Json j = report(m, r);
    EXPECT_EQ(j.at("wings_moved"), true);
    EXPECT_EQ(j.at("messages"), Json({line(MessageCode::Attention), line(MessageCode::WingsMoved)}));
    EXPECT_EQ(j.at("wings").at(1).at("z"), -24);
}

}  // namespace
}  // namespace ws
