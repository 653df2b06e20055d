// winstabix-calc --units: the text report in the unit, the JSON in mm.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc_run.h"

namespace ws {
namespace {

TEST(UnitsCalc, ReportInTheUnitJsonInMillimetres) {
    const struct {
        const char* args;
        int status;
        std::vector<const char*> has;
        std::vector<const char*> hasNot;
    } cases[] = {
        // The start-up aircraft: 1100 mm span, neutral point 93.7 mm.
        {"--units in",
         0,
         {"wing 1: b=43.31in s=460.4in^2 lm=10.71in r25=3.24in lam= 4.1\n",
          "reference wing 1: area 460.4in^2, chord 10.71in\n", "x_ac: 3.69in\n",
          "x_cg (16%): 1.98in = 13.2% lm\n"},
         {"mm"}},
        {"--units cm",
         0,
         {"wing 1: b=110.0cm s=29.70dm^2 lm=27.20cm r25=8.23cm lam= 4.1\n", "x_ac: 9.37cm\n"},
         {"mm"}},
        {"--units mm",
         0,
         {"wing 1: b=1100mm s=29.70dm^2 lm=272.0mm r25=82.3mm lam= 4.1\n", "x_ac: 93.7mm\n"},
         {}},
        {"--units in --lang de", 0, {"x_NP: 3.69in\n"}, {"mm"}},
        {"--json --units in", 0, {"\"units\":\"in\"", "\"span\":1100,", "\"label_b\":\"43.31in\""}, {}},
        {"--json", 0, {"\"span\":1100,", "\"label_b\":\"1100mm\""}, {"\"units\""}},
        {"--units ft", 2, {"--units takes mm, cm or in, not ft"}, {"wing 1"}},
        {"--units MM", 2, {"--units takes mm, cm or in, not MM"}, {"wing 1"}},
        {"--units", 2, {"--units needs mm, cm or in"}, {"wing 1"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args);
        const testing::CalcRun run = testing::runCalc(c.args);
        const std::string said = run.out + run.err;
        EXPECT_EQ(run.status, c.status);
        for (const char* text : c.has) EXPECT_NE(said.find(text), std::string::npos) << text << "\n" << said;
        for (const char* text : c.hasNot) EXPECT_EQ(said.find(text), std::string::npos) << text;
    }
    EXPECT_EQ(testing::runCalc("--units mm").out, testing::runCalc("").out);
}

}  // namespace
}  // namespace ws
