#include <gtest/gtest.h>

#include <cctype>
#include <charconv>
#include <string>
#include <string_view>
#include <vector>

#include "app/calc_report.h"
#include "model/number_format.h"
#include "solver_test_util.h"

namespace ws {
namespace {

// Just enough JSON to check the report: objects, arrays, strings, numbers,
// true, false, null. The parse fails on anything else.
struct Json {
    enum Kind { Null, Bool, Number, String, Array, Object } kind = Null;
    double number = 0;
    bool boolean = false;
    std::string text;
    std::vector<Json> items;
    std::vector<std::pair<std::string, Json>> members;
    const Json& operator[](const std::string& key) const {
        for (const auto& [k, v] : members)
            if (k == key) return v;
        static const Json missing;
        ADD_FAILURE() << "no key " << key;
        return missing;
    }
};

// Reads one value from the front of `s`, which it consumes.
bool read(std::string_view& s, Json& v) {
    const auto eat = [&](char c) {
        while (!s.empty() && std::isspace(static_cast<unsigned char>(s[0]))) s.remove_prefix(1);
        return !s.empty() && s[0] == c && (s.remove_prefix(1), true);
    };
    const auto word = [&](std::string_view w) {
        return s.starts_with(w) && (s.remove_prefix(w.size()), true);
    };
    // The rest of a string whose opening quote is read.
    const auto string = [&](std::string& out) {
        for (std::size_t i = 0; i < s.size(); ++i) {
            if (s[i] == '"') return s.remove_prefix(i + 1), true;
            if (static_cast<unsigned char>(s[i]) < 0x20) return false;
            if (s[i] != '\\') {
                out += s[i];
            } else if (++i < s.size()) {
                out += s[i] == 'u' ? '?' : s[i] == 'n' ? '\n' : s[i];
                if (s[i] == 'u') i += 4;
            }
        }
        return false;
    };
    // The elements of an array or the members of an object, up to `close`.
    const auto list = [&](char close, auto each) {
        if (eat(close)) return true;
        do {
            if (!each()) return false;
        } while (eat(','));
        return eat(close);
    };
    if (eat('{')) {
        v.kind = Json::Object;
        return list('}', [&] {
            auto& [key, member] = v.members.emplace_back();
            return eat('"') && string(key) && eat(':') && read(s, member);
        });
    }
    if (eat('[')) return v.kind = Json::Array, list(']', [&] { return read(s, v.items.emplace_back()); });
    if (eat('"')) return v.kind = Json::String, string(v.text);
    if (word("true")) return v.kind = Json::Bool, v.boolean = true;
    if (word("false")) return v.kind = Json::Bool, true;
    if (word("null")) return true;
    if (s.empty() || !(s[0] == '-' || std::isdigit(static_cast<unsigned char>(s[0])))) return false;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v.number);
    s.remove_prefix(std::size_t(end - s.data()));
    return v.kind = Json::Number, ec == std::errc{};
}

const std::vector<std::string> kTopKeys = {
    "file",           "wing_count", "wings",    "panel_total", "target_panels", "wings_moved",
    "anp_aircraft",   "ref_wing",   "ref_area", "ref_chord",   "margin_low",    "margin_high",
    "margin_desired", "cg_front",   "cg_rear",  "cg_desired",  "calculated",    "messages"};
const std::vector<std::string> kWingKeys = {"wing",      "span",      "area",         "mac",     "r25",
                                            "aspect",    "z",         "chord_panels", "strips",  "lift_slope",
                                            "anp",       "anp_rel",   "label_b",      "label_s", "label_lm",
                                            "label_r25", "label_lam", "label_anp"};

std::vector<std::string> keysOf(const Json& object) {
    std::vector<std::string> keys;
    for (const auto& [key, value] : object.members) keys.push_back(key);
    return keys;
}

std::vector<double> numbers(const Json& object, std::initializer_list<const char*> keys) {
    std::vector<double> values;
    for (const char* key : keys) values.push_back(object[key].number);
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
    const std::string text = jsonReport(file, m, r, wordsFor(r));
    Json j;
    std::string_view rest = text;
    EXPECT_TRUE(read(rest, j) && rest.find_first_not_of(" \n") == std::string_view::npos) << text;
    EXPECT_EQ(keysOf(j), kTopKeys);
    for (const Json& wing : j["wings"].items) EXPECT_EQ(keysOf(wing), kWingKeys);
    return j;
}

TEST(CalcReport, JsonOfACalculatedAircraft) {
    const AircraftModel m = startupAircraft();
    const CalcResult r = runCalculation(m);
    ASSERT_TRUE(r.done());
    const Json j = report("plane \"1\".da4", m, r);
    EXPECT_EQ(j["file"].text, "plane \"1\".da4");
    EXPECT_TRUE(j["calculated"].boolean);
    EXPECT_FALSE(j["wings_moved"].boolean);
    EXPECT_TRUE(j["messages"].items.empty());
    // Full precision: the numbers read back exactly.
    const Evaluation& e = r.evaluation;
    EXPECT_EQ(numbers(j, {"wing_count", "ref_wing", "margin_desired", "panel_total", "ref_chord",
                          "anp_aircraft", "cg_front"}),
              (std::vector<double>{2, 1, 7.5, double(r.sizes.PanelTotal), e.RefChord, e.AnpAircraft,
                                   r.stability.CgFront}));
    const Json& w1 = j["wings"].items.at(0);
    EXPECT_EQ(numbers(w1, {"anp", "anp_rel", "span", "r25", "z"}),
              (std::vector<double>{e.AnpWing[1], r.wings[1].AnpRelative, e.WingSpan[1],
                                   r.wings[1].planform.WingR25, 0}));
    EXPECT_EQ(w1["label_b"].text, "1100mm");
    EXPECT_EQ(w1["label_lam"].text, " 4.1");
    EXPECT_EQ(w1["label_anp"].text, r.wings[1].anpLabel);
    ASSERT_EQ(w1["strips"].items.size(), 1u);
    EXPECT_EQ(w1["strips"].items[0].number, r.sizes.StripCount[1][1]);
    EXPECT_EQ(j["wings"].items.at(1)["z"].number, 60);
    EXPECT_EQ(j["wings"].items.at(1)["anp_rel"].number, r.wings[2].AnpRelative);  // the tail stands at 680
}

TEST(CalcReport, RefusedRunHasNullResultsAndItsLines) {
    const AircraftModel m = test::aircraftOf({test::rectangle(500, 200), test::rectangle(300, 0, 700, 60)});
    const CalcResult r = runCalculation(m);
    ASSERT_FALSE(r.done());
    EXPECT_EQ(calcExitStatus(r), 1);
    const Json j = report("x.da4", m, r);
    EXPECT_FALSE(j["calculated"].boolean);
    for (const char* key : {"anp_aircraft", "ref_wing", "ref_area", "ref_chord", "margin_low", "margin_high",
                            "cg_front", "cg_rear", "cg_desired"})
        EXPECT_EQ(j[key].kind, Json::Null) << key;
    EXPECT_EQ(j["margin_desired"].number, 7.5);
    EXPECT_EQ(j["panel_total"].number, 416);
    const Json& w1 = j["wings"].items.at(0);
    for (const char* key : {"lift_slope", "anp", "anp_rel", "label_anp"})
        EXPECT_EQ(w1[key].kind, Json::Null) << key;
    EXPECT_EQ(w1["area"].number, 200000);  // the planform's value
    EXPECT_EQ(w1["chord_panels"].number, 13);
    const std::vector<Json>& lines = j["messages"].items;
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].text, "line 0/0");
    EXPECT_EQ(lines[1].text, "line 3/2");

    const std::string text = textReport(m, r, wordsFor(r));
    EXPECT_EQ(text.find("NP"), std::string::npos);
    EXPECT_EQ(text.find("lift slope"), std::string::npos);
    const std::string tail = "line 0/0\nline 3/2\nline 7/0\n";
    ASSERT_GE(text.size(), tail.size());
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
}

TEST(CalcReport, MovedWingsShowTheNotice) {
    const AircraftModel m = test::aircraftOf({test::rectangle(500, 200), test::rectangle(200, 200, 680, 0)});
    const CalcResult r = runCalculation(m);
    EXPECT_EQ(calcExitStatus(r), 0);
    const Json j = report("x.da4", m, r);
    EXPECT_TRUE(j["wings_moved"].boolean);
    ASSERT_EQ(j["messages"].items.size(), 2u);
    EXPECT_EQ(j["messages"].items[1].text, "line 2/0");
    EXPECT_EQ(j["wings"].items.at(1)["z"].number, -24);
}

TEST(CalcReport, Text) {
    const AircraftModel m = startupAircraft();
    const CalcResult r = runCalculation(m);
    const std::string text = textReport(m, r, wordsFor(r));
    const std::string expected =
        "wing 1: b=1100mm s=29.70dm^2 lm=272.0mm r25=82.3mm lam= 4.1\n"
        "wing 2: b= 240mm s=1.92dm^2 lm=80.4mm r25=24.9mm lam= 3.0\n"
        "wing 1: chord panels " +
        std::to_string(r.sizes.ChordPanels[1]) + ", strips " + std::to_string(r.sizes.WingStrips[1]) + " (" +
        std::to_string(r.sizes.StripCount[1][1]) + "), lift slope " +
        fixed(r.evaluation.LiftSlopeWing[1], 2) + ", anp " + r.wings[1].anpLabel + "\n";
    EXPECT_EQ(text.substr(0, expected.size()), expected);
    EXPECT_NE(text.find("panels: " + std::to_string(r.sizes.PanelTotal) + "\n"), std::string::npos);
    EXPECT_NE(text.find("reference wing 1: area 29.70dm^2, chord 272.0mm\n"), std::string::npos);
    // The rows without their trailing blanks; no messages while the box is hidden.
    EXPECT_NE(text.find("chord 272.0mm\nNP\nCG front\nCG rear\n"), std::string::npos);
    EXPECT_EQ(text.find("line"), std::string::npos);
}

TEST(CalcReport, EveryExampleCalculatesAndReports) {
    int seen = 0;
    for (const auto& entry : std::filesystem::directory_iterator(WINSTABIX_EXAMPLES)) {
        if (entry.path().extension() != ".da4") continue;
        ++seen;
        const AircraftModel m = test::loadAircraft(entry.path());
        const CalcResult r = runCalculation(m);
        EXPECT_TRUE(r.done()) << entry.path();
        EXPECT_EQ(report(entry.path().string(), m, r)["wings"].items.size(), std::size_t(m.CalcWingCount));
    }
    EXPECT_GT(seen, 0);
}

}  // namespace
}  // namespace ws
