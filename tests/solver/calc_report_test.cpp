#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/calc_report.h"
#include "model/number_format.h"
#include "solver_test_util.h"

namespace ws {
namespace {

// Just enough JSON to check the report: objects, arrays, strings, numbers,
// true, false, null. Fails the parse (nullptr) on anything else.
struct Json {
    enum Kind { Null, Bool, Number, String, Array, Object } kind = Null;
    double number = 0;
    bool boolean = false;
    std::string text;
    std::vector<Json> items;
    std::vector<std::pair<std::string, Json>> members;
    const Json* get(const std::string& key) const {
        for (const auto& [k, v] : members)
            if (k == key) return &v;
        return nullptr;
    }
};

class Parser {
  public:
    explicit Parser(const std::string& s) : s_(s) {}
    bool parse(Json& out) {
        if (!value(out)) return false;
        skip();
        return i_ == s_.size();
    }

  private:
    const std::string& s_;
    std::size_t i_ = 0;
    void skip() {
        while (i_ < s_.size() && std::isspace(static_cast<unsigned char>(s_[i_]))) ++i_;
    }
    bool literal(const char* word) {
        const std::string w = word;
        if (s_.compare(i_, w.size(), w) != 0) return false;
        i_ += w.size();
        return true;
    }
    bool string(std::string& out) {
        if (s_[i_] != '"') return false;
        for (++i_; i_ < s_.size(); ++i_) {
            const char c = s_[i_];
            if (c == '"') {
                ++i_;
                return true;
            }
            if (static_cast<unsigned char>(c) < 0x20) return false;
            if (c == '\\') {
                if (++i_ >= s_.size()) return false;
                if (s_[i_] == 'u') {
                    out += '?';
                    i_ += 4;
                } else {
                    out += s_[i_] == 'n' ? '\n' : s_[i_];
                }
            } else {
                out += c;
            }
        }
        return false;
    }
    bool value(Json& v) {
        skip();
        if (i_ >= s_.size()) return false;
        const char c = s_[i_];
        if (c == '{') {
            v.kind = Json::Object;
            ++i_;
            skip();
            if (s_[i_] == '}') return ++i_, true;
            for (;;) {
                skip();
                std::string key;
                if (!string(key)) return false;
                skip();
                if (s_[i_++] != ':') return false;
                Json member;
                if (!value(member)) return false;
                v.members.emplace_back(key, std::move(member));
                skip();
                if (s_[i_] == ',') {
                    ++i_;
                    continue;
                }
                return s_[i_++] == '}';
            }
        }
        if (c == '[') {
            v.kind = Json::Array;
            ++i_;
            skip();
            if (s_[i_] == ']') return ++i_, true;
            for (;;) {
                Json item;
                if (!value(item)) return false;
                v.items.push_back(std::move(item));
                skip();
                if (s_[i_] == ',') {
                    ++i_;
                    continue;
                }
                return s_[i_++] == ']';
            }
        }
        if (c == '"') {
            v.kind = Json::String;
            return string(v.text);
        }
        if (literal("true")) return v.kind = Json::Bool, v.boolean = true, true;
        if (literal("false")) return v.kind = Json::Bool, true;
        if (literal("null")) return v.kind = Json::Null, true;
        std::size_t used = 0;
        try {
            v.number = std::stod(s_.substr(i_), &used);
        } catch (...) {
            return false;
        }
        if (used == 0) return false;
        v.kind = Json::Number;
        i_ += used;
        return true;
    }
};

const char* const kTopKeys[] = {"file",         "wing_count",     "wings",    "panel_total", "wings_moved",
                                "anp_aircraft", "ref_wing",       "ref_area", "ref_chord",   "margin_low",
                                "margin_high",  "margin_desired", "cg_front", "cg_rear",     "cg_desired",
                                "calculated",   "messages"};
const char* const kWingKeys[] = {"wing",      "span",      "area",         "mac",     "r25",
                                 "aspect",    "z",         "chord_panels", "strips",  "lift_slope",
                                 "anp",       "anp_rel",   "label_b",      "label_s", "label_lm",
                                 "label_r25", "label_lam", "label_anp"};

Json parsed(const std::string& text) {
    Json j;
    EXPECT_TRUE(Parser(text).parse(j)) << text;
    return j;
}

void expectAllKeys(const Json& j) {
    ASSERT_EQ(j.kind, Json::Object);
    ASSERT_EQ(j.members.size(), std::size(kTopKeys));
    for (std::size_t k = 0; k < std::size(kTopKeys); ++k) EXPECT_EQ(j.members[k].first, kTopKeys[k]);
    for (const Json& wing : j.get("wings")->items) {
        ASSERT_EQ(wing.members.size(), std::size(kWingKeys));
        for (std::size_t k = 0; k < std::size(kWingKeys); ++k) EXPECT_EQ(wing.members[k].first, kWingKeys[k]);
    }
}

TEST(CalcReport, JsonOfACalculatedAircraft) {
    const AircraftModel m = startupAircraft();
    const CalcResult r = runCalculation(m);
    ASSERT_TRUE(r.done());
    const Json j = parsed(jsonReport("plane \"1\".da4", m, r));
    expectAllKeys(j);
    EXPECT_EQ(j.get("file")->text, "plane \"1\".da4");
    EXPECT_EQ(j.get("wing_count")->number, 2);
    EXPECT_TRUE(j.get("calculated")->boolean);
    EXPECT_FALSE(j.get("wings_moved")->boolean);
    EXPECT_TRUE(j.get("messages")->items.empty());
    // Full precision: the numbers read back exactly.
    EXPECT_EQ(j.get("anp_aircraft")->number, r.evaluation.AnpAircraft);
    EXPECT_EQ(j.get("ref_chord")->number, r.evaluation.RefChord);
    EXPECT_EQ(j.get("cg_front")->number, r.stability.CgFront);
    EXPECT_EQ(j.get("margin_desired")->number, 7.5);
    EXPECT_EQ(j.get("ref_wing")->number, 1);
    EXPECT_EQ(j.get("panel_total")->number, r.sizes.PanelTotal);
    const Json& w1 = j.get("wings")->items.at(0);
    EXPECT_EQ(w1.get("label_b")->text, "1100mm");
    EXPECT_EQ(w1.get("label_lam")->text, " 4.1");
    EXPECT_EQ(w1.get("anp")->number, r.evaluation.AnpWing[1]);
    EXPECT_EQ(w1.get("anp_rel")->number, r.wings[1].AnpRelative);
    EXPECT_EQ(w1.get("label_anp")->text, r.wings[1].anpLabel);
    EXPECT_EQ(w1.get("span")->number, r.evaluation.WingSpan[1]);
    EXPECT_EQ(w1.get("r25")->number, r.wings[1].planform.WingR25);
    EXPECT_EQ(w1.get("z")->number, 0);
    ASSERT_EQ(w1.get("strips")->items.size(), 1u);
    EXPECT_EQ(w1.get("strips")->items[0].number, r.sizes.StripCount[1][1]);
    EXPECT_EQ(j.get("wings")->items.at(1).get("z")->number, 60);
}

TEST(CalcReport, RefusedRunHasNullResultsAndItsLines) {
    AircraftModel m = test::aircraftOf({test::rectangle(500, 200), test::rectangle(300, 0, 700, 60)});
    const CalcResult r = runCalculation(m);
    ASSERT_FALSE(r.done());
    EXPECT_EQ(calcExitStatus(r), 1);
    const Json j = parsed(jsonReport("x.da4", m, r));
    expectAllKeys(j);
    EXPECT_FALSE(j.get("calculated")->boolean);
    for (const char* key : {"anp_aircraft", "ref_wing", "ref_area", "ref_chord", "margin_low", "margin_high",
                            "cg_front", "cg_rear", "cg_desired"})
        EXPECT_EQ(j.get(key)->kind, Json::Null) << key;
    EXPECT_EQ(j.get("margin_desired")->number, 7.5);
    const Json& w1 = j.get("wings")->items.at(0);
    for (const char* key : {"lift_slope", "anp", "anp_rel", "label_anp"})
        EXPECT_EQ(w1.get(key)->kind, Json::Null);
    EXPECT_EQ(w1.get("area")->number, 200000);  // the planform's value
    EXPECT_EQ(w1.get("chord_panels")->number, 13);
    EXPECT_EQ(j.get("panel_total")->number, 416);
    const std::vector<Json>& lines = j.get("messages")->items;
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].text, "Error: ");
    EXPECT_EQ(lines[1].text, "Can not calculate wing-2. ");
}

TEST(CalcReport, MovedWingsShowTheNotice) {
    const AircraftModel m = test::aircraftOf({test::rectangle(500, 200), test::rectangle(200, 200, 680, 0)});
    const CalcResult r = runCalculation(m);
    EXPECT_EQ(calcExitStatus(r), 0);
    const Json j = parsed(jsonReport("x.da4", m, r));
    EXPECT_TRUE(j.get("wings_moved")->boolean);
    ASSERT_EQ(j.get("messages")->items.size(), 2u);
    EXPECT_EQ(j.get("messages")->items[0].text, "Attention:");
    EXPECT_EQ(j.get("wings")->items.at(1).get("z")->number, -24);
}

TEST(CalcReport, Text) {
    const AircraftModel m = startupAircraft();
    const CalcResult r = runCalculation(m);
    const std::string text = textReport(m, r, true);
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
    EXPECT_NE(text.find("\nx_ac: " + fixed(r.evaluation.AnpAircraft, 1) + "mm\n"), std::string::npos);
    EXPECT_NE(text.find("\nx_cg (16%): " + fixed(r.stability.CgFront, 1) + "mm\nx_cg (8%): "),
              std::string::npos);
    EXPECT_EQ(text.find("Error"), std::string::npos);
    EXPECT_NE(textReport(m, r, false).find("\nx_NP: "), std::string::npos);
}

TEST(CalcReport, TextOfARefusal) {
    AircraftModel m = test::aircraftOf({test::rectangle(500, 200), test::rectangle(300, 0, 700, 60)});
    CalcOptions german;
    german.language = Language::German;
    const CalcResult r = runCalculation(m, german);
    const std::string text = textReport(m, r, false);
    EXPECT_EQ(text.find("x_NP"), std::string::npos);
    EXPECT_EQ(text.find("lift slope"), std::string::npos);
    const std::string tail =
        "Fehler: \nKann Flügel-2 nicht berechnen.\nBitte diesen Flügel ändern (keine Fläche)!\n";
    ASSERT_GE(text.size(), tail.size());
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
}

TEST(CalcReport, EveryExampleCalculatesAndReports) {
    const std::filesystem::path dir = WINSTABIX_EXAMPLES;
    if (!std::filesystem::exists(dir)) GTEST_SKIP() << "no examples";
    int seen = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        if (entry.path().extension() != ".da4") continue;
        ++seen;
        const AircraftModel m = test::loadAircraft(entry.path());
        const CalcResult r = runCalculation(m);
        EXPECT_TRUE(r.done()) << entry.path() << (r.memo.empty() ? "" : r.memo.back());
        const Json j = parsed(jsonReport(entry.path().string(), m, r));
        expectAllKeys(j);
        EXPECT_EQ(j.get("wings")->items.size(), std::size_t(m.CalcWingCount));
    }
    EXPECT_GT(seen, 0);
}

}  // namespace
}  // namespace ws
