#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "../golden.h"
#include "calc_run.h"
#include "files/aircraft_file.h"

namespace ws {
namespace {

namespace fs = std::filesystem;

using testing::CalcRun;
using testing::quote;
using testing::runCalc;

std::string example(const char* name) {
    return quote((fs::path(WINSTABIX_EXAMPLES) / name).string());
}

// The whole report of every example, in each language and as JSON, run in the
// examples' folder so that the file names are as typed.
TEST(GoldenWinstabixCalc, ReportsOfTheExamples) {
    std::string all;
    for (const char* args :
         {"startup.da4", "glider.da4", "canard.da4", "flying-wing.da4", "--lang de canard.da4",
          "--lang fr glider.da4", "--lang es flying-wing.da4", "--json glider.da4", "--json canard.da4",
          "--panels 150 glider.da4", "--save - glider.da4"}) {
        const CalcRun run = runCalc(args, WINSTABIX_EXAMPLES);
        all += std::string("$ winstabix-calc ") + args + "\nstatus " + std::to_string(run.status) + "\n" +
               run.out + run.err + "\n";
    }
    test::expectGolden("winstabix-calc.txt", all);
}

TEST(WinstabixCalc, BalanceOptionsReportAndRefuse) {
    const std::string items = " --mass 'Motor unit:100:-100' --mass Battery:200:-50 --mass Airframe:700:100 ";
    const CalcRun run = runCalc(example("glider.da4") + items + "--movable Battery --ballast-at 300");
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("\nbalance: mass 1000.0g, cg 50.0mm\n"), std::string::npos) << run.out;
    const CalcRun json = runCalc("--json " + example("glider.da4") + items + "--movable Battery");
    EXPECT_NE(json.out.find("\"balance\":{\"mass_g\":1000,\"cg\":50,"), std::string::npos) << json.out;
    EXPECT_NE(json.out.find("\"move_item\":{\"name\":\"Battery\""), std::string::npos) << json.out;
    EXPECT_NE(runCalc("--json " + example("glider.da4")).out.find("\"balance\":null}"), std::string::npos);
    for (const char* bad : {"--mass A:-1:0", "--mass A:1", "--mass A:1:0 --movable B", "--ballast-at x"}) {
        const CalcRun refused = runCalc(example("glider.da4") + " " + bad);
        EXPECT_EQ(refused.status, 2) << bad;
        EXPECT_TRUE(refused.err.starts_with("winstabix-calc: --")) << refused.err;
    }
}

TEST(WinstabixCalc, SaveWritesTheAircraftWithItsNewResults) {
    testing::TempFolder folder;
    const fs::path out = folder / "out.da4";
    EXPECT_EQ(runCalc("--save " + quote(out.string())).status, 0);
    const auto reloaded = [&out] {
        return applyAircraftFile(std::get<AircraftFileContent>(parseAircraftFile(testing::readBytes(out))),
                                 startupAircraft());
    };
    const LoadedAircraft startup = reloaded();
    EXPECT_TRUE(startup.ResultsValid);
    EXPECT_DOUBLE_EQ(startup.results.RefArea, 297000.0);
    EXPECT_DOUBLE_EQ(startup.results.RefChord, 271.98);  // lm 271.975… written with 2 decimals
    // Everything but the three result lines is the start-up aircraft's.
    EXPECT_EQ(aircraftFileBytes(startup.model, std::nullopt),
              aircraftFileBytes(startupAircraft(), std::nullopt));

    const fs::path glider = fs::path(WINSTABIX_EXAMPLES) / "glider.da4";
    EXPECT_EQ(runCalc(quote(glider.string()) + " --save " + quote(out.string())).status, 0);
    EXPECT_EQ(aircraftFileBytes(reloaded().model, std::nullopt), testing::readBytes(glider));
}

TEST(WinstabixCalc, BadCommandLinesExitWithTwo) {
    for (const char* args :
         {"--bogus", "--save", "--lang it", "a.da4 b.da4", "--panels 99", "--panels 3001"}) {
        const CalcRun bad = runCalc(args);
        EXPECT_EQ(bad.status, 2) << args;
        EXPECT_NE(bad.err.find("usage: winstabix-calc"), std::string::npos) << args;
        EXPECT_EQ(bad.out, "") << args;
    }
}

// None of these may block or load: each returns at once with its reason.
TEST(WinstabixCalc, FilesThatAreNoAircraftExitWithTwo) {
    testing::TempFolder folder;
    const fs::path fifo = folder / "fifo.da4";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    std::string glider = testing::readBytes(fs::path(WINSTABIX_EXAMPLES) / "glider.da4");
    testing::writeBytes(folder / "cut.da4", glider.substr(0, glider.size() / 3));
    const std::pair<std::string, const char*> cases[] = {
        {(folder / "missing.da4").string(), "No such file or directory"},
        {fifo.string(), "not a regular file but a FIFO"},
        {"/dev/zero", "not a regular file but a device"},
        {folder.path().string(), "not a regular file but a folder"},
        {(folder / "cut.da4").string(),
         "the file ends after line 33; an aircraft file has at least 53 lines"},
    };
    for (const auto& [file, reason] : cases) {
        const CalcRun run = runCalc(quote(file) + " --save " + quote((folder / "out.da4").string()));
        EXPECT_EQ(run.status, 2) << file;
        EXPECT_EQ(run.out, "") << file;
        EXPECT_EQ(run.err, "winstabix-calc: cannot open \"" + file + "\": " + reason + "\n");
    }
    EXPECT_FALSE(fs::exists(folder / "out.da4"));
}

// Outputs that would lose what is there are refused before anything is
// written; output that does not arrive fails.
TEST(WinstabixCalc, OutputsGoWhereAskedOrNowhere) {
    testing::TempFolder folder;
    const fs::path log = folder / "results.log";
    const fs::path copy = folder / "copy.da4";
    const fs::path twice = folder / "twice.da4";
    const std::string glider = testing::readBytes(fs::path(WINSTABIX_EXAMPLES) / "glider.da4");
    const auto q = [&folder](const char* name) { return quote((folder / name).string()); };
    const auto named = [&folder](const char* name) { return "\"" + (folder / name).string() + "\""; };
    const char* const kDescriptor = "not a file but a link to an open descriptor";
    const struct {
        std::string args;
        int status;
        std::string err;  // what stderr says, after "winstabix-calc: "
    } cases[] = {
        {q("copy.da4") + " --save /dev/stdout >> " + q("results.log"), 2,
         "cannot save \"/dev/stdout\": " + std::string(kDescriptor)},
        {"--help > /dev/full", 2, "cannot write to standard output: No space left on device"},
        {q("copy.da4") + " --json > /dev/full", 2,
         "cannot write to standard output: No space left on device"},
        {q("copy.da4") + " --save " + q("twice.da4") + " --svg " + q("twice.da4"), 2,
         "--save and --svg name the same file " + named("twice.da4") + "; each output needs its own"},
        {q("copy.da4") + " --dxf " + q("copy.da4"), 2,
         "--dxf names the aircraft file " + named("copy.da4") + " that is read"},
        {q("copy.da4") + " --save - --avl -", 2,
         "--save and --avl both go to standard output; each output needs its own"},
        {q("copy.da4") + " --svg " + q("results.log") + " >> " + q("results.log"), 2,
         "--svg names the file " + named("results.log") + " that standard output goes to"},
        {q("copy.da4") + " --save " + q("copy.da4"), 0, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args);
        testing::writeBytes(log, "old log\n");
        testing::writeBytes(copy, glider);
        const CalcRun run = runCalc(c.args);
        EXPECT_EQ(run.status, c.status);
        EXPECT_EQ(run.err, c.err.empty() ? "" : "winstabix-calc: " + c.err + "\n");
        EXPECT_EQ(testing::readBytes(log), "old log\n");
        EXPECT_FALSE(fs::exists(twice));
        EXPECT_TRUE(testing::readBytes(copy).starts_with(glider.substr(0, glider.find(" \r\n"))));
    }
    // "-" is standard output, which then carries the aircraft file alone.
    const CalcRun toStandardOutput = runCalc(q("copy.da4") + " --save -");
    EXPECT_EQ(toStandardOutput.status, 0);
    const CalcRun saved = runCalc(q("copy.da4") + " --save " + q("saved.da4"));
    EXPECT_EQ(toStandardOutput.out, testing::readBytes(folder / "saved.da4"));
}

// Aircraft that calculated into answers without a word: refused with the
// reason, and counts out of range clamped.
TEST(WinstabixCalc, HostileAircraftGiveTheirOutcome) {
    const std::string damaged = std::string(WINSTABIX_TEST_DATA) + "/damaged/";
    const struct {
        const char* file;
        int status;
        const char* line;
    } cases[] = {
        {"sweep-90-degrees.da4", 1,
         "Can not calculate Wing  1 / Trapezium 1.\n"
         "Please change this trapezium (leading edge swept 90.0°, at most 80°)!\n"},
        {"wing-centre-off-wing.da4", 1,
         "Can not calculate wing-2. \nThe aerodynamic center lies outside this wing!\n"},
        // One wing of four trapeziums.
        {"counts-zero-and-seven.da4", 0,
         "\nwing 1: chord panels 9, strips 57 (18 24 7 8), lift slope 5.06, anp 89.6mm\npanels: 513\n"},
    };
    for (const auto& c : cases) {
        const CalcRun run = runCalc(quote(damaged + c.file));
        EXPECT_EQ(run.status, c.status) << c.file;
        EXPECT_NE(run.out.find(c.line), std::string::npos) << run.out;
    }
    // With standard output taken by the aircraft file, the reasons go to stderr.
    const CalcRun piped = runCalc(quote(damaged + cases[0].file) + " --save -");
    EXPECT_EQ(piped.status, 1);
    EXPECT_TRUE(piped.out.starts_with("   2\r\n")) << piped.out;
    EXPECT_NE(piped.err.find(cases[0].line), std::string::npos) << piped.err;
}

// Results a file claims are calculated again: a notice when they were not the
// aircraft's, none for a file the program saved itself; exit 0 either way.
TEST(WinstabixCalc, StoredResultsAreCalculatedAgain) {
    testing::TempFolder folder;
    const std::string saved = quote((folder / "saved.da4").string());
    ASSERT_EQ(runCalc(example("glider.da4") + " --save " + saved).status, 0);
    const std::string notice =
        "The results stored in the file did not belong to this aircraft and were calculated again.";
    const std::string fine = quote((folder / "fine.da4").string());
    const CalcRun finest = runCalc(example("glider.da4") + " --panels 3000 --save " + fine);
    ASSERT_EQ(finest.status, 0);
    EXPECT_NE(finest.out.find(
                  " panels for the largest wing instead of 3000, the finest lattice within 3000 unknowns\n"),
              std::string::npos)
        << finest.out;
    // An aircraft whose lattices differ by 20 % of the chord, saved on the finest.
    const std::string odd = quote((folder / "odd.da4").string());
    ASSERT_EQ(
        runCalc(quote(std::string(WINSTABIX_TEST_DATA) + "/damaged/results-odd-aircraft-100-panels.da4") +
                " --panels 3000 --save " + odd)
            .status,
        0);
    const std::string incomplete = "The results stored in the file are incomplete and were calculated again.";
    const std::string damaged = std::string(WINSTABIX_TEST_DATA) + "/damaged/";
    const std::string disagree = quote(damaged + "results-disagree.da4");
    const struct {
        std::string args;
        std::string notice;  // empty: none
    } cases[] = {
        {saved, ""},
        {fine, ""},
        {fine + " --panels 100", ""},
        {saved + " --panels 3000", ""},
        {odd + " --panels 100", ""},
        {disagree, notice},
        {"--json " + disagree, notice},
        {quote(damaged + "results-cut-after-area.da4"), incomplete},
    };
    EXPECT_NE(runCalc(disagree).out.find("\nx_ac: 115.0mm\n"), std::string::npos);  // not the stored 130.00
    for (const auto& c : cases) {
        const CalcRun run = runCalc(c.args);
        EXPECT_EQ(run.status, 0) << c.args;
        for (const std::string* line : {&notice, &incomplete})
            EXPECT_EQ(run.out.find(*line) != std::string::npos, *line == c.notice) << c.args << run.out;
    }
}

// The estimate follows the report, which stays as it is; --panels N is its
// coarsest lattice.
TEST(WinstabixCalc, ConvergedEstimateAfterTheReport) {
    const struct {
        std::string args;
        std::vector<std::string> parts;
    } cases[] = {
        {"--converged",
         {"\nx_ac: 93.7mm\n", "\nconverged estimate (converged), lattices 430 874 1692 panels\n",
          "\nconverged x_ac: 92.8 \u00b1 0.5mm\n", "\nconverged x_cg (16%): 49.3mm\n"}},
        {"--converged --lang de",
         {"\nconverged x_NP: 92.8 \u00b1 0.5mm\n", "\nconverged x_SP (8%): 71.1mm\n"}},
        {"--converged --panels 200", {"\npanels: 212\n", "lattices 212 430 874 panels\n"}},
        {"--converged --json",
         {"\"anp_aircraft\":93.72", "\"converged\":{\"status\":\"converged\",\"anp_aircraft\":92.8",
          "\"panel_totals\":[430,874,1692],\"target_panels\":[400,800,1600]"}},
    };
    for (const auto& c : cases) {
        const CalcRun run = runCalc(c.args);
        EXPECT_EQ(run.status, 0) << c.args;
        for (const std::string& part : c.parts)
            EXPECT_NE(run.out.find(part), std::string::npos) << part << run.out;
    }
    EXPECT_EQ(runCalc("--json").out.find("converged"), std::string::npos);
}

// A name that is not UTF-8 still gives valid JSON, and its file opens.
TEST(WinstabixCalc, JsonOfANameThatIsNotUtf8) {
    testing::TempFolder folder;
    const fs::path odd = folder /
                         "gl\xFC\x01"
                         "der.da4";
    fs::copy_file(fs::path(WINSTABIX_EXAMPLES) / "glider.da4", odd);
    const CalcRun run = runCalc("--json " + quote(odd.string()));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("gl\xEF\xBF\xBD\\u0001"
                           "der.da4\""),
              std::string::npos)
        << run.out;
}

}  // namespace
}  // namespace ws
