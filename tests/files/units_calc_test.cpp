// winstabix-calc --units: the text report in the unit, the JSON in mm.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>
#include <vector>

namespace ws {
namespace {

struct CalcOutput {
    int status = -1;
    std::string out;
};

CalcOutput calc(const std::string& args) {
    const std::string command = "'" WINSTABIX_CALC "' " + args + " 2>&1";
    CalcOutput run;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return run;
    std::array<char, 512> buffer;
    while (std::size_t n = std::fread(buffer.data(), 1, buffer.size(), pipe))
        run.out.append(buffer.data(), n);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

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
        const CalcOutput run = calc(c.args);
        EXPECT_EQ(run.status, c.status);
        for (const char* text : c.has)
            EXPECT_NE(run.out.find(text), std::string::npos) << text << "\n" << run.out;
        for (const char* text : c.hasNot) EXPECT_EQ(run.out.find(text), std::string::npos) << text;
    }
    EXPECT_EQ(calc("--units mm").out, calc("").out);
}

}  // namespace
}  // namespace ws
