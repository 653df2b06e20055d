#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <utility>
#include <vector>

#include "app/calc_report.h"
#include "model/number_format.h"
#include "solver_test_util.h"

namespace ws {
namespace {

const std::vector<std::string> kTopKeys = {"file",
                                           "wing_count",
                                           "wings",
                                           "panel_total",
                                           "target_panels",
                                           "wings_moved",
                                           "anp_aircraft",
                                           "ref_wing",
                                           "ref_area",
                                           "ref_chord",
                                           "mac_le",
                                           "margin_low",
                                           "margin_high",
                                           "margin_desired",
                                           "cg_front",
                                           "cg_rear",
                                           "cg_desired",
                                           "cg_front_mac_percent",
                                           "cg_rear_mac_percent",
                                           "cg_desired_mac_percent",
                                           "calculated",
                                           "messages",
                                           "balance"};
const std::vector<std::string> kWingKeys = {
    "wing",         "span",      "area",       "mac",       "r25",        "aspect",  "z",
    "chord_panels", "strips",    "lift_slope", "anp",       "anp_rel",    "label_b", "label_s",
    "label_lm",     "label_r25", "label_lam",  "label_anp", "tail_volume"};

// The order of the keys counts: ordered_json keeps it.
using Json = nlohmann::ordered_json;

std::vector<std::string> keysOf(const Json& object) {
    std::vector<std::string> keys;
    for (const auto& [key, value] : object.items()) keys.push_back(key);
    return keys;
}

std::vector<double> numbers(const Json& object, std::initializer_list<const char*> keys) {
    std::vector<double> values;
    for (const char* key : keys) values.push_back(object.at(key).get<double>());
    return values;
}

// The JSON report, parsed, with exactly the keys of the format in their order.
// Stand-in words: the report only places them; the catalogue words them.
ReportWording wordsFor(const CalcResult& r) {
    ReportWording w;
    w.neutralPoint = "NP   ";
    w.cgFront = "CG front  ";
    w.cgRear = "CG rear ";
    for (const Message& m : r.memo)
        w.messages.push_back("line " + std::to_string(int(m.code)) + "/" + std::to_string(m.a));
    return w;
}

Json report(const std::string& file, const AircraftModel& m, const CalcResult& r) {
    Json j = Json::parse(jsonReport(file, m, r, wordsFor(r)));
    EXPECT_EQ(keysOf(j), kTopKeys);
    for (const Json& wing : j.at("wings")) EXPECT_EQ(keysOf(wing), kWingKeys);
    return j;
}

TEST(CalcReport, JsonOfACalculatedAircraft) {
    const AircraftModel m = startupAircraft();
    const CalcResult r = runCalculation(m);
    ASSERT_TRUE(r.done());
    const Json j = report("plane \"1\".da4", m, r);
    EXPECT_EQ(j.at("file").get<std::string>(), "plane \"1\".da4");
    EXPECT_TRUE(j.at("calculated").get<bool>());
    EXPECT_FALSE(j.at("wings_moved").get<bool>());
    EXPECT_TRUE(j.at("messages").empty());
    // Full precision: the numbers read back exactly.
    const Evaluation& e = r.evaluation;
    EXPECT_EQ(numbers(j, {"wing_count", "ref_wing", "margin_desired", "panel_total", "ref_chord",
                          "anp_aircraft", "cg_front"}),
              (std::vector<double>{2, 1, 7.5, double(r.sizes.PanelTotal), e.RefChord, e.AnpAircraft,
                                   r.stability.CgFront}));
    // Wing 1 of the start-up aircraft, one trapezium of 310 to 230 mm over
    // 550 mm, swept 30 mm: its mean chord's leading edge at
    // ∫x·c dy / ∫c dy = 3850 / 270 mm, its mean chord 73433⅓ / 270 mm.
    const double macLe = 3850.0 / 270, chord = (73433.0 + 1.0 / 3) / 270;
    EXPECT_NEAR(j.at("mac_le").get<double>(), macLe, 1e-9);
    EXPECT_NEAR(e.RefChord, chord, 1e-9);
    for (const auto& [position, percent] :
         {std::pair{"cg_front", "cg_front_mac_percent"}, std::pair{"cg_rear", "cg_rear_mac_percent"},
          std::pair{"cg_desired", "cg_desired_mac_percent"}})
        EXPECT_NEAR(j.at(percent).get<double>(), (j.at(position).get<double>() - macLe) / chord * 100, 1e-9)
            << percent;
    const Json& w1 = j.at("wings").at(0);
    EXPECT_EQ(numbers(w1, {"anp", "anp_rel", "span", "r25", "z"}),
              (std::vector<double>{e.AnpWing[1], r.wings[1].AnpRelative, e.WingSpan[1],
                                   r.wings[1].planform.WingR25, 0}));
    EXPECT_EQ(w1.at("label_b").get<std::string>(), "1100mm");
    EXPECT_EQ(w1.at("label_lam").get<std::string>(), " 4.1");
    EXPECT_EQ(w1.at("label_anp").get<std::string>(), anpLabelText(r.wings[1].AnpRelative));
    ASSERT_EQ(w1.at("strips").size(), 1u);
    EXPECT_EQ(w1.at("strips").at(0).get<double>(), r.sizes.StripCount[1][1]);
    EXPECT_EQ(j.at("wings").at(1).at("z").get<double>(), 60);
    EXPECT_EQ(j.at("wings").at(1).at("anp_rel").get<double>(),
              r.wings[2].AnpRelative);  // the tail stands at 680
}

TEST(CalcReport, RefusedRunHasNullResultsAndItsLines) {
    const AircraftModel m = test::aircraftOf({test::rectangle(500, 200), test::rectangle(300, 0, 700, 60)});
    const CalcResult r = runCalculation(m);
    ASSERT_FALSE(r.done());
    EXPECT_EQ(calcExitStatus(r), 1);
    const Json j = report("x.da4", m, r);
    EXPECT_FALSE(j.at("calculated").get<bool>());
    for (const char* key : {"anp_aircraft", "ref_wing", "ref_area", "ref_chord", "margin_low", "margin_high",
                            "cg_front", "cg_rear", "cg_desired"})
        EXPECT_EQ(j.at(key).is_null(), true) << key;
    EXPECT_EQ(j.at("margin_desired").get<double>(), 7.5);
    const Json& w1 = j.at("wings").at(0);
    for (const char* key : {"lift_slope", "anp", "anp_rel", "label_anp"})
        EXPECT_EQ(w1.at(key).is_null(), true) << key;
    EXPECT_EQ(w1.at("area").get<double>(), 200000);  // the planform's value
    const Json& lines = j.at("messages");
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].get<std::string>(), "line 0/0");
    const auto line = [](MessageCode code, int a) {
        return "line " + std::to_string(int(code)) + "/" + std::to_string(a);
    };
    EXPECT_EQ(lines[1].get<std::string>(), line(MessageCode::NoRootChord, 2));

    const std::string text = textReport(m, r, wordsFor(r));
    EXPECT_EQ(text.find("NP"), std::string::npos);
    EXPECT_EQ(text.find("lift slope"), std::string::npos);
    const std::string tail = line(MessageCode::ErrorHead, 0) + "\n" + line(MessageCode::NoRootChord, 2) +
                             "\n" + line(MessageCode::NoTipChord, 2) + "\n" +
                             line(MessageCode::TrapeziumNeedsChords, 0) + "\n";
    ASSERT_GE(text.size(), tail.size());
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
}

TEST(CalcReport, MovedWingsShowTheNotice) {
    const AircraftModel m = test::aircraftOf({test::rectangle(500, 200), test::rectangle(200, 200, 680, 0)});
    const CalcResult r = runCalculation(m);
    EXPECT_EQ(calcExitStatus(r), 0);
    const Json j = report("x.da4", m, r);
    EXPECT_TRUE(j.at("wings_moved").get<bool>());
    ASSERT_EQ(j.at("messages").size(), 2u);
    EXPECT_EQ(j.at("messages").at(1).get<std::string>(), "line 2/0");
    EXPECT_EQ(j.at("wings").at(1).at("z").get<double>(), -24);
}

}  // namespace
}  // namespace ws
