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

// `args` are already quoted.
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

TEST(WinstabixCalc, OneLabelLinePerWingInUse) {
    const struct {
        std::string args;
        const char* labels;
    } cases[] = {
        {"", /* the start-up aircraft */
         "wing 1: b=1100mm s=29.70dm^2 lm=272.0mm r25=82.3mm lam= 4.1\n"
         "wing 2: b= 240mm s=1.92dm^2 lm=80.4mm r25=24.9mm lam= 3.0\n"},
        {example("glider.da4"),
         "wing 1: b=2800mm s=53.45dm^2 lm=197.1mm r25=61.4mm lam=14.7\n"
         "wing 2: b= 560mm s=6.16dm^2 lm=111.2mm r25=39.5mm lam= 5.1\n"},
        {example("flying-wing.da4"), "wing 1: b=1800mm s=43.20dm^2 lm=251.2mm r25=224.3mm lam= 7.5\n"},
    };
    for (const auto& c : cases) {
        const CalcRun run = runCalc(c.args);
        EXPECT_EQ(run.status, 0) << c.args;
        EXPECT_TRUE(run.out.starts_with(c.labels + std::string("wing 1: chord panels "))) << run.out;
        EXPECT_EQ(run.err, "") << c.args;
    }
    const CalcRun canard = runCalc(example("canard.da4"));
    EXPECT_NE(canard.out.find("\nwing 3: b="), std::string::npos);
    EXPECT_EQ(canard.out.find("wing 4"), std::string::npos);
}

TEST(WinstabixCalc, GermanRowsAndJson) {
    const CalcRun german = runCalc("--lang de");
    EXPECT_EQ(german.status, 0);
    EXPECT_NE(german.out.find("\nx_NP: "), std::string::npos) << german.out;
    EXPECT_NE(german.out.find("\nx_SP (16%): "), std::string::npos) << german.out;
    const CalcRun json = runCalc("--json " + example("glider.da4"));
    EXPECT_EQ(json.status, 0);
    EXPECT_TRUE(json.out.starts_with("{")) << json.out;
    EXPECT_NE(json.out.find("\"calculated\":true"), std::string::npos) << json.out;
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

    for (const char* args : {"--bogus", "--save", "--lang fr", "a.da4 b.da4"}) {
        const CalcRun bad = runCalc(args);
        EXPECT_EQ(bad.status, 2) << args;
        EXPECT_NE(bad.err.find("usage: winstabix-calc"), std::string::npos) << args;
        EXPECT_EQ(bad.out, "") << args;
    }
}

}  // namespace
}  // namespace ws
