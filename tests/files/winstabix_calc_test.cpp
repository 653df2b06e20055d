#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>

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

// Whole outputs, refusals included, of the command lines in
// winstabix-calc.commands, run in the examples' folder so that the file names are as typed.
TEST(GoldenWinstabixCalc, ReportsOfTheExamples) {
    std::ifstream commands(std::string(WINSTABIX_TEST_DATA) + "/golden/winstabix-calc.commands");
    std::string all;
    for (std::string args; std::getline(commands, args);) {
        if (args.starts_with("#")) continue;
        const CalcRun run = runCalc(args, WINSTABIX_EXAMPLES);
        all += "$ winstabix-calc " + args + "\nstatus " + std::to_string(run.status) + "\n" + run.out +
               (run.err.empty() ? "" : "[stderr]\n" + run.err) + "\n";
    }
    test::expectGolden("winstabix-calc.txt", all);
}

// A FIFO neither blocks nor loads: refused at once, nothing written.
TEST(WinstabixCalc, AFifoExitsWithTwo) {
    testing::TempFolder folder;
    const fs::path fifo = folder / "fifo.da4";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    const CalcRun run = runCalc(quote(fifo.string()) + " --save " + quote((folder / "out.da4").string()));
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err,
              "winstabix-calc: cannot open \"" + fifo.string() + "\": not a regular file but a FIFO\n");
    EXPECT_FALSE(fs::exists(folder / "out.da4"));
}

// Outputs onto what standard output appends to are refused before anything
// is written (more refusals: the golden); onto the file read, it is written.
TEST(WinstabixCalc, OutputsGoWhereAskedOrNowhere) {
    testing::TempFolder folder;
    const fs::path log = folder / "results.log", copy = folder / "copy.da4";
    const std::string glider = testing::readBytes(fs::path(WINSTABIX_EXAMPLES) / "glider.da4");
    const auto q = [&folder](const char* name) { return quote((folder / name).string()); };
    const struct {
        std::string args;
        int status;
        std::string err;
    } cases[] = {
        {q("copy.da4") + " --save /dev/stdout >> " + q("results.log"), 2,
         "winstabix-calc: cannot save \"/dev/stdout\": not a file but a link to an open descriptor\n"},
        {q("copy.da4") + " --svg " + q("results.log") + " >> " + q("results.log"), 2,
         "winstabix-calc: --svg names the file \"" + log.string() + "\" that standard output goes to\n"},
        {q("copy.da4") + " --save " + q("copy.da4"), 0, ""},
        {q("copy.da4") + " --svg " + q("x.svg") + " --avl - > /dev/null", 0, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args);
        testing::writeBytes(log, "old log\n");
        testing::writeBytes(copy, glider);
        const CalcRun run = runCalc(c.args);
        EXPECT_EQ(run.status, c.status);
        EXPECT_EQ(run.err, c.err);
        EXPECT_EQ(testing::readBytes(log), "old log\n");
        EXPECT_TRUE(testing::readBytes(copy).starts_with(glider.substr(0, glider.find(" \r\n"))));
    }
    // "-" is standard output, which then carries the aircraft file alone.
    const CalcRun toStandardOutput = runCalc(q("copy.da4") + " --save -");
    EXPECT_EQ(toStandardOutput.status, 0);
    runCalc(q("copy.da4") + " --save " + q("saved.da4"));
    EXPECT_EQ(toStandardOutput.out, testing::readBytes(folder / "saved.da4"));
    // A study with --csv goes to its file alone.
    const std::string study = q("copy.da4") + " --study w2.scale 60 140 3";
    EXPECT_EQ(runCalc(study + " --csv " + q("study.csv")).out, "");
    EXPECT_EQ(testing::readBytes(folder / "study.csv"), runCalc(study).out);
}

// Results the program saved itself raise no notice, whatever lattice saved or reads them.
TEST(WinstabixCalc, OwnStoredResultsGiveNoNotice) {
    testing::TempFolder folder;
    const std::string saved = quote((folder / "saved.da4").string()),
                      fine = quote((folder / "fine.da4").string()),
                      odd = quote((folder / "odd.da4").string());
    ASSERT_EQ(runCalc(example("glider.da4") + " --save " + saved).status, 0);
    ASSERT_EQ(runCalc(example("glider.da4") + " --panels 3000 --save " + fine).status, 0);
    // An aircraft whose lattices differ by 20 % of the chord, saved on the finest.
    ASSERT_EQ(
        runCalc(quote(std::string(WINSTABIX_TEST_DATA) + "/damaged/results-odd-aircraft-100-panels.da4") +
                " --panels 3000 --save " + odd)
            .status,
        0);
    for (const std::string& args :
         {saved, fine, fine + " --panels 100", saved + " --panels 3000", odd + " --panels 100"}) {
        const CalcRun run = runCalc(args);
        EXPECT_EQ(run.status, 0) << args;
        EXPECT_EQ(run.out.find("were calculated again"), std::string::npos) << args << run.out;
    }
}

}  // namespace
}  // namespace ws
