#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <string>

#include "files/aircraft_file.h"
#include "temp_folder.h"

namespace ws {
namespace {

namespace fs = std::filesystem;

struct CalcRun {
    int status = -1;
    std::string out, err;
};

std::string quote(const std::string& s) {
    return "'" + s + "'";
}

// Runs winstabix-calc with `args` (already quoted) and collects what it says.
CalcRun runCalc(const std::string& args) {
    testing::TempFolder folder;
    const fs::path errFile = folder / "stderr";
    const std::string command = quote(WINSTABIX_CALC) + " " + args + " 2>" + quote(errFile.string());
    CalcRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return run;
    std::array<char, 512> buffer;
    while (std::size_t n = std::fread(buffer.data(), 1, buffer.size(), pipe))
        run.out.append(buffer.data(), n);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.err = testing::readBytes(errFile);
    return run;
}

std::string example(const char* name) {
    return quote((fs::path(WINSTABIX_EXAMPLES) / name).string());
}

TEST(WinstabixCalc, StartupAircraftWithoutAFile) {
    const CalcRun run = runCalc("");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "wing 1: b=1100mm s=29.70dm^2 lm=272.0mm r25=82.3mm lam= 4.1\n"
              "wing 2: b= 240mm s=1.92dm^2 lm=80.4mm r25=24.9mm lam= 3.0\n");
    EXPECT_EQ(run.err, "");
}

TEST(WinstabixCalc, OneLinePerWingInUse) {
    const CalcRun glider = runCalc(example("glider.da4"));
    EXPECT_EQ(glider.status, 0);
    EXPECT_EQ(glider.out,
              "wing 1: b=2800mm s=53.45dm^2 lm=197.1mm r25=61.4mm lam=14.7\n"
              "wing 2: b= 560mm s=6.16dm^2 lm=111.2mm r25=39.5mm lam= 5.1\n");
    const CalcRun flyingWing = runCalc(example("flying-wing.da4"));
    EXPECT_EQ(flyingWing.out, "wing 1: b=1800mm s=43.20dm^2 lm=251.2mm r25=224.3mm lam= 7.5\n");
    const CalcRun canard = runCalc(example("canard.da4"));
    EXPECT_EQ(std::count(canard.out.begin(), canard.out.end(), '\n'), 3);
}

TEST(WinstabixCalc, SaveWritesTheLoadedAircraftAndItsResults) {
    testing::TempFolder folder;
    const fs::path out = folder / "out.da4";
    EXPECT_EQ(runCalc("--save " + quote(out.string())).status, 0);
    EXPECT_EQ(testing::readBytes(out), aircraftFileBytes(startupAircraft(), std::nullopt));

    const fs::path glider = fs::path(WINSTABIX_EXAMPLES) / "glider.da4";
    EXPECT_EQ(runCalc(quote(glider.string()) + " --save " + quote(out.string())).status, 0);
    EXPECT_EQ(testing::readBytes(out), testing::readBytes(glider));

    const fs::path withResults = fs::path(WINSTABIX_TEST_DATA) / "with-results.da4";
    EXPECT_EQ(runCalc("--save " + quote(out.string()) + " " + quote(withResults.string())).status, 0);
    EXPECT_EQ(testing::readBytes(out), testing::readBytes(withResults));
}

TEST(WinstabixCalc, FailuresSayWhyAndExitWithTwo) {
    testing::TempFolder folder;
    const std::string missing = (folder / "missing.da4").string();
    const CalcRun notThere = runCalc(quote(missing));
    EXPECT_EQ(notThere.status, 2);
    EXPECT_EQ(notThere.out, "");
    EXPECT_NE(notThere.err.find(missing), std::string::npos) << notThere.err;

    const std::string nowhere = (folder / "no-folder" / "out.da4").string();
    const CalcRun badSave = runCalc("--save " + quote(nowhere));
    EXPECT_EQ(badSave.status, 2);
    EXPECT_NE(badSave.err.find(nowhere), std::string::npos) << badSave.err;

    for (const char* args : {"--bogus", "--save", "a.da4 b.da4"}) {
        const CalcRun bad = runCalc(args);
        EXPECT_EQ(bad.status, 2) << args;
        EXPECT_NE(bad.err.find("usage: winstabix-calc"), std::string::npos) << args;
        EXPECT_EQ(bad.out, "") << args;
    }
}

}  // namespace
}  // namespace ws
